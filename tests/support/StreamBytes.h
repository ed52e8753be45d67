#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"

using Bytes = std::vector<unsigned char>;

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
  const Bytes& bytes() const { return bytes_; }
  operator const Bytes&() const { return bytes_; }  // NOLINT(google-explicit-constructor)

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

  Bytes bytes_;
};

// A host's own stream: it shows no windows, so every value goes through its calls, whose write
// sizes it keeps.
class CallsOnly final : public TnStream {
 public:
  explicit CallsOnly(const Bytes& bytes = {}) : inner(bytes) {}
  int writeBytes(const void* data, std::size_t size) override {
    writes.push_back(size);
    return inner.writeBytes(data, size);
  }
  int readBytes(void* data, std::size_t size) override { return inner.readBytes(data, size); }
  int peekBytes(void* data, std::size_t size) override { return inner.peekBytes(data, size); }

  TnMemoryStream inner;
  std::vector<std::size_t> writes;
};

// The bytes that `record` writes to a fresh stream; the write must succeed.
template <class Record>
Bytes written(Record record) {
  TnMemoryStream stream;
  EXPECT_EQ(loomset::writeRecord(record, stream), 0);
  return stream.bytes();
}

// What reading `bytes` into `record` returns.
template <class Record>
int readBytes(Record& record, const Bytes& bytes) {
  TnMemoryStream stream(bytes);
  return loomset::readRecord(record, stream);
}

// `into` after reading what `record` writes: the read must succeed, take every byte, and leave a
// record that writes the same bytes again.
template <class Record>
Record reread(const Record& record, Record into = Record()) {
  const Bytes bytes = written(record);
  TnMemoryStream stream(bytes);
  EXPECT_EQ(loomset::readRecord(into, stream), 0);
  EXPECT_EQ(stream.readPosition(), bytes.size());
  EXPECT_EQ(written(into), bytes);
  return into;
}
