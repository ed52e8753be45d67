#include "loomset/patterns/TnVectorPattern.h"

#include <initializer_list>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"
#include "support/StreamBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A segment whose control point k is (x + k, y - k); fSegment puts its F points on `bytes`.
TnBezier segment(double x, double y) {
  return TnBezier({x, y}, {x + 1, y - 1}, {x + 2, y - 2}, {x + 3, y - 3});
}
StreamBytes& fSegment(StreamBytes& bytes, double x, double y) {
  for (int k = 0; k < 4; ++k) bytes.f(x + k, y - k);
  return bytes;
}

TnVectorPattern record(const char* name, int x, int y,
                       std::initializer_list<std::initializer_list<TnBezier>> curves) {
  TnVectorPattern pattern;
  pattern.rename(name);
  pattern.setDimension(TnVector<int>(x, y));
  for (const auto& segments : curves) {
    TnBezierCurve& curve = pattern.getCurves().add(TnBezierCurve());
    for (const TnBezier& s : segments) curve.getSegments().add(s);
  }
  return pattern;
}

TEST(TnVectorPatternStreamTest, WritesVersion2ReadsItBackAndStopsAtTheFirstFailure) {
  const TnVectorPattern original =
      record("Vase", 10, 20, {{segment(0.5, 2), segment(-3.25, 1e6)}, {segment(7, 8)}, {}});
  StreamBytes expected;
  fSegment(fSegment(expected.s(2).str("Vase").l(10).l(20).l(3).l(2), 0.5, 2), -3.25, 1e6);
  EXPECT_EQ(written(original), fSegment(expected.l(1), 7, 8).l(0).bytes());
  reread(original);
  expectWriteStopsAtTheFirstFailure(original);
}

TEST(TnVectorPatternStreamTest, ReadsVersion1DoublePoints) {
  StreamBytes version1;
  version1.s(1).str("Old").l(3).l(-4).l(1).l(1).d(0.1, 0.25).d(1, 2).d(3, 4).d(5, 6);
  StreamBytes version2;
  version2.s(2).str("Old").l(3).l(-4).l(1).l(1).f(0.1, 0.25).f(1, 2).f(3, 4).f(5, 6);
  TnVectorPattern pattern;
  ASSERT_EQ(readBytes(pattern, version1), 0);
  EXPECT_EQ(pattern.getCurves()[0][0][0].xval(), 0.1);  // not rounded to single precision
  EXPECT_EQ(written(pattern), version2.bytes());
  EXPECT_EQ(pattern.read(nullptr) + pattern.write(nullptr), 2);
}

TEST(TnVectorPatternStreamTest, ReadAppendsCurvesAfterThoseHeld) {
  const std::initializer_list<TnBezier> three = {segment(2, 2), segment(3, 3), segment(4, 4)};
  const Bytes bytes = written(record("New", 10, 20, {{segment(1, 1)}, three}));
  TnVectorPattern pattern = record("Old", 7, 8, {{segment(9, 9)}});
  EXPECT_EQ(readBytes(pattern, bytes), 0);
  EXPECT_EQ(written(pattern),
            written(record("New", 10, 20, {{segment(9, 9)}, {segment(1, 1)}, three})));
}

TEST(TnVectorPatternTest, SamePatternComparesDimensionAndCurvesButNotNames) {
  const TnVectorPattern pattern = record("A", 10, 20, {{segment(1, 1)}, {}});
  EXPECT_EQ(pattern.isSamePattern(record("B", 10, 20, {{segment(1, 1)}, {}})), 1);
  EXPECT_EQ(pattern.isSamePattern(record("A", 20, 10, {{segment(1, 1)}, {}})), 0);
  EXPECT_EQ(pattern.isSamePattern(record("A", 10, 21, {{segment(1, 1)}, {}})), 0);
  EXPECT_EQ(pattern.isSamePattern(record("A", 10, 20, {{}, {segment(1, 1)}})), 0);
}

TEST(TnVectorPatternTest, PrintsEveryCurveFromZeroAndEndsWithAnEmptyLine) {
  const TnVectorPattern pattern = record("Two", 10, -20, {{segment(0.5, 2), segment(1, 1)}, {}});
  std::ostringstream out;
  EXPECT_EQ(&pattern.printTo(out), &out);
  EXPECT_EQ(out.str(),
            "TnVectorPattern [Two]\n  The Dimension: (10, -20)\n  Curve[0]: \n"
            "\t\t(0.5, 2), (1.5, 1), (2.5, 0), (3.5, -1), \n"
            "\t\t(1, 1), (2, 0), (3, -1), (4, -2), \n"
            "  Curve[1]: \n\n");
}

}  // namespace
