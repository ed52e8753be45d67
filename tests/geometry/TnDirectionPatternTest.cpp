#include "loomset/geometry/TnDirectionPattern.h"

#include <gtest/gtest.h>

#include <list>
#include <tuple>
#include <utility>
#include <vector>

#include "support/Shapes.h"
#include "support/StreamBytes.h"

namespace {

const TnCoord<double> kOrigin(0, 0);
const TnCoord<double> kUp(0, 5);

// Opens the protected members to the tests.
class Probe : public TnDirectionPattern {
 public:
  Probe() = default;
  Probe(const TnDirectionPattern& pattern) : TnDirectionPattern(pattern) {}  // NOLINT
  using TnDirectionPattern::cachedForward;
  using TnDirectionPattern::getBackwardDirections;
  using TnDirectionPattern::getForwardDirections;
  using TnDirectionPattern::lowerLeft;
  using TnDirectionPattern::setupBBoxData;
  using TnDirectionPattern::upperRight;
};

Directions placed(const TnDirectionPattern& pattern, const TnCoord<double>& start,
                  const TnCoord<double>& end, int reverse) {
  Directions out;
  pattern.getDirections(start, end, reverse, out);
  return out;
}

std::pair<TnVector<double>, TnVector<double>> box(const TnDirectionPattern& pattern) {
  TnVector<double> ll;
  TnVector<double> ur;
  pattern.getLLURwrtRef(0, ll, ur);
  return {ll, ur};
}

TEST(TnDirectionPatternTest, DefaultCopyAndComparison) {
  const TnDirectionPattern fresh;
  EXPECT_EQ(fresh.getForwardDirections(), motif({{1, 0, 0}}));
  EXPECT_EQ(fresh.getReferenceLine(), TnVector<double>(1, 0));
  EXPECT_EQ(fresh.isMirrored() + fresh.isFlipped() + fresh.isSkipEndPoint() + fresh.isContainJump(),
            0);
  EXPECT_EQ(box(fresh), std::make_pair(TnVector<double>(0, 0), TnVector<double>(1, 0)));
  EXPECT_EQ(written(fresh), StreamBytes().s(3).f(1, 0).s(1).f(1, 0).s(0).bytes());

  // Copies start with empty caches; assignment carries them.
  Probe source = patternOf({4, 0}, motif({{1, -1, 0}, {1, 1, 1}}));
  source.mirror();
  source.flip();
  const Directions laid = source.getDirections(kOrigin, {0, 4}, 0);
  const Probe copy(source);
  EXPECT_EQ(std::make_tuple(copy == source, copy.isMirrored(), copy.isFlipped(),
                            copy.getReferenceLine(), copy.lowerLeft, copy.cachedForward.size()),
            std::make_tuple(1, 1, 1, TnVector<double>(4, 0), TnVector<double>(0, -1), 0u));
  Probe assigned;
  assigned = source;
  EXPECT_EQ(assigned.cachedForward, laid);
  source.mirror();
  source.mirror();
  EXPECT_EQ(source.isMirrored(), 1);

  // Entries only, lexicographically, the vector before the flag; a proper prefix is less.
  const TnDirectionPattern a = patternOf({3, 0}, motif({{1, 0, 0}, {2, 0, 0}}));
  TnDirectionPattern b;  // the same entries along another reference line, mirrored
  ASSERT_EQ(readBytes(b, StreamBytes().s(3).f(0, 7).s(2).f(1, 0).s(0).f(2, 0).s(0)), 0);
  b.mirror();
  const TnDirectionPattern stitch = patternOf({1, 0}, motif({{1, 0, 0}}));
  const TnDirectionPattern jump = patternOf({1, 0}, motif({{1, 0, 1}}));
  const TnDirectionPattern lower = patternOf({1, 0}, motif({{1, -1, 9}, {0, 1, 0}}));
  EXPECT_EQ(std::make_tuple(a == b, a != b, a<b, jump> stitch, jump != stitch, stitch < a),
            std::make_tuple(1, 0, 0, 1, 1, 1));
  EXPECT_EQ(std::make_tuple(lower < stitch, stitch<lower, lower> stitch), std::make_tuple(1, 0, 0));
}

TEST(TnDirectionPatternTest, ReadTurnsTheEndOntoThePositiveXAxisAndDecidesSkipEndPoint) {
  TnDirectionPattern pattern;
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(2).f(1, 0).s(2).f(3, 0).f(0, 4)), 0);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(5, 0));
  const Directions& turned = pattern.getForwardDirections();
  EXPECT_LT((turned.front().first - TnVector<double>(1.8, -2.4)).length(), 1e-12);
  EXPECT_LT((turned.back().first - TnVector<double>(3.2, 2.4)).length(), 1e-12);
  EXPECT_NEAR(box(pattern).first.yval(), -2.4, 1e-12);
  // Lengths whose product would overflow still turn.
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(1).d(1, 0).s(2).d(0, 1e200).d(0, 1e200)), 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1e200, 0, 0}, {1e200, 0, 0}}));
  // The last vector runs straight on into the first, or turns back against it; two entries keep
  // the decision.
  const auto zigzag = [](double last) {
    return StreamBytes().s(3).f(1, 0).s(4).f(2, 0).s(0).f(1, 1).s(0).f(1, -1).s(0).f(last, 0).s(0);
  };
  ASSERT_EQ(readBytes(pattern, zigzag(2)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  EXPECT_EQ(pattern.isContainJump(), 0);
  // Any non-zero flag is a jump.
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(3).f(1, 0).s(1).f(1, 0).s(-1)), 0);
  EXPECT_EQ(pattern.isContainJump(), 1);
  ASSERT_EQ(readBytes(pattern, StreamBytes().s(3).f(1, 0).s(2).f(1, 1).s(0).f(1, -1).s(0)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 1);
  ASSERT_EQ(readBytes(pattern, zigzag(-2)), 0);
  EXPECT_EQ(pattern.isSkipEndPoint(), 0);

  // An end point, or a turned vector, that is not finite fails the read, the entries as read.
  Probe far;
  EXPECT_EQ(readBytes(far, StreamBytes().s(1).d(1, 0).s(2).d(1e308, 0).d(1e308, 0)), 1);
  EXPECT_EQ(far.getForwardDirections(), motif({{1e308, 0, 0}, {1e308, 0, 0}}));
  EXPECT_EQ(
      readBytes(far,
                StreamBytes().s(1).d(2, 0).s(3).d(1.5e308, -1.5e308).d(-1.4e308, 1.6e308).d(0, 0)),
      1);
  EXPECT_EQ(far.getForwardDirections(),
            motif({{1.5e308, -1.5e308, 0}, {-1.4e308, 1.6e308, 0}, {0, 0, 0}}));
  EXPECT_EQ(far.getReferenceLine(), TnVector<double>(2, 0));
  EXPECT_EQ(far.upperRight, TnVector<double>(1, 0));
}

TEST(TnDirectionPatternTest, InstallClosesTheMotifTurnsItAndDecidesSkipEndPoint) {
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
  EXPECT_EQ(box(pattern), std::make_pair(TnVector<double>(0, -1), TnVector<double>(6, 0)));
  // An empty motif is closed too, unless the reference line is shorter than 1e-7.
  pattern.setReferenceAndDirections(TnVector<double>(0, 4), Directions());
  EXPECT_EQ(pattern.getForwardDirections(), motif({{4, 0, 0}}));
  pattern.setReferenceAndDirections(TnVector<double>(5e-8, 0), Directions());
  EXPECT_TRUE(pattern.getForwardDirections().empty());
  // Without a reference line the motif's own end point is one.
  pattern.setReferenceAndDirections(motif({{3, 0, 1}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(3, 0));
  pattern.setReferenceAndDirections(Directions());
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0, 0));
}

TEST(TnDirectionPatternTest, PlacementsInEveryOrientation) {
  // Closing onto (2, 0) adds ((0, -1), 1).
  Probe pattern = patternOf({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}));
  Directions out = motif({{9, 9, 9}});
  pattern.getDirections(kOrigin, kUp, 0, out);
  EXPECT_EQ(out, motif({{9, 9, 9}, {0, 1, 0}, {-1, 1, 1}, {1, 0, 1}}));
  const struct {
    int mirrored, flipped, reverse;
    Directions expected;
  } cases[] = {{0, 0, 1, motif({{1, 0, 1}, {-1, 1, 1}, {0, 1, 0}})},
               {1, 0, 0, motif({{-1, 0, 1}, {1, 1, 1}, {0, 1, 0}})},
               {1, 0, 1, motif({{0, 1, 0}, {1, 1, 1}, {-1, 0, 1}})},
               {0, 1, 0, motif({{0, 1, 0}, {1, 1, 1}, {-1, 0, 1}})},
               {0, 1, 1, motif({{-1, 0, 1}, {1, 1, 1}, {0, 1, 0}})},
               {1, 1, 0, motif({{1, 0, 1}, {-1, 1, 1}, {0, 1, 0}})}};
  for (const auto& c : cases) {
    Probe turned = pattern;
    if (c.mirrored != 0) turned.mirror();
    if (c.flipped != 0) turned.flip();
    EXPECT_EQ(placed(turned, kOrigin, kUp, c.reverse), c.expected)
        << c.mirrored << c.flipped << c.reverse;
    // The box is that of the motif as stored.
    EXPECT_EQ(box(turned), box(pattern));
  }
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

  // The end point (2, 0) lies on the x-axis, so the reference (0, 2) read with it is kept: the
  // motif runs across its advance line, to the right; turned over, to the left either way.
  TnDirectionPattern across;
  ASSERT_EQ(readBytes(across, StreamBytes().s(3).f(0, 2).s(1).f(2, 0).s(0)), 0);
  EXPECT_EQ(placed(across, kOrigin, kUp, 0), motif({{2, 0, 0}}));
  across.flip();
  EXPECT_EQ(placed(across, kOrigin, kUp, 0), motif({{-2, 0, 0}}));
  EXPECT_EQ(placed(across, kOrigin, kUp, 1), motif({{-2, 0, 0}}));
  across.mirror();
  EXPECT_EQ(placed(across, kOrigin, kUp, 0), motif({{2, 0, 0}}));
}

TEST(TnDirectionPatternTest, CachedPlacementEmptiesTheOtherCacheAndMatchesAFreshOne) {
  Probe pattern = patternOf({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}));
  const Directions& forward = pattern.getDirections(kOrigin, kUp, 0);
  EXPECT_EQ(forward, placed(pattern, kOrigin, kUp, 0));
  // The backward placement empties the forward cache.
  const Directions& backward = pattern.getDirections(kOrigin, kUp, 1);
  EXPECT_TRUE(forward.empty());
  EXPECT_EQ(backward, placed(pattern, kOrigin, kUp, 1));
  // Neither scaling nor mirroring empties the caches; the next placement is fresh all the same.
  pattern.scalePattern(3);
  pattern.mirror();
  EXPECT_EQ(pattern.getDirections(kOrigin, kUp, 1), placed(pattern, kOrigin, kUp, 1));
  EXPECT_EQ(pattern.getDirections({1, 1}, {1, 1}, 0), motif({{0, 0, 1}}));
  pattern.setReferenceAndDirections(motif({{1, 0, 0}}));
  EXPECT_TRUE(pattern.cachedForward.empty());
}

using Corners = std::vector<TnCoord<double>>;

Corners cornersOf(const TnDirectionPattern& pattern, TnCoord<double> start, TnCoord<double> end,
                  int reverse) {
  Corners c(4, TnCoord<double>(-7, -7));
  pattern.getBoundingBox(start, end, reverse, c[0], c[1], c[2], c[3]);
  return c;
}

TEST(TnDirectionPatternTest, BoxOfTheMotifAndItsCornersAlongASpan) {
  Probe probe = patternOf({2, 0}, motif({{2, 1, 0}, {2, -3, 1}, {-6, 2, 0}}));
  EXPECT_EQ(box(probe), std::make_pair(TnVector<double>(-2, -2), TnVector<double>(4, 1)));
  TnVector<double> ll;
  TnVector<double> ur;
  probe.getLLURwrtRef(1, ll, ur);
  EXPECT_EQ(std::make_pair(ll, ur),
            std::make_pair(TnVector<double>(4, -2), TnVector<double>(-2, 1)));
  probe.setupBBoxData(1);  // clipped to the span, which ends at x = 2 here
  EXPECT_EQ(box(probe), std::make_pair(TnVector<double>(0, -2), TnVector<double>(2, 1)));

  // The box (0, -1) to (3, 2) along (3, 0), whether mirrored or flipped.
  TnDirectionPattern pattern = patternOf({3, 0}, motif({{0, -1, 0}, {3, 3, 0}}));
  pattern.mirror();
  pattern.flip();
  const TnCoord<double> start(10, 10);
  const TnCoord<double> end(10, 20);
  const Corners forward{{11, 10}, {8, 10}, {11, 13}, {8, 13}};
  EXPECT_EQ(cornersOf(pattern, start, end, 0), forward);
  EXPECT_EQ(cornersOf(pattern, start, end, 1), (Corners{{9, 7}, {12, 7}, {9, 10}, {12, 10}}));
  // Corners may be the very points passed in.
  TnCoord<double> a = start;
  TnCoord<double> b = end;
  TnCoord<double> c2;
  TnCoord<double> c3;
  pattern.getBoundingBox(a, b, 0, a, c2, c3, b);
  EXPECT_EQ((Corners{a, c2, c3, b}), forward);
  // Without a direction only the outer corners are set, unturned.
  const TnCoord<double> keep(-7, -7);
  EXPECT_EQ(cornersOf(pattern, {10, 10}, {10, 10.00000005}, 0),
            (Corners{{10, 9}, keep, keep, {13, 12}}));
  EXPECT_EQ(cornersOf(pattern, {10, 10}, {10, 10}, 1), (Corners{{13, 9}, keep, keep, {10, 12}}));
}

// Ends at (5, 0); the needle points after the start span (2, 0) to (5, 1).
Probe zigzag() { return patternOf({5, 0}, motif({{2, 0, 0}, {1, 1, 1}, {1, -1, 0}, {1, 0, 0}})); }

TEST(TnDirectionPatternTest, ScalingByAFactorOrToASize) {
  Probe pattern = patternOf({3, 0}, motif({{1, 0, 0}, {1, 1, 1}, {1, -1, 0}}));
  const Directions doubled = motif({{1, 0, 0}, {1, 2, 1}, {1, -2, 0}});
  pattern.scalePattern(2.0);
  EXPECT_EQ(pattern.getForwardDirections(), doubled);
  EXPECT_EQ(pattern.upperRight, TnVector<double>(3, 2));
  pattern.scalePattern(1.0000000001);
  EXPECT_EQ(pattern.getForwardDirections(), doubled);

  pattern = zigzag();
  pattern.scalePatternByPercentage(0.5, 2.0, 60.0, 0);
  EXPECT_EQ(pattern.getForwardDirections(),
            motif({{12, 0, 0}, {6, 24, 1}, {6, -24, 0}, {6, 0, 0}}));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(30, 24));
  // Zero arguments stand for 1, 1 and 40.
  pattern = zigzag();
  pattern.scalePatternByPercentage(0, 0, 0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{16, 0, 0}, {8, 8, 1}, {8, -8, 0}, {8, 0, 0}}));
  // A closed motif is scaled by its box width.
  pattern = patternOf({0, 0}, motif({{1, 1, 0}, {1, -1, 0}, {-2, 0, 0}}));
  pattern.scalePatternByPercentage(0.5, 1.0, 40.0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{10, 20, 0}, {10, -20, 0}, {-20, 0, 0}}));

  // The ends extended beyond half a unit to the box's sides: a lead-in and a run-out.
  pattern = patternOf({2, 0}, motif({{-1, 1, 3}, {4, 0, 0}, {-1, -1, 5}}));
  const Directions extended =
      motif({{10, 0, 3}, {-10, 10, 3}, {40, 0, 0}, {-10, -10, 5}, {10, 0, 5}});
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), extended);
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);  // nothing left to extend
  EXPECT_EQ(pattern.getForwardDirections(), extended);
  // Overhangs of exactly half a unit add nothing; the box is clipped to the span.
  pattern = patternOf({2, 0}, motif({{-0.5, 1, 0}, {3, 0, 0}, {-0.5, -1, 0}}));
  pattern.scalePatternByPercentage(1.0, 1.0, 4.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{-1, 2, 0}, {6, 0, 0}, {-1, -2, 0}}));
  EXPECT_EQ(box(pattern), std::make_pair(TnVector<double>(0, 0), TnVector<double>(4, 2)));

  // Without extent: one stitch; without width: unchanged but for its box.
  pattern = patternOf({0, 0}, motif({{0, 0, 2}, {0, 0, 0}}));
  pattern.scalePatternByPercentage(0.5, 3.0, 10.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{5, 0, 2}}));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(5, 0));
  pattern.setReferenceAndDirections(Directions());
  pattern.scalePatternByPercentage(0, 0, 0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{40, 0, 0}}));
  pattern = patternOf({0, 0}, motif({{0, 2, 0}, {0, -2, 1}}));
  pattern.lowerLeft = TnVector<double>(9, 9);
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{0, 2, 0}, {0, -2, 1}}));
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
}

TEST(TnDirectionPatternTest, SizeQueryMeasuresThePointsAfterTheStart) {
  Probe pattern = zigzag();
  double width = 0;
  double height = 0;
  pattern.scalePatternAndGetSize(width, height, 40.0, 0);
  EXPECT_DOUBLE_EQ(width, 24);
  EXPECT_DOUBLE_EQ(height, 8);
  EXPECT_EQ(pattern.getForwardDirections(), zigzag().getForwardDirections());
  // With the extension the ends reach (-1, 0) and (3, 0), so r = 10; the box is clipped.
  pattern = patternOf({2, 0}, motif({{-1, 1, 0}, {4, 0, 0}, {-1, -1, 0}}));
  pattern.scalePatternAndGetSize(width, height, 0, 1);
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(40.0, 10.0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(2, 1));
  // No height, or nothing at all: both results are the size.
  for (const Directions& flat : {motif({{1, 0, 0}, {1, 0, 0}}), Directions()}) {
    pattern = patternOf({2, 0}, flat);
    pattern.setReferenceAndDirections(flat);
    pattern.scalePatternAndGetSize(width, height, 25.0, 0);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(25.0, 25.0));
  }
}

}  // namespace
