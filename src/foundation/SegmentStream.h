#pragma once

#include "loomset/foundation/TnBezier.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnStream.h"

namespace loomset::detail {

// Reads one point in the precision of some format version.
using PointReader = int (*)(TnStream&, TnCoord<double>*);

// Writes control points 0 to 3 of each segment, in order, in single precision. Returns 1 at the
// first point that cannot be written, writing nothing further; else 0.
int writeSegments(TnStream& stream, const TnList<TnBezier>& segments);

// Reads `count` segments of four control points each with `readPoint` (none when `count` is not
// positive), appending each to `segments` as soon as it is read whole, so that a count the
// stream cannot back fails at its end having allocated no more than was read. Returns 1 at the
// first point that cannot be read, the incomplete segment dropped; else 0.
int readSegments(TnStream& stream, PointReader readPoint, long count, TnList<TnBezier>& segments);

}  // namespace loomset::detail
