#include "cli/PreviewSheet.h"

#include <gtest/gtest.h>

#include "tool/SvgCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/Shapes.h"

namespace {

using loomset::tool::PreviewSheet;
using Directions = TnDirectionPattern::Directions;

std::string written(const PreviewSheet& sheet) {
  std::ostringstream out;
  sheet.write(out);
  return out.str();
}

// Whether an XML parser accepts the document, and finds an SVG root.
bool isWellFormed(const std::string& document) {
  const std::string path = ::testing::TempDir() + "loomset_preview_sheet_test.svg";
  std::ofstream(path, std::ios::binary) << document;
  return loomset::test::parsesAsSvg(path);
}

std::size_t occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TnDirectionPattern motif(const Directions& entries) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(entries);
  return pattern;
}

// One segment, advancing from its first point to its last.
TnBezierPattern oneSegment(const SegmentPoints& points) {
  TnBezierPattern pattern;
  pattern.setReferenceAndDirections(curveOf({points}));
  return pattern;
}

TEST(PreviewSheetTest, WritesAWellFormedSheetWithAPanelPerPatternAndReadableLabels) {
  PreviewSheet sheet;
  sheet.addSection("Fills & <more>");
  TnFillPattern fill;
  const unsigned char offsets[] = {0, 50};
  // Names are single-byte text: the marker 0xBB (octal 273) is shown as the character it is.
  fill.init("Tatami \2731", 30, 2, offsets);
  sheet.addFill(fill);
  sheet.addDirection("Zigzag", motif({{{1.0, 2.0}, 0}, {{1.0, -2.0}, 0}}));
  TnProgrammedPattern programmed;
  programmed.rename("Lockstitch");
  programmed.setPatternDescription(
      {{TnString("1"), motif({{{2.0, 0.0}, 0}})}, {TnString("2"), motif({{{1.0, 1.0}, 1}})}});
  sheet.addProgrammed(programmed);
  TnWavePattern wave;
  wave.rename("Wave");
  wave.setPattern(oneSegment({0, 0, 1, 2, 2, -2, 3, 0}));
  sheet.addWave(wave);
  sheet.addBezier("Scallop", oneSegment({0, 0, 0, 3, 4, 3, 4, 0}));
  TnVectorPattern vector;
  vector.rename("Leaf");
  vector.setDimension(TnVector<int>(100, 50));
  vector.getCurves().add(curveOf({{0, 0, 10, 40, 90, 40, 100, 0}}));
  sheet.addVector(vector);

  EXPECT_EQ(sheet.panelCount(), 6);
  const std::string svg = written(sheet);
  EXPECT_TRUE(isWellFormed(svg));
  for (const char* label :
       {">Fills &amp; &lt;more&gt;<", ">Tatami \302\2731<", ">Zigzag<", ">Lockstitch<", ">Wave<",
        ">Scallop<", ">Leaf<", ">thread 1<", ">thread 2<"})
    EXPECT_NE(svg.find(label), std::string::npos) << label;
}

TEST(PreviewSheetTest, DegeneratePatternsGiveAFiniteWellFormedDocument) {
  PreviewSheet sheet;
  TnFillPattern zeroLength;
  zeroLength.init("zero", 0);
  sheet.addFill(zeroLength);
  sheet.addDirection("empty", motif({}));
  sheet.addDirection("not a number", motif({{{1.0, 0.0}, 0}, {{std::nan(""), 1.0}, 0}}));
  sheet.addDirection("huge", motif({{{1e300, 0.0}, 0}, {{1e300, 1e300}, 1}}));
  sheet.addBezier("loop", oneSegment({0, 0, 3, 3, -3, 3, 0, 0}));
  sheet.addBezier("broken", oneSegment({0, 0, std::nan(""), 1, 1e300, 1, 3, 0}));
  TnVectorPattern vector;
  vector.setDimension(TnVector<int>(0, -5));
  vector.getCurves().add(curveOf({{0, 0, 1, 2, 2, 2, 3, 0}}));
  vector.getCurves().add(curveOf({{1e300, 0, 1, 2, 2, 2, 3, 0}}));
  sheet.addVector(vector);
  sheet.addProgrammed(TnProgrammedPattern());

  EXPECT_EQ(sheet.panelCount(), 8);
  const std::string svg = written(sheet);
  EXPECT_TRUE(isWellFormed(svg));
  EXPECT_LT(svg.size(), 100000u);
  std::string lower(svg);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  EXPECT_EQ(lower.find("nan"), std::string::npos);
  EXPECT_EQ(lower.find("inf"), std::string::npos);
  // What was left out is marked: the NaN and huge motifs, the broken curve and the far curve.
  EXPECT_EQ(occurrences(svg, ">partly drawn<"), 4u);
}

TEST(PreviewSheetTest, RepeatsAMotifAlongItsRunUpToTheCap) {
  // Tall and narrow: it asks for far more repeats than the run takes.
  PreviewSheet sheet;
  sheet.addDirection("tall", motif({{{0.01, 5.0}, 0}, {{0.01, -5.0}, 1}}));
  const std::string svg = written(sheet);
  // The start point and two needle points for each of 12 repeats, besides the key's dot.
  EXPECT_EQ(occurrences(svg, "<circle"), 1u + 1u + 12u * 2u);
  EXPECT_EQ(occurrences(svg, "stroke-dasharray=\"4 3\""), 2u);  // the key's and the jumps'
}

TEST(PreviewSheetTest, LaysEachCurveRepeatWhereTheLastOneEnded) {
  PreviewSheet sheet;
  sheet.addBezier("scallop", oneSegment({0, 0, 0, 3, 4, 3, 4, 0}));
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
