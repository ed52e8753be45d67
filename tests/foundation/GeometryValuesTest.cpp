#include <cmath>

#include <gtest/gtest.h>

#include "loomset/foundation/Lines.h"
#include "loomset/foundation/Tn2DTrans.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnEmbPoint.h"
#include "loomset/foundation/TnPercent.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/foundation/Tolerance.h"

namespace {

using Vec = TnVector<double>;
using Pt = TnCoord<double>;

// Five degrees, the angle the library uses for "the same direction".
constexpr double kAngle = 0.08726646261111111;

TEST(TnVectorTest, OrderIsByXThenYAndSameSenseNeedsAPositiveDotProduct) {
  EXPECT_TRUE(Vec(1.0, 9.0) < Vec(2.0, 0.0));
  EXPECT_TRUE(Vec(1.0, 0.0) < Vec(1.0, 1.0));
  EXPECT_FALSE(Vec(1.0, 1.0) < Vec(1.0, 1.0));
  EXPECT_TRUE(Vec(1.0, 0.0).isSameSense(Vec(1.0, 5.0)));
  EXPECT_FALSE(Vec(1.0, 0.0).isSameSense(Vec(0.0, 5.0)));
}

TEST(Tn2DTransTest, OperationsApplyInCallOrder) {
  Tn2DTrans mirrorThenTurn;
  mirrorThenTurn.mirror();
  mirrorThenTurn.rotate(Vec(0.0, 1.0), Vec(1.0, 0.0));
  EXPECT_EQ(mirrorThenTurn * Vec(1.0, 2.0), Vec(-2.0, -1.0));  // turned first: (2, 1)
  Tn2DTrans turnScaleFlip;
  turnScaleFlip.rotate(Vec(0.0, 1.0), Vec(1.0, 0.0));
  turnScaleFlip.scale(3.0, 1.0);
  turnScaleFlip.flip();
  // (1, 2) -> (-2, 1) -> (-6, 1) -> (-6, -1); points are not translated.
  EXPECT_EQ(turnScaleFlip * Pt(1.0, 2.0), Pt(-6.0, -1.0));
}

TEST(Tn2DTransTest, RotateTurnsTheSecondDirectionOntoTheFirstAndQuarterTurnsAreExact) {
  Tn2DTrans quarter;
  quarter.rotate(Vec(0.0, 5.0), Vec(3.0, 0.0));  // +x onto +y, lengths ignored
  EXPECT_EQ(quarter * Vec(2.0, 7.0), Vec(-7.0, 2.0));
  // Lengths whose product overflows, or that overflow themselves, still give their turn.
  Tn2DTrans huge;
  huge.rotate(Vec(0.0, 1e300), Vec(1e200, 0.0));
  EXPECT_EQ(huge * Vec(2.0, 7.0), Vec(-7.0, 2.0));
  Tn2DTrans diagonal;
  diagonal.rotate(Vec(1.5e308, 1.5e308), Vec(1.0, 0.0));
  EXPECT_TRUE(isEqual(diagonal * Vec(2.0, 0.0), Vec(std::sqrt(2.0), std::sqrt(2.0)), 1e-15));
  // A zero vector has no direction: nothing is added.
  huge.rotate(Vec(), Vec(1.0, 0.0));
  huge.rotate(Vec(0.0, 1.0), Vec());
  EXPECT_EQ(huge * Vec(2.0, 7.0), Vec(-7.0, 2.0));
}

TEST(ToleranceTest, BoundsAreInclusiveAndPerCoordinate) {
  // (0.5, -0.5) is 0.707 away but within 0.5 in each coordinate.
  EXPECT_TRUE(isEqual(Pt(0.0, 0.0), Pt(0.5, -0.5), 0.5));
  EXPECT_FALSE(isEqual(Vec(1.0, 1.0), Vec(1.0, 1.75), 0.5));
  EXPECT_TRUE(IS_ZERO(-0.5, 0.5));
}

TEST(CollinearTest, DistanceToTheFirstLineUndirectedAngleAndZeroLengthSegments) {
  const Pt a(0.0, 0.0);
  const Pt b(10.0, 0.0);
  // Far beyond the segment a-b but on its line, and in the other direction.
  EXPECT_TRUE(collinear(a, b, Pt(200.0, -0.1), Pt(100.0, 0.1), 0.5, kAngle));
  // Parallel at distance 1: the bound is inclusive.
  EXPECT_TRUE(collinear(a, b, Pt(0.0, 1.0), Pt(10.0, 1.0), 1.0, kAngle));
  // Both ends within tol, but the segments cross at atan(0.1) = 0.0997 radians.
  EXPECT_FALSE(collinear(a, b, Pt(0.0, -0.5), Pt(10.0, 0.5), 1.0, kAngle));
  EXPECT_TRUE(collinear(a, b, Pt(0.0, -0.5), Pt(10.0, 0.5), 1.0, 0.1));
  // Within the angle, c on the line, but d off it.
  EXPECT_FALSE(collinear(a, b, Pt(0.0, 0.0), Pt(100.0, 5.0), 1.0, kAngle));

  // A zero-length segment is its point.
  const Pt far(5.0, 3.0);
  EXPECT_TRUE(collinear(a, b, Pt(5.0, 0.3), Pt(5.0, 0.3), 0.5, kAngle));
  EXPECT_FALSE(collinear(a, b, far, far, 0.5, kAngle));
  EXPECT_TRUE(collinear(Pt(55.0, 0.3), Pt(55.0, 0.3), a, b, 0.5, kAngle));  // the line, not segment
  EXPECT_FALSE(collinear(far, far, a, b, 0.5, kAngle));
  // Both points: Euclidean distance, 0.42 and 0.57 here.
  EXPECT_TRUE(collinear(Pt(1.0, 1.0), Pt(1.0, 1.0), Pt(1.3, 1.3), Pt(1.3, 1.3), 0.5, kAngle));
  EXPECT_FALSE(collinear(Pt(1.0, 1.0), Pt(1.0, 1.0), Pt(1.4, 1.4), Pt(1.4, 1.4), 0.5, kAngle));
}

TEST(IntersectTest, MeetsLinesNotRaysAndLeavesOutAloneWithoutAPoint) {
  Pt out(7.0, 7.0);
  // Behind both starts.
  EXPECT_EQ(intersect(out, Pt(-1.0, 3.0), Vec(-4.0, 0.0), Pt(5.0, -1.0), Vec(0.0, -3.0)), 0);
  EXPECT_EQ(out, Pt(5.0, 3.0));
  // Parallel, or a zero direction.
  EXPECT_NE(intersect(out, Pt(0.0, 0.0), Vec(1.0, 2.0), Pt(1.0, 0.0), Vec(-2.0, -4.0)), 0);
  EXPECT_NE(intersect(out, Pt(0.0, 0.0), Vec(), Pt(1.0, 0.0), Vec(0.0, 1.0)), 0);
  EXPECT_EQ(out, Pt(5.0, 3.0));
}

TEST(NumberValuesTest, PercentAndEmbPointPrintTheirDoubleAsAStreamWould) {
  EXPECT_EQ(static_cast<TnString>(TnPercent(2.5)), "2.5");
  EXPECT_EQ(static_cast<TnString>(TnEmbPoint(1234567.0)), "1.23457e+06");
}

}  // namespace
