#include "loomset/patterns/TnFillPattern.h"

#include <cstddef>
#include <list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"

namespace {

using Bytes = std::vector<unsigned char>;

std::string printed(const TnFillPattern& pattern) {
  std::ostringstream out;
  EXPECT_EQ(&pattern.printTo(out), &out);
  return out.str();
}

void expectFractions(const std::list<double>& got, const std::vector<double>& want) {
  ASSERT_EQ(got.size(), want.size());
  auto it = got.begin();
  for (double w : want) EXPECT_DOUBLE_EQ(*it++, w);
}

void put16(Bytes& bytes, int value) {
  bytes.push_back(static_cast<unsigned char>(value & 0xFF));
  bytes.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

// A fill record as it lies on a stream: version, name, stitch length, count, offsets.
Bytes fillRecord(int version, const std::string& name, int stitch, int count,
                 const std::vector<int>& offsets) {
  Bytes bytes;
  put16(bytes, version);
  put16(bytes, static_cast<int>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  put16(bytes, stitch);
  put16(bytes, count);
  for (int offset : offsets) put16(bytes, offset);
  return bytes;
}

TnFillPattern readFrom(Bytes bytes) {
  TnFillPattern pattern;
  TnMemoryStream in(std::move(bytes));
  EXPECT_EQ(pattern.read(&in), 0);
  return pattern;
}

const unsigned char kTweed[] = {25, 25, 50};

TEST(TnFillPatternTest, DefaultRecordIsRandom) {
  const TnFillPattern pattern;
  EXPECT_EQ(pattern.isRandom(), 1);
  EXPECT_TRUE(pattern.getId().isEmpty());
  EXPECT_EQ(pattern.getStitchLength(), 0.0);
  EXPECT_TRUE(pattern.getOffsets().empty());
  EXPECT_TRUE(pattern.getOldOffsets().empty());
  EXPECT_EQ(printed(pattern), "TnFillPattern []\n  Stitch Len: 0\n  Offsets: Random\n");
}

TEST(TnFillPatternInitTest, OffsetBytesAreUnsignedPercentsUnlessTheFirstIsO) {
  TnFillPattern tweed;
  EXPECT_EQ(tweed.init("Tweed", 30, 3, kTweed), 0);
  EXPECT_EQ(tweed.getId(), "Tweed");
  EXPECT_EQ(tweed.getStitchLength(), 30.0);
  EXPECT_EQ(tweed.isRandom(), 0);
  expectFractions(tweed.getOldOffsets(), {0.25, 0.25, 0.5});
  expectFractions(tweed.getOffsets(), {0.25, 0.75, 0.5});

  const unsigned char high[] = {200, 200, 255};
  TnFillPattern clamped;
  EXPECT_EQ(clamped.init("High", -7, 3, high), 0);
  EXPECT_EQ(clamped.getStitchLength(), -7.0);
  expectFractions(clamped.getOldOffsets(), {1.0, 1.0, 1.0});
  expectFractions(clamped.getOffsets(), {1.0, 0.0, 1.0});
  EXPECT_EQ(printed(clamped), "TnFillPattern [High]\n  Stitch Len: -7\n  Offsets: 200 200 255\n");

  const unsigned char letterO[] = {'o', 10, 20, 30};
  const unsigned char plain[] = {10, 20};
  struct Case {
    short count;
    const unsigned char* bytes;
  };
  for (const Case& c : {Case{4, letterO}, Case{0, plain}, Case{-3, plain}, Case{3, nullptr}}) {
    TnFillPattern random;
    EXPECT_EQ(random.init("Random", 12, c.count, c.bytes), 0);
    EXPECT_EQ(random.isRandom(), 1);
    EXPECT_EQ(random.getId(), "Random");
    EXPECT_EQ(random.getStitchLength(), 12.0);
  }
}

TEST(TnFillPatternInitTest, OnlyARecordWithoutOffsetsCanBeInitialisedAgain) {
  TnFillPattern pattern;
  EXPECT_EQ(pattern.init("First", 10), 0);
  EXPECT_EQ(pattern.init("Second", 20), 0);
  EXPECT_EQ(pattern.getId(), "Second");
  EXPECT_EQ(pattern.getStitchLength(), 20.0);
  const unsigned char letterO[] = {'o'};
  EXPECT_EQ(pattern.init("Third", 30, 1, letterO), 0);
  EXPECT_EQ(pattern.init("Tweed", 40, 3, kTweed), 0);

  const unsigned char other[] = {90};
  EXPECT_EQ(pattern.init("Late", 50, 1, other), 1);
  EXPECT_EQ(pattern.init("Late", 50), 1);
  EXPECT_EQ(pattern.getId(), "Tweed");
  EXPECT_EQ(pattern.getStitchLength(), 40.0);
  expectFractions(pattern.getOldOffsets(), {0.25, 0.25, 0.5});
}

TEST(TnFillPatternTest, FractionsClampAndMirrorOddPositions) {
  // Offsets read from a stream may be negative or above 100; they are kept as they are.
  const TnFillPattern pattern = readFrom(fillRecord(1, "Wide", 5, 4, {150, -20, 40, 10}));
  expectFractions(pattern.getOldOffsets(), {1.0, 0.0, 0.4, 0.1});
  expectFractions(pattern.getOffsets(), {1.0, 1.0, 0.4, 0.9});
  EXPECT_EQ(printed(pattern), "TnFillPattern [Wide]\n  Stitch Len: 5\n  Offsets: 150 -20 40 10\n");
}

TEST(TnFillPatternTest, SamePatternIgnoresNamesAndRenameChangesOnlyTheName) {
  TnFillPattern tweed;
  tweed.init("Tweed", 30, 3, kTweed);
  TnFillPattern copy(tweed);
  TnString newName("Tweed \xBB 2");
  copy.rename(newName);
  EXPECT_EQ(newName, "Tweed \xBB 2");
  EXPECT_EQ(copy.getId(), newName);
  EXPECT_EQ(tweed.getId(), "Tweed");
  EXPECT_EQ(copy.isSamePattern(tweed), 1);

  const unsigned char reordered[] = {25, 50, 25};
  struct Variant {
    short length;
    short count;
    const unsigned char* bytes;
  };
  for (const Variant& v : {Variant{31, 3, kTweed}, Variant{30, 3, reordered},
                           Variant{30, 2, kTweed}, Variant{30, 0, kTweed}}) {
    TnFillPattern other;
    other.init("Tweed", v.length, v.count, v.bytes);
    EXPECT_EQ(tweed.isSamePattern(other) + other.isSamePattern(tweed), 0);
  }
  TnFillPattern randomA;
  TnFillPattern randomB;
  randomA.init("A", 30);
  randomB.init("B", 30);
  EXPECT_EQ(randomA.isSamePattern(randomB), 1);

  TnFillPattern assigned;
  assigned = tweed;
  TnMemoryStream more(fillRecord(1, "More", 30, 1, {5}));
  assigned.read(&more);  // appends to the assigned copy only
  EXPECT_EQ(tweed.getOldOffsets().size(), 3u);
  EXPECT_EQ(assigned.getOldOffsets().size(), 4u);
}

TEST(TnFillPatternStreamTest, WritesTheExactRecordAndReadsItBack) {
  TnFillPattern pattern;
  const unsigned char offsets[] = {25, 200};
  pattern.init(TnString("A\xBB", 2), 30, 2, offsets);
  TnMemoryStream out;
  EXPECT_EQ(pattern.write(&out), 0);
  const Bytes expected{0x01, 0x00, 0x02, 0x00, 'A',  0xBB, 0x1E,
                       0x00, 0x02, 0x00, 0x19, 0x00, 0xC8, 0x00};
  EXPECT_EQ(out.bytes(), expected);
  EXPECT_EQ(printed(pattern), "TnFillPattern [A\xBB]\n  Stitch Len: 30\n  Offsets: 25 200\n");

  TnFillPattern back;
  EXPECT_EQ(back.read(&out), 0);
  EXPECT_EQ(out.readPosition(), expected.size());
  EXPECT_EQ(back.getId(), pattern.getId());
  EXPECT_EQ(back.isSamePattern(pattern), 1);
  TnMemoryStream again;
  EXPECT_EQ(back.write(&again), 0);
  EXPECT_EQ(again.bytes(), expected);

  TnFillPattern random;
  random.init("R", -7);
  TnMemoryStream randomOut;
  EXPECT_EQ(random.write(&randomOut), 0);
  EXPECT_EQ(randomOut.bytes(), (Bytes{0x01, 0x00, 0x01, 0x00, 'R', 0xF9, 0xFF, 0x00, 0x00}));
  EXPECT_EQ(readFrom(randomOut.bytes()).isSamePattern(random), 1);
}

TEST(TnFillPatternStreamTest, ReadAcceptsAnyVersionAppendsOffsetsAndStopsAtACountOfZero) {
  TnFillPattern pattern;
  const unsigned char held[] = {10, 20};
  pattern.init("Held", 1, 2, held);
  TnMemoryStream in(fillRecord(7, "New", 12, 3, {-5, 300, 40}));
  EXPECT_EQ(pattern.read(&in), 0);
  EXPECT_EQ(pattern.getId(), "New");
  EXPECT_EQ(pattern.getStitchLength(), 12.0);
  EXPECT_EQ(printed(pattern),
            "TnFillPattern [New]\n  Stitch Len: 12\n  Offsets: 10 20 -5 300 40\n");

  for (int count : {0, -2}) {
    // The bytes after the count belong to whatever follows the record.
    TnMemoryStream next(fillRecord(1, "", 3, count, {99, 98}));
    TnFillPattern random;
    EXPECT_EQ(random.read(&next), 0);
    EXPECT_EQ(random.isRandom(), 1);
    EXPECT_EQ(next.readPosition(), 8u);
  }
}

TEST(TnFillPatternStreamTest, TruncatedStreamKeepsWhatWasReadBeforeTheCut) {
  const unsigned char held[] = {9};
  const Bytes full = fillRecord(1, "Cut", 12, 3, {25, 50, 75});
  struct Case {
    std::size_t keep;  // bytes of `full` left on the stream
    const char* name;
    double stitch;
    std::vector<double> offsets;
  };
  for (const Case& c : {Case{0, "Old", 5.0, {0.09}}, Case{6, "Old", 5.0, {0.09}},
                        Case{8, "Cut", 5.0, {0.09}}, Case{10, "Cut", 12.0, {0.09}},
                        Case{11, "Cut", 12.0, {0.09}}, Case{16, "Cut", 12.0, {0.09, 0.25, 0.5}}}) {
    SCOPED_TRACE(c.keep);
    TnFillPattern pattern;
    pattern.init("Old", 5, 1, held);
    TnMemoryStream in(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(c.keep)));
    EXPECT_EQ(pattern.read(&in), 1);
    EXPECT_EQ(pattern.getId(), c.name);
    EXPECT_EQ(pattern.getStitchLength(), c.stitch);
    expectFractions(pattern.getOldOffsets(), c.offsets);
  }
}

TEST(TnFillPatternStreamTest, WriteStopsAtTheFirstFailingValue) {
  TnFillPattern pattern;
  pattern.init("Ab", 30, 3, kTweed);
  TnMemoryStream limited;
  limited.setWriteLimit(5);  // the name does not fit; the stitch length after it would
  EXPECT_EQ(pattern.write(&limited), 1);
  EXPECT_EQ(limited.bytes(), (Bytes{0x01, 0x00}));

  TnMemoryStream exact;
  exact.setWriteLimit(16);
  EXPECT_EQ(pattern.write(&exact), 0);
  EXPECT_EQ(exact.bytes().size(), 16u);

  TnFillPattern longName;
  longName.init(TnString(std::string(65536, 'n')), 30, 3, kTweed);
  TnMemoryStream unbounded;
  EXPECT_EQ(longName.write(&unbounded), 1);
  EXPECT_EQ(unbounded.bytes(), (Bytes{0x01, 0x00}));
}

TEST(TnFillPatternStreamTest, WriteRefusesMoreOffsetsThanTheCountHolds) {
  const std::vector<unsigned char> many(32767, 7);
  TnFillPattern pattern;
  pattern.init("Many", 30, 32767, many.data());
  TnMemoryStream out;
  EXPECT_EQ(pattern.write(&out), 0);
  ASSERT_EQ(out.bytes().size(), 12u + 2u * 32767u);
  EXPECT_EQ(out.bytes()[10], 0xFF);  // the count, 32767
  EXPECT_EQ(out.bytes()[11], 0x7F);
  EXPECT_EQ(readFrom(out.bytes()).isSamePattern(pattern), 1);

  TnMemoryStream one(fillRecord(1, "Many", 30, 1, {7}));
  EXPECT_EQ(pattern.read(&one), 0);
  TnMemoryStream refused;
  EXPECT_EQ(pattern.write(&refused), 1);
  EXPECT_TRUE(refused.bytes().empty());
}

}  // namespace
