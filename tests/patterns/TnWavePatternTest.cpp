#include "loomset/patterns/TnWavePattern.h"

#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"
#include "support/StreamBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Three segments joined end to start from (0, 0); every coordinate is exact in single precision.
const TnCoord<double> kPoints[] = {{0, 0},  {1, 2},  {3, 2},  {4, 0},  {5, -2.5},
                                   {8, -2}, {10, 0}, {11, 1}, {13, 1}, {14, 0.75}};

// The first `segmentCount` segments along `reference`.
TnWavePattern wave(const char* name, int segmentCount, const TnVector<double>& reference,
                   int closed = 0) {
  TnBezierCurve curve;
  for (int i = 0; i < segmentCount; ++i) curve.getSegments().add(TnBezier(&kPoints[3 * i]));
  curve.setStrictIsClosed(closed);
  TnBezierPattern pattern;
  pattern.setReferenceAndDirections(reference, curve);
  TnWavePattern record;
  record.rename(name);
  record.setPattern(pattern);
  return record;
}

// wave("W", 2, (10, 0), closed) as the stream holds it, under the given versions.
Bytes twoSegmentBytes(int version, int bezierVersion, int closed) {
  StreamBytes bytes;
  bytes.s(version).str("W").s(bezierVersion).f(10, 0).s(2);
  for (int i = 0; i < 8; ++i) bytes.f(kPoints[i - i / 4].xval(), kPoints[i - i / 4].yval());
  return bytes.s(closed).bytes();
}

TEST(TnWavePatternTest, PrintsOneLineOfFourPointsPerSegmentAndAnEmptyLine) {
  std::ostringstream out;
  EXPECT_EQ(&wave("Two", 2, {10, 0}).printTo(out), &out);
  TnWavePattern().printTo(out);
  EXPECT_EQ(out.str(),
            "TnWavePattern [Two]\nThe Reference Direction : (10, 0) \nThe Bezier Curve : \n"
            "\t\t(0, 0), (1, 2), (3, 2), (4, 0), \n"
            "\t\t(4, 0), (5, -2.5), (8, -2), (10, 0), \n\n"
            "TnWavePattern []\nThe Reference Direction : (0, 0) \nThe Bezier Curve : \n\n");
}

TEST(TnWavePatternTest, SetPatternKeepsTheNameAndSamePatternLooksOnlyAtTheBezierPattern) {
  TnBezierPattern flipped = wave("", 2, {10, 0}).getPattern();
  flipped.flip();
  TnWavePattern record = wave("Kept", 1, {4, 0});
  record.setPattern(flipped);
  EXPECT_EQ(record.getId(), "Kept");
  EXPECT_EQ(record.getPattern() == flipped, 1);
  EXPECT_EQ(record.isSamePattern(wave("Other", 2, {10, 0})), 1);
  // The same curve along another reference line is another wave; this one is within the closing
  // tolerance, so the curve gains no segment.
  const TnWavePattern nudged = wave("Kept", 2, {10, 1e-8});
  EXPECT_EQ(nudged.getPattern().getBezierCurve() == flipped.getBezierCurve(), 1);
  EXPECT_EQ(record.isSamePattern(nudged), 0);
}

TEST(TnWavePatternStreamTest, WritesTheExactRecordReadsItBackAndStopsAtAFailure) {
  EXPECT_EQ(written(wave("W", 2, {10, 0}, 1)), twoSegmentBytes(1, 1, 1));
  reread(wave("W", 2, {10, 0}, 1));
  expectWriteStopsAtTheFirstFailure(wave("Wave", 2, {10, 0}));
  TnWavePattern record;
  EXPECT_EQ(record.write(nullptr) + record.read(nullptr), 2);
}

TEST(TnWavePatternStreamTest, ReadFailsOnABezierPatternOfAnUnknownVersion) {
  // It is no version mismatch of this record: the name is replaced already.
  TnWavePattern record = wave("Before", 3, {14, 0.75});
  EXPECT_EQ(readBytes(record, twoSegmentBytes(1, 2, 0)), 1);
  EXPECT_EQ(written(record), written(wave("W", 3, {14, 0.75})));
}

}  // namespace
