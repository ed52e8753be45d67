#include "loomset/patterns/TnVectorPattern.h"

#include <cstdint>

#include "foundation/SegmentStream.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnBezier.h"
#include "loomset/foundation/TnCoord.h"
#include "patterns/SegmentText.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;
using loomset::detail::kUnknownVersion;

namespace {

// Version 2 stores control points in single precision; version 1 stored them in double.
constexpr short kVersion = 2;
constexpr short kDoubleVersion = 1;

using loomset::detail::PointReader;

// A count goes on the stream as a signed 32-bit long, which cannot hold a larger one.
int writeCount(TnStream& stream, unsigned long count) {
  return count > INT32_MAX ? 1 : writeLong(stream, static_cast<long>(count));
}

// Reads a curve: its segment count, then its segments.
int readCurve(TnStream& stream, PointReader readPoint, TnList<TnBezier>& segments) {
  long count = 0;
  if (readLong(stream, &count) != 0) return kFailed;
  return loomset::detail::readSegments(stream, readPoint, count, segments);
}

}  // namespace

TnVectorPattern::TnVectorPattern() = default;

TnVectorPattern::TnVectorPattern(const TnVectorPattern& other) = default;

TnVectorPattern& TnVectorPattern::operator=(const TnVectorPattern& other) = default;

TnVectorPattern::~TnVectorPattern() = default;

int TnVectorPattern::isSamePattern(const TnVectorPattern& other) const {
  if (dimension != other.dimension) return 0;
  return curves == other.curves ? 1 : 0;
}

int TnVectorPattern::write(TnStream* stream) {
  if (stream == nullptr) return kFailed;
  if (writeShort(*stream, kVersion) != 0 || writeString(*stream, name) != 0 ||
      writeLong(*stream, dimension.xval()) != 0 || writeLong(*stream, dimension.yval()) != 0 ||
      writeCount(*stream, curves.length()) != 0) {
    return kFailed;
  }
  // Walking by increasing index costs one cursor step per element.
  for (unsigned int i = 0; i < curves.length(); ++i) {
    const TnList<TnBezier>& segments = curves[i].getSegments();
    if (writeCount(*stream, segments.length()) != 0 ||
        loomset::detail::writeSegments(*stream, segments) != 0) {
      return kFailed;
    }
  }
  return kDone;
}

int TnVectorPattern::read(TnStream* stream) {
  if (stream == nullptr) return kFailed;
  short version = 0;
  if (readShort(*stream, &version) != 0) return kFailed;
  if (version != kVersion && version != kDoubleVersion) return kUnknownVersion;
  if (readString(*stream, name) != 0) return kFailed;
  long value = 0;
  if (readLong(*stream, &value) != 0) return kFailed;
  dimension.xval() = static_cast<int>(value);
  if (readLong(*stream, &value) != 0) return kFailed;
  dimension.yval() = static_cast<int>(value);
  long count = 0;
  if (readLong(*stream, &count) != 0) return kFailed;
  const PointReader readPoint = version == kVersion ? &readFPoint : &readDPoint;
  for (long i = 0; i < count; ++i) {
    // The curve is built in a list of its own and its node moved over whole, so that a curve
    // that fails part way is dropped and a complete one is not copied.
    TnList<TnBezierCurve> pending;
    if (readCurve(*stream, readPoint, pending.add(TnBezierCurve()).getSegments()) != 0) {
      return kFailed;
    }
    curves.join(pending);
  }
  return kDone;
}

std::ostream& TnVectorPattern::printTo(std::ostream& out) const {
  out << "TnVectorPattern [" << name << "]" << std::endl;
  out << "  The Dimension: (" << dimension.xval() << ", " << dimension.yval() << ")" << std::endl;
  for (unsigned int i = 0; i < curves.length(); ++i) {
    out << "  Curve[" << i << "]: " << std::endl;
    loomset::detail::printSegmentLines(out, curves[i].getSegments());
  }
  return out << std::endl;
}
