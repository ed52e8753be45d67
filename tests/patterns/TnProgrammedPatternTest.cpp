#include "loomset/patterns/TnProgrammedPattern.h"

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "loomset/foundation/TnMemoryStream.h"
#include "support/DirectionPatternTestSupport.h"

namespace {

using Description = TnProgrammedPattern::Description;
using Bytes = std::vector<unsigned char>;

TnDirectionPattern shaped(const TnVector<double>& reference, const Directions& steps) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(reference, steps);
  return pattern;
}

// The default stitch, a closed motif with jumps, and one turned from an upright reference line.
const Description kPairs = {{"Red", TnDirectionPattern()},
                            {"Blue", shaped({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}))},
                            {"Red", shaped({0, 6}, motif({{0, 2, 0}, {1, 2, -1}, {-1, 2, 0}}))}};
const auto& kFirst = kPairs.front();
const auto& kSecond = *std::next(kPairs.begin());

TnProgrammedPattern record(const char* name, const Description& description) {
  TnProgrammedPattern pattern;
  pattern.rename(name);
  pattern.setPatternDescription(description);
  return pattern;
}

TEST(TnProgrammedPatternStreamTest, WritesTheExactRecordReadsItBackAndStopsAtAFailure) {
  EXPECT_EQ(written(TnProgrammedPattern()), (Bytes{1, 0, 0, 0, 0, 0}));
  // A pair is its thread identifier, then the direction pattern's own record.
  Bytes expected = StreamBytes().s(1).str("P").s(1).str("Blue").bytes();
  const Bytes motifBytes = written(kSecond.second);
  expected.insert(expected.end(), motifBytes.begin(), motifBytes.end());
  EXPECT_EQ(written(record("P", {kSecond})), expected);
  // The read replaces the pairs held before.
  reread(record("Pattern \xBB 1", kPairs), record("old", {{"x", TnDirectionPattern()}}));
  expectWriteStopsAtTheFirstFailure(record("P", kPairs));
}

TEST(TnProgrammedPatternStreamTest, WriteStopsBeforeAVectorSinglePrecisionCannotHold) {
  DirectionPatternProbe bad;
  bad.directions = motif({{1, 0, 0}, {-1e39, 0, 0}});
  TnMemoryStream stream;
  EXPECT_EQ(record("P", {kSecond, {"Bad", bad}}).write(&stream), 1);
  Bytes expected = StreamBytes().s(1).str("P").s(2).str("Blue").bytes();
  const Bytes motifBytes = written(kSecond.second);
  expected.insert(expected.end(), motifBytes.begin(), motifBytes.end());
  const Bytes rest = StreamBytes().str("Bad").s(3).f(1, 0).s(2).f(1, 0).s(0).bytes();
  expected.insert(expected.end(), rest.begin(), rest.end());
  EXPECT_EQ(stream.bytes(), expected);
}

// A host's stream that refuses one call, the `refused`-th from 0, for a reason of its own, and
// takes every other: it never said that it takes records whole, so it is given values one by one.
class RefusesOneCall final : public TnStream {
 public:
  explicit RefusesOneCall(int refused) : refused_(refused) {}
  int writeBytes(const void* data, std::size_t size) override {
    return calls_++ == refused_ ? 1 : inner.writeBytes(data, size);
  }
  int readBytes(void* data, std::size_t size) override { return inner.readBytes(data, size); }
  int peekBytes(void* data, std::size_t size) override { return inner.peekBytes(data, size); }

  TnMemoryStream inner;

 private:
  int refused_;
  int calls_ = 0;
};

TEST(TnProgrammedPatternStreamTest, AStreamRefusingACallStopsTheWriteAtThatValue) {
  // Values: version, name, count, then "Blue" and its motif: version, reference line, count...
  RefusesOneCall atMotifCount(6);
  EXPECT_EQ(record("P", {kSecond}).write(&atMotifCount), 1);
  EXPECT_EQ(atMotifCount.inner.bytes(),
            StreamBytes().s(1).str("P").s(1).str("Blue").s(3).f(2, 0).bytes());
  RefusesOneCall atMotifVersion(0);
  EXPECT_EQ(kSecond.second.write(atMotifVersion), 1);
  EXPECT_TRUE(atMotifVersion.inner.bytes().empty());
}

// The motif fields that only the class and its heirs see.
struct MotifFields : TnDirectionPattern {
  static constexpr auto lowerLeftOf = &MotifFields::lowerLeft;
  static constexpr auto upperRightOf = &MotifFields::upperRight;
  static constexpr auto spanOf = &MotifFields::cachedSpan;
  static constexpr auto forwardOf = &MotifFields::cachedForward;
  static constexpr auto backwardOf = &MotifFields::cachedBackward;
};

std::string textOf(const TnVector<double>& v) {
  return std::to_string(v.xval()) + "," + std::to_string(v.yval());
}

// Everything a read can leave in a record, placement caches included.
std::string stateOf(const TnProgrammedPattern& pattern) {
  std::string out = std::string(pattern.getId()) + "|";
  for (const auto& [thread, motif] : pattern.getPatternDescription()) {
    out += std::string(thread) + ":" + std::to_string(motif.isSkipEndPoint()) +
           std::to_string(motif.isMirrored()) + std::to_string(motif.isFlipped()) + " " +
           textOf(motif.getReferenceLine()) + " box " + textOf(motif.*MotifFields::lowerLeftOf) +
           " " + textOf(motif.*MotifFields::upperRightOf) + " span " +
           textOf(motif.*MotifFields::spanOf);
    for (const Directions* list : {&motif.getForwardDirections(), &(motif.*MotifFields::forwardOf),
                                   &(motif.*MotifFields::backwardOf)}) {
      out += " [";
      for (const auto& [v, flag] : *list) out += textOf(v) + "," + std::to_string(flag) + ";";
      out += "]";
    }
    out += "|";
  }
  return out;
}

// A record read over an old one keeps the old pairs until the new count is read; from then on it
// holds just what a new record would.
TEST(TnProgrammedPatternStreamTest, ReadingIntoAUsedRecordLeavesWhatReadingIntoANewOneDoes) {
  // The used record has more pairs and longer motifs than the stream, mirrored and flipped,
  // with placements cached.
  Description used = kPairs;
  used.push_back(kPairs.back());
  used.push_back(
      {"Long",
       shaped({5, 0},
              motif({{1, 0, 0}, {1, 1, 0}, {1, -1, 1}, {1, 0, 0}, {1, 0.5, 0}, {0, -0.5, 0}}))});
  for (auto& [thread, motif] : used) {
    motif.mirror();
    motif.flip();
    motif.getDirections(TnCoord<double>(0, 0), TnCoord<double>(9, 3), 0);
    motif.getDirections(TnCoord<double>(0, 0), TnCoord<double>(9, 3), 1);
  }
  // Copies start with empty caches; assigning over pairs that exist copies them too.
  const auto usedRecord = [&used](const char* name) {
    TnProgrammedPattern pattern = record(name, Description(used.size()));
    pattern.setPatternDescription(used);
    return pattern;
  };
  ASSERT_NE(stateOf(usedRecord("old")), stateOf(record("old", used)));

  const char* name = "Pattern \xBB 1";
  const Bytes bytes = written(record(name, {kSecond, kFirst, kPairs.back()}));
  const std::size_t nameEnd = 2 + 2 + std::string(name).size();
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    const Bytes part(bytes.begin(), bytes.begin() + static_cast<long>(cut));
    TnProgrammedPattern fresh;
    TnProgrammedPattern reused = usedRecord("old");
    EXPECT_EQ(readBytes(reused, part), readBytes(fresh, part)) << "cut " << cut;
    const std::string expected = cut < nameEnd       ? stateOf(usedRecord("old"))
                                 : cut < nameEnd + 2 ? stateOf(usedRecord(name))
                                                     : stateOf(fresh);
    EXPECT_EQ(stateOf(reused), expected) << "cut " << cut;
  }
}

TEST(TnProgrammedPatternStreamTest, ReadEmptiesOnACountOfZeroOrLessAndFailsOnAnUnknownMotif) {
  for (int count : {0, -3}) {
    TnProgrammedPattern pattern = record("Keep", kPairs);
    EXPECT_EQ(readBytes(pattern, StreamBytes().s(1).str("Empty").s(count)), 0);
    EXPECT_EQ(written(pattern), written(record("Empty", {})));
  }
  // A direction pattern of an unknown version fails the read; it is no version mismatch of the
  // record.
  TnProgrammedPattern pattern;
  EXPECT_EQ(readBytes(pattern, StreamBytes().s(1).str("V").s(1).str("T").s(9)), 1);
}

TEST(TnProgrammedPatternStreamTest, WriteRefusesTooManyPairs) {
  // A 16-bit count holds 32767 pairs; one more would read back as a negative count. Each pair
  // here is "Red" and a default motif: 5 + 22 bytes.
  Description many(32767, kFirst);
  EXPECT_EQ(written(record("", many)).size(), 6u + 32767u * 27u);
  many.push_back(kFirst);
  TnProgrammedPattern pattern = record("", many);
  TnMemoryStream refused;
  EXPECT_EQ(pattern.write(&refused), 1);
  EXPECT_TRUE(refused.bytes().empty());
}

TEST(TnProgrammedPatternTest, SamePatternComparesThreadsAndMotifsInOrderButNotNames) {
  const TnProgrammedPattern all = record("A", kPairs);
  const TnProgrammedPattern prefix = record("Prefix", {kFirst, kSecond});
  EXPECT_EQ(all.isSamePattern(record("B", kPairs)), 1);
  EXPECT_EQ(all.isSamePattern(prefix) + prefix.isSamePattern(all), 0);
  EXPECT_EQ(prefix.isSamePattern(record("BA", {kSecond, kFirst})), 0);
  EXPECT_EQ(record("R", {kFirst}).isSamePattern(record("G", {{"Green", kFirst.second}})), 0);
  EXPECT_EQ(record("R", {kFirst}).isSamePattern(record("S", {{"Red", kSecond.second}})), 0);
  // Equal motifs with other reference lines or flags are the same.
  TnDirectionPattern flipped = kFirst.second;
  flipped.flip();
  EXPECT_EQ(record("R", {kFirst}).isSamePattern(record("F", {{"Red", flipped}})), 1);
}

TEST(TnProgrammedPatternTest, PrintsEachPairPlacedUpwardsAndEndsWithAnEmptyLine) {
  std::ostringstream out;
  EXPECT_EQ(&record("Two", {kFirst, kSecond}).printTo(out), &out);
  EXPECT_EQ(out.str(),
            "TnProgrammedPattern [Two]\n"
            "  Direction Pattern[1]: \nThread Identifier: Red\nTheReference Direction : (1, 0) \n"
            "\t\t(0, 1), \n"
            "  Direction Pattern[2]: \nThread Identifier: Blue\nTheReference Direction : (2, 0) \n"
            "\t\t(0, 1), \n\t\t(-1, 1), \n\t\t(1, 0), \n\n");
}

}  // namespace
