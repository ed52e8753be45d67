#include "loomset/patterns/TnFillPattern.h"

#include "foundation/ShortValues.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/Tolerance.h"

using loomset::detail::kDone;
using loomset::detail::kFailed;

using loomset::detail::kMaxShortCount;
using loomset::detail::saturatedShort;

namespace {

double clampedFraction(double f) { return (max)(0.0, (min)(1.0, f)); }

}  // namespace

TnFillPattern::TnFillPattern() = default;

TnFillPattern::TnFillPattern(const TnFillPattern& other) = default;

TnFillPattern& TnFillPattern::operator=(const TnFillPattern& other) = default;

TnFillPattern::~TnFillPattern() = default;

int TnFillPattern::init(const TnString& newName, short lengthValue, short offsetCount,
                        const unsigned char* offsetBytes) {
  if (init(newName, lengthValue) != 0) return 1;
  if (offsetBytes == nullptr || offsetBytes[0] == 'o') return 0;
  for (int i = 0; i < offsetCount; ++i) offsets.add(TnPercent(offsetBytes[i]));
  return 0;
}

int TnFillPattern::init(const TnString& newName, short lengthValue) {
  if (offsets.length() > 0) return 1;
  name = newName;
  stitchLength = TnEmbPoint(lengthValue);
  return 0;
}

std::list<double> TnFillPattern::getOldOffsets() const {
  std::list<double> fractions;
  for (unsigned int i = 0; i < offsets.length(); ++i) {
    fractions.push_back(clampedFraction(offsets[i].value() * 0.01));
  }
  return fractions;
}

std::list<double> TnFillPattern::getOffsets() const {
  std::list<double> fractions;
  for (unsigned int i = 0; i < offsets.length(); ++i) {
    const double p = offsets[i].value() * 0.01;
    fractions.push_back(clampedFraction(i % 2 == 0 ? p : 1.0 - p));
  }
  return fractions;
}

int TnFillPattern::isSamePattern(const TnFillPattern& other) const {
  if (!(stitchLength == other.stitchLength)) return 0;
  return offsets == other.offsets ? 1 : 0;
}

int TnFillPattern::write(TnStream* stream) {
  if (stream == nullptr || offsets.length() > kMaxShortCount) return kFailed;
  if (writeShort(*stream, 1) != 0 || writeString(*stream, name) != 0 ||
      writeShort(*stream, saturatedShort(stitchLength.value())) != 0 ||
      writeShort(*stream, static_cast<short>(offsets.length())) != 0) {
    return kFailed;
  }
  for (unsigned int i = 0; i < offsets.length(); ++i) {
    if (writeShort(*stream, saturatedShort(offsets[i].value())) != 0) return kFailed;
  }
  return kDone;
}

int TnFillPattern::read(TnStream* stream) {
  if (stream == nullptr) return kFailed;
  short version = 0;
  short length = 0;
  short count = 0;
  if (readShort(*stream, &version) != 0 || readString(*stream, name) != 0) return kFailed;
  if (readShort(*stream, &length) != 0) return kFailed;
  stitchLength = TnEmbPoint(length);
  if (readShort(*stream, &count) != 0) return kFailed;
  for (int i = 0; i < count; ++i) {
    short offset = 0;
    if (readShort(*stream, &offset) != 0) return kFailed;
    offsets.add(TnPercent(offset));
  }
  return kDone;
}

std::ostream& TnFillPattern::printTo(std::ostream& out) const {
  out << "TnFillPattern [" << name << "]" << std::endl;
  out << "  Stitch Len: " << static_cast<TnString>(stitchLength) << std::endl;
  out << "  Offsets:";
  if (isRandom() != 0) {
    out << " Random";
  } else {
    for (unsigned int i = 0; i < offsets.length(); ++i) {
      out << " " << static_cast<TnString>(offsets[i]);
    }
  }
  return out << std::endl;
}
