// The typed stream values, and the memory and file streams that carry them.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include "loomset/foundation/StreamPrimitives.h"
#include "loomset/foundation/TnFileStream.h"
#include "loomset/loomset.h"
#include "support/AllocationCount.h"
#include "support/StreamBytes.h"

namespace {

using Vec = TnVector<double>;
using Pt = TnCoord<double>;

// "A", 0xBB, an embedded zero, "B".
const TnString kName("A\xBB\0B", 4);

// The edges of each range, a name with an embedded zero, a double that single precision
// rounds, and the double pairs, which are only read.
TEST(StreamPrimitivesTest, ValuesAtTheirEdgesRoundTrip) {
  TnMemoryStream stream;
  ASSERT_EQ(writeShort(stream, SHRT_MIN) + writeLong(stream, -1) + writeLong(stream, INT32_MIN) +
                writeString(stream, kName) + writeFVector(stream, Vec(0.1, FLT_MAX)),
            0);
  EXPECT_EQ(stream.bytes(), StreamBytes()
                                .s(0x8000)
                                .l(0xFFFFFFFF)
                                .l(0x80000000)
                                .str(std::string("A\xBB\0B", 4))
                                .f(0.1, FLT_MAX)
                                .bytes());
  short s = 0;
  long l1 = 0;
  long l2 = 0;
  TnString text;
  Vec v;
  ASSERT_EQ(readShort(stream, &s) + readLong(stream, &l1) + readLong(stream, &l2) +
                readString(stream, text) + readFVector(stream, &v),
            0);
  EXPECT_EQ(std::make_tuple(s, l1, l2, text),
            std::make_tuple(SHRT_MIN, -1L, long{INT32_MIN}, kName));
  EXPECT_EQ(v, Vec(static_cast<double>(0.1f), static_cast<double>(FLT_MAX)));
  Pt p;
  TnMemoryStream doubles(StreamBytes().d(1.5, -2.25).d(1e300, -0.1));
  ASSERT_EQ(readDVector(doubles, &v) + readDPoint(doubles, &p), 0);
  EXPECT_EQ(std::make_pair(v, p), std::make_pair(Vec(1.5, -2.25), Pt(1e300, -0.1)));
  EXPECT_EQ(doubles.readPosition(), 32u);
}

// A value either goes whole or not at all: a failed write writes nothing, a failed read consumes
// nothing and leaves its output as it was.
TEST(StreamPrimitivesTest, AValueThatFailsLeavesNoTrace) {
  TnMemoryStream out;
  for (const Vec& bad : {Vec(std::nan(""), 0.0), Vec(1.0, -HUGE_VAL), Vec(0.0, -1e39)})
    EXPECT_EQ(writeFVector(out, bad) + writeFPoint(out, Pt(bad.xval(), bad.yval())), 2);
  EXPECT_EQ(writeString(out, TnString(std::string(65536, 'x'))), 1);
  if (sizeof(long) > 4) {
    // Computed wide, so that where long is 32 bits this never-taken branch still compiles.
    EXPECT_EQ(writeLong(out, static_cast<long>(INT32_MAX + 1LL)), 1);
    EXPECT_EQ(writeLong(out, static_cast<long>(INT32_MIN - 1LL)), 1);
  }
  EXPECT_TRUE(out.bytes().empty());
  EXPECT_EQ(writeString(out, TnString(std::string(65535, '\xBB'))), 0);
  EXPECT_EQ(out.bytes().size(), 65537u);

  // A string count promising six bytes of three; binary32 (1, NaN); binary64 (-inf, 1.5).
  TnMemoryStream in(Bytes{6, 0, 'a', 'b', 'c'});
  TnMemoryStream f(StreamBytes().l(0x3F800000).l(0x7FC00000));
  TnMemoryStream d(Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0xFF, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
  TnString text("kept");
  Vec v(7, 7);
  Pt p(8, 8);
  long l = 7;
  short s = 7;
  EXPECT_EQ(readString(in, text) + readFVector(in, &v) + readDPoint(in, &p) + readLong(f, &l), 3);
  EXPECT_EQ(readFVector(f, &v) + readFPoint(f, &p) + readDVector(d, &v) + readDPoint(d, &p), 4);
  EXPECT_EQ(in.readPosition() + f.readPosition() + d.readPosition(), 4u);
  EXPECT_EQ(readShort(in, &s) + readLong(in, &l), 1);  // the count, then 3 bytes for 4
  EXPECT_EQ(in.readPosition(), 2u);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(v, Vec(7, 7));
  EXPECT_EQ(p, Pt(8, 8));
  EXPECT_EQ(l, 0x3F800000L);
}

TEST(TnMemoryStreamTest, ReadsKeepTheirPlaceAcrossWritesClearAndReserve) {
  TnMemoryStream stream;
  short s = 0;
  EXPECT_NE(readShort(stream, &s), 0);
  ASSERT_EQ(writeShort(stream, 7) + readShort(stream, &s), 0);
  EXPECT_EQ(s, 7);
  // Enough bytes to move the stream's memory, twice over.
  const TnString text(std::string(60000, 'x'));
  ASSERT_EQ(writeString(stream, text), 0);
  stream.reserve(200000);
  ASSERT_EQ(writeLong(stream, -42), 0);
  EXPECT_EQ(stream.readPosition(), 2u);
  TnString back;
  long l = 0;
  ASSERT_EQ(readString(stream, back) + readLong(stream, &l), 0);
  EXPECT_EQ(back, text);
  EXPECT_EQ(l, -42);
  EXPECT_NE(readShort(stream, &s), 0);
  stream.rewind();
  ASSERT_EQ(readShort(stream, &s), 0);
  EXPECT_EQ(s, 7);
  // Clearing empties and rewinds; the write limit stays.
  stream.setWriteLimit(3);
  stream.clear();
  EXPECT_EQ(stream.bytes().size() + stream.readPosition(), 0u);
  EXPECT_NE(readShort(stream, &s) + writeLong(stream, 1), 0);
  ASSERT_EQ(writeShort(stream, 9) + readShort(stream, &s), 0);
  EXPECT_EQ(s, 9);
}

TEST(TnFileStreamTest, ValuesRoundTripThroughAFileAndFailuresAreReported) {
  const std::string path =
      ::testing::TempDir() + "loomset_file_stream_" + std::to_string(std::random_device{}());
  TnFileStream out(path.c_str(), TnFileStream::kWrite);
  EXPECT_EQ(writeString(out, kName) + writeShort(out, 5), 0);  // a count with nothing after it
  EXPECT_EQ(out.close(), 0);
  TnFileStream in(path.c_str(), TnFileStream::kRead);
  TnString name;
  short s = 0;
  EXPECT_EQ(readString(in, name), 0);
  EXPECT_NE(readString(in, name), 0);  // fails without taking its count
  EXPECT_EQ(readShort(in, &s), 0);
  EXPECT_NE(readShort(in, &s), 0);
  EXPECT_EQ(name, kName);
  EXPECT_EQ(s, 5);
  EXPECT_EQ(in.close(), 0);
  std::remove(path.c_str());
  TnFileStream missing((path + ".d/f").c_str(), TnFileStream::kWrite);
  EXPECT_NE(writeShort(missing, 1) + missing.close(), 0);
}

// Counts that the stream cannot back fail at its end, having allocated for what was there, not
// for what the count claimed (from 64 KiB for a string to gigabytes for vector curves).
TEST(StreamPrimitivesTest, CountsBeyondTheStreamFailAtItsEndWithLittleMemory) {
  if (!kAllocationsCounted) GTEST_SKIP() << "the allocator is the sanitizer's";
  const auto segment = [](StreamBytes head) { return head.f(0, 0).f(1, 1).f(2, 1).f(3, 0); };
  const StreamBytes vector = StreamBytes().s(2).str("V").l(1).l(1);
  const struct {
    loomset::Family family;
    StreamBytes bytes;
  } cases[] = {
      {loomset::Family::kFill, StreamBytes().s(1).str("F").s(5).s(32767).s(7)},
      {loomset::Family::kDirection, StreamBytes().s(3).f(1, 0).s(32767).f(1, 0).s(0)},
      {loomset::Family::kDirection, StreamBytes().s(1).d(1, 0).s(32767).d(1, 0)},
      {loomset::Family::kProgrammed, StreamBytes().s(1).str("P").s(32767).str("T").s(3).f(1, 0)},
      {loomset::Family::kBezier, segment(StreamBytes().s(1).f(3, 0).s(32767))},
      {loomset::Family::kWave, segment(StreamBytes().s(1).str("W").s(1).f(3, 0).s(32767))},
      {loomset::Family::kVector, StreamBytes(vector).l(2147483647).l(0).l(0)},
      {loomset::Family::kVector, segment(StreamBytes(vector).l(1).l(2147483647))},
      {loomset::Family::kVector, StreamBytes().s(1).str("V").l(1).l(1).l(1).l(9).d(0, 0).d(1, 1)},
  };
  for (const auto& c : cases) {
    for (bool window : {true, false}) {
      std::size_t allocated = 0;
      const int result = loomset::withRecordOf(c.family, [&](auto record) {
        TnMemoryStream memory(c.bytes);
        CallsOnly calls(c.bytes);
        int read = 0;
        allocated = bytesAllocatedBy([&] {
          read = loomset::readRecord(record, window ? static_cast<TnStream&>(memory) : calls);
        });
        return read;
      });
      EXPECT_EQ(result, 1) << loomset::familyName(c.family);
      EXPECT_LE(allocated, 1024u) << loomset::familyName(c.family) << (window ? "" : " by calls");
    }
  }
  TnString text;
  CallsOnly string(StreamBytes().s(65535).f(1, 2));
  EXPECT_LE(bytesAllocatedBy([&] { EXPECT_EQ(readString(string, text), 1); }), 1024u);
}

}  // namespace
