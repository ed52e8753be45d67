#include <gtest/gtest.h>

#include <cmath>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace {

// The box as getLLURwrtRef hands it out, for comparing whole boxes.
std::pair<TnVector<double>, TnVector<double>> boxOf(const TnDirectionPattern& pattern) {
  std::pair<TnVector<double>, TnVector<double>> box;
  pattern.getLLURwrtRef(0, box.first, box.second);
  return box;
}

int readBytes(TnDirectionPattern& pattern, const StreamBytes& bytes) {
  TnMemoryStream stream(bytes.bytes());
  return pattern.read(stream);
}

TEST(TnDirectionPatternStreamTest, WritesDefaultPatternAsVersion3) {
  TnMemoryStream stream;
  ASSERT_EQ(TnDirectionPattern().write(stream), 0);
  EXPECT_EQ(stream.bytes(), StreamBytes().s(3).f(1, 0).s(1).f(1, 0).s(0).bytes());
}

TEST(TnDirectionPatternStreamTest, RoundTripKeepsEntriesReferenceAndBytes) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(8, 0),
                                    motif({{2, 0.5, 0}, {1.25, -1, 3}, {-0.5, 0.5, -7}}));
  TnMemoryStream first;
  ASSERT_EQ(pattern.write(first), 0);
  TnDirectionPattern copy;
  ASSERT_EQ(copy.read(first), 0);
  EXPECT_EQ(first.readPosition(), first.bytes().size());
  EXPECT_EQ(copy, pattern);
  EXPECT_EQ(copy.getReferenceLine(), pattern.getReferenceLine());
  EXPECT_EQ(copy.isSkipEndPoint(), pattern.isSkipEndPoint());
  EXPECT_EQ(boxOf(copy), boxOf(pattern));
  TnMemoryStream second;
  ASSERT_EQ(copy.write(second), 0);
  EXPECT_EQ(second.bytes(), first.bytes());
}

TEST(TnDirectionPatternStreamTest, ReadsOlderVersionsWithZeroFlags) {
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
}

TEST(TnDirectionPatternStreamTest, UnknownVersionConsumesOnlyTheVersion) {
  for (int version : {0, 4, -1}) {
    TnDirectionPattern pattern;
    TnMemoryStream stream(StreamBytes().s(version).f(5, 0).s(1).f(5, 0).s(0).bytes());
    EXPECT_EQ(pattern.read(stream), 2);
    EXPECT_EQ(stream.readPosition(), 2u);
    EXPECT_EQ(pattern, TnDirectionPattern());
    EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(1, 0));
  }
}

TEST(TnDirectionPatternStreamTest, ReadDecidesSkipEndPointFromThreeEntriesOn) {
  TnDirectionPattern pattern;
  const auto zigzag = [](double last) {
    return StreamBytes().s(3).f(1, 0).s(4).f(2, 0).s(0).f(1, 1).s(0).f(1, -1).s(0).f(last, 0).s(0);
  };
  ASSERT_EQ(readBytes(pattern, zigzag(2)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  // Two entries leave the earlier decision alone.
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(3).f(2, 0).s(2).f(1, 0).s(0).f(1, 0).s(0)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  // The last vector turns back against the first.
  ASSERT_EQ(readBytes(pattern, zigzag(-2)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(1, 0));

  TnDirectionPattern fresh;
  ASSERT_EQ(readBytes(fresh, StreamBytes().s(3).f(2, 0).s(2).f(1, 0).s(0).f(1, 0).s(0)), 0);
  EXPECT_EQ(fresh.isSkipEndPoint(), 0);
}

TEST(TnDirectionPatternStreamTest, ReadTurnsEndPointOntoPositiveXAxis) {
  TnDirectionPattern pattern;
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(2).f(1, 0).s(2).f(3, 0).f(0, 4)), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(5, 0));
  const Directions& turned = pattern.getForwardDirections();
  ASSERT_EQ(turned.size(), 2u);
  EXPECT_NEAR(turned.front().first.xval(), 1.8, 1e-12);
  EXPECT_NEAR(turned.front().first.yval(), -2.4, 1e-12);
  EXPECT_NEAR(turned.back().first.xval(), 3.2, 1e-12);
  EXPECT_NEAR(turned.back().first.yval(), 2.4, 1e-12);
  TnVector<double> ll;
  TnVector<double> ur;
  pattern.getLLURwrtRef(0, ll, ur);
  EXPECT_NEAR(ll.yval(), -2.4, 1e-12);
  EXPECT_NEAR(ur.xval(), 5, 1e-12);

  // Lengths whose product would overflow still turn.
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(1).d(1, 0).s(2).d(0, 1e200).d(0, 1e200)), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(2e200, 0));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1e200, 0, 0}, {1e200, 0, 0}}));
}

TEST(TnDirectionPatternStreamTest, NoOrNegativeCountLeavesEmptyMotif) {
  for (int count : {0, -3}) {
    TnDirectionPattern pattern;
    ASSERT_EQ(readBytes(pattern, StreamBytes().s(3).f(0, 2).s(count).f(1, 0).s(0)), 0);
    EXPECT_TRUE(pattern.getForwardDirections().empty());
    EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0, 2));
    EXPECT_EQ(boxOf(pattern), std::make_pair(TnVector<double>(0, 0), TnVector<double>(0, 0)));
  }
}

TEST(TnDirectionPatternStreamTest, FailedReadKeepsWhatWasReadAndTheOldBox) {
  const StreamBytes full = StreamBytes().s(3).f(0, 9).s(3).f(2, 0).s(1).f(0, 3).s(0).f(2, -3).s(5);
  const auto truncated = [&](std::size_t size) {
    return std::vector<unsigned char>(full.bytes().begin(), full.bytes().begin() + size);
  };
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(TnVector<double>(10, 0), motif({{3, 0, 0}, {3, 0, 0}}));
  ASSERT_EQ(pattern.getForwardDirections().size(), 3u);
  ASSERT_EQ(pattern.isSkipEndPoint(), 1);
  const auto oldBox = boxOf(pattern);

  // Version, reference, count, two entries and the third vector, but not its flag.
  TnMemoryStream stream(truncated(2 + 8 + 2 + 10 + 10 + 8));
  EXPECT_EQ(pattern.read(stream), 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{2, 0, 1}, {0, 3, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0, 9));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  EXPECT_EQ(boxOf(pattern), oldBox);

  // Cut inside the count: the reference has been read, the entries are untouched.
  TnDirectionPattern other;
  TnMemoryStream shortStream(truncated(2 + 8 + 1));
  EXPECT_EQ(other.read(shortStream), 1);
  EXPECT_EQ(other.getReferenceLine(), TnVector<double>(0, 9));
  EXPECT_EQ(other, TnDirectionPattern());
  TnMemoryStream empty;
  EXPECT_EQ(other.read(empty), 1);
}

TEST(TnDirectionPatternStreamTest, ReadRefusesEndPointOrTurnedVectorsThatAreNotFinite) {
  DirectionPatternProbe pattern;
  const auto box = boxOf(pattern);
  // The end point overflows.
  EXPECT_EQ(readBytes(pattern, StreamBytes().s(1).d(1, 0).s(2).d(1e308, 0).d(1e308, 1)), 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1e308, 0, 0}, {1e308, 1, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(1, 0));
  EXPECT_EQ(boxOf(pattern), box);

  // The end point is finite, but turning it by 45 degrees puts the first vector out of range.
  const Directions asRead = motif({{1.5e308, -1.5e308, 0}, {-1.4e308, 1.6e308, 0}, {0, 0, 0}});
  pattern.skipEndPoint = 1;
  EXPECT_EQ(
      readBytes(pattern,
                StreamBytes().s(1).d(2, 0).s(3).d(1.5e308, -1.5e308).d(-1.4e308, 1.6e308).d(0, 0)),
      1);
  EXPECT_EQ(pattern.getForwardDirections(), asRead);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(2, 0));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  EXPECT_EQ(boxOf(pattern), box);
}

TEST(TnDirectionPatternStreamTest, WriteRefusesLongMotifsAndSaturatesFlags) {
  Directions entries(32768, Directions::value_type(TnVector<double>(1, 0), 0));
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(entries);
  TnMemoryStream refused;
  EXPECT_EQ(pattern.write(refused), 1);
  EXPECT_TRUE(refused.bytes().empty());

  entries.pop_back();
  pattern.setReferenceAndDirections(entries);
  TnMemoryStream longest;
  ASSERT_EQ(pattern.write(longest), 0);
  TnDirectionPattern copy;
  ASSERT_EQ(copy.read(longest), 0);
  EXPECT_EQ(copy.getForwardDirections().size(), 32767u);

  pattern.setReferenceAndDirections(motif({{1, 0, 40000}, {1, 0, -40000}, {1, 0, 65536}}));
  TnMemoryStream flags;
  ASSERT_EQ(pattern.write(flags), 0);
  ASSERT_EQ(copy.read(flags), 0);
  EXPECT_EQ(copy.getForwardDirections(), motif({{1, 0, 32767}, {1, 0, -32768}, {1, 0, 32767}}));
}

TEST(TnDirectionPatternStreamTest, WriteStopsAtTheFirstFailingValue) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(motif({{1, 0, 0}, {2, 0, 1}}));
  TnMemoryStream whole;
  ASSERT_EQ(pattern.write(whole), 0);
  for (std::size_t limit : {0, 1, 2, 9, 10, 11, 12, 20, 21, 22, 31}) {
    TnMemoryStream stream;
    stream.setWriteLimit(limit);
    EXPECT_EQ(pattern.write(stream), 1) << limit;
    // Every value is written whole or not at all, so the bytes are a prefix cut at a value.
    EXPECT_EQ(stream.bytes(),
              std::vector<unsigned char>(whole.bytes().begin(),
                                         whole.bytes().begin() + stream.bytes().size()));
  }
  TnMemoryStream exact;
  exact.setWriteLimit(whole.bytes().size());
  EXPECT_EQ(pattern.write(exact), 0);

  // A vector beyond the float range fails too.
  pattern.setReferenceAndDirections(motif({{1e39, 0, 0}}));
  TnMemoryStream stream;
  EXPECT_EQ(pattern.write(stream), 1);
}

}  // namespace
