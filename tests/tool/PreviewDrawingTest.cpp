#include "cli/PreviewDrawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "cli/SvgDocument.h"
#include "support/Shapes.h"

namespace {

using loomset::tool::PreviewDrawing;
using Point = PreviewDrawing::Point;

std::string drawn(const PreviewDrawing& drawing, double width, double height, double scale) {
  loomset::tool::SvgDocument svg;
  drawing.draw(svg, 100.0, 50.0, width, height, scale, 0);
  std::ostringstream out;
  svg.write(out, 400.0, 200.0);
  return out.str();
}

TEST(PreviewDrawingTest, DrawsACubicSegmentAsOneCurveCommandTurnedUpsideDown) {
  PreviewDrawing drawing;
  // The offset moves the bounds with the curve, so the picture is the same.
  drawing.addCurve(curveOf({{0, 0, 10, 20, 30, 20, 40, 0}}), TnVector<double>(5.0, -3.0));
  EXPECT_DOUBLE_EQ(drawing.fitScale(80.0, 40.0), 2.0);
  // 40 x 20 at scale 2 fills the 80 x 40 box at (100, 50); y grows downwards there.
  EXPECT_NE(drawn(drawing, 80.0, 40.0, 2.0).find("d=\"M 100 90 C 120 50 160 50 180 90\""),
            std::string::npos);
}

TEST(PreviewDrawingTest, LeavesOutWhatCannotBeDrawnAndStaysBounded) {
  PreviewDrawing drawing;
  Point needle(0.0, 0.0);
  const TnDirectionPattern::Directions entries = {{TnVector<double>(1.0, 0.0), 0},
                                                  {TnVector<double>(std::nan(""), 0.0), 0},
                                                  {TnVector<double>(1.0, 0.0), 0}};
  EXPECT_FALSE(drawing.follow(needle, entries));
  EXPECT_EQ(needle, Point(1.0, 0.0));
  EXPECT_FALSE(drawing.follow(needle, {{TnVector<double>(1e300, 0.0), 1}}));
  EXPECT_DOUBLE_EQ(drawing.bounds().width(), 1.0);

  // A segment with a point out of range splits the curve in two.
  PreviewDrawing curves;
  curves.addCurve(
      curveOf({{0, 0, 1, 1, 2, 1, 3, 0}, {3, 0, 2e9, 0, 4, 1, 5, 0}, {5, 0, 6, 1, 7, 1, 8, 0}}),
      TnVector<double>());
  const std::string svg = drawn(curves, 80.0, 10.0, 10.0);
  EXPECT_NE(svg.find("d=\"M 100 60 C"), std::string::npos);
  EXPECT_NE(svg.find("d=\"M 150 60 C"), std::string::npos);
  EXPECT_DOUBLE_EQ(curves.bounds().width(), 8.0);

  // However long the motif, the drawing takes a bounded number of needle points.
  PreviewDrawing full;
  Point start(0.0, 0.0);
  const TnDirectionPattern::Directions many(10000, {TnVector<double>(1.0, 0.0), 0});
  EXPECT_FALSE(full.follow(start, many));
  EXPECT_LT(start.xval(), 10000.0);
  EXPECT_TRUE(PreviewDrawing().isEmpty());
}

}  // namespace
