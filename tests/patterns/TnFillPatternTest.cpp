#include "loomset/patterns/TnFillPattern.h"

#include <list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"
#include "support/StreamBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Fractions = std::list<double>;  // quarter percentages give exact fractions
const unsigned char kTweed[] = {25, 25, 50};

TnFillPattern fill(const TnString& name, short length, short count, const unsigned char* bytes) {
  TnFillPattern pattern;
  EXPECT_EQ(pattern.init(name, length, count, bytes), 0);
  return pattern;
}

std::string printed(const TnFillPattern& pattern) {
  std::ostringstream out;
  EXPECT_EQ(&pattern.printTo(out), &out);
  return out.str();
}

TEST(TnFillPatternTest, InitTakesUnsignedPercentsOnceUnlessTheRecordIsRandom) {
  EXPECT_EQ(printed(TnFillPattern()), "TnFillPattern []\n  Stitch Len: 0\n  Offsets: Random\n");
  const unsigned char letterO[] = {'o', 10};
  using Init = std::pair<short, const unsigned char*>;
  for (const auto& [count, bytes] :
       {Init{2, letterO}, Init{0, kTweed}, Init{-3, kTweed}, Init{3, nullptr}}) {
    EXPECT_EQ(printed(fill("R", 12, count, bytes)),
              "TnFillPattern [R]\n  Stitch Len: 12\n  Offsets: Random\n");
  }
  // Without offsets the record may be initialised again; once it holds some, it is fixed.
  TnFillPattern pattern = fill("R", 12, 0, nullptr);
  EXPECT_EQ(pattern.init("Tweed", 30, 3, kTweed), 0);
  EXPECT_EQ(pattern.init("Late", 5), 1);
  EXPECT_EQ(pattern.init("Late", 5, 1, kTweed), 1);
  EXPECT_EQ(printed(pattern), "TnFillPattern [Tweed]\n  Stitch Len: 30\n  Offsets: 25 25 50\n");

  const unsigned char high[] = {200, 200, 255};
  const TnFillPattern clamped = fill("High", -7, 3, high);
  EXPECT_EQ(clamped.getOldOffsets(), (Fractions{1, 1, 1}));
  EXPECT_EQ(clamped.getOffsets(), (Fractions{1, 0, 1}));
  EXPECT_EQ(printed(clamped), "TnFillPattern [High]\n  Stitch Len: -7\n  Offsets: 200 200 255\n");
}

TEST(TnFillPatternTest, SamePatternComparesLengthAndOffsetsButNotNames) {
  const TnFillPattern tweed = fill("Tweed", 30, 3, kTweed);
  EXPECT_EQ(tweed.isSamePattern(fill("Other", 30, 3, kTweed)), 1);
  const unsigned char reordered[] = {25, 50, 25};
  for (const TnFillPattern& other : {fill("Tweed", 31, 3, kTweed), fill("Tweed", 30, 3, reordered),
                                     fill("Tweed", 30, 2, kTweed), fill("Tweed", 30, 0, kTweed)}) {
    EXPECT_EQ(tweed.isSamePattern(other) + other.isSamePattern(tweed), 0);
  }
}

TEST(TnFillPatternStreamTest, WritesTheExactRecordReadsItBackAndStopsAtTheFirstFailure) {
  const unsigned char offsets[] = {25, 200};
  const TnFillPattern pattern = fill("A\xBB", -30, 2, offsets);
  EXPECT_EQ(written(pattern), (Bytes{1, 0, 2, 0, 'A', 0xBB, 0xE2, 0xFF, 2, 0, 25, 0, 200, 0}));
  reread(pattern);
  expectWriteStopsAtTheFirstFailure(pattern);
}

TEST(TnFillPatternStreamTest, ReadAcceptsAnyVersionAppendsOffsetsAndStopsAtACountOfZero) {
  TnFillPattern pattern = fill("Held", 1, 3, kTweed);
  TnMemoryStream in(StreamBytes().s(7).str("New").s(12).s(2).s(300).s(-25).bytes());
  EXPECT_EQ(pattern.read(&in), 0);
  EXPECT_EQ(printed(pattern),
            "TnFillPattern [New]\n  Stitch Len: 12\n  Offsets: 25 25 50 300 -25\n");
  EXPECT_EQ(pattern.getOldOffsets(), (Fractions{0.25, 0.25, 0.5, 1, 0}));
  EXPECT_EQ(pattern.getOffsets(), (Fractions{0.25, 0.75, 0.5, 0, 0}));
  for (int count : {0, -2}) {
    // The bytes after the count belong to whatever follows the record.
    TnMemoryStream next(StreamBytes().s(1).str("").s(3).s(count).s(99).bytes());
    TnFillPattern random;
    EXPECT_EQ(random.read(&next), 0);
    EXPECT_EQ(random.isRandom(), 1);
    EXPECT_EQ(next.readPosition(), 8u);
  }
}

TEST(TnFillPatternStreamTest, WriteRefusesMoreThan32767Offsets) {
  const std::vector<unsigned char> many(32767, 7);
  TnFillPattern pattern = fill("Many", 30, 32767, many.data());
  EXPECT_EQ(written(pattern).size(), 12u + 2u * 32767u);
  // Reading appends a 32768th offset.
  EXPECT_EQ(readBytes(pattern, StreamBytes().s(1).str("Many").s(30).s(1).s(7)), 0);
  TnMemoryStream refused;
  EXPECT_EQ(pattern.write(&refused), 1);
  EXPECT_TRUE(refused.bytes().empty());
}

}  // namespace
