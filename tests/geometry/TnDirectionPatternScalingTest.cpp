#include <gtest/gtest.h>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace {

DirectionPatternProbe patternOf(const TnVector<double>& reference, const Directions& entries) {
  DirectionPatternProbe pattern;
  pattern.setReferenceAndDirections(reference, entries);
  return pattern;
}

// Ends at (6, 0); the box with the start point is (0, 0) to (6, 1).
DirectionPatternProbe zigzag() {
  return patternOf(TnVector<double>(6, 0), motif({{2, 0, 0}, {1, 1, 1}, {1, -1, 0}, {2, 0, 0}}));
}

void expectEntries(const Directions& actual, const Directions& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  auto e = expected.begin();
  for (auto a = actual.begin(); a != actual.end(); ++a, ++e) {
    EXPECT_DOUBLE_EQ(a->first.xval(), e->first.xval());
    EXPECT_DOUBLE_EQ(a->first.yval(), e->first.yval());
    EXPECT_EQ(a->second, e->second);
  }
}

TEST(TnDirectionPatternScalingTest, ScalePatternGrowsDifferencesFromTheFirstVector) {
  DirectionPatternProbe pattern =
      patternOf(TnVector<double>(3, 0), motif({{1, 0, 0}, {1, 1, 1}, {1, -1, 0}}));
  pattern.scalePattern(2.0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{1, 0, 0}, {1, 2, 1}, {1, -2, 0}}));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(3, 2));
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(3, 0));

  const Directions before = pattern.getForwardDirections();
  pattern.scalePattern(1.0000000001);
  EXPECT_EQ(pattern.getForwardDirections(), before);
  TnDirectionPattern single;
  single.scalePattern(5);
  EXPECT_EQ(single.getForwardDirections(), motif({{1, 0, 0}}));
}

TEST(TnDirectionPatternScalingTest, ScaleByPercentageBringsTheEndToSize) {
  DirectionPatternProbe pattern = zigzag();
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 0);
  expectEntries(
      pattern.getForwardDirections(),
      motif(
          {{40.0 / 3, 0, 0}, {20.0 / 3, 20.0 / 3, 1}, {20.0 / 3, -20.0 / 3, 0}, {40.0 / 3, 0, 0}}));
  EXPECT_DOUBLE_EQ(pattern.upperRight.xval(), 40);
  EXPECT_EQ(pattern.getReferenceLine(), TnVector<double>(6, 0));

  pattern = zigzag();
  pattern.scalePatternByPercentage(0.5, 2.0, 40.0, 0);
  expectEntries(
      pattern.getForwardDirections(),
      motif(
          {{20.0 / 3, 0, 0}, {10.0 / 3, 40.0 / 3, 1}, {10.0 / 3, -40.0 / 3, 0}, {20.0 / 3, 0, 0}}));
  EXPECT_DOUBLE_EQ(pattern.upperRight.xval(), 20);

  // Zero arguments stand for the defaults.
  DirectionPatternProbe defaults = zigzag();
  defaults.scalePatternByPercentage(0, 0, 0, 0);
  pattern = zigzag();
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 0);
  EXPECT_EQ(defaults.getForwardDirections(), pattern.getForwardDirections());

  // A closed motif is scaled by its box width.
  pattern = patternOf(TnVector<double>(0, 0), motif({{1, 1, 0}, {1, -1, 0}, {-2, 0, 0}}));
  pattern.scalePatternByPercentage(0.5, 1.0, 40.0, 0);
  expectEntries(pattern.getForwardDirections(), motif({{10, 20, 0}, {10, -20, 0}, {-20, 0, 0}}));
}

TEST(TnDirectionPatternScalingTest, ExtensionAddsLeadInAndRunOutBeyondHalfAUnit) {
  DirectionPatternProbe pattern =
      patternOf(TnVector<double>(2, 0), motif({{-1, 1, 3}, {4, 0, 0}, {-1, -1, 5}}));
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  expectEntries(pattern.getForwardDirections(),
                motif({{10, 0, 3}, {-10, 10, 3}, {40, 0, 0}, {-10, -10, 5}, {10, 0, 5}}));
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(40, 10));
  // Nothing is left to extend.
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections().size(), 5u);

  // Overhangs of exactly half a unit add nothing; the box is clipped to the span.
  pattern = patternOf(TnVector<double>(2, 0), motif({{-0.5, 1, 0}, {3, 0, 0}, {-0.5, -1, 0}}));
  pattern.scalePatternByPercentage(1.0, 1.0, 4.0, 1);
  expectEntries(pattern.getForwardDirections(), motif({{-1, 2, 0}, {6, 0, 0}, {-1, -2, 0}}));
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(4, 2));
}

TEST(TnDirectionPatternScalingTest, MotifWithoutExtentBecomesOneStitch) {
  DirectionPatternProbe pattern = patternOf(TnVector<double>(0, 0), motif({{0, 0, 2}, {0, 0, 0}}));
  pattern.scalePatternByPercentage(0.5, 3.0, 10.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{5, 0, 2}}));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(5, 0));

  pattern.setReferenceAndDirections(Directions());
  pattern.scalePatternByPercentage(0, 0, 0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{40, 0, 0}}));
}

TEST(TnDirectionPatternScalingTest, MotifWithoutWidthIsOnlyExtended) {
  DirectionPatternProbe pattern = patternOf(TnVector<double>(0, 0), motif({{0, 2, 0}, {0, -2, 1}}));
  pattern.lowerLeft = TnVector<double>(9, 9);
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{0, 2, 0}, {0, -2, 1}}));
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(0, 2));
}

TEST(TnDirectionPatternScalingTest, SizeQueryLeavesMotifAndMeasuresPointsAfterStart) {
  DirectionPatternProbe pattern = zigzag();
  const Directions before = pattern.getForwardDirections();
  double width = 0;
  double height = 0;
  pattern.scalePatternAndGetSize(width, height, 40.0, 0);
  EXPECT_DOUBLE_EQ(width, 80.0 / 3);
  EXPECT_DOUBLE_EQ(height, 20.0 / 3);
  EXPECT_EQ(pattern.getForwardDirections(), before);

  // With the extension the ends reach (-1, 0) and (3, 0): r = 10; the box is clipped.
  pattern = patternOf(TnVector<double>(2, 0), motif({{-1, 1, 0}, {4, 0, 0}, {-1, -1, 0}}));
  pattern.scalePatternAndGetSize(width, height, 0, 1);
  EXPECT_DOUBLE_EQ(width, 40);
  EXPECT_DOUBLE_EQ(height, 10);
  EXPECT_EQ(pattern.getForwardDirections().size(), 3u);
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(2, 1));

  // No height, or nothing at all: both results are the size.
  pattern = patternOf(TnVector<double>(2, 0), motif({{1, 0, 0}, {1, 0, 0}}));
  pattern.scalePatternAndGetSize(width, height, 25.0, 0);
  EXPECT_EQ(width, 25);
  EXPECT_EQ(height, 25);
  pattern.setReferenceAndDirections(Directions());
  pattern.scalePatternAndGetSize(width, height, 25.0, 0);
  EXPECT_DOUBLE_EQ(width, 25);
  EXPECT_DOUBLE_EQ(height, 25);
}

}  // namespace
