#include "loomset/foundation/StreamPrimitives.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnFileStream.h"
#include "loomset/foundation/TnMemoryStream.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Vec = TnVector<double>;
using Pt = TnCoord<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// "A", 0xBB, an embedded zero, "B".
const TnString kName("A\xBB\0B", 4);

TEST(StreamPrimitivesTest, IntegersAreLittleEndianTwosComplement) {
  TnMemoryStream out;
  EXPECT_EQ(writeShort(out, -2), 0);
  EXPECT_EQ(writeShort(out, 0x1234), 0);
  EXPECT_EQ(writeLong(out, 0x12345678L), 0);
  EXPECT_EQ(writeLong(out, -2L), 0);
  EXPECT_EQ(out.bytes(),
            (Bytes{0xFE, 0xFF, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF}));

  TnMemoryStream in(
      Bytes{0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F});
  short s = 0;
  long l = 0;
  EXPECT_EQ(readShort(in, &s), 0);
  EXPECT_EQ(s, std::numeric_limits<short>::min());
  EXPECT_EQ(readLong(in, &l), 0);
  EXPECT_EQ(l, -1L);  // sign-extended where long is wider than 32 bits
  EXPECT_EQ(readLong(in, &l), 0);
  EXPECT_EQ(l, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(readLong(in, &l), 0);
  EXPECT_EQ(l, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(in.readPosition(), in.bytes().size());
}

TEST(StreamPrimitivesTest, WriteLongOutsideThirtyTwoBitsWritesNothing) {
  if constexpr (sizeof(long) > 4) {
    TnMemoryStream out;
    EXPECT_NE(writeLong(out, std::numeric_limits<std::int32_t>::max() + 1L), 0);
    EXPECT_NE(writeLong(out, std::numeric_limits<std::int32_t>::min() - 1L), 0);
    EXPECT_NE(writeLong(out, std::numeric_limits<long>::max()), 0);
    EXPECT_TRUE(out.bytes().empty());
  } else {
    GTEST_SKIP() << "long holds 32 bits here";
  }
}

TEST(StreamPrimitivesTest, StringsAreACountAndTheirBytesWithoutTerminator) {
  TnMemoryStream out;
  EXPECT_EQ(writeString(out, kName), 0);
  EXPECT_EQ(writeString(out, TnString()), 0);
  EXPECT_EQ(out.bytes(), (Bytes{0x04, 0x00, 'A', 0xBB, 0x00, 'B', 0x00, 0x00}));

  TnMemoryStream in(out.bytes());
  TnString name("old");
  TnString empty("old");
  EXPECT_EQ(readString(in, name), 0);
  EXPECT_EQ(readString(in, empty), 0);
  EXPECT_EQ(name, kName);
  EXPECT_TRUE(empty.isEmpty());

  TnMemoryStream big;
  const std::string longest(65535, '\xBB');
  EXPECT_EQ(writeString(big, TnString(longest)), 0);
  ASSERT_EQ(big.bytes().size(), 65537u);
  EXPECT_EQ(big.bytes()[0], 0xFF);
  EXPECT_EQ(big.bytes()[1], 0xFF);
  TnString back;
  EXPECT_EQ(readString(big, back), 0);
  EXPECT_EQ(back.bytes(), longest);

  TnMemoryStream tooBig;
  EXPECT_NE(writeString(tooBig, TnString(longest + "x")), 0);
  EXPECT_TRUE(tooBig.bytes().empty());
}

TEST(StreamPrimitivesTest, PairsAreTwoBinary32OrTwoBinary64Values) {
  TnMemoryStream out;
  EXPECT_EQ(writeFVector(out, Vec(1.5, -2.0)), 0);
  EXPECT_EQ(writeFPoint(out, Pt(-0.5, 3.0)), 0);
  EXPECT_EQ(writeFVector(out, Vec(0.1, FLT_MAX)), 0);
  EXPECT_EQ(Bytes(out.bytes().begin(), out.bytes().begin() + 16),
            (Bytes{0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0xBF, 0x00,
                   0x00, 0x40, 0x40}));
  Vec v;
  Pt p;
  EXPECT_EQ(readFVector(out, &v), 0);
  EXPECT_EQ(readFPoint(out, &p), 0);
  EXPECT_EQ(v, Vec(1.5, -2.0));
  EXPECT_EQ(p, Pt(-0.5, 3.0));
  EXPECT_EQ(readFVector(out, &v), 0);  // single precision: rounded to float
  EXPECT_EQ(v, Vec(static_cast<double>(0.1f), static_cast<double>(FLT_MAX)));

  // 1.5, -2.25, then 1e300 and -0.1, which no float holds.
  TnMemoryStream in(Bytes{0,    0,    0,    0,    0,    0,    0xF8, 0x3F, 0,    0,    0,
                          0,    0,    0,    0x02, 0xC0, 0x9C, 0x75, 0x00, 0x88, 0x3C, 0xE4,
                          0x37, 0x7E, 0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xB9, 0xBF});
  EXPECT_EQ(readDVector(in, &v), 0);
  EXPECT_EQ(readDPoint(in, &p), 0);
  EXPECT_EQ(v, Vec(1.5, -2.25));
  EXPECT_EQ(p, Pt(1e300, -0.1));
}

TEST(StreamPrimitivesTest, CoordinatesNotFiniteInTheEncodingFailBothWays) {
  TnMemoryStream out;
  for (const Vec& bad : {Vec(kNaN, 0.0), Vec(1.0, kNaN), Vec(kInf, 0.0), Vec(1.0, -kInf),
                         Vec(1e39, 0.0), Vec(0.0, -1e39), Vec(DBL_MAX, 0.0)}) {
    EXPECT_NE(writeFVector(out, bad), 0);
    EXPECT_NE(writeFPoint(out, Pt(bad.xval(), bad.yval())), 0);
  }
  EXPECT_TRUE(out.bytes().empty());

  // binary32 (1.0, NaN), (+inf, 1.0); binary64 (1.5, NaN), (-inf, 1.5).
  const Bytes fNaN{0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0xC0, 0x7F};
  const Bytes fInf{0x00, 0x00, 0x80, 0x7F, 0x00, 0x00, 0x80, 0x3F};
  const Bytes dNaN{0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0, 0, 0, 0, 0, 0, 0xF8, 0x7F};
  const Bytes dInf{0, 0, 0, 0, 0, 0, 0xF0, 0xFF, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
  const Vec keptV(9.0, 9.0);
  const Pt keptP(8.0, 8.0);
  for (const Bytes& bytes : {fNaN, fInf, dNaN, dInf}) {
    const bool f = bytes.size() == 8;
    TnMemoryStream in(bytes);
    Vec v = keptV;
    Pt p = keptP;
    EXPECT_NE(f ? readFVector(in, &v) : readDVector(in, &v), 0);
    EXPECT_NE(f ? readFPoint(in, &p) : readDPoint(in, &p), 0);
    EXPECT_EQ(v, keptV);
    EXPECT_EQ(p, keptP);
    EXPECT_EQ(in.readPosition(), 0u);
  }
}

TEST(StreamPrimitivesTest, ShortReadsConsumeNothingAndKeepTheirOutput) {
  TnMemoryStream in(Bytes{0x06, 0x00, 'a', 'b', 'c', 0x00, 0x00});
  short s = 7;
  long l = 7;
  TnString text("kept");
  Vec v(7.0, 7.0);
  Pt p(7.0, 7.0);
  // The count promises six bytes and five follow: the count stays on the stream too.
  EXPECT_NE(readString(in, text), 0);
  EXPECT_NE(readFVector(in, &v), 0);
  EXPECT_NE(readDPoint(in, &p), 0);
  EXPECT_EQ(in.readPosition(), 0u);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(v, Vec(7.0, 7.0));
  EXPECT_EQ(p, Pt(7.0, 7.0));
  EXPECT_EQ(readShort(in, &s), 0);
  EXPECT_EQ(s, 6);

  TnMemoryStream tail(Bytes{0x01, 0x02, 0x03});
  EXPECT_NE(readLong(tail, &l), 0);
  EXPECT_EQ(l, 7);
  EXPECT_EQ(readShort(tail, &s), 0);
  EXPECT_NE(readShort(tail, &s), 0);
  EXPECT_NE(readString(tail, text), 0);  // only half of the count
  EXPECT_EQ(s, 0x0201);
  EXPECT_EQ(tail.readPosition(), 2u);
}

TEST(StreamPrimitivesTest, WriteLimitedStreamTakesNoPartOfAValue) {
  TnMemoryStream out;
  out.setWriteLimit(7);
  EXPECT_EQ(writeShort(out, 1), 0);
  EXPECT_NE(writeFVector(out, Vec(1.0, 2.0)), 0);  // x alone would fit
  EXPECT_NE(writeFPoint(out, Pt(1.0, 2.0)), 0);
  EXPECT_NE(writeString(out, TnString("abcd")), 0);  // the count alone would fit
  EXPECT_EQ(out.bytes(), (Bytes{0x01, 0x00}));
  EXPECT_EQ(writeString(out, TnString("abc")), 0);  // exactly up to the limit
  EXPECT_NE(writeLong(out, 1L), 0);
  EXPECT_NE(writeShort(out, 2), 0);
  EXPECT_EQ(out.bytes(), (Bytes{0x01, 0x00, 0x03, 0x00, 'a', 'b', 'c'}));
}

class TnFileStreamTest : public ::testing::Test {
 protected:
  void TearDown() override { std::remove(path_.c_str()); }

  const std::string path_ = ::testing::TempDir() + "loomset_" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                            std::to_string(std::random_device{}());
};

TEST_F(TnFileStreamTest, PrimitivesRoundTripThroughAFile) {
  {
    TnFileStream out(path_.c_str(), TnFileStream::kWrite);
    ASSERT_TRUE(out.isOpen());
    EXPECT_EQ(writeShort(out, -300), 0);
    EXPECT_EQ(writeString(out, kName), 0);
    EXPECT_EQ(writeLong(out, -70000L), 0);
    EXPECT_EQ(writeFPoint(out, Pt(0.25, -8.0)), 0);
    EXPECT_EQ(writeShort(out, 5), 0);  // a count that promises more than follows
    unsigned char byte = 0;
    EXPECT_NE(out.readBytes(&byte, 1), 0);  // opened for writing
    EXPECT_NE(out.peekBytes(&byte, 1), 0);
    EXPECT_EQ(out.close(), 0);
  }
  TnFileStream in(path_.c_str(), TnFileStream::kRead);
  ASSERT_TRUE(in.isOpen());
  short s = 0;
  long l = 0;
  TnString name;
  Pt p;
  EXPECT_EQ(readShort(in, &s), 0);
  EXPECT_EQ(readString(in, name), 0);
  EXPECT_EQ(readLong(in, &l), 0);
  EXPECT_EQ(readFPoint(in, &p), 0);
  EXPECT_EQ(s, -300);
  EXPECT_EQ(name, kName);
  EXPECT_EQ(l, -70000L);
  EXPECT_EQ(p, Pt(0.25, -8.0));
  // The cut-short string fails without taking its count.
  EXPECT_NE(readString(in, name), 0);
  EXPECT_EQ(name, kName);
  EXPECT_EQ(readShort(in, &s), 0);
  EXPECT_EQ(s, 5);
  EXPECT_NE(readShort(in, &s), 0);
  EXPECT_NE(writeShort(in, 1), 0);  // opened for reading
  EXPECT_EQ(in.close(), 0);
}

TEST_F(TnFileStreamTest, MissingFilesAndDirectoriesAreReported) {
  const std::string missing = ::testing::TempDir() + "loomset-no-such-dir/file.bin";
  TnFileStream in(missing.c_str(), TnFileStream::kRead);
  EXPECT_FALSE(in.isOpen());
  short s = 3;
  EXPECT_NE(readShort(in, &s), 0);
  EXPECT_EQ(s, 3);
  EXPECT_NE(in.close(), 0);

  TnFileStream out(missing.c_str(), TnFileStream::kWrite);
  EXPECT_FALSE(out.isOpen());
  EXPECT_NE(writeShort(out, 1), 0);
  EXPECT_NE(out.close(), 0);

  TnFileStream absent(path_.c_str(), TnFileStream::kRead);
  EXPECT_FALSE(absent.isOpen());
}

TEST_F(TnFileStreamTest, WritesThatTheDeviceRefusesAreReported) {
  TnFileStream full("/dev/full", TnFileStream::kWrite);
  if (!full.isOpen()) GTEST_SKIP() << "no /dev/full here";
  // Too large for the file's buffer, so the device refuses it at once.
  EXPECT_NE(writeString(full, TnString(std::string(65535, 'x'))), 0);
  // Small enough to be buffered: the refusal shows when the buffer is flushed.
  writeShort(full, 1);
  EXPECT_NE(full.close(), 0);
}

}  // namespace
