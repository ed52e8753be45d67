// Reads one typed value, chosen by the first byte, from the bytes after it. Every read is
// all-or-nothing: a failure consumes nothing and leaves its output as it was; a success consumes
// exactly the value, which is finite, and the single-precision, integer and string values write
// back the very bytes they came from.
#include <cstring>

#include "RecordOracle.h"
#include "loomset/foundation/StreamPrimitives.h"

namespace {

using loomset::fuzz::require;

// Reads with `read` into `value`, which starts as `start`; checks the all-or-nothing promise and
// returns the bytes consumed, or 0 on failure.
template <class Value, class Read>
size_t readOne(TnMemoryStream& stream, Value& value, const Value& start, Read read,
               bool (*unchanged)(const Value&, const Value&)) {
  value = start;
  const int result = read(stream, value);
  require(result == 0 || result == 1, "a primitive returns 0 or 1");
  if (result != 0) {
    require(stream.readPosition() == 0, "a failed read consumes nothing");
    require(unchanged(value, start), "a failed read leaves its output as it was");
  }
  return result == 0 ? stream.readPosition() : 0;
}

template <class Value>
bool sameValue(const Value& a, const Value& b) {
  return a == b;
}

// The value written back must be the bytes it was read from.
template <class Value, class Write>
void writesBack(const Value& value, Write write, const unsigned char* from, size_t size) {
  TnMemoryStream out;
  require(write(out, value) == 0, "a value read writes");
  require(out.bytes().size() == size && std::memcmp(out.bytes().data(), from, size) == 0,
          "a value read writes back its bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const unsigned char* body = data + 1;
  TnMemoryStream stream(std::vector<unsigned char>(body, body + size - 1));
  const TnVector<double> startVector(7.0, -7.0);
  const TnCoord<double> startPoint(7.0, -7.0);
  switch (data[0] % 7) {
    case 0: {
      TnString value;
      const size_t used = readOne<TnString>(
          stream, value, TnString("kept"),
          [](TnStream& s, TnString& v) { return readString(s, v); }, sameValue<TnString>);
      if (used != 0) writesBack(value, writeString, body, used);
      break;
    }
    case 1: {
      short value = 0;
      const size_t used = readOne<short>(
          stream, value, short{7}, [](TnStream& s, short& v) { return readShort(s, &v); },
          sameValue<short>);
      if (used != 0) writesBack(value, writeShort, body, used);
      break;
    }
    case 2: {
      long value = 0;
      const size_t used = readOne<long>(
          stream, value, 7L, [](TnStream& s, long& v) { return readLong(s, &v); }, sameValue<long>);
      if (used != 0) writesBack(value, writeLong, body, used);
      break;
    }
    case 3: {
      TnVector<double> value;
      const size_t used = readOne<TnVector<double>>(
          stream, value, startVector,
          [](TnStream& s, TnVector<double>& v) { return readFVector(s, &v); },
          sameValue<TnVector<double>>);
      if (used != 0) writesBack(value, writeFVector, body, used);
      break;
    }
    case 4: {
      TnCoord<double> value;
      const size_t used = readOne<TnCoord<double>>(
          stream, value, startPoint,
          [](TnStream& s, TnCoord<double>& v) { return readFPoint(s, &v); },
          sameValue<TnCoord<double>>);
      if (used != 0) writesBack(value, writeFPoint, body, used);
      break;
    }
    case 5: {
      TnVector<double> value;
      if (readOne<TnVector<double>>(
              stream, value, startVector,
              [](TnStream& s, TnVector<double>& v) { return readDVector(s, &v); },
              sameValue<TnVector<double>>) != 0)
        require(std::isfinite(value.xval()) && std::isfinite(value.yval()), "D values are finite");
      break;
    }
    default: {
      TnCoord<double> value;
      if (readOne<TnCoord<double>>(
              stream, value, startPoint,
              [](TnStream& s, TnCoord<double>& v) { return readDPoint(s, &v); },
              sameValue<TnCoord<double>>) != 0)
        require(std::isfinite(value.xval()) && std::isfinite(value.yval()), "D values are finite");
      break;
    }
  }
  return 0;
}
