#pragma once

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace loomset::detail {

// The byte encoding of each typed stream value, little-endian throughout, its encoder beside its
// decoder:
//   short   2 bytes, two's complement
//   long    4 bytes, two's complement; a long beyond 32 bits has no encoding
//   string  unsigned 16-bit byte count n, then the n bytes, no terminator
//   F pair  x then y, each an IEEE-754 binary32; a coordinate that is not finite as a float, or
//           lies beyond the float range, has no encoding
//   D pair  x then y, each an IEEE-754 binary64 (read only)
// Decoders of pairs refuse coordinates that are not finite.

constexpr std::size_t kShortSize = 2;
constexpr std::size_t kLongSize = 4;
constexpr std::size_t kFPairSize = 8;
constexpr std::size_t kDPairSize = 16;
constexpr std::size_t kMaxStringBytes = 0xFFFF;

inline void putUnsigned(unsigned char* out, std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}
inline std::uint64_t getUnsigned(const unsigned char* in, int byteCount) {
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  return value;
}

inline void encodeShort(short value, unsigned char* out) {
  putUnsigned(out, static_cast<std::uint16_t>(value), 2);
}
inline short decodeShort(const unsigned char* in) {
  return static_cast<short>(static_cast<std::int16_t>(getUnsigned(in, 2)));
}

inline bool encodeLong(long value, unsigned char* out) {
  // Refused, not wrapped: a wrapped count or dimension would read back as another number.
  if (value < INT32_MIN || value > INT32_MAX) return false;
  putUnsigned(out, static_cast<std::uint32_t>(value), 4);
  return true;
}
inline long decodeLong(const unsigned char* in) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(getUnsigned(in, 4)));
}

inline bool encodeFloat(double value, unsigned char* out) {
  // Checked before the conversion: a double beyond the float range has no float value.
  if (!(std::fabs(value) <= FLT_MAX)) return false;
  const float f = static_cast<float>(value);
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  putUnsigned(out, bits, 4);
  return true;
}
inline bool decodeFloat(const unsigned char* in, double& value) {
  const auto bits = static_cast<std::uint32_t>(getUnsigned(in, 4));
  float f;
  std::memcpy(&f, &bits, sizeof f);
  if (!std::isfinite(f)) return false;
  value = f;
  return true;
}
inline bool decodeDouble(const unsigned char* in, double& value) {
  const std::uint64_t bits = getUnsigned(in, 8);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  if (!std::isfinite(d)) return false;
  value = d;
  return true;
}

inline bool encodeFPair(double x, double y, unsigned char* out) {
  return encodeFloat(x, out) && encodeFloat(y, out + 4);
}
inline bool decodeFPair(const unsigned char* in, double& x, double& y) {
  return decodeFloat(in, x) && decodeFloat(in + 4, y);
}
inline bool decodeDPair(const unsigned char* in, double& x, double& y) {
  return decodeDouble(in, x) && decodeDouble(in + 8, y);
}

// A string's count, then its bytes. REQUIRES: `size` <= kMaxStringBytes.
inline void encodeString(const char* bytes, std::size_t size, unsigned char* out) {
  putUnsigned(out, size, 2);
  if (size > 0) std::memcpy(out + 2, bytes, size);
}
inline std::size_t decodeStringSize(const unsigned char* in) {
  return static_cast<std::size_t>(getUnsigned(in, 2));
}

}  // namespace loomset::detail
