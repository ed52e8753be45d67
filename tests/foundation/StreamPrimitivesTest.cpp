#include "loomset/foundation/StreamPrimitives.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
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

// "A", 0xBB, an embedded zero, "B".
const TnString kName("A\xBB\0B", 4);

// The bytes that `write` puts on a fresh stream for `value`.
template <class Write, class Value>
Bytes written(Write write, const Value& value) {
  TnMemoryStream out;
  EXPECT_EQ(write(out, value), 0);
  return out.bytes();
}

// The value that `read` takes from `bytes`, which it must consume whole.
template <class Value>
Value readOne(int (*read)(TnStream&, Value*), const Bytes& bytes) {
  TnMemoryStream in(bytes);
  Value value{};
  EXPECT_EQ(read(in, &value), 0);
  EXPECT_EQ(in.readPosition(), bytes.size());
  return value;
}

TEST(StreamPrimitivesTest, IntegersAreLittleEndianTwosComplement) {
  EXPECT_EQ(written(writeShort, short{-2}), (Bytes{0xFE, 0xFF}));
  EXPECT_EQ(written(writeLong, 0x12345678L), (Bytes{0x78, 0x56, 0x34, 0x12}));
  EXPECT_EQ(readOne(readShort, {0x00, 0x80}), SHRT_MIN);
  EXPECT_EQ(readOne(readLong, {0xFF, 0xFF, 0xFF, 0xFF}), -1L);  // sign-extended in a wider long
  EXPECT_EQ(readOne(readLong, {0x00, 0x00, 0x00, 0x80}), long{INT32_MIN});
  if (sizeof(long) > 4) {  // beyond 32 bits: refused, nothing written
    // Computed wide, so that where long is 32 bits this never-taken branch still compiles.
    const long long above = INT32_MAX + 1LL;
    const long long below = INT32_MIN - 1LL;
    TnMemoryStream out;
    EXPECT_NE(writeLong(out, static_cast<long>(above)), 0);
    EXPECT_NE(writeLong(out, static_cast<long>(below)), 0);
    EXPECT_TRUE(out.bytes().empty());
  }
}

TEST(StreamPrimitivesTest, StringsAreACountAndTheirBytesWithoutTerminator) {
  TnMemoryStream out;
  EXPECT_EQ(writeString(out, kName), 0);
  EXPECT_EQ(writeString(out, TnString()), 0);
  EXPECT_EQ(out.bytes(), (Bytes{0x04, 0x00, 'A', 0xBB, 0x00, 'B', 0x00, 0x00}));
  TnString name;
  TnString empty("old");
  EXPECT_EQ(readString(out, name), 0);
  EXPECT_EQ(readString(out, empty), 0);
  EXPECT_EQ(name, kName);
  EXPECT_EQ(empty, "");

  const TnString longest(std::string(65535, '\xBB'));
  TnMemoryStream big(written(writeString, longest));
  EXPECT_EQ(readString(big, name), 0);
  EXPECT_EQ(name, longest);
  EXPECT_NE(writeString(big, TnString(std::string(65536, 'x'))), 0);
  EXPECT_EQ(big.bytes().size(), 65537u);
}

TEST(StreamPrimitivesTest, PairsAreTwoBinary32OrTwoBinary64Values) {
  const Bytes f1{0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0xC0};  // 1.5, -2
  const Bytes f2{0x00, 0x00, 0x00, 0xBF, 0x00, 0x00, 0x40, 0x40};  // -0.5, 3
  EXPECT_EQ(written(writeFVector, Vec(1.5, -2.0)), f1);
  EXPECT_EQ(written(writeFPoint, Pt(-0.5, 3.0)), f2);
  EXPECT_EQ(readOne(readFVector, f1), Vec(1.5, -2.0));
  EXPECT_EQ(readOne(readFPoint, f2), Pt(-0.5, 3.0));
  // Single precision: rounded to float, the largest float included.
  EXPECT_EQ(readOne(readFVector, written(writeFVector, Vec(0.1, FLT_MAX))),
            Vec(static_cast<double>(0.1f), static_cast<double>(FLT_MAX)));
  EXPECT_EQ(readOne(readDVector, {0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0, 0, 0, 0, 0, 0, 0x02, 0xC0}),
            Vec(1.5, -2.25));
  // 1e300 and -0.1, which no float holds.
  EXPECT_EQ(readOne(readDPoint, {0x9C, 0x75, 0x00, 0x88, 0x3C, 0xE4, 0x37, 0x7E, 0x9A, 0x99, 0x99,
                                 0x99, 0x99, 0x99, 0xB9, 0xBF}),
            Pt(1e300, -0.1));
}

TEST(StreamPrimitivesTest, CoordinatesNotFiniteInTheEncodingFailBothWays) {
  TnMemoryStream out;
  for (const Vec& bad : {Vec(std::nan(""), 0.0), Vec(1.0, -HUGE_VAL), Vec(0.0, -1e39)}) {
    EXPECT_NE(writeFVector(out, bad), 0);
    EXPECT_NE(writeFPoint(out, Pt(bad.xval(), bad.yval())), 0);
  }
  EXPECT_TRUE(out.bytes().empty());

  // binary32 (1.0, NaN); binary64 (-inf, 1.5).
  TnMemoryStream f(Bytes{0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0xC0, 0x7F});
  TnMemoryStream d(Bytes{0, 0, 0, 0, 0, 0, 0xF0, 0xFF, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F});
  Vec v(9.0, 9.0);
  Pt p(8.0, 8.0);
  EXPECT_EQ(readFVector(f, &v) + readFPoint(f, &p), 2);
  EXPECT_EQ(readDVector(d, &v) + readDPoint(d, &p), 2);
  EXPECT_EQ(v, Vec(9.0, 9.0));
  EXPECT_EQ(p, Pt(8.0, 8.0));
  EXPECT_EQ(f.readPosition() + d.readPosition(), 0u);
}

TEST(StreamPrimitivesTest, CutShortValuesConsumeNothingAndKeepTheirOutput) {
  // The count promises six bytes and three follow; an F pair would find its x but not its y.
  TnMemoryStream in(Bytes{0x06, 0x00, 'a', 'b', 'c'});
  TnString text("kept");
  Vec v(7.0, 7.0);
  Pt p(7.0, 7.0);
  short s = 7;
  long l = 7;
  EXPECT_NE(readString(in, text), 0);
  EXPECT_NE(readFVector(in, &v), 0);
  EXPECT_NE(readDPoint(in, &p), 0);
  EXPECT_EQ(readShort(in, &s), 0);  // the string's count is still there
  EXPECT_NE(readLong(in, &l), 0);   // three bytes left
  EXPECT_EQ(in.readPosition(), 2u);
  EXPECT_EQ(s, 6);
  EXPECT_EQ(l, 7);
  EXPECT_EQ(text, "kept");
  EXPECT_EQ(v, Vec(7.0, 7.0));
  EXPECT_EQ(p, Pt(7.0, 7.0));
}

TEST(StreamPrimitivesTest, WriteLimitedStreamTakesNoPartOfAValue) {
  TnMemoryStream out;
  out.setWriteLimit(8);
  EXPECT_EQ(writeShort(out, 1), 0);
  EXPECT_NE(writeFVector(out, Vec(1.0, 2.0)), 0);     // x alone would fit
  EXPECT_NE(writeString(out, TnString("abcde")), 0);  // the count alone would fit
  EXPECT_EQ(writeString(out, TnString("abc")), 0);
  EXPECT_NE(writeShort(out, 2), 0);  // one byte left
  EXPECT_EQ(out.bytes(), (Bytes{0x01, 0x00, 0x03, 0x00, 'a', 'b', 'c'}));
}

TEST(TnFileStreamTest, PrimitivesRoundTripThroughAFileAndFailuresAreReported) {
  const std::string path =
      ::testing::TempDir() + "loomset_file_stream_" + std::to_string(std::random_device{}());
  TnFileStream out(path.c_str(), TnFileStream::kWrite);
  EXPECT_EQ(writeString(out, kName), 0);
  EXPECT_EQ(writeShort(out, 5), 0);  // a string count with nothing after it
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
  EXPECT_NE(writeShort(missing, 1), 0);
  EXPECT_NE(missing.close(), 0);
  TnFileStream full("/dev/full", TnFileStream::kWrite);
  if (!full.isOpen()) GTEST_SKIP() << "no /dev/full here";
  // Too large for the file's buffer, so the device refuses it at once; a short value is buffered
  // and the refusal shows when the buffer is flushed.
  EXPECT_NE(writeString(full, TnString(std::string(65535, 'x'))), 0);
  writeShort(full, 1);
  EXPECT_NE(full.close(), 0);
}

}  // namespace
