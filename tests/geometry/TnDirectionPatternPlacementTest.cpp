#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "support/DirectionPatternTestSupport.h"

namespace {

const TnCoord<double> kOrigin(0, 0);
const TnCoord<double> kUp(0, 5);

Directions placed(const TnDirectionPattern& pattern, const TnCoord<double>& start,
                  const TnCoord<double>& end, int reverse) {
  Directions out;
  pattern.getDirections(start, end, reverse, out);
  return out;
}

TEST(TnDirectionPatternPlacementTest, InstallClosesMotifAndDecidesSkipEndPoint) {
  TnDirectionPattern pattern = patternOf({10, 0}, motif({{3, 0, 0}, {3, 0, 1}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{3, 0, 0}, {3, 0, 1}, {4, 0, 1}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  // Two entries after closing keep the decision, though the two meet at an angle.
  pattern.setReferenceAndDirections(TnVector<double>(2, 0), motif({{1, 1, 0}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1, 1, 0}, {1, -1, 0}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  pattern.setReferenceAndDirections(TnVector<double>(2, 0), motif({{1, 0, 0}, {1, 1, 1}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1, 0, 0}, {1, 1, 1}, {0, -1, 1}}));
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);
  // Already closed, and turned into normal position.
  pattern.setReferenceAndDirections(TnVector<double>(0, 6),
                                    motif({{0, 2, 0}, {1, 2, 0}, {-1, 2, 0}}));
  EXPECT_EQ(pattern.getForwardDirections(), motif({{2, 0, 0}, {2, -1, 0}, {2, 1, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(6, 0));
  // An empty motif is closed too, unless the reference line is shorter than 1e-7.
  pattern.setReferenceAndDirections(TnVector<double>(0, 4), Directions());
  EXPECT_EQ(pattern.getForwardDirections(), motif({{4, 0, 0}}));
  pattern.setReferenceAndDirections(TnVector<double>(5e-8, 0), Directions());
  EXPECT_TRUE(pattern.getForwardDirections().empty());
  // Without a reference line the motif's own end point is one.
  pattern.setReferenceAndDirections(motif({{3, 0, 1}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(3, 0));
}

TEST(TnDirectionPatternPlacementTest, QuarterTurnPlacementsInEveryOrientation) {
  // Closing onto (2, 0) adds ((0, -1), 1).
  DirectionPatternProbe pattern = patternOf({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}));
  Directions out = motif({{9, 9, 9}});
  pattern.getDirections(kOrigin, kUp, 0, out);
  EXPECT_EQ(out, motif({{9, 9, 9}, {0, 1, 0}, {-1, 1, 1}, {1, 0, 1}}));
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 1), motif({{1, 0, 1}, {-1, 1, 1}, {0, 1, 0}}));
  pattern.mirror();
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 0), motif({{-1, 0, 1}, {1, 1, 1}, {0, 1, 0}}));
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 1), motif({{0, 1, 0}, {1, 1, 1}, {-1, 0, 1}}));
  pattern.mirror();
  pattern.flip();
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 0), motif({{0, 1, 0}, {1, 1, 1}, {-1, 0, 1}}));
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 1), motif({{-1, 0, 1}, {1, 1, 1}, {0, 1, 0}}));
  // The generators take the transform as given: forwards, then backwards with vectors reversed.
  Tn2DTrans quarter;
  quarter.rotate(TnVector<double>(0, 1), TnVector<double>(1, 0));
  Directions generated;
  pattern.getForwardDirections(quarter, generated);
  pattern.getBackwardDirections(quarter, generated);
  EXPECT_EQ(generated,
            motif({{0, 1, 0}, {-1, 1, 1}, {1, 0, 1}, {-1, 0, 1}, {1, -1, 1}, {0, -1, 0}}));
  // A span of no length, or an empty motif, gives the span with the last jump flag.
  EXPECT_EQ(placed(pattern, kOrigin, {0, 5e-10}, 0), motif({{0, 5e-10, 1}}));
  pattern.setReferenceAndDirections(Directions());
  EXPECT_EQ(placed(pattern, {1, 1}, {4, 5}, 1), motif({{3, 4, 0}}));
}

TEST(TnDirectionPatternPlacementTest, CachedPlacementReusesNodesAndMatchesAFreshOne) {
  DirectionPatternProbe pattern = patternOf({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}));
  const Directions& forward = pattern.getDirections(kOrigin, kUp, 0);
  EXPECT_EQ(forward, placed(pattern, kOrigin, kUp, 0));
  const Directions::value_type* node = &forward.front();
  // The backward placement empties the forward cache and takes over its nodes.
  const Directions& backward = pattern.getDirections(kOrigin, kUp, 1);
  EXPECT_TRUE(forward.empty());
  EXPECT_EQ(backward, placed(pattern, kOrigin, kUp, 1));
  EXPECT_EQ(&backward.front(), node);
  // Neither scaling nor mirroring empties the caches; the next placement is fresh all the same.
  pattern.scalePattern(3);
  pattern.mirror();
  EXPECT_EQ(pattern.getDirections(kOrigin, kUp, 1), placed(pattern, kOrigin, kUp, 1));
  EXPECT_EQ(pattern.getDirections({1, 1}, {1, 1}, 0), motif({{0, 0, 1}}));
  pattern.setReferenceAndDirections(motif({{1, 0, 0}}));
  EXPECT_TRUE(pattern.cachedForward.empty());
}

TEST(TnDirectionPatternPlacementTest, FlipAndMirrorHoldForAReferenceOffTheXAxis) {
  // The end point (2, 0) lies on the x-axis, so the reference (0, 2) read with it is kept: the
  // motif runs across its advance line, to the right.
  TnDirectionPattern pattern;
  TnMemoryStream stream(StreamBytes().s(3).f(0, 2).s(1).f(2, 0).s(0).bytes());
  ASSERT_EQ(pattern.read(stream), 0);
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 0), motif({{2, 0, 0}}));
  // Turned over across the span it runs to the left, either way; mirrored as well, to the right.
  pattern.flip();
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 0), motif({{-2, 0, 0}}));
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 1), motif({{-2, 0, 0}}));
  pattern.mirror();
  EXPECT_EQ(placed(pattern, kOrigin, kUp, 0), motif({{2, 0, 0}}));
}

// For random closed motifs in random orientations: backward is forward reversed, and a span as
// long as the reference line is covered exactly.
TEST(TnDirectionPatternPlacementTest, RandomMotifsPlaceConsistently) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> u(-5, 5);
  for (int round = 0; round < 400; ++round) {
    Directions entries;
    for (int i = static_cast<int>(rng() % 9); i > 0; --i)
      entries.emplace_back(TnVector<double>(u(rng), u(rng)), static_cast<int>(rng() % 3));
    // Every fourth reference lies on the x-axis and is not turned.
    TnDirectionPattern pattern = patternOf({u(rng), round % 4 == 0 ? 0.0 : u(rng)}, entries);
    if (rng() % 2 != 0) pattern.mirror();
    if (rng() % 2 != 0) pattern.flip();
    const double angle = u(rng);
    const TnCoord<double> start(u(rng), u(rng));
    const TnCoord<double> end = start + TnVector<double>(std::cos(angle), std::sin(angle)) *
                                            pattern.getReferenceLine().length();
    const Directions forward = placed(pattern, start, end, 0);
    const Directions backward = placed(pattern, start, end, 1);
    EXPECT_EQ(Directions(backward.rbegin(), backward.rend()), forward) << round;
    TnCoord<double> needle = start;
    for (const auto& entry : forward) needle += entry.first;
    EXPECT_NEAR(needle.distance(end), 0, 1e-9) << round;
  }
}

}  // namespace
