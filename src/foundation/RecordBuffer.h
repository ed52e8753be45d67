#pragma once

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "foundation/StreamAccess.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnString.h"
#include "loomset/foundation/TnVector.h"

namespace loomset::detail {

// The byte encodings of the typed stream values.

inline void putUnsigned(unsigned char* out, std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}

// False, writing nothing, for a value that single precision cannot hold.
inline bool encodeFloat(double value, unsigned char* out) {
  // Checked before the conversion: a double beyond the float range has no float value.
  if (!(std::fabs(value) <= FLT_MAX)) return false;
  const float f = static_cast<float>(value);
  std::uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  putUnsigned(out, bits, 4);
  return true;
}

// The bytes of one value or record, collected in memory so that the stream sees them in one
// write. It takes the same typed values as a stream, through the overloads below, and refuses
// the same ones.
class RecordBuffer {
 public:
  RecordBuffer() = default;
  RecordBuffer(const RecordBuffer&) = delete;
  RecordBuffer& operator=(const RecordBuffer&) = delete;

  // Room for `size` more bytes at the end, to be filled by the caller.
  unsigned char* extend(std::size_t size) {
    if (size > capacity_ - size_) grow(size);
    unsigned char* at = data_ + size_;
    size_ += size;
    return at;
  }
  // Gives back the last `size` bytes.
  void shrink(std::size_t size) { size_ -= size; }
  const unsigned char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  // Most records fit the inline bytes; a longer one moves to the heap, doubling as it grows.
  void grow(std::size_t size) {
    std::size_t capacity = 2 * capacity_;
    while (capacity - size_ < size) capacity *= 2;
    std::unique_ptr<unsigned char[]> heap(new unsigned char[capacity]);
    std::memcpy(heap.get(), data_, size_);
    heap_ = std::move(heap);
    data_ = heap_.get();
    capacity_ = capacity;
  }

  unsigned char inline_[512];
  std::unique_ptr<unsigned char[]> heap_;
  unsigned char* data_ = inline_;
  std::size_t size_ = 0;
  std::size_t capacity_ = sizeof inline_;
};

// Puts values into memory made ready for them, with no check of room: the caller has counted
// their bytes.
struct ByteCursor {
  explicit ByteCursor(unsigned char* at) : next(at) {}
  unsigned char* next;
};

inline int writeShort(ByteCursor& out, short value) {
  putUnsigned(out.next, static_cast<std::uint64_t>(value), 2);
  out.next += 2;
  return 0;
}

inline int writeLong(ByteCursor& out, long value) {
  // A long goes on a stream as a signed 32-bit value; others are refused, not wrapped.
  if (value < INT32_MIN || value > INT32_MAX) return 1;
  putUnsigned(out.next, static_cast<std::uint64_t>(value), 4);
  out.next += 4;
  return 0;
}

inline int writeFPair(ByteCursor& out, double x, double y) {
  if (!encodeFloat(x, out.next) || !encodeFloat(y, out.next + 4)) return 1;
  out.next += 8;
  return 0;
}

inline int writeFVector(ByteCursor& out, const TnVector<double>& value) {
  return writeFPair(out, value.xval(), value.yval());
}

inline int writeFPoint(ByteCursor& out, const TnCoord<double>& value) {
  return writeFPair(out, value.xval(), value.yval());
}

// Puts `size` bytes of values on `out` through `write(cursor)`; the room goes back when a value
// is refused.
template <class Write>
int putValues(RecordBuffer& out, std::size_t size, Write write) {
  ByteCursor cursor(out.extend(size));
  if (write(cursor) == 0) return 0;
  out.shrink(size);
  return 1;
}

inline int writeShort(RecordBuffer& out, short value) {
  return putValues(out, 2, [value](ByteCursor& at) { return writeShort(at, value); });
}

inline int writeLong(RecordBuffer& out, long value) {
  return putValues(out, 4, [value](ByteCursor& at) { return writeLong(at, value); });
}

inline int writeFVector(RecordBuffer& out, const TnVector<double>& value) {
  return putValues(out, 8, [&value](ByteCursor& at) { return writeFVector(at, value); });
}

inline int writeFPoint(RecordBuffer& out, const TnCoord<double>& value) {
  return putValues(out, 8, [&value](ByteCursor& at) { return writeFPoint(at, value); });
}

inline int writeString(RecordBuffer& out, const TnString& value) {
  const std::size_t n = value.length();
  if (n > 0xFFFFu) return 1;
  unsigned char* at = out.extend(2 + n);
  putUnsigned(at, n, 2);
  if (n > 0) std::memcpy(at + 2, value.data(), n);
  return 0;
}

// Writes a record, or a piece of one, through `writeFields(out)`, which puts its values on `out`
// one by one and returns the result. A stream that takes whole records gets the values collected
// in a RecordBuffer, in one write; when a value cannot be encoded or the stream refuses the
// write, the values are written again one by one, so that the stream ends with exactly the
// values before the refused one and the result is that value's. Other streams get the values one
// by one from the start.
template <class WriteFields>
int writeWhole(TnStream& stream, WriteFields writeFields) {
  if (StreamAccess::takesWholeRecords(stream)) {
    RecordBuffer buffer;
    if (writeFields(buffer) == 0 && stream.writeBytes(buffer.data(), buffer.size()) == 0) return 0;
  }
  return writeFields(stream);
}

}  // namespace loomset::detail
