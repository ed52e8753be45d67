#pragma once

#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/TnVector.h"

namespace loomset::detail {

// The transform that lays a motif advancing along `reference` onto `span`: it turns `reference`
// onto the positive x-axis, flips (y -> -y) when `flipped` is non-zero, mirrors (x -> -x) when
// `mirrored` is non-zero, and turns the positive x-axis onto `span`. So flipping always turns the
// motif over across its advance line and mirroring always gives its left-right mirror image,
// whatever the reference. When either vector has no direction, only the flip and the mirror.
Tn2DTrans placementTransform(const TnVector<double>& span, const TnVector<double>& reference,
                             int flipped, int mirrored);

// The line along which a motif with reference line `reference` advances: reversed when laid
// backwards.
inline TnVector<double> advanceLine(const TnVector<double>& reference, int reverse) {
  return reverse != 0 ? reference * -1.0 : reference;
}

// Laying a motif backwards and mirroring it each reverse the needle order; both together keep it.
inline bool runsBackward(int reverse, int mirrored) { return (reverse != 0) != (mirrored != 0); }

}  // namespace loomset::detail
