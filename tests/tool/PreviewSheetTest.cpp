#include "cli/PreviewSheet.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <vector>

#include "support/Shapes.h"

namespace {

using loomset::tool::PreviewSheet;

std::string written(const PreviewSheet& sheet) {
  std::ostringstream out;
  sheet.write(out);
  return out.str();
}

// One segment, advancing from its first point to its last.
TnBezierPattern oneSegment(const SegmentPoints& points) {
  TnBezierPattern pattern;
  pattern.setReferenceAndDirections(curveOf({points}));
  return pattern;
}

TEST(PreviewSheetTest, LaysEachCurveRepeatWhereTheLastOneEnded) {
  PreviewSheet sheet;
  sheet.add("scallop", oneSegment({0, 0, 0, 3, 4, 3, 4, 0}));
  const std::string svg = written(sheet);
  // Three repeats of a 4-wide, 3-high arch; each path is "M x y C x1 y1 x2 y2 x3 y3".
  std::vector<std::array<double, 8>> paths;
  for (auto at = svg.find("d=\"M "); at != std::string::npos; at = svg.find("d=\"M ", at + 1)) {
    std::array<double, 8> p;
    if (std::sscanf(svg.c_str() + at, "d=\"M %lf %lf C %lf %lf %lf %lf %lf %lf\"", &p[0], &p[1],
                    &p[2], &p[3], &p[4], &p[5], &p[6], &p[7]) == 8)
      paths.push_back(p);
  }
  ASSERT_EQ(paths.size(), 3u);
  const double scale = (paths[0][6] - paths[0][0]) / 4.0;
  EXPECT_GT(scale, 0.0);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const std::array<double, 8>& p = paths[i];
    EXPECT_NEAR(p[2], p[0], 0.01);  // (0, 3): straight up
    EXPECT_NEAR(p[3], p[1] - 3.0 * scale, 0.02);
    EXPECT_NEAR(p[4], p[0] + 4.0 * scale, 0.02);  // (4, 3)
    EXPECT_NEAR(p[7], p[1], 0.01);                // ends level with its start
    if (i > 0) {
      EXPECT_NEAR(p[0], paths[i - 1][6], 0.01);
      EXPECT_NEAR(p[1], paths[i - 1][7], 0.01);
    }
  }
}

}  // namespace
