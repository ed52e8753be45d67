#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "loomset/foundation/TnMemoryStream.h"

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
  EXPECT_EQ(record.write(&stream), 0);
  return stream.bytes();
}
