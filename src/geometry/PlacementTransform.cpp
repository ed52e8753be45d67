#include "geometry/PlacementTransform.h"

#include <cmath>

namespace loomset::detail {

namespace {

bool hasDirection(const TnVector<double>& v) {
  const double length = v.length();
  return length > 0.0 && std::isfinite(length);
}

}  // namespace

Tn2DTrans placementTransform(const TnVector<double>& span, const TnVector<double>& reference,
                             int flipped, int mirrored) {
  const TnVector<double> xAxis(1.0, 0.0);
  // Without a direction on both sides there is nothing to turn from or onto, and a lone turn
  // would carry the motif off somewhere: then only the flip and the mirror apply.
  const bool onXAxis = reference.yval() == 0.0 && std::isfinite(reference.xval());
  const bool turn =
      hasDirection(span) && (onXAxis ? reference.xval() != 0.0 : hasDirection(reference));
  Tn2DTrans trans;
  // Motifs in normal position advance along the x-axis, one way or the other: the turn onto it is
  // the identity or the half turn, taken here exactly and without measuring the reference.
  if (turn && onXAxis && reference.xval() < 0.0)
    trans.scale(-1.0, -1.0);
  else if (turn && !onXAxis)
    trans.rotate(xAxis, reference);
  if (flipped != 0) trans.flip();
  if (mirrored != 0) trans.mirror();
  if (turn) trans.rotate(span, xAxis);
  return trans;
}

}  // namespace loomset::detail
