#pragma once

#include <cstddef>

#include "foundation/ByteCodec.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnStream.h"
#include "loomset/foundation/TnVector.h"

namespace loomset::detail {

// The typed stream values of fixed size, each taken or put whole: through the stream's windows
// when the value fits there, else with one call. The free functions of StreamPrimitives.h are
// these; the records call them here, where the compiler sees them whole.

// Decodes the next `Size` bytes with `decode` and consumes them only when it succeeds.
template <std::size_t Size, class Decode>
inline int readValue(TnStream& stream, Decode decode) {
  unsigned char scratch[Size];
  const unsigned char* in = stream.peekValue(Size, scratch);
  if (in == nullptr || !decode(in)) return 1;
  return stream.consumeValue(in, scratch, Size) == 0 ? 0 : 1;
}

// Puts the value that `encode` gives in `Size` bytes, unless it has no encoding.
template <std::size_t Size, class Encode>
inline int writeValue(TnStream& stream, Encode encode) {
  unsigned char scratch[Size];
  unsigned char* out = stream.valueRoom(Size, scratch);
  if (!encode(out)) return 1;
  return stream.putValue(out, Size) == 0 ? 0 : 1;
}

inline int putShort(TnStream& stream, short value) {
  return writeValue<kShortSize>(stream, [value](unsigned char* out) {
    encodeShort(value, out);
    return true;
  });
}
inline int takeShort(TnStream& stream, short& value) {
  return readValue<kShortSize>(stream, [&value](const unsigned char* in) {
    value = decodeShort(in);
    return true;
  });
}
inline int putLong(TnStream& stream, long value) {
  return writeValue<kLongSize>(stream,
                               [value](unsigned char* out) { return encodeLong(value, out); });
}
inline int takeLong(TnStream& stream, long& value) {
  return readValue<kLongSize>(stream, [&value](const unsigned char* in) {
    value = decodeLong(in);
    return true;
  });
}

// A vector or a point, as a pair of coordinates in single (F) or double (D) precision.
template <class Pair>
inline int putFPair(TnStream& stream, const Pair& value) {
  return writeValue<kFPairSize>(stream, [&value](unsigned char* out) {
    return encodeFPair(value.xval(), value.yval(), out);
  });
}
template <class Pair>
inline int takePair(TnStream& stream, Pair& value, bool single) {
  double x;
  double y;
  const int result =
      single ? readValue<kFPairSize>(stream,
                                     [&](const unsigned char* in) { return decodeFPair(in, x, y); })
             : readValue<kDPairSize>(
                   stream, [&](const unsigned char* in) { return decodeDPair(in, x, y); });
  if (result == 0) value = Pair(x, y);
  return result;
}

}  // namespace loomset::detail
