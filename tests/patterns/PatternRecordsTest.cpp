// What the four pattern records promise besides their streams: building, comparing and printing.
#include <gtest/gtest.h>

#include <list>
#include <sstream>
#include <string>
#include <utility>

#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"
#include "support/Shapes.h"

namespace {

using Fractions = std::list<double>;  // quarter percentages give exact fractions
const unsigned char kTweed[] = {25, 25, 50};

template <class Record>
std::string printed(const Record& record) {
  std::ostringstream out;
  EXPECT_EQ(&record.printTo(out), &out);
  return out.str();
}

TnFillPattern fill(const TnString& name, short length, short count, const unsigned char* bytes) {
  TnFillPattern pattern;
  EXPECT_EQ(pattern.init(name, length, count, bytes), 0);
  return pattern;
}

TEST(TnFillPatternTest, InitTakesUnsignedPercentsOnceUnlessTheRecordIsRandom) {
  EXPECT_EQ(printed(TnFillPattern()), "TnFillPattern []\n  Stitch Len: 0\n  Offsets: Random\n");
  const unsigned char letterO[] = {'o', 10};
  for (const auto& [count, bytes] : {std::pair<short, const unsigned char*>{2, letterO},
                                     {0, kTweed},
                                     {-3, kTweed},
                                     {3, nullptr}}) {
    EXPECT_EQ(printed(fill("R", 12, count, bytes)),
              "TnFillPattern [R]\n  Stitch Len: 12\n  Offsets: Random\n");
  }
  // Without offsets the record may be initialised again; once it holds one, it is fixed.
  TnFillPattern one = fill("One", 12, 1, kTweed);
  EXPECT_EQ(one.init("Late", 5), 1);
  TnFillPattern pattern = fill("R", 12, 0, nullptr);
  EXPECT_EQ(pattern.init("Tweed", 30, 3, kTweed), 0);
  EXPECT_EQ(pattern.init("Late", 5) + pattern.init("Late", 5, 1, kTweed), 2);
  EXPECT_EQ(printed(pattern), "TnFillPattern [Tweed]\n  Stitch Len: 30\n  Offsets: 25 25 50\n");
  EXPECT_EQ(pattern.getOldOffsets(), (Fractions{0.25, 0.25, 0.5}));
  EXPECT_EQ(pattern.getOffsets(), (Fractions{0.25, 0.75, 0.5}));
  const unsigned char high[] = {200, 200, 255};
  const TnFillPattern clamped = fill("High", -7, 3, high);
  EXPECT_EQ(clamped.getStitchLength(), -7.0);
  EXPECT_EQ(clamped.getOldOffsets(), (Fractions{1, 1, 1}));
  EXPECT_EQ(clamped.getOffsets(), (Fractions{1, 0, 1}));
}

TEST(PatternRecordsTest, SamePatternComparesContentButNotNames) {
  const TnFillPattern tweed = fill("Tweed", 30, 3, kTweed);
  EXPECT_EQ(tweed.isSamePattern(fill("Other", 30, 3, kTweed)), 1);
  const unsigned char reordered[] = {25, 50, 25};
  for (const TnFillPattern& other : {fill("T", 31, 3, kTweed), fill("T", 30, 3, reordered),
                                     fill("T", 30, 2, kTweed), fill("T", 30, 0, kTweed)}) {
    EXPECT_EQ(tweed.isSamePattern(other) + other.isSamePattern(tweed), 0);
  }

  TnDirectionPattern flipped;
  flipped.flip();
  const TnDirectionPattern zigzag = patternOf({2, 0}, motif({{1, 1, 0}}));
  const auto programmed = [](const TnProgrammedPattern::Description& description) {
    TnProgrammedPattern pattern;
    pattern.rename("P");
    pattern.setPatternDescription(description);
    return pattern;
  };
  const TnProgrammedPattern two = programmed({{"Red", TnDirectionPattern()}, {"Blue", zigzag}});
  // Equal motifs with other flags are the same; another order, thread or length is not.
  EXPECT_EQ(two.isSamePattern(programmed({{"Red", flipped}, {"Blue", zigzag}})), 1);
  for (const TnProgrammedPattern& other :
       {programmed({{"Blue", zigzag}, {"Red", TnDirectionPattern()}}),
        programmed({{"Red", TnDirectionPattern()}, {"Green", zigzag}}),
        programmed({{"Red", TnDirectionPattern()}, {"Blue", TnDirectionPattern()}}),
        programmed({{"Red", TnDirectionPattern()}})}) {
    EXPECT_EQ(two.isSamePattern(other) + other.isSamePattern(two), 0);
  }
  EXPECT_EQ(programmed({}).isSamePattern(TnProgrammedPattern()), 1);

  const auto vector = [](int x, int y, int curves) {
    TnVectorPattern pattern;
    pattern.setDimension(TnVector<int>(x, y));
    for (int i = 0; i < curves; ++i)
      pattern.getCurves().add(curveOf({{0, 0, 1, 1, 2, 1, 1.0 * i, 0}}));
    return pattern;
  };
  EXPECT_EQ(vector(10, 20, 2).isSamePattern(vector(10, 20, 2)), 1);
  EXPECT_EQ(vector(10, 20, 2).getDimension(), TnVector<int>(10, 20));
  for (const TnVectorPattern& other : {vector(20, 10, 2), vector(10, 21, 2), vector(10, 20, 1)})
    EXPECT_EQ(vector(10, 20, 2).isSamePattern(other), 0);

  // A wave is its Bezier pattern: flags aside, the reference line counts as well as the curve.
  TnBezierPattern arch;
  arch.setReferenceAndDirections({10, 0}, curveOf({{0, 0, 3, 4, 7, 4, 10, 0}}));
  TnWavePattern wave;
  wave.rename("Kept");
  wave.setPattern(arch);
  EXPECT_EQ(wave.getId(), "Kept");
  arch.mirror();
  TnWavePattern other;
  other.setPattern(arch);
  EXPECT_EQ(wave.isSamePattern(other), 1);
  arch.setReferenceAndDirections({10, 1e-8}, arch.getBezierCurve());
  other.setPattern(arch);
  EXPECT_EQ(wave.isSamePattern(other), 0);
}

TEST(PatternRecordsTest, PrintsTheDiagnosticTexts) {
  TnProgrammedPattern programmed;
  programmed.rename("Two");
  programmed.setPatternDescription(
      {{"Red", TnDirectionPattern()}, {"Blue", patternOf({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}))}});
  EXPECT_EQ(printed(programmed),
            "TnProgrammedPattern [Two]\n"
            "  Direction Pattern[1]: \nThread Identifier: Red\nTheReference Direction : (1, 0) \n"
            "\t\t(0, 1), \n"
            "  Direction Pattern[2]: \nThread Identifier: Blue\nTheReference Direction : (2, 0) \n"
            "\t\t(0, 1), \n\t\t(-1, 1), \n\t\t(1, 0), \n\n");
  EXPECT_EQ(printed(TnProgrammedPattern()), "TnProgrammedPattern []\n\n");

  TnVectorPattern vector;
  vector.rename("Vase");
  vector.setDimension(TnVector<int>(10, -20));
  vector.getCurves().add(curveOf({{0.5, 2, 1.5, 1, 2.5, 0, 3.5, -1}, {1, 1, 2, 0, 3, -1, 4, -2}}));
  vector.getCurves().add(TnBezierCurve());
  EXPECT_EQ(printed(vector),
            "TnVectorPattern [Vase]\n  The Dimension: (10, -20)\n  Curve[0]: \n"
            "\t\t(0.5, 2), (1.5, 1), (2.5, 0), (3.5, -1), \n"
            "\t\t(1, 1), (2, 0), (3, -1), (4, -2), \n"
            "  Curve[1]: \n\n");

  TnBezierPattern wavy;
  wavy.setReferenceAndDirections(
      {10, 0}, curveOf({{0, 0, 1, 2, 3, 2, 4, 0}, {4, 0, 5, -2.5, 8, -2, 10, 0}}));
  TnWavePattern wave;
  wave.rename("W");
  wave.setPattern(wavy);
  EXPECT_EQ(printed(wave) + printed(TnWavePattern()),
            "TnWavePattern [W]\nThe Reference Direction : (10, 0) \nThe Bezier Curve : \n"
            "\t\t(0, 0), (1, 2), (3, 2), (4, 0), \n"
            "\t\t(4, 0), (5, -2.5), (8, -2), (10, 0), \n\n"
            "TnWavePattern []\nThe Reference Direction : (0, 0) \nThe Bezier Curve : \n\n");
}

}  // namespace
