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
  // Both turns or neither: a lone turn would carry a motif without a direction somewhere.
  const bool turn = hasDirection(span) && hasDirection(reference);
  // A reference on the positive x-axis turns onto it exactly by the identity; skipping that turn
  // saves work on every motif in normal position without changing a bit of the result.
  const bool onXAxis = reference.yval() == 0.0 && reference.xval() > 0.0;
  Tn2DTrans trans;
  if (turn && !onXAxis) trans.rotate(xAxis, reference);
  if (flipped != 0) trans.flip();
  if (mirrored != 0) trans.mirror();
  if (turn) trans.rotate(span, xAxis);
  return trans;
}

}  // namespace loomset::detail
