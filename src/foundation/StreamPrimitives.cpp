#include "loomset/foundation/StreamPrimitives.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "foundation/ByteCodec.h"
#include "foundation/TypedValues.h"
#include "loomset/foundation/ResultCodes.h"

using namespace loomset::detail;

int writeShort(TnStream& stream, short value) { return putShort(stream, value); }
int readShort(TnStream& stream, short* value) {
  return value != nullptr ? takeShort(stream, *value) : 1;
}
int writeLong(TnStream& stream, long value) { return putLong(stream, value); }
int readLong(TnStream& stream, long* value) {
  return value != nullptr ? takeLong(stream, *value) : 1;
}

int writeString(TnStream& stream, const TnString& value) {
  const std::size_t n = value.length();
  if (n > kMaxStringBytes) return kFailed;
  // Most names fit the bytes on the stack; a longer string is put together on the heap.
  unsigned char small[258];
  std::vector<unsigned char> large;
  unsigned char* scratch = small;
  if (2 + n > sizeof small) {
    large.resize(2 + n);
    scratch = large.data();
  }
  unsigned char* out = stream.valueRoom(2 + n, scratch);
  encodeString(value.data(), n, out);
  return stream.putValue(out, 2 + n) == 0 ? kDone : kFailed;
}

int readString(TnStream& stream, TnString& value) {
  unsigned char small[258];
  const unsigned char* seen = stream.peekValue(kShortSize, small);
  if (seen == nullptr) return kFailed;
  const std::size_t size = kShortSize + decodeStringSize(seen);
  // A long string is gathered in a buffer that grows by doubling, and only as far as the stream
  // shows bytes for it, so that a count that the stream cannot back fails early at a small cost.
  std::vector<unsigned char> large;
  unsigned char* scratch = small;
  for (std::size_t room = sizeof small; room < size;) {
    if (stream.peekValue(room, scratch) == nullptr) return kFailed;
    room = std::min(size, 2 * room);
    large.resize(room);
    scratch = large.data();
  }
  const unsigned char* text = stream.peekValue(size, scratch);
  if (text == nullptr) return kFailed;
  TnString read(reinterpret_cast<const char*>(text) + kShortSize, size - kShortSize);
  if (stream.consumeValue(text, scratch, size) != 0) return kFailed;
  value = std::move(read);
  return kDone;
}

int writeFVector(TnStream& stream, const TnVector<double>& value) {
  return putFPair(stream, value);
}
int writeFPoint(TnStream& stream, const TnCoord<double>& value) { return putFPair(stream, value); }
int readFVector(TnStream& stream, TnVector<double>* value) {
  return value != nullptr ? takePair(stream, *value, true) : 1;
}
int readFPoint(TnStream& stream, TnCoord<double>* value) {
  return value != nullptr ? takePair(stream, *value, true) : 1;
}
int readDVector(TnStream& stream, TnVector<double>* value) {
  return value != nullptr ? takePair(stream, *value, false) : 1;
}
int readDPoint(TnStream& stream, TnCoord<double>* value) {
  return value != nullptr ? takePair(stream, *value, false) : 1;
}
