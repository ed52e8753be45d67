#include <gtest/gtest.h>

#include <utility>

#include "loomset/geometry/TnDirectionPattern.h"
#include "support/DirectionPatternTestSupport.h"

namespace {

// Ends at (5, 0); the needle points after the start span (2, 0) to (5, 1).
DirectionPatternProbe zigzag() {
  return patternOf({5, 0}, motif({{2, 0, 0}, {1, 1, 1}, {1, -1, 0}, {1, 0, 0}}));
}

TEST(TnDirectionPatternScalingTest, ScalePatternGrowsDifferencesFromTheFirstVector) {
  DirectionPatternProbe pattern = patternOf({3, 0}, motif({{1, 0, 0}, {1, 1, 1}, {1, -1, 0}}));
  const Directions doubled = motif({{1, 0, 0}, {1, 2, 1}, {1, -2, 0}});
  pattern.scalePattern(2.0);
  EXPECT_EQ(pattern.getForwardDirections(), doubled);
  EXPECT_EQ(pattern.upperRight, TnVector<double>(3, 2));
  pattern.scalePattern(1.0000000001);
  EXPECT_EQ(pattern.getForwardDirections(), doubled);
}

TEST(TnDirectionPatternScalingTest, ScaleByPercentageBringsTheEndToSize) {
  DirectionPatternProbe pattern = zigzag();
  pattern.scalePatternByPercentage(0.5, 2.0, 60.0, 0);
  EXPECT_EQ(pattern.getForwardDirections(),
            motif({{12, 0, 0}, {6, 24, 1}, {6, -24, 0}, {6, 0, 0}}));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(30, 24));
  // Zero arguments stand for 1, 1 and 40.
  pattern = zigzag();
  pattern.scalePatternByPercentage(0, 0, 0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{16, 0, 0}, {8, 8, 1}, {8, -8, 0}, {8, 0, 0}}));
  // A closed motif is scaled by its box width.
  pattern = patternOf({0, 0}, motif({{1, 1, 0}, {1, -1, 0}, {-2, 0, 0}}));
  pattern.scalePatternByPercentage(0.5, 1.0, 40.0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{10, 20, 0}, {10, -20, 0}, {-20, 0, 0}}));
}

TEST(TnDirectionPatternScalingTest, ExtensionAddsLeadInAndRunOutBeyondHalfAUnit) {
  DirectionPatternProbe pattern = patternOf({2, 0}, motif({{-1, 1, 3}, {4, 0, 0}, {-1, -1, 5}}));
  const Directions extended =
      motif({{10, 0, 3}, {-10, 10, 3}, {40, 0, 0}, {-10, -10, 5}, {10, 0, 5}});
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), extended);
  // Nothing is left to extend.
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), extended);
  // Overhangs of exactly half a unit add nothing; the box is clipped to the span.
  pattern = patternOf({2, 0}, motif({{-0.5, 1, 0}, {3, 0, 0}, {-0.5, -1, 0}}));
  pattern.scalePatternByPercentage(1.0, 1.0, 4.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{-1, 2, 0}, {6, 0, 0}, {-1, -2, 0}}));
  EXPECT_EQ(std::make_pair(pattern.lowerLeft, pattern.upperRight),
            std::make_pair(TnVector<double>(0, 0), TnVector<double>(4, 2)));
}

TEST(TnDirectionPatternScalingTest, MotifWithoutExtentBecomesOneStitchOneWithoutWidthKeepsItsSize) {
  DirectionPatternProbe pattern = patternOf({0, 0}, motif({{0, 0, 2}, {0, 0, 0}}));
  pattern.scalePatternByPercentage(0.5, 3.0, 10.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{5, 0, 2}}));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(5, 0));
  pattern.setReferenceAndDirections(Directions());
  pattern.scalePatternByPercentage(0, 0, 0, 0);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{40, 0, 0}}));
  // No width gives no factor; the box is recomputed all the same.
  pattern = patternOf({0, 0}, motif({{0, 2, 0}, {0, -2, 1}}));
  pattern.lowerLeft = TnVector<double>(9, 9);
  pattern.scalePatternByPercentage(1.0, 1.0, 40.0, 1);
  EXPECT_EQ(pattern.getForwardDirections(), motif({{0, 2, 0}, {0, -2, 1}}));
  EXPECT_EQ(pattern.lowerLeft, TnVector<double>(0, 0));
}

TEST(TnDirectionPatternScalingTest, SizeQueryMeasuresThePointsAfterTheStart) {
  DirectionPatternProbe pattern = zigzag();
  double width = 0;
  double height = 0;
  pattern.scalePatternAndGetSize(width, height, 40.0, 0);
  EXPECT_DOUBLE_EQ(width, 24);
  EXPECT_DOUBLE_EQ(height, 8);
  // With the extension the ends reach (-1, 0) and (3, 0), so r = 10; the box is clipped.
  pattern = patternOf({2, 0}, motif({{-1, 1, 0}, {4, 0, 0}, {-1, -1, 0}}));
  pattern.scalePatternAndGetSize(width, height, 0, 1);
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(40.0, 10.0));
  EXPECT_EQ(pattern.upperRight, TnVector<double>(2, 1));
  // No height, or nothing at all: both results are the size.
  pattern = patternOf({2, 0}, motif({{1, 0, 0}, {1, 0, 0}}));
  pattern.scalePatternAndGetSize(width, height, 25.0, 0);
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(25.0, 25.0));
  pattern.setReferenceAndDirections(Directions());
  pattern.scalePatternAndGetSize(width, height, 25.0, 0);
  EXPECT_EQ(std::make_pair(width, height), std::make_pair(25.0, 25.0));
}

}  // namespace
