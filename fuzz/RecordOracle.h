#pragma once

// What every reader must do with any bytes, checked after each read of a fuzz input:
//   - it returns 0, 1 or 2;
//   - after 2 the record is as it was, and only the 2 version bytes are consumed;
//   - after 0 the record writes, unless it holds a coordinate single precision cannot hold; what
//     it writes reads back whole into a record with the same name that equals it (exactly, or
//     within what single precision rounds away), and writes the same bytes again.
// A broken promise aborts, which libFuzzer reports as a crash with the input that caused it.
// What the read gave is returned, so that a replay can show it for every platform to compare.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"

namespace loomset::fuzz {

[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "oracle: %s\n", what);
  std::abort();
}

inline void require(bool condition, const char* what) {
  if (!condition) fail(what);
}

// True when `value` lies beyond what single precision holds.
inline bool beyondSingle(double value) { return !(std::fabs(value) <= FLT_MAX); }

inline std::vector<unsigned char> bytesOf(const uint8_t* data, size_t size) {
  return std::vector<unsigned char>(data, data + size);
}

// What reading one input gave: the result, the bytes consumed, and whether the record wrote
// itself back (only after a successful read) and with which bytes.
struct Outcome {
  std::string family;
  int result = 0;
  std::size_t consumed = 0;
  bool wrote = false;
  std::vector<unsigned char> written;
};

// The bytes `record` writes; `ok` tells whether the write succeeded.
template <class Record>
std::vector<unsigned char> written(Record record, bool& ok) {
  TnMemoryStream stream;
  ok = loomset::writeRecord(record, stream) == 0;
  return stream.bytes();
}

// Runs the oracle on one input. `Family` says, for its record type:
//   same(a, b)        the records are equal in every stored field (names included);
//   close(a, b)       b is a read back of a within single-precision rounding;
//   beyondSingle(a)   a holds a coordinate single precision cannot hold;
//   exact(a)          a reads back exactly (it holds no value that writing rounds).
template <class Record, class Family>
Outcome check(const uint8_t* data, size_t size) {
  TnMemoryStream input(bytesOf(data, size));
  Record first;
  const Record untouched;
  Outcome outcome;
  outcome.family = Family::kName;
  outcome.result = loomset::readRecord(first, input);
  outcome.consumed = input.readPosition();
  const int result = outcome.result;
  require(result == 0 || result == 1 || result == 2, "result is 0, 1 or 2");
  if (result == 2) {
    require(Family::same(first, untouched), "an unknown version leaves the record as it was");
    require(input.readPosition() == 2, "an unknown version consumes only the version");
  }
  if (result != 0) return outcome;

  const std::vector<unsigned char> bytes = written(first, outcome.wrote);
  if (!outcome.wrote) {
    require(Family::beyondSingle(first), "a write fails only beyond single precision");
    return outcome;
  }
  outcome.written = bytes;
  TnMemoryStream back(bytes);
  Record second;
  require(loomset::readRecord(second, back) == 0, "what was written reads back");
  require(back.readPosition() == bytes.size(), "what was written reads back whole");
  require(Family::close(first, second), "the read back equals the record");
  if (!Family::exact(first)) return outcome;
  require(Family::same(first, second), "the read back equals the record exactly");
  bool again = false;
  require(written(second, again) == bytes && again, "the read back writes the same bytes");
  return outcome;
}

}  // namespace loomset::fuzz
