#include "loomset/patterns/TnWavePattern.h"

#include <cstddef>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/foundation/TnMemoryStream.h"

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

TEST(TnWavePatternStreamTest, WritesTheExactRecordAndReadsItBackToTheSameBytes) {
  const Bytes bytes = written(wave("W", 2, {10, 0}, 1));
  EXPECT_EQ(bytes, twoSegmentBytes(1, 1, 1));
  TnWavePattern copy;
  TnMemoryStream stream(bytes);
  ASSERT_EQ(copy.read(&stream), 0);
  EXPECT_EQ(copy.getId(), "W");
  EXPECT_EQ(copy.isSamePattern(wave("", 2, {10, 0})), 1);
  EXPECT_EQ(written(copy), bytes);
}

TEST(TnWavePatternStreamTest, ReadRefusesOtherVersionsAndFailsWithTheBezierPattern) {
  const TnWavePattern three = wave("Before", 3, {14, 0.75});
  for (int version : {0, 2}) {
    TnWavePattern record = three;
    TnMemoryStream stream(twoSegmentBytes(version, 1, 0));
    EXPECT_EQ(record.read(&stream), 2);
    EXPECT_EQ(stream.readPosition(), 2u);  // the name is left on the stream
    EXPECT_EQ(written(record), written(three));
  }
  // An unknown version of the embedded record fails this one; the name is replaced already.
  TnWavePattern record = three;
  TnMemoryStream unknown(twoSegmentBytes(1, 2, 0));
  EXPECT_EQ(record.read(&unknown), 1);
  EXPECT_EQ(written(record), written(wave("W", 3, {14, 0.75})));
  // Version and name, the Bezier header, two whole segments, then half of the third.
  const Bytes bytes = written(wave("Cut", 3, {14, 0.75}));
  TnMemoryStream truncated(Bytes(bytes.begin(), bytes.begin() + 7 + 12 + 2 * 32 + 16));
  EXPECT_EQ(record.read(&truncated), 1);
  EXPECT_EQ(record.getId(), "Cut");
  EXPECT_EQ(record.getPattern().getReferenceLine(), TnVector<double>(14, 0.75));
  EXPECT_EQ(
      record.getPattern().getBezierCurve() == wave("", 2, {10, 0}).getPattern().getBezierCurve(),
      1);
  EXPECT_EQ(record.read(nullptr), 1);
}

TEST(TnWavePatternStreamTest, WriteStopsAtTheFirstFailure) {
  TnWavePattern record = wave("Limited", 2, {10, 0});
  const Bytes full = written(record);
  // The version fits but the name does not; then all but the closed flag fits.
  for (std::size_t kept : {std::size_t{2}, full.size() - 2}) {
    TnMemoryStream limited;
    limited.setWriteLimit(kept + 1);
    EXPECT_EQ(record.write(&limited), 1);
    EXPECT_EQ(limited.bytes(), Bytes(full.begin(), full.begin() + kept));
  }
  EXPECT_EQ(record.write(nullptr), 1);
}

}  // namespace
