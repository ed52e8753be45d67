#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "loomset/foundation/TnBezierCurve.h"
#include "support/BezierTestSupport.h"

namespace {

const SegmentPoints kArch = {0, 0, 1, 1, 2, 1, 3, 0};

TEST(TnBezierTest, ControlPointsAreTakenModuloFour) {
  const TnCoord<double> points[] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
  TnBezier fromArray(points);
  const TnBezier fromFour(points[0], points[1], points[2], points[3]);
  EXPECT_EQ(fromArray == fromFour, 1);
  EXPECT_EQ(fromFour[3], points[3]);
  EXPECT_EQ(fromFour[4], points[0]);
  EXPECT_EQ(fromFour[6], points[2]);
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

TEST(TnBezierCurveTest, OrderIsLexicographicOverSegmentsThenControlPointsThenXY) {
  // Each pair is (smaller, larger).
  const std::pair<TnBezierCurve, TnBezierCurve> ordered[] = {
      {TnBezierCurve(), curveOf({kArch})},
      {curveOf({kArch}), curveOf({kArch, {3, 0, 3, 0, 3, 0, 3, 0}})},
      {curveOf({{0, 0, 1, 9, 2, 1, 3, 0}}), curveOf({{0, 0, 2, 0, 2, 1, 3, 0}})},
      {curveOf({{0, 0, 9, 9, 9, 9, 9, 9}}), curveOf({{0, 1, 0, 0, 0, 0, 0, 0}})},
      {curveOf({kArch, {9, 9, 9, 9, 9, 9, 9, 9}}), curveOf({{0, 0, 1, 1, 2, 1, 3, 1}})},
  };
  for (const auto& [smaller, larger] : ordered) {
    SCOPED_TRACE(::testing::PrintToString(smaller) + " < " + ::testing::PrintToString(larger));
    EXPECT_EQ(smaller < larger, 1);
    EXPECT_EQ(larger > smaller, 1);
    EXPECT_EQ((larger < smaller) + (smaller > larger) + (smaller == larger), 0);
  }
}

// Against the order of the curves' control points read off in one row: short curves of 0s
// and 1s give many ties and prefixes, and random closed flags must not matter.
TEST(TnBezierCurveTest, ComparisonsAgreeWithTheRowOfControlPoints) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> bit(0, 1);
  std::uniform_int_distribution<int> segments(0, 2);
  std::vector<std::pair<TnBezierCurve, std::vector<double>>> curves(40);
  for (auto& [curve, row] : curves) {
    for (int n = segments(rng); n > 0; --n) {
      SegmentPoints points;
      for (double& value : points) value = bit(rng);
      curve.getSegments().add(segmentOf(points));
      row.insert(row.end(), points.begin(), points.end());
    }
    curve.setStrictIsClosed(bit(rng));
  }
  for (const auto& [a, rowA] : curves) {
    for (const auto& [b, rowB] : curves) {
      const int less =
          std::lexicographical_compare(rowA.begin(), rowA.end(), rowB.begin(), rowB.end());
      const int greater =
          std::lexicographical_compare(rowB.begin(), rowB.end(), rowA.begin(), rowA.end());
      ASSERT_EQ(a < b, less) << ::testing::PrintToString(a) << " " << ::testing::PrintToString(b);
      ASSERT_EQ(a > b, greater);
      ASSERT_EQ(a == b, rowA == rowB ? 1 : 0);
      ASSERT_EQ(a != b, rowA != rowB ? 1 : 0);
    }
  }
}

}  // namespace
