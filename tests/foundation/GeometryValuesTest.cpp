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

TEST(TnVectorTest, ArithmeticOrderAndLength) {
  Vec v;
  EXPECT_EQ(v, Vec(0.0, 0.0));
  v.xval() = 3.0;
  v.yval() = -4.0;
  EXPECT_EQ(v.length(), 5.0);
  EXPECT_EQ(v + Vec(1.0, 1.0) - Vec(2.0, 0.0), Vec(2.0, -3.0));
  EXPECT_EQ(v * 0.5, Vec(1.5, -2.0));
  EXPECT_TRUE(v != Vec(3.0, 4.0));
  // By x first, then by y.
  EXPECT_TRUE(Vec(1.0, 9.0) < Vec(2.0, 0.0));
  EXPECT_TRUE(Vec(1.0, 0.0) < Vec(1.0, 1.0));
  EXPECT_FALSE(Vec(1.0, 1.0) < Vec(1.0, 1.0));
  EXPECT_EQ(TnVector<int>(6, -8).length(), 10.0);
}

TEST(TnVectorTest, SameSenseMeansAPositiveDotProduct) {
  EXPECT_TRUE(Vec(1.0, 0.0).isSameSense(Vec(1.0, 5.0)));
  EXPECT_FALSE(Vec(1.0, 0.0).isSameSense(Vec(0.0, 5.0)));
  EXPECT_FALSE(Vec(1.0, 0.0).isSameSense(Vec(-1.0, 0.0)));
  EXPECT_FALSE(Vec(1.0, 0.0).isSameSense(Vec()));
}

TEST(TnCoordTest, PointsDifferByVectors) {
  Pt p(1.0, 2.0);
  const Pt q(4.0, 6.0);
  EXPECT_EQ(q - p, Vec(3.0, 4.0));
  EXPECT_EQ(p + Vec(3.0, 4.0), q);
  EXPECT_EQ(q - Vec(3.0, 4.0), p);
  EXPECT_EQ(p.distance(q), 5.0);
  p += Vec(0.5, -1.0);
  EXPECT_EQ(p, Pt(1.5, 1.0));
  EXPECT_EQ(Pt(), Pt(0.0, 0.0));
}

TEST(Tn2DTransTest, ReflectionsAndScaleActOnTheExpectedAxes) {
  Tn2DTrans identity;
  EXPECT_EQ(identity * Vec(3.0, -2.0), Vec(3.0, -2.0));
  Tn2DTrans flip;
  flip.flip();
  EXPECT_EQ(flip * Vec(3.0, -2.0), Vec(3.0, 2.0));
  Tn2DTrans mirror;
  mirror.mirror();
  EXPECT_EQ(mirror * Vec(3.0, -2.0), Vec(-3.0, -2.0));
  Tn2DTrans scale;
  scale.scale(2.0, -0.5);
  EXPECT_EQ(scale * Vec(3.0, -2.0), Vec(6.0, 1.0));
  EXPECT_EQ(scale * Pt(3.0, -2.0), Pt(6.0, 1.0));  // no translation for points either
}

TEST(Tn2DTransTest, RotateTurnsTheSecondDirectionOntoTheFirstAndQuarterTurnsAreExact) {
  Tn2DTrans quarter;
  quarter.rotate(Vec(0.0, 5.0), Vec(3.0, 0.0));  // +x onto +y, lengths ignored
  EXPECT_EQ(quarter * Vec(2.0, 7.0), Vec(-7.0, 2.0));
  Tn2DTrans half;
  half.rotate(Vec(-2.0, 0.0), Vec(4.0, 0.0));
  EXPECT_EQ(half * Vec(2.0, 7.0), Vec(-2.0, -7.0));

  Tn2DTrans eighth;
  eighth.rotate(Vec(1.0, 1.0), Vec(1.0, 0.0));
  const Vec turned = eighth * Vec(2.0, 0.0);
  EXPECT_TRUE(isEqual(turned, Vec(std::sqrt(2.0), std::sqrt(2.0)), 1e-12));
  // Clockwise: b is ahead of a.
  Tn2DTrans back;
  back.rotate(Vec(1.0, 0.0), Vec(1.0, 1.0));
  EXPECT_TRUE(isEqual(back * turned, Vec(2.0, 0.0), 1e-12));

  // Lengths whose product overflows still give their turn.
  Tn2DTrans huge;
  huge.rotate(Vec(0.0, 1e300), Vec(1e200, 0.0));
  EXPECT_EQ(huge * Vec(2.0, 7.0), Vec(-7.0, 2.0));

  Tn2DTrans zero;
  zero.rotate(Vec(), Vec(1.0, 0.0));
  zero.rotate(Vec(0.0, 1.0), Vec());
  EXPECT_EQ(zero * Vec(3.0, 4.0), Vec(3.0, 4.0));
}

TEST(Tn2DTransTest, OperationsApplyInCallOrder) {
  const Vec v(1.0, 2.0);
  Tn2DTrans mirrorThenTurn;
  mirrorThenTurn.mirror();
  mirrorThenTurn.rotate(Vec(0.0, 1.0), Vec(1.0, 0.0));
  EXPECT_EQ(mirrorThenTurn * v, Vec(-2.0, -1.0));
  Tn2DTrans turnThenMirror;
  turnThenMirror.rotate(Vec(0.0, 1.0), Vec(1.0, 0.0));
  turnThenMirror.mirror();
  EXPECT_EQ(turnThenMirror * v, Vec(2.0, 1.0));

  Tn2DTrans scaleThenTurnThenFlip;
  scaleThenTurnThenFlip.scale(3.0, 1.0);
  scaleThenTurnThenFlip.rotate(Vec(0.0, 1.0), Vec(1.0, 0.0));
  scaleThenTurnThenFlip.flip();
  // (1, 2) -> (3, 2) -> (-2, 3) -> (-2, -3)
  EXPECT_EQ(scaleThenTurnThenFlip * v, Vec(-2.0, -3.0));
  EXPECT_EQ(scaleThenTurnThenFlip * Pt(1.0, 2.0), Pt(-2.0, -3.0));
}

TEST(ToleranceTest, BoundsAreInclusiveAndPerCoordinate) {
  EXPECT_TRUE(IS_ZERO(0.5, 0.5));
  EXPECT_TRUE(IS_ZERO(-0.5, 0.5));
  EXPECT_FALSE(IS_ZERO(-0.5000001, 0.5));
  EXPECT_TRUE(IS_EQUAL(1.5, 1.0, 0.5));
  EXPECT_FALSE(IS_EQUAL(1.0, 1.75, 0.5));
  // Each coordinate on its own: (0.5, 0.5) is 0.707 away but within 0.5 per coordinate.
  EXPECT_TRUE(isEqual(Pt(0.0, 0.0), Pt(0.5, -0.5), 0.5));
  EXPECT_FALSE(isEqual(Pt(0.0, 0.0), Pt(0.0, 0.75), 0.5));
  EXPECT_TRUE(isEqual(Vec(1.0, 1.0), Vec(1.5, 0.5), 0.5));
  EXPECT_FALSE(isEqual(Vec(1.0, 1.0), Vec(1.75, 1.0), 0.5));
}

TEST(CollinearTest, DistanceToTheFirstLineAndUndirectedAngle) {
  const Pt a(0.0, 0.0);
  const Pt b(10.0, 0.0);
  // Far beyond the segment a-b but on its line; in either direction.
  EXPECT_TRUE(collinear(a, b, Pt(100.0, 0.1), Pt(200.0, -0.1), 0.5, kAngle));
  EXPECT_TRUE(collinear(a, b, Pt(200.0, -0.1), Pt(100.0, 0.1), 0.5, kAngle));
  EXPECT_TRUE(collinear(b, a, Pt(-5.0, 0.0), Pt(5.0, 0.0), 0.5, kAngle));
  // Parallel at distance 1: the bound is inclusive.
  EXPECT_FALSE(collinear(a, b, Pt(0.0, 1.0), Pt(10.0, 1.0), 0.5, kAngle));
  EXPECT_TRUE(collinear(a, b, Pt(0.0, 1.0), Pt(10.0, 1.0), 1.0, kAngle));
  // Both ends within tol, but the segments cross at atan(0.1) = 0.0997 radians.
  EXPECT_FALSE(collinear(a, b, Pt(0.0, -0.5), Pt(10.0, 0.5), 1.0, kAngle));
  EXPECT_TRUE(collinear(a, b, Pt(0.0, -0.5), Pt(10.0, 0.5), 1.0, 0.1));
  // Within the angle but d lies off the line.
  EXPECT_FALSE(collinear(a, b, Pt(0.0, 0.0), Pt(100.0, 5.0), 1.0, kAngle));
}

TEST(CollinearTest, ZeroLengthSegmentsUseTheirPoint) {
  const Pt a(0.0, 0.0);
  const Pt b(10.0, 0.0);
  const Pt near(5.0, 0.3);
  const Pt far(5.0, 3.0);
  EXPECT_TRUE(collinear(a, b, near, near, 0.5, kAngle));
  EXPECT_FALSE(collinear(a, b, far, far, 0.5, kAngle));
  EXPECT_TRUE(collinear(near, near, a, b, 0.5, kAngle));
  EXPECT_FALSE(collinear(far, far, a, b, 0.5, kAngle));
  EXPECT_TRUE(collinear(Pt(55.0, 0.3), Pt(55.0, 0.3), a, b, 0.5, kAngle));  // the line, not segment
  // Both points: Euclidean distance, 0.42 and 0.57 here.
  EXPECT_TRUE(collinear(Pt(1.0, 1.0), Pt(1.0, 1.0), Pt(1.3, 1.3), Pt(1.3, 1.3), 0.5, kAngle));
  EXPECT_FALSE(collinear(Pt(1.0, 1.0), Pt(1.0, 1.0), Pt(1.4, 1.4), Pt(1.4, 1.4), 0.5, kAngle));
}

TEST(IntersectTest, FindsTheMeetingPointOfTwoLines) {
  Pt out(7.0, 7.0);
  EXPECT_EQ(intersect(out, Pt(0.0, 0.0), Vec(1.0, 1.0), Pt(4.0, 0.0), Vec(-1.0, 1.0)), 0);
  EXPECT_TRUE(isEqual(out, Pt(2.0, 2.0), 1e-12));
  EXPECT_EQ(intersect(out, Pt(1.0, 2.0), Vec(2.0, 0.0), Pt(5.0, -1.0), Vec(0.0, -3.0)), 0);
  EXPECT_TRUE(isEqual(out, Pt(5.0, 2.0), 1e-12));
  // Lines, not rays: this point lies behind both starts.
  EXPECT_EQ(intersect(out, Pt(-1.0, 3.0), Vec(-4.0, 0.0), Pt(5.0, -1.0), Vec(0.0, -3.0)), 0);
  EXPECT_TRUE(isEqual(out, Pt(5.0, 3.0), 1e-12));
}

TEST(IntersectTest, ParallelLinesAndZeroDirectionsLeaveOutAlone) {
  const Pt before(7.0, -7.0);
  Pt out = before;
  EXPECT_NE(intersect(out, Pt(0.0, 0.0), Vec(1.0, 2.0), Pt(1.0, 0.0), Vec(-2.0, -4.0)), 0);
  EXPECT_NE(intersect(out, Pt(0.0, 0.0), Vec(1.0, 2.0), Pt(2.0, 4.0), Vec(1.0, 2.0)), 0);
  EXPECT_NE(intersect(out, Pt(0.0, 0.0), Vec(), Pt(1.0, 0.0), Vec(0.0, 1.0)), 0);
  EXPECT_NE(intersect(out, Pt(0.0, 0.0), Vec(1.0, 0.0), Pt(1.0, 0.0), Vec()), 0);
  EXPECT_EQ(out, before);
}

TEST(NumberValuesTest, PercentAndEmbPointKeepTheirDoubleAndPrintIt) {
  EXPECT_EQ(TnPercent(30.0).value(), 30.0);
  EXPECT_EQ(static_cast<double>(TnEmbPoint(-7.25)), -7.25);
  EXPECT_EQ(static_cast<TnString>(TnPercent(30.0)), "30");
  EXPECT_EQ(static_cast<TnString>(TnPercent(2.5)), "2.5");
  EXPECT_EQ(static_cast<TnString>(TnPercent(-5.0)), "-5");
  EXPECT_EQ(static_cast<TnString>(TnEmbPoint(30.0)), "30");
  EXPECT_EQ(static_cast<TnString>(TnEmbPoint(0.1)), "0.1");
  EXPECT_EQ(static_cast<TnString>(TnEmbPoint(1234567.0)), "1.23457e+06");
  EXPECT_EQ(static_cast<TnString>(TnEmbPoint()), "0");
  TnEmbPoint length(4.0);
  length = TnEmbPoint(5.0);
  EXPECT_FALSE(length == TnEmbPoint(4.0));
}

}  // namespace
