#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "support/DirectionPatternTestSupport.h"

namespace {

using Bytes = std::vector<unsigned char>;

TEST(TnDirectionPatternStreamTest, WritesVersion3ReadsItBackAndStopsAtTheFirstFailure) {
  EXPECT_EQ(written(TnDirectionPattern()), StreamBytes().s(3).f(1, 0).s(1).f(1, 0).s(0).bytes());
  const TnDirectionPattern pattern =
      patternOf({8, 0}, motif({{2, 0.5, 0}, {1.25, -1, 3}, {-0.5, 0.5, -7}}));
  reread(pattern);
  expectWriteStopsAtTheFirstFailure(pattern);
}

TEST(TnDirectionPatternStreamTest, ReadsOlderVersionsWithZeroFlagsAndNegativeCountAsEmpty) {
  TnDirectionPattern pattern;
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(1).d(0.1, 0).s(2).d(0.1, 0).d(0.2, 0)), 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{0.1, 0, 0}, {0.2, 0, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0.1, 0));
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(2).f(4, 0).s(2).f(1.5, 0).f(2.5, 0)), 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1.5, 0, 0}, {2.5, 0, 0}}));
  EXPECT_EQ(pattern.isContainJump(), 0);
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(3).f(1, 0).s(1).f(1, 0).s(-1)), 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1, 0, -1}}));
  EXPECT_EQ(pattern.isContainJump(), 1);
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(3).f(1, 0).s(-3).f(1, 0).s(0)), 0);
  EXPECT_TRUE(pattern.getForwardDirections().empty());
}

TEST(TnDirectionPatternStreamTest, ReadTurnsEndPointOntoPositiveXAxisAndDecidesSkipEndPoint) {
  DirectionPatternProbe pattern;
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(2).f(1, 0).s(2).f(3, 0).f(0, 4)), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(5, 0));
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);
  const Directions& turned = pattern.getForwardDirections();
  ASSERT_EQ(turned.size(), 2u);
  EXPECT_LT((turned.front().first - TnVector<double>(1.8, -2.4)).length(), 1e-12);
  EXPECT_LT((turned.back().first - TnVector<double>(3.2, 2.4)).length(), 1e-12);
  EXPECT_NEAR(pattern.lowerLeft.yval(), -2.4, 1e-12);
  // Lengths whose product would overflow still turn.
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(1).d(1, 0).s(2).d(0, 1e200).d(0, 1e200)), 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1e200, 0, 0}, {1e200, 0, 0}}));
  // The last vector runs straight on into the first, or turns back against it.
  const auto zigzag = [](double last) {
    return StreamBytes().s(3).f(1, 0).s(4).f(2, 0).s(0).f(1, 1).s(0).f(1, -1).s(0).f(last, 0).s(0);
  };
  ASSERT_EQ(readBytes(pattern, zigzag(2)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  ASSERT_EQ(readBytes(pattern, zigzag(-2)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);
}

TEST(TnDirectionPatternStreamTest, ReadRefusesEndPointOrTurnedVectorsThatAreNotFinite) {
  DirectionPatternProbe pattern;
  EXPECT_EQ(readBytes(pattern, StreamBytes().s(1).d(1, 0).s(2).d(1e308, 0).d(1e308, 0)), 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1e308, 0, 0}, {1e308, 0, 0}}));
  // The end point is finite, but turning it by 45 degrees puts the first vector out of range.
  pattern.skipEndPoint = 1;
  const StreamBytes far =
      StreamBytes().s(1).d(2, 0).s(3).d(1.5e308, -1.5e308).d(-1.4e308, 1.6e308).d(0, 0);
  EXPECT_EQ(readBytes(pattern, far), 1);
  EXPECT_EQ(pattern.getForwardDirections(),
            motif({{1.5e308, -1.5e308, 0}, {-1.4e308, 1.6e308, 0}, {0, 0, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(2, 0));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  // The box is still the default one.
  EXPECT_EQ(pattern.upperRight, TnVector<double>(1, 0));
}

TEST(TnDirectionPatternStreamTest, WriteStopsBeforeAVectorSinglePrecisionCannotHold) {
  DirectionPatternProbe pattern;
  pattern.referenceLine = TnVector<double>(3, 0);
  pattern.directions = motif({{1, 0, 0}, {1, 0.5, 1}, {1e39, 0, 0}, {1, 0, 0}});
  TnMemoryStream stream;
  EXPECT_EQ(pattern.write(stream), 1);
  const Bytes start = StreamBytes().s(3).f(3, 0).s(4).f(1, 0).s(0).f(1, 0.5).s(1).bytes();
  EXPECT_EQ(stream.bytes(), start);
  // Written again after them, the same start follows.
  EXPECT_EQ(pattern.write(stream), 1);
  Bytes twice = start;
  twice.insert(twice.end(), start.begin(), start.end());
  EXPECT_EQ(stream.bytes(), twice);
}

TEST(TnDirectionPatternStreamTest, WriteRefusesLongMotifsAndSaturatesFlags) {
  Directions entries(32768, Directions::value_type(TnVector<double>(1, 0), 0));
  TnMemoryStream refused;
  EXPECT_EQ(patternOf({32768, 0}, entries).write(refused), 1);
  EXPECT_TRUE(refused.bytes().empty());
  entries.pop_back();
  EXPECT_EQ(reread(patternOf({32767, 0}, entries)).getForwardDirections().size(), 32767u);
  EXPECT_EQ(reread(patternOf({3, 0}, motif({{1, 0, 40000}, {1, 0, -40000}, {1, 0, 65536}})))
                .getForwardDirections(),
            motif({{1, 0, 32767}, {1, 0, -32768}, {1, 0, 32767}}));
}

}  // namespace
