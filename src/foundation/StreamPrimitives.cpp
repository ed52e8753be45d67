#include "loomset/foundation/StreamPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "RecordBuffer.h"
#include "StreamAccess.h"

namespace {

using loomset::detail::RecordBuffer;
using loomset::detail::StreamAccess;

std::uint64_t getUnsigned(const unsigned char* in, int byteCount) {
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  return value;
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

// Encodes one value with `encode` and writes its bytes in one call, so that a refused write
// leaves no part of the value behind.
template <class Encode>
int writeValue(TnStream& stream, Encode encode) {
  RecordBuffer buffer;
  if (encode(buffer) != 0) return 1;
  return stream.writeBytes(buffer.data(), buffer.size()) == 0 ? 0 : 1;
}

// The next `size` bytes without consuming them: straight from the stream's read window when it
// holds them, else copied into `buffer` by a peek. Null when the stream cannot show them.
const unsigned char* peekAt(TnStream& stream, unsigned char* buffer, std::size_t size) {
  if (const unsigned char* in = StreamAccess::window(stream, size)) return in;
  return stream.peekBytes(buffer, size) == 0 ? buffer : nullptr;
}

// Consumes the `size` bytes that peekAt has shown at `seen`.
int consumeSeen(TnStream& stream, const unsigned char* seen, unsigned char* buffer,
                std::size_t size) {
  if (seen != buffer) {
    StreamAccess::consume(stream, size);
    return 0;
  }
  return stream.readBytes(buffer, size);
}

// Consumes the next `size` bytes: from the read window, else read into `buffer`. Null when the
// stream does not hold them.
const unsigned char* take(TnStream& stream, unsigned char* buffer, std::size_t size) {
  if (const unsigned char* in = StreamAccess::window(stream, size)) {
    StreamAccess::consume(stream, size);
    return in;
  }
  return stream.readBytes(buffer, size) == 0 ? buffer : nullptr;
}

// Decodes a pair of `width`-byte coordinates, and only then consumes them.
int readPair(TnStream& stream, int width, double* x, double* y) {
  const auto size = static_cast<std::size_t>(2 * width);
  unsigned char buffer[16];
  const unsigned char* in = peekAt(stream, buffer, size);
  if (in == nullptr) return 1;
  double px;
  double py;
  const bool ok = width == 4 ? decodeFloat(in, &px) && decodeFloat(in + 4, &py)
                             : decodeDouble(in, &px) && decodeDouble(in + 8, &py);
  if (!ok || consumeSeen(stream, in, buffer, size) != 0) return 1;
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

template <typename Integer>
int readSigned(TnStream& stream, int byteCount, Integer* value) {
  if (value == nullptr) return 1;
  unsigned char buffer[4];
  const unsigned char* in = take(stream, buffer, static_cast<std::size_t>(byteCount));
  if (in == nullptr) return 1;
  const auto bits = static_cast<std::int64_t>(getUnsigned(in, byteCount));
  const std::int64_t span = std::int64_t{1} << (8 * byteCount);
  *value = static_cast<Integer>(bits >= span / 2 ? bits - span : bits);
  return 0;
}

}  // namespace

int writeShort(TnStream& stream, short value) {
  return writeValue(stream,
                    [value](RecordBuffer& out) { return loomset::detail::writeShort(out, value); });
}

int readShort(TnStream& stream, short* value) { return readSigned(stream, 2, value); }

int writeLong(TnStream& stream, long value) {
  return writeValue(stream,
                    [value](RecordBuffer& out) { return loomset::detail::writeLong(out, value); });
}

int readLong(TnStream& stream, long* value) { return readSigned(stream, 4, value); }

int writeString(TnStream& stream, const TnString& value) {
  return writeValue(
      stream, [&value](RecordBuffer& out) { return loomset::detail::writeString(out, value); });
}

int readString(TnStream& stream, TnString& value) {
  unsigned char count[2];
  const unsigned char* seen = peekAt(stream, count, sizeof count);
  if (seen == nullptr) return 1;
  const auto n = static_cast<std::size_t>(getUnsigned(seen, 2));
  if (const unsigned char* text = StreamAccess::window(stream, 2 + n)) {
    value = TnString(reinterpret_cast<const char*>(text) + 2, n);
    StreamAccess::consume(stream, 2 + n);
    return 0;
  }
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
  return writeValue(
      stream, [&value](RecordBuffer& out) { return loomset::detail::writeFVector(out, value); });
}

int writeFPoint(TnStream& stream, const TnCoord<double>& value) {
  return writeValue(
      stream, [&value](RecordBuffer& out) { return loomset::detail::writeFPoint(out, value); });
}

int readFVector(TnStream& stream, TnVector<double>* value) {
  return readPairInto(stream, 4, value);
}

int readFPoint(TnStream& stream, TnCoord<double>* value) { return readPairInto(stream, 4, value); }

int readDVector(TnStream& stream, TnVector<double>* value) {
  return readPairInto(stream, 8, value);
}

int readDPoint(TnStream& stream, TnCoord<double>* value) { return readPairInto(stream, 8, value); }
