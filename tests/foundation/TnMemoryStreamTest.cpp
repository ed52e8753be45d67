#include "loomset/foundation/TnMemoryStream.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/StreamPrimitives.h"
#include "support/StreamBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

TEST(TnMemoryStreamTest, ReadsKeepTheirPlaceAcrossWritesClearAndReserve) {
  TnMemoryStream stream;
  short s = 0;
  EXPECT_NE(readShort(stream, &s), 0);
  ASSERT_EQ(writeShort(stream, 7), 0);
  ASSERT_EQ(readShort(stream, &s), 0);
  EXPECT_EQ(s, 7);
  // Enough bytes to move the stream's memory, twice over.
  const TnString text(std::string(60000, 'x'));
  ASSERT_EQ(writeString(stream, text), 0);
  stream.reserve(200000);
  ASSERT_EQ(writeLong(stream, -42), 0);
  EXPECT_EQ(stream.readPosition(), 2u);
  TnString back;
  long l = 0;
  ASSERT_EQ(readString(stream, back), 0);
  ASSERT_EQ(readLong(stream, &l), 0);
  EXPECT_EQ(back, text);
  EXPECT_EQ(l, -42);
  EXPECT_EQ(stream.readPosition(), stream.bytes().size());
  EXPECT_NE(readShort(stream, &s), 0);
  stream.rewind();
  ASSERT_EQ(readShort(stream, &s), 0);
  EXPECT_EQ(s, 7);

  // Clearing empties and rewinds; the write limit stays.
  stream.setWriteLimit(3);
  stream.clear();
  EXPECT_TRUE(stream.bytes().empty());
  EXPECT_EQ(stream.readPosition(), 0u);
  EXPECT_NE(readShort(stream, &s), 0);
  EXPECT_NE(writeLong(stream, 1), 0);
  ASSERT_EQ(writeShort(stream, 9), 0);
  ASSERT_EQ(readShort(stream, &s), 0);
  EXPECT_EQ(s, 9);
}

// A stream that shows no read window, as a host's own stream may: every value is read through
// the stream's calls.
class CallsOnlyStream final : public TnStream {
 public:
  explicit CallsOnlyStream(const Bytes& bytes) : inner(bytes) {}
  int writeBytes(const void* data, std::size_t size) override {
    return inner.writeBytes(data, size);
  }
  int readBytes(void* data, std::size_t size) override { return inner.readBytes(data, size); }
  int peekBytes(void* data, std::size_t size) override { return inner.peekBytes(data, size); }
  std::size_t readPosition() const { return inner.readPosition(); }

 private:
  TnMemoryStream inner;
};

// What a fixed run of reads gives: each result and value, and where the stream stopped.
template <class Stream>
std::string readAll(Stream& stream) {
  std::string log;
  short s = 11;
  long l = 22;
  TnString text("kept");
  TnVector<double> v(3.0, 3.0);
  TnCoord<double> p(4.0, 4.0);
  for (int round = 0; round < 2; ++round) {
    log += std::to_string(readShort(stream, &s)) + ":" + std::to_string(s) + " ";
    log += std::to_string(readString(stream, text)) + ":" + std::string(text) + " ";
    log += std::to_string(readFVector(stream, &v)) + ":" + std::to_string(v.xval()) + "," +
           std::to_string(v.yval()) + " ";
    log += std::to_string(readDPoint(stream, &p)) + ":" + std::to_string(p.xval()) + "," +
           std::to_string(p.yval()) + " ";
    log += std::to_string(readLong(stream, &l)) + ":" + std::to_string(l) + " ";
    log += "@" + std::to_string(stream.readPosition()) + "\n";
  }
  return log;
}

TEST(TnMemoryStreamTest, ValuesReadTheSameWithOrWithoutAReadWindow) {
  // One value of each kind, then a pair whose y is not finite, then the values again: the
  // second round stops at the bad pair and reads on from there.
  const StreamBytes good = StreamBytes().s(-5).str("name").f(1.5, -2.25).d(1e300, -3.5).l(-70000);
  Bytes bytes = good.bytes();
  // The bad pair is the binary32 values 1.0 and infinity.
  const Bytes bad = StreamBytes().s(1).str("x").l(0x3F800000).l(0x7F800000).bytes();
  bytes.insert(bytes.end(), bad.begin(), bad.end());
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    const Bytes part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
    TnMemoryStream windowed(part);
    CallsOnlyStream calls(part);
    const std::string expected = readAll(calls);
    EXPECT_EQ(readAll(windowed), expected) << "cut " << cut;
  }
}

}  // namespace
