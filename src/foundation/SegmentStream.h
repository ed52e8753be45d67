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

// Reads four control points with `readPoint` and appends them to `segments` as one segment.
// Returns 1, appending nothing, when a point cannot be read; else 0.
int readSegment(TnStream& stream, PointReader readPoint, TnList<TnBezier>& segments);

}  // namespace loomset::detail
