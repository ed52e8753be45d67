#include <gtest/gtest.h>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace {

using Corners = std::vector<TnCoord<double>>;

Corners cornersOf(const TnDirectionPattern& pattern, TnCoord<double> start, TnCoord<double> end,
                  int reverse, const TnCoord<double>& preset = TnCoord<double>(-7, -7)) {
  Corners c(4, preset);
  pattern.getBoundingBox(start, end, reverse, c[0], c[1], c[2], c[3]);
  return c;
}

TEST(TnDirectionPatternBoxTest, BoxCoversEveryNeedlePointOrOnlyTheSpan) {
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(motif({{2, 1, 0}, {2, -3, 1}, {-6, 2, 0}}));
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(-2, -2));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(4, 1));
  TnVector<double> ll;
  TnVector<double> ur;
  pattern.getLLURwrtRef(1, ll, ur);
  EXPECT_EQ(ll, TnVector<double>(4, -2));
  EXPECT_EQ(ur, TnVector<double>(-2, 1));
  // Clipped to the span, which ends at x = -2.
  pattern.setupBBoxData(1);
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, -2));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(-2, 1));

  pattern.setReferenceAndDirections(Directions());
  pattern.setupBBoxData(1);
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(0, 0));
}

TEST(TnDirectionPatternBoxTest, CornersFollowTheSpanInEitherSense) {
  TnDirectionPattern pattern;
  // Closed onto (3, 0), with the box (0, -1) to (3, 2).
  pattern.setReferenceAndDirections(TnVector<double>(3, 0), motif({{0, -1, 0}, {3, 3, 0}}));
  const TnCoord<double> start(10, 10);
  const TnCoord<double> end(10, 20);
  const Corners forward{{11, 10}, {8, 10}, {11, 13}, {8, 13}};
  const Corners backward{{9, 7}, {12, 7}, {9, 10}, {12, 10}};
  EXPECT_EQ(cornersOf(pattern, start, end, 0), forward);
  EXPECT_EQ(cornersOf(pattern, start, end, 1), backward);
  // The box is that of the motif as stored.
  pattern.mirror();
  pattern.flip();
  EXPECT_EQ(cornersOf(pattern, start, end, 0), forward);
  EXPECT_EQ(cornersOf(pattern, start, end, 1), backward);

  // Corners may be the very points passed in.
  TnCoord<double> a = start;
  TnCoord<double> b = end;
  TnCoord<double> c2;
  TnCoord<double> c3;
  pattern.getBoundingBox(a, b, 0, a, c2, c3, b);
  EXPECT_EQ((Corners{a, c2, c3, b}), forward);
}

TEST(TnDirectionPatternBoxTest, SpanWithoutDirectionSetsOnlyOuterCornersUnturned) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(3, 0), motif({{0, -1, 0}, {3, 3, 0}}));
  const TnCoord<double> keep(-7, -7);
  EXPECT_EQ(cornersOf(pattern, {10, 10}, {10, 10.00000005}, 0),
            (Corners{{10, 9}, keep, keep, {13, 12}}));
  EXPECT_EQ(cornersOf(pattern, {10, 10}, {10, 10}, 1), (Corners{{13, 9}, keep, keep, {10, 12}}));
}

}  // namespace
