#pragma once

// Reads one typed value, chosen by the first byte, from the bytes after it. Every read is
// all-or-nothing: a failure consumes nothing and leaves its output as it was; a success consumes
// exactly the value, which is finite, and the single-precision, integer and string values write
// back the very bytes they came from.

#include <cmath>
#include <cstring>
#include <type_traits>

#include "RecordOracle.h"
#include "loomset/foundation/StreamPrimitives.h"

namespace loomset::fuzz {

// Reads with `read` into a value that starts as `start`, checks the all-or-nothing promise and,
// when `write` is given, that the value writes back the bytes it was read from.
template <class Value, class Read, class Write>
Outcome checkValue(const char* name, const unsigned char* body, size_t size, const Value& start,
                   Read read, Write write) {
  TnMemoryStream stream(std::vector<unsigned char>(body, body + size));
  Value value = start;
  Outcome outcome;
  outcome.family = name;
  outcome.result = read(stream, &value);
  outcome.consumed = stream.readPosition();
  require(outcome.result == 0 || outcome.result == 1, "a primitive returns 0 or 1");
  if (outcome.result != 0) {
    require(outcome.consumed == 0, "a failed read consumes nothing");
    require(value == start, "a failed read leaves its output as it was");
    return outcome;
  }
  if constexpr (std::is_same_v<Write, std::nullptr_t>) {
    require(std::isfinite(value.xval()) && std::isfinite(value.yval()), "D values are finite");
  } else {
    TnMemoryStream out;
    outcome.wrote = write(out, value) == 0;
    outcome.written = out.bytes();
    require(outcome.wrote, "a value read writes");
    require(outcome.written.size() == outcome.consumed &&
                std::memcmp(outcome.written.data(), body, outcome.consumed) == 0,
            "a value read writes back its bytes");
  }
  return outcome;
}

inline Outcome checkPrimitive(const uint8_t* data, size_t size) {
  if (size == 0) {
    Outcome nothing;
    nothing.family = "none";
    return nothing;
  }
  const unsigned char* body = data + 1;
  const size_t n = size - 1;
  const TnVector<double> vector(7.0, -7.0);
  const TnCoord<double> point(7.0, -7.0);
  const auto readText = [](TnStream& s, TnString* v) { return readString(s, *v); };
  switch (data[0] % 7) {
    case 0:
      return checkValue("string", body, n, TnString("kept"), readText, writeString);
    case 1:
      return checkValue("short", body, n, short{7}, readShort, writeShort);
    case 2:
      return checkValue("long", body, n, 7L, readLong, writeLong);
    case 3:
      return checkValue("fvector", body, n, vector, readFVector, writeFVector);
    case 4:
      return checkValue("fpoint", body, n, point, readFPoint, writeFPoint);
    case 5:
      return checkValue("dvector", body, n, vector, readDVector, nullptr);
    default:
      return checkValue("dpoint", body, n, point, readDPoint, nullptr);
  }
}

}  // namespace loomset::fuzz
