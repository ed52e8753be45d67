#include <gtest/gtest.h>

#include <random>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace {

const TnCoord<double> kOrigin(0, 0);

Directions placed(const TnDirectionPattern& pattern, const TnCoord<double>& start,
                  const TnCoord<double>& end, int reverse) {
  Directions out;
  pattern.getDirections(start, end, reverse, out);
  return out;
}

// Ends at (2, 1); closing onto (2, 0) adds ((0, -1), 1).
TnDirectionPattern hook() {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(2, 0), motif({{1, 0, 0}, {1, 1, 1}}));
  return pattern;
}

TEST(TnDirectionPatternPlacementTest, InstallClosesMotifAndDecidesSkipEndPoint) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(10, 0), motif({{3, 0, 0}, {3, 0, 1}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{3, 0, 0}, {3, 0, 1}, {4, 0, 1}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  // Two entries after closing keep the decision.
  pattern.setReferenceAndDirections(TnVector<double>(5, 0), motif({{2, 0, 0}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{2, 0, 0}, {3, 0, 0}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);

  pattern.setReferenceAndDirections(TnVector<double>(2, 0), motif({{1, 0, 0}, {1, 1, 1}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1, 0, 0}, {1, 1, 1}, {0, -1, 1}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(2, 0));

  // Already closed; turned into normal position; the last and first vectors meet at an angle.
  pattern.setReferenceAndDirections(TnVector<double>(0, 6),
                                    motif({{0, 2, 0}, {1, 2, 0}, {-1, 2, 0}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{2, 0, 0}, {2, -1, 0}, {2, 1, 0}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(6, 0));
}

TEST(TnDirectionPatternPlacementTest, InstallOfEmptyMotif) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(0, 4), Directions());
  EXPECT_EQ(pattern.getForwardDirections(), motif({{4, 0, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(4, 0));
  pattern.setReferenceAndDirections(TnVector<double>(5e-8, 0), Directions());
  EXPECT_TRUE(pattern.getForwardDirections().empty());
  pattern.setReferenceAndDirections(Directions());
  EXPECT_TRUE(pattern.getForwardDirections().empty());
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0, 0));
}

TEST(TnDirectionPatternPlacementTest, QuarterTurnPlacementsInEveryOrientation) {
  TnDirectionPattern pattern = hook();
  const TnCoord<double> end(0, 5);
  Directions out = motif({{9, 9, 9}});
  pattern.getDirections(kOrigin, end, 0, out);
  EXPECT_EQ(out, motif({{9, 9, 9}, {0, 1, 0}, {-1, 1, 1}, {1, 0, 1}}));
  EXPECT_EQ(placed(pattern, kOrigin, end, 1), motif({{1, 0, 1}, {-1, 1, 1}, {0, 1, 0}}));

  pattern.mirror();
  EXPECT_EQ(placed(pattern, kOrigin, end, 0), motif({{-1, 0, 1}, {1, 1, 1}, {0, 1, 0}}));
  EXPECT_EQ(placed(pattern, kOrigin, end, 1), motif({{0, 1, 0}, {1, 1, 1}, {-1, 0, 1}}));
  pattern.mirror();
  pattern.flip();
  EXPECT_EQ(placed(pattern, kOrigin, end, 0), motif({{0, 1, 0}, {1, 1, 1}, {-1, 0, 1}}));
  EXPECT_EQ(placed(pattern, kOrigin, end, 1), motif({{-1, 0, 1}, {1, 1, 1}, {0, 1, 0}}));
}

TEST(TnDirectionPatternPlacementTest, EmptyMotifOrSpanWithoutLengthGivesTheSpan) {
  const TnDirectionPattern pattern = hook();
  EXPECT_EQ(placed(pattern, kOrigin, {0, 5e-10}, 0), motif({{0, 5e-10, 1}}));
  TnDirectionPattern empty;
  empty.setReferenceAndDirections(Directions());
  EXPECT_EQ(placed(empty, {1, 1}, {4, 5}, 1), motif({{3, 4, 0}}));
}

TEST(TnDirectionPatternPlacementTest, GeneratorsTransformEachEntryInTheirOrder) {
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(TnVector<double>(2, 0), motif({{1, 0, 0}, {1, 1, 1}}));
  Tn2DTrans quarter;
  quarter.rotate(TnVector<double>(0, 1), TnVector<double>(1, 0));
  Directions out;
  pattern.getForwardDirections(quarter, out);
  pattern.getBackwardDirections(quarter, out);
  EXPECT_EQ(out, motif({{0, 1, 0}, {-1, 1, 1}, {1, 0, 1}, {-1, 0, 1}, {1, -1, 1}, {0, -1, 0}}));
}

TEST(TnDirectionPatternPlacementTest, CachedPlacementAlwaysMatchesAFreshOne) {
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(TnVector<double>(2, 0), motif({{1, 0, 0}, {1, 1, 1}}));
  const TnCoord<double> end(0, 5);
  const Directions& forward = pattern.getDirections(kOrigin, end, 0);
  EXPECT_EQ(&forward, &pattern.cachedForward);
  EXPECT_EQ(forward, placed(pattern, kOrigin, end, 0));
  const Directions::value_type* node = &forward.front();

  // The backward placement empties the forward cache and takes over its nodes.
  const Directions& backward = pattern.getDirections(kOrigin, end, 1);
  EXPECT_EQ(&backward, &pattern.cachedBackward);
  EXPECT_TRUE(forward.empty());
  EXPECT_EQ(backward, placed(pattern, kOrigin, end, 1));
  EXPECT_EQ(&backward.front(), node);

  // Neither scaling nor mirroring empties the caches; the next placement is fresh all the same.
  pattern.scalePattern(3);
  pattern.mirror();
  EXPECT_EQ(pattern.getDirections(kOrigin, end, 1), placed(pattern, kOrigin, end, 1));
  EXPECT_EQ(pattern.getDirections({1, 1}, {1, 1}, 0), motif({{0, 0, 1}}));
  EXPECT_EQ(pattern.getDirections(kOrigin, {4, 0}, 0), placed(pattern, kOrigin, {4, 0}, 0));

  pattern.cachedSpan = TnVector<double>(4, 0);
  pattern.setReferenceAndDirections(motif({{1, 0, 0}}));
  EXPECT_TRUE(pattern.cachedForward.empty());
  EXPECT_TRUE(pattern.cachedBackward.empty());
  EXPECT_EQ(pattern.cachedSpan, TnVector<double>(0, 0));
}

TEST(TnDirectionPatternPlacementTest, FlipAndMirrorHoldForAReferenceOffTheXAxis) {
  // The end point (2, 0) lies on the x-axis, so the reference (0, 2) read with it is kept: the
  // motif runs across its advance line, to the right.
  TnDirectionPattern pattern;
  TnMemoryStream stream(StreamBytes().s(3).f(0, 2).s(2).f(1, 0).s(0).f(1, 0).s(0).bytes());
  ASSERT_EQ(pattern.read(stream), 0);
  const TnCoord<double> end(0, 5);
  EXPECT_EQ(placed(pattern, kOrigin, end, 0), motif({{1, 0, 0}, {1, 0, 0}}));
  // Turned over across the span, it runs to the left.
  pattern.flip();
  EXPECT_EQ(placed(pattern, kOrigin, end, 0), motif({{-1, 0, 0}, {-1, 0, 0}}));
  EXPECT_EQ(placed(pattern, kOrigin, end, 1), motif({{-1, 0, 0}, {-1, 0, 0}}));
  // Mirrored as well, it is back on the right.
  pattern.mirror();
  EXPECT_EQ(placed(pattern, kOrigin, end, 0), motif({{1, 0, 0}, {1, 0, 0}}));
}

// For random closed motifs: backward is forward reversed, and a span as long as the reference
// line is covered exactly, in every orientation.
TEST(TnDirectionPatternPlacementTest, RandomMotifsPlaceConsistently) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> coordinate(-5, 5);
  std::uniform_real_distribution<double> angle(-3.2, 3.2);
  std::uniform_int_distribution<int> size(0, 8);
  std::uniform_int_distribution<int> flag(0, 2);
  for (int round = 0; round < 200; ++round) {
    Directions entries;
    for (int i = size(rng); i > 0; --i)
      entries.emplace_back(TnVector<double>(coordinate(rng), coordinate(rng)), flag(rng));
    // Every fourth reference lies on the x-axis and is not turned.
    const TnVector<double> reference(coordinate(rng), round % 4 == 0 ? 0.0 : coordinate(rng));
    TnDirectionPattern pattern;
    pattern.setReferenceAndDirections(reference, entries);
    const double length = pattern.getReferenceLine().length();
    const double theta = angle(rng);
    const TnCoord<double> start(coordinate(rng), coordinate(rng));
    const TnCoord<double> end = start + TnVector<double>(std::cos(theta), std::sin(theta)) * length;
    for (int orientation = 0; orientation < 4; ++orientation) {
      if ((orientation & 1) != pattern.isMirrored()) pattern.mirror();
      if ((orientation >> 1) != pattern.isFlipped()) pattern.flip();
      const Directions forward = placed(pattern, start, end, 0);
      const Directions backward = placed(pattern, start, end, 1);
      EXPECT_EQ(Directions(backward.rbegin(), backward.rend()), forward) << round;
      TnCoord<double> needle = start;
      for (const auto& entry : forward) needle += entry.first;
      EXPECT_NEAR(needle.xval(), end.xval(), 1e-9) << round << " " << orientation;
      EXPECT_NEAR(needle.yval(), end.yval(), 1e-9) << round << " " << orientation;
    }
  }
}

}  // namespace
