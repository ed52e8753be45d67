#include <gtest/gtest.h>

#include <list>
#include <vector>

#include "loomset/geometry/TnBezierPattern.h"
#include "support/Shapes.h"

namespace {

using Vectors = std::list<TnVector<double>>;

// From the origin to (10, 0) by way of the handles (3, 4) and (7, 4).
const SegmentPoints kArch = {0, 0, 3, 4, 7, 4, 10, 0};

bool near(const TnVector<double>& actual, const TnVector<double>& expected) {
  return (actual - expected).length() < 1e-9;
}

TnBezierPattern bezierPattern(const TnVector<double>& reference, const TnBezierCurve& curve) {
  TnBezierPattern pattern;
  pattern.setReferenceAndDirections(reference, curve);
  return pattern;
}

// The one vector that a placement appends.
TnVector<double> placed(const TnBezierPattern& pattern, const TnCoord<double>& start,
                        const TnCoord<double>& end, int reverse) {
  Vectors out;
  pattern.getDirections(start, end, reverse, 0.0, out);
  EXPECT_EQ(out.size(), 1u);
  return out.empty() ? TnVector<double>() : out.front();
}

// Records which generator runs, with what, and then runs the pattern's own.
class GeneratorProbe : public TnBezierPattern {
 public:
  struct Call {
    bool forward;
    Tn2DTrans trans;
    double value;
  };
  mutable std::vector<Call> calls;

 protected:
  void getForwardDirections(const Tn2DTrans& trans, double value, Vectors& out) const override {
    calls.push_back({true, trans, value});
    TnBezierPattern::getForwardDirections(trans, value, out);
  }
  void getBackwardDirections(const Tn2DTrans& trans, double value, Vectors& out) const override {
    calls.push_back({false, trans, value});
    TnBezierPattern::getBackwardDirections(trans, value, out);
  }
};

TEST(TnBezierPatternPlacementTest, QuarterTurnsPickTheGeneratorAndAdvanceAlongTheSpan) {
  // Where T takes the vector (3, 4) when the curve is laid up from (5, 5) to (5, 25). The curve
  // starts off the origin: measured to its untransformed first point (2, 3), the backward advance
  // would be (14, 6) turned.
  struct Case {
    int mirrored, flipped, reverse;
    bool forward;
    TnVector<double> handle;
  };
  const Case cases[] = {{0, 0, 0, true, {-4, 3}},   {0, 0, 1, false, {4, -3}},
                        {1, 0, 0, false, {-4, -3}}, {1, 0, 1, true, {4, 3}},
                        {0, 1, 0, true, {4, 3}},    {0, 1, 1, false, {-4, -3}},
                        {1, 1, 0, false, {4, -3}},  {1, 1, 1, true, {-4, 3}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mirrored " << c.mirrored << " flipped " << c.flipped
                                      << " reverse " << c.reverse);
    GeneratorProbe pattern;
    pattern.setReferenceAndDirections({10, 0}, curveOf({{2, 3, 5, 7, 9, 7, 12, 3}}));
    if (c.mirrored) pattern.mirror();
    if (c.flipped) pattern.flip();
    Vectors out{{9, 9}};
    pattern.getDirections({5, 5}, {5, 25}, c.reverse, 0.25, out);
    ASSERT_EQ(pattern.calls.size(), 1u);
    EXPECT_EQ(pattern.calls[0].forward, c.forward);
    EXPECT_EQ(pattern.calls[0].value, 0.25);
    EXPECT_PRED2(near, pattern.calls[0].trans * TnVector<double>(3, 4), c.handle);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out.front(), TnVector<double>(9, 9));
    EXPECT_PRED2(near, out.back(), TnVector<double>(0, 10));
  }
}

// Flip and mirror act across and along the advance, so a curve that advances up the y-axis is
// laid along the span as well as one that advances along the x-axis.
TEST(TnBezierPatternPlacementTest, ACurveAdvancingOffTheXAxisIsLaidAlongTheSpanToo) {
  const TnBezierPattern upright = bezierPattern({0, 10}, curveOf({{1, 2, -3, 5, -3, 9, 1, 12}}));
  for (int mask = 0; mask < 8; ++mask) {
    TnBezierPattern pattern = upright;
    if (mask & 1) pattern.mirror();
    if (mask & 2) pattern.flip();
    EXPECT_PRED2(near, placed(pattern, {1, 1}, {4, 5}, mask >> 2), TnVector<double>(6, 8))
        << "mask " << mask;
  }
}

TEST(TnBezierPatternPlacementTest, EmptyCurveOrZeroSpanAppendsTheSpan) {
  GeneratorProbe pattern;
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0, 0));
  EXPECT_EQ(pattern.getBezierCurve().length() + pattern.isMirrored() + pattern.isFlipped(), 0ul);
  Vectors out{{9, 9}};
  pattern.getDirections({1, 1}, {4, 5}, 1, 0.0, out);
  EXPECT_EQ(out, (Vectors{{9, 9}, {3, 4}}));
  pattern.setReferenceAndDirections({10, 0}, curveOf({kArch}));
  pattern.getDirections({0, 0}, {0, 5e-10}, 0, 0.0, out);
  EXPECT_EQ(out, (Vectors{{9, 9}, {3, 4}, {0, 5e-10}}));
  EXPECT_TRUE(pattern.calls.empty());
}

TEST(TnBezierPatternTest, InstallClosesTheCurveOntoItsFirstPointPlusTheReference) {
  TnBezierPattern pattern;
  pattern.mirror();
  pattern.setReferenceAndDirections({10, 0}, curveOf({{0, 0, 2, 3, 6, 3, 8, 1}}, 1));
  EXPECT_EQ(pattern.getBezierCurve(),
            curveOf({{0, 0, 2, 3, 6, 3, 8, 1}, {8, 1, 8, 1, 10, 0, 10, 0}}));
  EXPECT_EQ(pattern.getBezierCurve().strictIsClosed(), 1);
  EXPECT_EQ(pattern.isMirrored(), 1);
  pattern.setReferenceAndDirections({10, 0}, curveOf({{0, 0, 2, 3, 6, 3, 10, 5e-8}}));
  EXPECT_EQ(pattern.getBezierCurve(), curveOf({{0, 0, 2, 3, 6, 3, 10, 5e-8}}));
  pattern.setReferenceAndDirections({10, 0}, curveOf({{2, 3, 4, 6, 6, 6, 5, 5}}));
  EXPECT_EQ(pattern.getBezierCurve(),
            curveOf({{2, 3, 4, 6, 6, 6, 5, 5}, {5, 5, 5, 5, 12, 3, 12, 3}}));
  pattern.setReferenceAndDirections({0, 7}, TnBezierCurve());
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(0, 7));
  EXPECT_EQ(pattern.getBezierCurve().length(), 0ul);
}

TEST(TnBezierPatternTest, InstallWithoutReferenceAdvancesFromFirstToLastPoint) {
  TnBezierPattern pattern = bezierPattern({10, 0}, curveOf({kArch}));
  const TnBezierCurve curve = curveOf({{1, 1, 0, 3, 2, 6, 4, 5}});
  pattern.setReferenceAndDirections(curve);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(3, 4));
  EXPECT_EQ(pattern.getBezierCurve(), curve);
  EXPECT_PRED2(near, placed(pattern, {0, 0}, {0, 10}, 0), TnVector<double>(0, 5));
  pattern.setReferenceAndDirections(TnBezierCurve());
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(1, 0));
  EXPECT_EQ(pattern.getBezierCurve().length(), 0ul);
}

TEST(TnBezierPatternTest, ComparisonsIgnoreFlagsAndOrderByCurveAlone) {
  const TnBezierPattern pattern = bezierPattern({10, 0}, curveOf({kArch}));
  TnBezierPattern turned = pattern;
  turned.mirror();
  turned.flip();
  EXPECT_EQ(pattern == turned, 1);
  EXPECT_EQ(pattern != turned, 0);
  // Within the closing tolerance the curve is kept as given: only the reference differs.
  const TnBezierPattern tilted = bezierPattern({10, 5e-8}, curveOf({kArch}));
  ASSERT_EQ(tilted.getBezierCurve(), pattern.getBezierCurve());
  EXPECT_EQ(pattern == tilted, 0);
  EXPECT_EQ(pattern != tilted, 1);
  EXPECT_EQ((pattern < tilted) + (pattern > tilted) + (tilted < pattern) + (tilted > pattern), 0);
  // The order is the curves' own, whatever the references.
  const TnBezierPattern later = bezierPattern({9, 0}, curveOf({{1, 0, 4, 4, 8, 4, 10, 0}}));
  EXPECT_EQ((pattern < later) + (later > pattern), 2);
  EXPECT_EQ((later < pattern) + (pattern > later), 0);
}

}  // namespace
