#include <gtest/gtest.h>

#include <utility>

#include "loomset/foundation/TnBezierCurve.h"
#include "support/Shapes.h"

namespace {

const SegmentPoints kArch = {0, 0, 1, 1, 2, 1, 3, 0};

TEST(TnBezierTest, ControlPointsAreTakenModuloFour) {
  const TnCoord<double> points[] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
  TnBezier fromArray(points);
  const TnBezier fromFour(points[0], points[1], points[2], points[3]);
  EXPECT_EQ(fromArray == fromFour, 1);
  EXPECT_EQ(fromFour[3], points[3]);
  EXPECT_EQ(fromFour[-1], points[3]);
  fromArray(5) = TnCoord<double>(9, 9);
  EXPECT_EQ(fromArray[1], TnCoord<double>(9, 9));
  EXPECT_EQ(fromArray != fromFour, 1);
  EXPECT_EQ(TnBezier() == TnBezier({0, 0}, {0, 0}, {0, 0}, {0, 0}), 1);
}

TEST(TnBezierCurveTest, CopiesOwnTheirSegmentsAndCarryTheClosedFlag) {
  const TnBezierCurve curve = curveOf({kArch, {3, 0, 4, -1, 5, -1, 6, 0}}, 1);
  ASSERT_EQ(curve.length(), 2ul);
  EXPECT_EQ(curve[1][2], TnCoord<double>(5, -1));
  TnBezierCurve copy(curve);
  TnBezierCurve assigned;
  assigned = curve;
  EXPECT_EQ(copy.strictIsClosed(), 1);
  EXPECT_EQ(assigned.strictIsClosed(), 1);
  copy.getSegments()(0)(1) = TnCoord<double>(9, 9);
  assigned.getSegments().add(segmentOf(kArch));
  EXPECT_EQ(curve[0][1], TnCoord<double>(1, 1));
  EXPECT_EQ(copy[0][1], TnCoord<double>(9, 9));
  EXPECT_EQ(assigned.length(), 3ul);
  copy.getSegments().empty();
  EXPECT_EQ(copy.length(), 0ul);
  EXPECT_EQ(curve.length(), 2ul);
}

TEST(TnBezierCurveTest, OrderIsLexicographicOverControlPointsAndIgnoresTheClosedFlag) {
  // Each pair is (smaller, larger).
  const std::pair<TnBezierCurve, TnBezierCurve> ordered[] = {
      {TnBezierCurve(), curveOf({kArch})},
      {curveOf({kArch}), curveOf({kArch, {3, 0, 3, 0, 3, 0, 3, 0}})},
      {curveOf({kArch, {3, 0, 3, 0, 3, 0, 3, 0}}), curveOf({kArch, {3, 0, 3, 0, 3, 0, 3, 1}})},
      {curveOf({{0, 0, 1, 9, 2, 1, 3, 0}}), curveOf({{0, 0, 2, 0, 2, 1, 3, 0}})},
      {curveOf({{0, 0, 9, 9, 9, 9, 9, 9}}), curveOf({{0, 1, 0, 0, 0, 0, 0, 0}})},
      {curveOf({kArch, {9, 9, 9, 9, 9, 9, 9, 9}}), curveOf({{0, 0, 1, 1, 2, 1, 3, 1}})},
  };
  for (const auto& [smaller, larger] : ordered) {
    SCOPED_TRACE(::testing::PrintToString(smaller) + " < " + ::testing::PrintToString(larger));
    EXPECT_EQ(smaller < larger, 1);
    EXPECT_EQ(larger > smaller, 1);
    EXPECT_EQ((larger < smaller) + (smaller > larger) + (smaller == larger), 0);
    EXPECT_EQ(smaller != larger, 1);
  }
  // The closed flag plays no part.
  const TnBezierCurve open = curveOf({kArch});
  const TnBezierCurve closed = curveOf({kArch}, 1);
  EXPECT_EQ((open == closed) + (closed == open), 2);
  EXPECT_EQ((open != closed) + (open < closed) + (closed < open) + (open > closed), 0);
}

}  // namespace
