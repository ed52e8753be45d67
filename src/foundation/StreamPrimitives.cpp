#include "loomset/foundation/StreamPrimitives.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "RecordBuffer.h"
#include "StreamWindow.h"

namespace {

using loomset::detail::putUnsigned;
using loomset::detail::StreamWindow;

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

int writeFPair(TnStream& stream, double x, double y) {
  unsigned char buffer[8];
  if (!loomset::detail::encodeFPair(x, y, buffer)) return 1;
  return stream.writeBytes(buffer, sizeof buffer) == 0 ? 0 : 1;
}

// Decodes a pair of `width`-byte coordinates, and only then consumes them: from the stream's read
// window when it holds them, else by a peek and a read.
int readPair(TnStream& stream, int width, double* x, double* y) {
  const auto size = static_cast<std::size_t>(2 * width);
  unsigned char buffer[16];
  const unsigned char* in = StreamWindow::bytes(stream, size);
  const bool inWindow = in != nullptr;
  if (!inWindow) {
    if (stream.peekBytes(buffer, size) != 0) return 1;
    in = buffer;
  }
  double px;
  double py;
  const bool ok = width == 4 ? decodeFloat(in, &px) && decodeFloat(in + 4, &py)
                             : decodeDouble(in, &px) && decodeDouble(in + 8, &py);
  if (!ok) return 1;
  if (inWindow) {
    StreamWindow::consume(stream, size);
  } else if (stream.readBytes(buffer, size) != 0) {
    return 1;
  }
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
  if (value == nullptr) return 1;
  const auto size = static_cast<std::size_t>(byteCount);
  unsigned char buffer[4];
  const unsigned char* in = StreamWindow::bytes(stream, size);
  if (in != nullptr) {
    StreamWindow::consume(stream, size);
  } else if (stream.readBytes(buffer, size) == 0) {
    in = buffer;
  } else {
    return 1;
  }
  const auto bits = static_cast<std::int64_t>(getUnsigned(in, byteCount));
  const std::int64_t span = std::int64_t{1} << (8 * byteCount);
  *value = static_cast<Integer>(bits >= span / 2 ? bits - span : bits);
  return 0;
}

}  // namespace

int writeShort(TnStream& stream, short value) { return writeSigned(stream, value, 2); }

int readShort(TnStream& stream, short* value) { return readSigned(stream, 2, value); }

int writeLong(TnStream& stream, long value) {
  if (!loomset::detail::fitsLong(value)) return 1;
  return writeSigned(stream, value, 4);
}

int readLong(TnStream& stream, long* value) { return readSigned(stream, 4, value); }

int writeString(TnStream& stream, const TnString& value) {
  // One buffer, so that a refused write leaves no count without its bytes.
  loomset::detail::RecordBuffer buffer;
  if (loomset::detail::writeString(buffer, value) != 0) return 1;
  return stream.writeBytes(buffer.data(), buffer.size()) == 0 ? 0 : 1;
}

int readString(TnStream& stream, TnString& value) {
  if (const unsigned char* count = StreamWindow::bytes(stream, 2)) {
    const auto n = static_cast<std::size_t>(getUnsigned(count, 2));
    if (const unsigned char* text = StreamWindow::bytes(stream, 2 + n)) {
      value = TnString(reinterpret_cast<const char*>(text) + 2, n);
      StreamWindow::consume(stream, 2 + n);
      return 0;
    }
  }
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
