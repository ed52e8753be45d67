#include "geometry/MotifWalk.h"
#include "loomset/foundation/Lines.h"
#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/Tolerance.h"
#include "loomset/geometry/TnDirectionPattern.h"

using loomset::detail::Directions;
using loomset::detail::MotifExtent;

namespace {

constexpr double kDefaultSize = 40.0;
// Ends closer than this to the sides of the box need no lead-in or run-out, and a motif whose
// ends are closer than this to each other is closed.
constexpr double kReach = 0.5;

double orDefault(double value, double fallback) {
  return IS_ZERO(value, 1e-9) != 0 ? fallback : value;
}

// Moves `start` and `end` along the reference line out to the left and right sides of the box
// where the motif overhangs them; with a `motif`, also adds the matching lead-in at its front and
// run-out at its back, each with the jump flag of its neighbour.
void extendToSides(const TnVector<double>& reference, const MotifExtent& box,
                   TnCoord<double>& start, TnCoord<double>& end, Directions* motif) {
  TnCoord<double> side;
  if (intersect(side, start, reference, box.lo, TnVector<double>(0.0, -1.0)) == 0 &&
      isEqual(start, side, kReach) == 0) {
    if (motif != nullptr) motif->emplace_front(start - side, loomset::detail::firstFlag(*motif));
    start = side;
  }
  if (intersect(side, end, reference, box.hi, TnVector<double>(0.0, 1.0)) == 0 &&
      isEqual(end, side, kReach) == 0) {
    if (motif != nullptr) motif->emplace_back(side - end, loomset::detail::lastFlag(*motif));
    end = side;
  }
}

// The factor that brings the distance from `start` to `end` to `size`, or, for a closed motif,
// its box width.
double scaleFactor(double size, double width, const TnCoord<double>& start,
                   const TnCoord<double>& end) {
  const double byWidth = size / width;
  if (isEqual(start, end, kReach) != 0) return byWidth;
  return (width / end.distance(start)) * byWidth;
}

}  // namespace

void TnDirectionPattern::scalePattern(double factor) {
  if (directions.size() < 2 || IS_EQUAL(factor, 1.0, 1e-9) != 0) return;
  auto it = directions.begin();
  TnVector<double> previousOld = it->first;
  TnVector<double> previousNew = it->first;
  for (++it; it != directions.end(); ++it) {
    const TnVector<double> old = it->first;
    previousNew = previousNew + (old - previousOld) * factor;
    previousOld = old;
    it->first = previousNew;
  }
  setupBBoxData(0);
}

void TnDirectionPattern::scalePatternByPercentage(double xScale, double yScale, double size,
                                                  int extendToBox) {
  size = orDefault(size, kDefaultSize);
  xScale = orDefault(xScale, 1.0);
  yScale = orDefault(yScale, 1.0);
  const TnCoord<double> origin(0.0, 0.0);
  const MotifExtent box = loomset::detail::scanMotif(directions, origin, origin);
  const double width = box.hi.xval() - box.lo.xval();
  const double height = box.hi.yval() - box.lo.yval();
  TnCoord<double> start = origin;
  TnCoord<double> end = box.end;
  if (extendToBox != 0) extendToSides(referenceLine, box, start, end, &directions);

  const bool noWidth = IS_ZERO(width, 1e-9) != 0;
  if (noWidth && IS_ZERO(height, 1e-9) != 0) {
    // Nothing to scale: the motif becomes one straight stitch of the asked length.
    const int flag = loomset::detail::firstFlag(directions);
    directions.assign(1, Directions::value_type(TnVector<double>(xScale * size, 0.0), flag));
    setupBBoxData(0);
    return;
  }
  // A motif without width gives no factor; it keeps what the extension made of it.
  if (!noWidth) {
    const double factor = scaleFactor(size, width, start, end);
    Tn2DTrans trans;
    trans.scale(factor * xScale, factor * yScale);
    for (auto& entry : directions) entry.first = trans * entry.first;
  }
  setupBBoxData(extendToBox);
}

void TnDirectionPattern::scalePatternAndGetSize(double& width, double& height, double size,
                                                int extendToBox) const {
  size = orDefault(size, kDefaultSize);
  // The start point takes no part: the box grows from the far corners of the 32-bit range, so an
  // empty motif is left with an extent of -4294967295.
  const MotifExtent box =
      loomset::detail::scanMotif(directions, TnCoord<double>(2147483647.0, 2147483647.0),
                                 TnCoord<double>(-2147483648.0, -2147483648.0));
  const double boxWidth = box.hi.xval() - box.lo.xval();
  const double boxHeight = box.hi.yval() - box.lo.yval();
  TnCoord<double> start(0.0, 0.0);
  TnCoord<double> end = box.end;
  if (extendToBox != 0) extendToSides(referenceLine, box, start, end, nullptr);

  width = size;
  height = size;
  if (IS_ZERO(boxWidth, 1e-9) != 0 || IS_ZERO(boxHeight, 1e-9) != 0) return;
  const double factor = scaleFactor(size, boxWidth, start, end);
  width = factor * boxWidth;
  height = factor * boxHeight;
  setupBBoxData(extendToBox);
}
