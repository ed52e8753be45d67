#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"

// Little-endian stream bytes: s a short, l a 32-bit long, f two binary32, d two binary64, str a
// 16-bit byte count and the bytes.
class StreamBytes {
 public:
  StreamBytes& s(int value) { return put<std::uint16_t>(static_cast<std::uint16_t>(value)); }
  StreamBytes& l(long value) { return put<std::uint32_t>(static_cast<std::uint32_t>(value)); }
  StreamBytes& f(double x, double y) {
    return put<std::uint32_t>(static_cast<float>(x)).put<std::uint32_t>(static_cast<float>(y));
  }
  StreamBytes& d(double x, double y) { return put<std::uint64_t>(x).put<std::uint64_t>(y); }
  StreamBytes& str(const std::string& text) {
    s(static_cast<int>(text.size()));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
  }
  const std::vector<unsigned char>& bytes() const { return bytes_; }

 private:
  template <typename Bits, typename T>
  StreamBytes& put(T value) {
    Bits bits;
    static_assert(sizeof bits == sizeof value, "the bits hold the value exactly");
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < sizeof bits; ++i)
      bytes_.push_back(static_cast<unsigned char>(bits >> (8 * i)));
    return *this;
  }

  std::vector<unsigned char> bytes_;
};

// The bytes that `record` writes to a fresh stream; the write must succeed.
template <class Record>
std::vector<unsigned char> written(Record record) {
  TnMemoryStream stream;
  EXPECT_EQ(loomset::writeRecord(record, stream), 0);
  return stream.bytes();
}

// What reading `bytes` into `record` returns.
template <class Record>
int readBytes(Record& record, const std::vector<unsigned char>& bytes) {
  TnMemoryStream stream(bytes);
  return loomset::readRecord(record, stream);
}
template <class Record>
int readBytes(Record& record, const StreamBytes& bytes) {
  return readBytes(record, bytes.bytes());
}

// `into` after reading what `record` writes: the read must succeed, take every byte, and leave a
// record that writes the same bytes again.
template <class Record>
Record reread(const Record& record, Record into = Record()) {
  const std::vector<unsigned char> bytes = written(record);
  TnMemoryStream stream(bytes);
  EXPECT_EQ(loomset::readRecord(into, stream), 0);
  EXPECT_EQ(stream.readPosition(), bytes.size());
  EXPECT_EQ(written(into), bytes);
  return into;
}

// Reading each of `versions`, as `bytesOf(version)` gives it, returns 2, takes only the version
// and leaves `record` as it was: `observe` (by default, what it writes) sees no change.
template <class Record, class BytesOf, class Observe = std::vector<unsigned char> (*)(Record)>
void expectVersionsRefused(const Record& record, std::initializer_list<int> versions,
                           BytesOf bytesOf, Observe observe = &written<Record>) {
  for (int version : versions) {
    Record copy = record;
    TnMemoryStream stream(bytesOf(version));
    EXPECT_EQ(loomset::readRecord(copy, stream), 2) << "version " << version;
    EXPECT_EQ(stream.readPosition(), 2u) << "version " << version;
    EXPECT_EQ(observe(copy), observe(record)) << "version " << version;
  }
}

// Writes `record` to streams too short for it, at every length: each write fails, what it leaves
// is the start of the record's bytes (nothing follows the value that failed), and less room than
// one value is left unused (the values before it were written). Values here take at most 8 bytes:
// a pair, or a string of up to 6.
template <class Record>
void expectWriteStopsAtTheFirstFailure(const Record& record) {
  const std::vector<unsigned char> full = written(record);
  for (std::size_t limit = 0; limit < full.size(); ++limit) {
    Record copy = record;
    TnMemoryStream stream;
    stream.setWriteLimit(limit);
    EXPECT_EQ(loomset::writeRecord(copy, stream), 1) << "limit " << limit;
    const std::vector<unsigned char>& part = stream.bytes();
    EXPECT_TRUE(std::equal(part.begin(), part.end(), full.begin())) << "limit " << limit;
    EXPECT_LT(limit - part.size(), 8u) << "limit " << limit;
  }
}
