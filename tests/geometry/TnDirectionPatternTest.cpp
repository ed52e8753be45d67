#include "loomset/geometry/TnDirectionPattern.h"

#include <gtest/gtest.h>

#include <functional>
#include <list>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/foundation/TnMemoryStream.h"

namespace {

TnDirectionPattern patternOf(const Directions& entries) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(entries);
  return pattern;
}

TEST(TnDirectionPatternTest, DefaultIsOneStitchAlongX) {
  const TnDirectionPattern pattern;
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1, 0, 0}}));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(1, 0));
  EXPECT_EQ(pattern.isMirrored() + pattern.isFlipped() + pattern.isSkipEndPoint(), 0);
  EXPECT_EQ(pattern.isContainJump(), 0);
  TnVector<double> ll;
  TnVector<double> ur;
  pattern.getLLURwrtRef(0, ll, ur);
  EXPECT_EQ(ll, TnVector<double>(0, 0));
  EXPECT_EQ(ur, TnVector<double>(1, 0));
}

TEST(TnDirectionPatternTest, CopyStartsWithEmptyCachesAssignmentCarriesThem) {
  DirectionPatternProbe source;
  source.setReferenceAndDirections(TnVector<double>(4, 0), motif({{1, 1, 0}, {1, -1, 1}}));
  source.mirror();
  source.getDirections(TnCoord<double>(0, 0), TnCoord<double>(0, 4), 0);
  source.cachedBackward = motif({{7, 7, 7}});
  source.cachedSpan = TnVector<double>(1, 2);

  const DirectionPatternProbe copy(source);
  EXPECT_EQ(copy.getForwardDirections(), source.getForwardDirections());
  EXPECT_EQ(copy.getReferenceLine(), source.getReferenceLine());
  EXPECT_EQ(copy.isMirrored(), 1);
  EXPECT_EQ(copy.lowerLeft, source.lowerLeft);
  EXPECT_EQ(copy.upperRight, source.upperRight);
  EXPECT_TRUE(copy.cachedForward.empty());
  EXPECT_TRUE(copy.cachedBackward.empty());
  EXPECT_EQ(copy.cachedSpan, TnVector<double>(0, 0));

  DirectionPatternProbe assigned;
  assigned = source;
  EXPECT_FALSE(assigned.cachedForward.empty());
  EXPECT_EQ(assigned.cachedForward, source.cachedForward);
  EXPECT_EQ(assigned.cachedBackward, source.cachedBackward);
  EXPECT_EQ(assigned.cachedSpan, TnVector<double>(1, 2));
}

TEST(TnDirectionPatternTest, ComparisonLooksAtEntriesOnly) {
  const TnDirectionPattern a = patternOf(motif({{1, 0, 0}, {2, 0, 0}}));
  DirectionPatternProbe b;
  TnMemoryStream stream(StreamBytes().s(3).f(0, 7).s(2).f(1, 0).s(0).f(2, 0).s(0).bytes());
  ASSERT_EQ(b.read(stream), 0);
  ASSERT_EQ(b.getReferenceLine(), TnVector<double>(0, 7));
  b.mirror();
  b.flip();
  b.skipEndPoint = 1;
  EXPECT_EQ(a == b, 1);
  EXPECT_EQ(a != b, 0);
  EXPECT_EQ(a < b, 0);

  const TnDirectionPattern stitch = patternOf(motif({{1, 0, 0}}));
  const TnDirectionPattern jump = patternOf(motif({{1, 0, 1}}));
  EXPECT_EQ(stitch < jump, 1);
  EXPECT_EQ(jump > stitch, 1);
  EXPECT_EQ(stitch != jump, 1);
  // A proper prefix is less; the vector decides before the flag.
  EXPECT_EQ(stitch < a, 1);
  EXPECT_EQ(a < stitch, 0);
  EXPECT_EQ(patternOf(motif({{0, 5, 9}, {1, -5, 0}})) < stitch, 1);
  EXPECT_EQ(patternOf(motif({{1, -1, 9}, {0, 1, 0}})) < stitch, 1);
}

TEST(TnDirectionPatternTest, StandardListAlgorithmsUseTheComparison) {
  const TnDirectionPattern p1 = patternOf(motif({{1, 0, 0}}));
  const TnDirectionPattern p2 = patternOf(motif({{2, 0, 0}}));
  const TnDirectionPattern p3 = patternOf(motif({{3, 0, 0}}));
  std::list<TnDirectionPattern> list{p3, p1, p3, p3, p2, p1};
  list.sort();
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p1, p1, p2, p3, p3, p3}));
  list.unique();
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p1, p2, p3}));
  list.remove(p2);
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p1, p3}));
  std::list<TnDirectionPattern> other{p2};
  list.merge(other);
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p1, p2, p3}));

  list.sort(std::greater<TnDirectionPattern>());
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p3, p2, p1}));
  std::list<TnDirectionPattern> more{p2, p2};
  list.merge(more, std::greater<TnDirectionPattern>());
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p3, p2, p2, p2, p1}));
  // Every element unlike the one kept before it goes: only the first survives.
  list.unique(std::not_equal_to<TnDirectionPattern>());
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{p3}));
}

}  // namespace
