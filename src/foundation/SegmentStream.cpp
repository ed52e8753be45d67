#include "foundation/SegmentStream.h"

#include "loomset/foundation/StreamPrimitives.h"

namespace loomset::detail {

int writeSegments(TnStream& stream, const TnList<TnBezier>& segments) {
  // Walking by increasing index costs one cursor step per segment.
  for (unsigned int i = 0; i < segments.length(); ++i) {
    const TnBezier& segment = segments[i];
    for (int k = 0; k < 4; ++k) {
      if (writeFPoint(stream, segment[k]) != 0) return 1;
    }
  }
  return 0;
}

int readSegments(TnStream& stream, PointReader readPoint, long count, TnList<TnBezier>& segments) {
  for (long i = 0; i < count; ++i) {
    TnCoord<double> points[4];
    for (TnCoord<double>& point : points) {
      if (readPoint(stream, &point) != 0) return 1;
    }
    segments.add(TnBezier(points));
  }
  return 0;
}

}  // namespace loomset::detail
