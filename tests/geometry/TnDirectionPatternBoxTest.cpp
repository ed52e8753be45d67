#include <gtest/gtest.h>

#include "loomset/geometry/TnDirectionPattern.h"
#include "support/DirectionPatternTestSupport.h"

namespace {

using Corners = std::vector<TnCoord<double>>;

Corners cornersOf(const TnDirectionPattern& pattern, TnCoord<double> start, TnCoord<double> end,
                  int reverse) {
  Corners c(4, TnCoord<double>(-7, -7));
  pattern.getBoundingBox(start, end, reverse, c[0], c[1], c[2], c[3]);
  return c;
}

TEST(TnDirectionPatternBoxTest, CornersFollowTheSpanInEitherSense) {
  // Closed onto (3, 0), with the box (0, -1) to (3, 2); the box is that of the motif as stored,
  // whether mirrored or flipped.
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

}  // namespace
