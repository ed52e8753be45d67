#include "foundation/SegmentStream.h"

#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;

namespace loomset::detail {

int writeSegments(TnStream& stream, const TnList<TnBezier>& segments) {
  // Walking by increasing index costs one cursor step per segment.
  for (unsigned int i = 0; i < segments.length(); ++i) {
    const TnBezier& segment = segments[i];
    for (int k = 0; k < 4; ++k) {
      if (writeFPoint(stream, segment[k]) != 0) return kFailed;
    }
  }
  return kDone;
}

int readSegments(TnStream& stream, PointReader readPoint, long count, TnList<TnBezier>& segments) {
  for (long i = 0; i < count; ++i) {
    TnCoord<double> points[4];
    for (TnCoord<double>& point : points) {
      if (readPoint(stream, &point) != 0) return kFailed;
    }
    segments.add(TnBezier(points));
  }
  return kDone;
}

}  // namespace loomset::detail
