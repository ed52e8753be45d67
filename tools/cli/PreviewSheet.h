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

// A sheet of titled preview panels, one per pattern added, laid out in a grid under optional
// section headings and written as one SVG document. Each add draws the pattern at once (the sheet
// keeps no reference to it), scaled later to fit its panel, or with one scale for a whole section.
// Values that cannot be drawn (not finite or beyond any sensible size) end the run or curve they
// occur in; every loop is bounded, so degenerate patterns give a sparse panel, never a hang or a
// broken document. Titles, notes and captions are UTF-8.
class PreviewSheet {
 public:
  // A line of text under the key, such as what was left out.
  void setCaption(const std::string& text) { caption = text; }
  // With `one`, every panel of a section (of the sheet, without sections) is drawn at one scale,
  // the largest at which all of them fit, so that their sizes can be compared.
  void setOneScale(bool one) { oneScale = one; }
  // With `tiled`, vector patterns added from now on are drawn as a 3 x 3 tiling of their
  // dimension, so that the joins between tiles show.
  void setTiling(bool tiled) { tiling = tiled; }
  // A heading across the sheet; the panels after it start on a new row.
  void addSection(const std::string& title);

  // Rows of needle points one stitch length apart, each row shifted by its offset.
  void add(const std::string& title, const TnFillPattern& pattern);
  // The motif repeated along a straight run with the pattern's own placement.
  void add(const std::string& title, const TnDirectionPattern& motif);
  // One run per (thread, motif) pair, each captioned with its thread identifier beside a stitch
  // of its colour, on one scale.
  void add(const std::string& title, const TnProgrammedPattern& pattern);
  // The wave's curve laid repeatedly along a run.
  void add(const std::string& title, const TnWavePattern& pattern);
  // The curve laid repeatedly along a run, each repeat starting where the last one ended.
  void add(const std::string& title, const TnBezierPattern& pattern);
  // The curves in the frame of the pattern's dimension (their own bounds when it has none).
  void add(const std::string& title, const TnVectorPattern& pattern);

  // A drawing made elsewhere, as one panel across the whole sheet, with a note line.
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
  // A section heading when `isSection`, else a panel: a title, a note line and its runs; a wide
  // panel takes a row of its own.
  struct Panel {
    bool isSection = false;
    bool wide = false;
    std::string title;
    std::string note;
    std::vector<Run> runs;
  };

  // Starts a panel titled `title` and returns it.
  Panel& addPanel(const std::string& title);
  // The scale at which each panel is drawn, by index (sections too, unused).
  std::vector<double> panelScales() const;
  // Draws `panel` with its top-left corner at (x, y), `height` high, at `scale`.
  static void drawPanel(SvgDocument& svg, const Panel& panel, double x, double y, double height,
                        double scale);

  std::vector<Panel> panels;
  std::string caption;
  bool oneScale = false;
  bool tiling = false;
};

}  // namespace loomset::tool
