#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "loomset/Export.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"

namespace loomset {

// Why a record of a file did not read.
struct ReadFailure {
  std::size_t record = 0;  // counted from 1
  std::size_t offset = 0;  // of the record's first byte
  std::string reason;      // "truncated", "invalid value" or "unknown version N"
};

namespace detail {

// Whether a record of type Record that starts at `offset` and stopped reading at `stoppedAt`
// stopped for want of bytes: given more (zeros), it reads on past that point. Otherwise it holds
// a value that its reader refuses.
template <class Record>
bool wantsMoreBytes(const std::vector<unsigned char>& bytes, std::size_t offset,
                    std::size_t stoppedAt) {
  // More than the longest value a record asks for at once: a string of 65535 bytes.
  constexpr std::size_t kPadding = 65536 + 16;
  std::vector<unsigned char> padded(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                                    bytes.end());
  padded.resize(padded.size() + kPadding, 0);
  TnMemoryStream stream(std::move(padded));
  Record record;
  return readRecord(record, stream) == 0 || stream.readPosition() > stoppedAt - offset;
}

}  // namespace detail

// Reads records back to back from `bytes` until they end, or until `limit` records are read,
// appending each one read whole to `records` and, when `offsets` is given, its first byte's
// offset to `offsets`. Returns false at the first record that does not read whole, with
// `failure` saying which, where and why; the records before it stay. Every record read takes at
// least one byte, so the walk ends.
template <class Record>
bool readRecords(const std::vector<unsigned char>& bytes, std::vector<Record>& records,
                 ReadFailure& failure, std::size_t limit = SIZE_MAX,
                 std::vector<std::size_t>* offsets = nullptr) {
  TnMemoryStream stream(bytes);
  for (std::size_t number = 1; number <= limit && stream.readPosition() < bytes.size(); ++number) {
    const std::size_t offset = stream.readPosition();
    Record record;
    const int result = readRecord(record, stream);
    if (result == 0) {
      records.push_back(record);
      if (offsets != nullptr) offsets->push_back(offset);
      continue;
    }
    failure.record = number;
    failure.offset = offset;
    if (result == 2) {
      const auto version = static_cast<short>(bytes[offset] | (bytes[offset + 1] << 8));
      // Not std::to_string, whose digit table the library would hold as a unique symbol, which
      // keeps a loaded library from unloading.
      char reason[32];
      std::snprintf(reason, sizeof reason, "unknown version %d", version);
      failure.reason = reason;
    } else {
      failure.reason = detail::wantsMoreBytes<Record>(bytes, offset, stream.readPosition())
                           ? "truncated"
                           : "invalid value";
    }
    return false;
  }
  return true;
}

// The families, in the order of kFamilies, as whose records the whole of `bytes` reads; every
// family for no bytes at all.
LOOMSET_API std::vector<Family> familiesReadingWhole(const std::vector<unsigned char>& bytes);

}  // namespace loomset
