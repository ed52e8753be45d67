#include "loomset/foundation/StreamPrimitives.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void putUnsigned(unsigned char* out, std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t getUnsigned(const unsigned char* in, int byteCount) {
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  return value;
}

bool encodeFloat(double value, unsigned char* out) {
  // Checked before the conversion: a double beyond the float range has no float value.
  if (!(std::fabs(value) <= FLT_MAX)) return false;
  const float f = static_cast<float>(value);
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  putUnsigned(out, bits, 4);
  return true;
}

bool decodeFloat(const unsigned char* in, double* value) {
  const auto bits = static_cast<std::uint32_t>(getUnsigned(in, 4));
  float f;
  std::memcpy(&f, &bits, sizeof f);
  if (!std::isfinite(f)) return false;
  *value = f;
  return true;
}

bool decodeDouble(const unsigned char* in, double* value) {
  const std::uint64_t bits = getUnsigned(in, 8);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  if (!std::isfinite(d)) return false;
  *value = d;
  return true;
}

int writeFPair(TnStream& stream, double x, double y) {
  unsigned char buffer[8];
  if (!encodeFloat(x, buffer) || !encodeFloat(y, buffer + 4)) return 1;
  return stream.writeBytes(buffer, sizeof buffer) == 0 ? 0 : 1;
}

// Peeks a pair of `width`-byte coordinates, decodes both, and only then consumes them.
int readPair(TnStream& stream, int width, double* x, double* y) {
  unsigned char buffer[16];
  const auto size = static_cast<std::size_t>(2 * width);
  if (stream.peekBytes(buffer, size) != 0) return 1;
  double px;
  double py;
  const bool ok = width == 4 ? decodeFloat(buffer, &px) && decodeFloat(buffer + 4, &py)
                             : decodeDouble(buffer, &px) && decodeDouble(buffer + 8, &py);
  if (!ok || stream.readBytes(buffer, size) != 0) return 1;
  *x = px;
  *y = py;
  return 0;
}

template <typename Pair>
int readPairInto(TnStream& stream, int width, Pair* value) {
  if (value == nullptr) return 1;
  double x;
  double y;
  if (readPair(stream, width, &x, &y) != 0) return 1;
  *value = Pair(x, y);
  return 0;
}

// Two's complement in `byteCount` bytes; the caller keeps `value` within that range.
int writeSigned(TnStream& stream, long value, int byteCount) {
  unsigned char buffer[4];
  putUnsigned(buffer, static_cast<std::uint64_t>(value), byteCount);
  return stream.writeBytes(buffer, static_cast<std::size_t>(byteCount)) == 0 ? 0 : 1;
}

template <typename Integer>
int readSigned(TnStream& stream, int byteCount, Integer* value) {
  unsigned char buffer[4];
  if (value == nullptr || stream.readBytes(buffer, static_cast<std::size_t>(byteCount)) != 0) {
    return 1;
  }
  const auto bits = static_cast<std::int64_t>(getUnsigned(buffer, byteCount));
  const std::int64_t span = std::int64_t{1} << (8 * byteCount);
  *value = static_cast<Integer>(bits >= span / 2 ? bits - span : bits);
  return 0;
}

}  // namespace

int writeShort(TnStream& stream, short value) { return writeSigned(stream, value, 2); }

int readShort(TnStream& stream, short* value) { return readSigned(stream, 2, value); }

int writeLong(TnStream& stream, long value) {
  if (value < INT32_MIN || value > INT32_MAX) return 1;
  return writeSigned(stream, value, 4);
}

int readLong(TnStream& stream, long* value) { return readSigned(stream, 4, value); }

int writeString(TnStream& stream, const TnString& value) {
  const std::size_t n = value.length();
  if (n > 0xFFFFu) return 1;
  // One buffer, so that a refused write leaves no count without its bytes.
  std::vector<unsigned char> buffer(2 + n);
  putUnsigned(buffer.data(), n, 2);
  if (n > 0) std::memcpy(buffer.data() + 2, value.data(), n);
  return stream.writeBytes(buffer.data(), buffer.size()) == 0 ? 0 : 1;
}

int readString(TnStream& stream, TnString& value) {
  unsigned char count[2];
  if (stream.peekBytes(count, sizeof count) != 0) return 1;
  const auto n = static_cast<std::size_t>(getUnsigned(count, 2));
  // The buffer grows by doubling, and only as far as the stream has shown bytes for, so that a
  // count that the stream cannot back fails early at a small cost.
  std::vector<unsigned char> buffer(std::min<std::size_t>(2 + n, 256));
  while (buffer.size() < 2 + n) {
    if (stream.peekBytes(buffer.data(), buffer.size()) != 0) return 1;
    buffer.resize(std::min(2 + n, 2 * buffer.size()));
  }
  if (stream.readBytes(buffer.data(), buffer.size()) != 0) return 1;
  value = TnString(reinterpret_cast<const char*>(buffer.data()) + 2, n);
  return 0;
}

int writeFVector(TnStream& stream, const TnVector<double>& value) {
  return writeFPair(stream, value.xval(), value.yval());
}

int writeFPoint(TnStream& stream, const TnCoord<double>& value) {
  return writeFPair(stream, value.xval(), value.yval());
}

int readFVector(TnStream& stream, TnVector<double>* value) {
  return readPairInto(stream, 4, value);
}

int readFPoint(TnStream& stream, TnCoord<double>* value) { return readPairInto(stream, 4, value); }

int readDVector(TnStream& stream, TnVector<double>* value) {
  return readPairInto(stream, 8, value);
}

int readDPoint(TnStream& stream, TnCoord<double>* value) { return readPairInto(stream, 8, value); }
