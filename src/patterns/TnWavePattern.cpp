#include "loomset/patterns/TnWavePattern.h"

#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnBezierCurve.h"
#include "patterns/SegmentText.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;
using loomset::detail::kUnknownVersion;

namespace {

constexpr short kVersion = 1;

}  // namespace

TnWavePattern::TnWavePattern() = default;

TnWavePattern::TnWavePattern(const TnWavePattern& other) = default;

TnWavePattern& TnWavePattern::operator=(const TnWavePattern& other) = default;

TnWavePattern::~TnWavePattern() = default;

int TnWavePattern::write(TnStream* stream) {
  if (stream == nullptr) return kFailed;
  if (writeShort(*stream, kVersion) != 0 || writeString(*stream, name) != 0) return kFailed;
  return pattern.write(*stream);
}

int TnWavePattern::read(TnStream* stream) {
  if (stream == nullptr) return kFailed;
  short version = 0;
  if (readShort(*stream, &version) != 0) return kFailed;
  if (version != kVersion) return kUnknownVersion;
  if (readString(*stream, name) != 0) return kFailed;
  // Any failure of the embedded record, an unknown version of its own included, is a failure to
  // read this one.
  return pattern.read(*stream) != 0 ? kFailed : kDone;
}

std::ostream& TnWavePattern::printTo(std::ostream& out) const {
  out << "TnWavePattern [" << name << "]" << std::endl;
  const TnVector<double>& reference = pattern.getReferenceLine();
  out << "The Reference Direction : (" << reference.xval() << ", " << reference.yval() << ") "
      << std::endl;
  out << "The Bezier Curve : " << std::endl;
  loomset::detail::printSegmentLines(out, pattern.getBezierCurve().getSegments());
  return out << std::endl;
}
