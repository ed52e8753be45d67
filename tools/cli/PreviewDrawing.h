#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "loomset/foundation/TnBezierCurve.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace loomset::tool {

class SvgDocument;

// One drawing in pattern units (y pointing up): stitches, jumps, needle points, cubic curves,
// outlines and start marks, later drawn into a box of the sheet at one uniform scale over a grid
// in pattern units. Only drawable points (finite and within 1e9 of the origin) are taken, and the
// number of needle points and curve segments is capped, so that no pattern can make a drawing
// unbounded.
class PreviewDrawing {
 public:
  using Point = TnCoord<double>;

  // The smallest axis-aligned box holding some points; `empty` until one is included.
  struct Bounds {
    bool empty = true;
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;

    void include(const Point& p);
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
  };

  static bool isDrawable(const Point& p);
  // True for a length that is finite, above 1e-9 and within the drawable range.
  static bool isDrawableLength(double length);
  // Draws a key to the marks of a drawing, in one line from (x, y), `y` being the text baseline.
  static void drawLegend(SvgDocument& svg, double x, double y);
  // The distance in pattern units between grid lines drawn at `scale`: 1, 2 or 5 times a power
  // of ten, at least 14 pixels.
  static double gridStep(double scale);
  // Draws a short stitch in palette colour `colour` ending at (x, y), as a key to that colour.
  static void drawSwatch(SvgDocument& svg, double x, double y, std::size_t colour);

  // Adds a needle point without a stitch to it. Returns false, adding nothing, when the point
  // cannot be drawn or the drawing is full.
  bool addNeedlePoint(const Point& p);
  // Follows `entries` from `needle`: a stitch (flag 0) or a jump to each next needle point.
  // Returns false at the first point that cannot be drawn or when the drawing is full, leaving
  // `needle` at the last point added; else true with `needle` at the end.
  bool follow(Point& needle, const TnDirectionPattern::Directions& entries);
  // Adds `curve` moved by `offset`. A segment with a point that cannot be drawn is left out and
  // the curve resumes at the next segment; segments beyond the cap are left out.
  void addCurve(const TnBezierCurve& curve, const TnVector<double>& offset);
  // Marks where the needle starts and the way it sets off, when both can be drawn.
  void addStart(const Point& at, const TnVector<double>& direction);
  // Adds the axis-aligned rectangle with corners `a` and `b`, when both can be drawn.
  void addFrame(const Point& a, const Point& b);
  // How an outline is drawn: a pattern's frame (grey, dashed), or the span (a faint red band)
  // and the covered box (shaded, red edge) of a placement, under the stitches and jumps.
  enum class Outline { kFrame, kSpan, kBox };
  // Adds the lines from corner to corner, and back to the first when `closed`; nothing when a
  // corner cannot be drawn.
  void addOutline(const std::vector<Point>& corners, bool closed, Outline style);

  bool isEmpty() const { return bounds().empty; }
  // True when something was left out because it could not be drawn or the drawing was full.
  bool isCut() const { return cut; }
  Bounds bounds() const;
  // The largest scale at which the drawing fits a box of the given size; infinite when the
  // drawing is empty or a single point, which fits at any scale.
  double fitScale(double width, double height) const;

  // Draws into the box at (x, y) of the given size at `scale` (a finite scale no larger than
  // fitScale keeps it inside), centred, with y turned downwards, over a grid of lines gridStep
  // apart, the jumps dashed over the stitches, the stitches in
  // palette colour `colour` (taken modulo the palette's size), so that runs can be told apart.
  void draw(SvgDocument& svg, double x, double y, double width, double height, double scale,
            std::size_t colour) const;

 private:
  using Segment = std::array<Point, 2>;

  std::vector<Segment> stitches;
  std::vector<Segment> jumps;
  std::vector<Point> needlePoints;
  // Each curve is its start point followed by three control points per cubic segment.
  std::vector<std::vector<Point>> curves;
  // Each start mark: the start point and a point along the way the needle sets off.
  std::vector<Segment> starts;
  int curveSegments = 0;
  bool cut = false;
  // The lines of the outlines, by style.
  std::array<std::vector<Segment>, 3> outlines;
};

}  // namespace loomset::tool
