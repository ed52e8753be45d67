#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/PreviewDrawing.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"

namespace loomset::tool {

class SvgDocument;

// A sheet of labelled preview panels, one per pattern added, laid out in a grid under optional
// section headings and written as one SVG document. Each add draws the pattern at once (the sheet
// keeps no reference to it), scaled later to fit its panel. Values that cannot be drawn (not
// finite or beyond any sensible size) end the run or curve they occur in; every loop is bounded,
// so degenerate patterns give a sparse panel, never a hang or a broken document.
class PreviewSheet {
 public:
  // A heading across the sheet; the panels after it start on a new row.
  void addSection(const std::string& title);
  // Rows of needle points one stitch length apart, each row shifted by its offset.
  void addFill(const TnFillPattern& pattern);
  // The motif repeated along a straight run with the pattern's own placement; `label` is UTF-8.
  void addDirection(const std::string& label, const TnDirectionPattern& motif);
  // One run per (thread, motif) pair, each captioned with its thread identifier, on one scale.
  void addProgrammed(const TnProgrammedPattern& pattern);
  // The wave's curve laid repeatedly along a run.
  void addWave(const TnWavePattern& pattern);
  // The curve laid repeatedly along a run, each repeat starting where the last one ended.
  void addBezier(const std::string& label, const TnBezierPattern& pattern);
  // The curves in the frame of the pattern's dimension (their own bounds when it has none).
  void addVector(const TnVectorPattern& pattern);

  // A drawing made elsewhere, as one panel with a title and a note line (both UTF-8).
  void addDrawing(const std::string& title, const std::string& note, const PreviewDrawing& drawing);
  // The number of panels added; sections are not counted.
  int panelCount() const;
  // The whole SVG document.
  void write(std::ostream& out) const;

 private:
  // A drawing with its caption (empty for none).
  struct Run {
    std::string caption;
    PreviewDrawing drawing;
  };
  // A section heading when `isSection`, else a panel: a title, a note line and its runs.
  struct Panel {
    bool isSection = false;
    std::string title;
    std::string note;
    std::vector<Run> runs;
  };

  // Starts a panel titled `title` (UTF-8) and returns it.
  Panel& addPanel(const std::string& title);
  static double panelHeight(const Panel& panel);
  // Draws `panel` with its top-left corner at (x, y), `height` high.
  static void drawPanel(SvgDocument& svg, const Panel& panel, double x, double y, double height);

  std::vector<Panel> panels;
};

}  // namespace loomset::tool
