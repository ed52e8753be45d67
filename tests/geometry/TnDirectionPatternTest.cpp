#include "loomset/geometry/TnDirectionPattern.h"

#include <gtest/gtest.h>

#include <list>
#include <tuple>

#include "loomset/foundation/TnMemoryStream.h"
#include "support/DirectionPatternTestSupport.h"

namespace {

TEST(TnDirectionPatternTest, CopyStartsWithEmptyCachesAssignmentCarriesThem) {
  DirectionPatternProbe source = patternOf({4, 0}, motif({{1, -1, 0}, {1, 1, 1}}));
  source.mirror();
  source.flip();
  const Directions placed = source.getDirections(TnCoord<double>(0, 0), TnCoord<double>(0, 4), 0);
  const DirectionPatternProbe copy(source);
  EXPECT_EQ(std::make_tuple(copy == source, copy.isMirrored(), copy.isFlipped(),
                            copy.getReferenceLine(), copy.lowerLeft, copy.cachedForward.size()),
            std::make_tuple(1, 1, 1, TnVector<double>(4, 0), TnVector<double>(0, -1), 0u));
  DirectionPatternProbe assigned;
  assigned = source;
  EXPECT_EQ(assigned.cachedForward, placed);
}

// Entries only, lexicographically, the vector before the flag; a proper prefix is less.
TEST(TnDirectionPatternTest, ComparisonLooksAtEntriesOnlyAndServesStandardLists) {
  const TnDirectionPattern a = patternOf({3, 0}, motif({{1, 0, 0}, {2, 0, 0}}));
  // The same entries along another reference line, mirrored.
  TnDirectionPattern b;
  TnMemoryStream stream(StreamBytes().s(3).f(0, 7).s(2).f(1, 0).s(0).f(2, 0).s(0).bytes());
  ASSERT_EQ(b.read(stream), 0);
  b.mirror();
  const TnDirectionPattern stitch = patternOf({1, 0}, motif({{1, 0, 0}}));
  const TnDirectionPattern jump = patternOf({1, 0}, motif({{1, 0, 1}}));
  const TnDirectionPattern lower = patternOf({1, 0}, motif({{1, -1, 9}, {0, 1, 0}}));
  EXPECT_EQ(std::make_tuple(a == b, a != b, a < b, (jump > stitch), jump != stitch),
            std::make_tuple(1, 0, 0, 1, 1));
  std::list<TnDirectionPattern> list{jump, stitch, a, jump, lower, stitch};
  std::list<TnDirectionPattern> other{a};
  list.sort();
  list.unique();
  list.remove(b);
  list.merge(other);
  EXPECT_EQ(list, (std::list<TnDirectionPattern>{lower, stitch, a, jump}));
}

}  // namespace
