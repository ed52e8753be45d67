#include "loomset/patterns/TnProgrammedPattern.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/foundation/TnMemoryStream.h"

namespace {

using Description = TnProgrammedPattern::Description;
using Bytes = std::vector<unsigned char>;

TnDirectionPattern shaped(const TnVector<double>& reference, const Directions& steps) {
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(reference, steps);
  return pattern;
}

// Three kinds of motif: the default stitch, a closed motif with jumps, and one turned into
// normal position from an upright reference line.
Description threePairs() {
  return {{"Red", TnDirectionPattern()},
          {"Blue", shaped({2, 0}, motif({{1, 0, 0}, {1, 1, 1}}))},
          {"Red", shaped({0, 6}, motif({{0, 2, 0}, {1, 2, -1}, {-1, 2, 0}}))}};
}

TnProgrammedPattern record(const char* name, const Description& description) {
  TnProgrammedPattern pattern;
  pattern.rename(name);
  pattern.setPatternDescription(description);
  return pattern;
}

Bytes written(TnProgrammedPattern pattern) {
  TnMemoryStream stream;
  EXPECT_EQ(pattern.write(&stream), 0);
  return stream.bytes();
}

void expectSameDescription(const Description& got, const Description& want) {
  ASSERT_EQ(got.size(), want.size());
  auto it = want.begin();
  for (const auto& pair : got) {
    EXPECT_EQ(pair.first, it->first);
    EXPECT_TRUE(pair.second == it->second);
    EXPECT_EQ(pair.second.getReferenceLine(), it->second.getReferenceLine());
    ++it;
  }
}

TEST(TnProgrammedPatternStreamTest, DefaultRecordWritesVersionEmptyNameAndNoPairs) {
  EXPECT_EQ(written(TnProgrammedPattern()), (Bytes{1, 0, 0, 0, 0, 0}));
  // The second pair's bytes: thread identifier, then the direction pattern's own record.
  TnMemoryStream motifStream;
  ASSERT_EQ(shaped({2, 0}, motif({{1, 0, 0}, {1, 1, 1}})).write(motifStream), 0);
  Bytes expected = StreamBytes().s(1).str("P").s(1).str("Blue").bytes();
  expected.insert(expected.end(), motifStream.bytes().begin(), motifStream.bytes().end());
  EXPECT_EQ(written(record("P", {*std::next(threePairs().begin())})), expected);
}

TEST(TnProgrammedPatternStreamTest, MultiPairRecordRoundTripsToTheSameBytes) {
  Description pairs = threePairs();
  pairs.back().second.mirror();  // flags live in memory only and do not take part in equality
  const TnProgrammedPattern original = record("Pattern \xBB 1", pairs);
  const Bytes bytes = written(original);

  TnProgrammedPattern copy = record("old", {{"x", TnDirectionPattern()}});
  TnMemoryStream stream(bytes);
  ASSERT_EQ(copy.read(&stream), 0);
  EXPECT_EQ(stream.readPosition(), bytes.size());
  EXPECT_EQ(copy.getId(), "Pattern \xBB 1");
  expectSameDescription(copy.getPatternDescription(), original.getPatternDescription());
  EXPECT_EQ(copy.isSamePattern(original), 1);
  EXPECT_EQ(copy.getPatternDescription().back().second.isContainJump(), 1);
  EXPECT_EQ(written(copy), bytes);
}

TEST(TnProgrammedPatternStreamTest, ReadRefusesOtherVersionsAndEmptiesOnACountOfZeroOrLess) {
  const TnProgrammedPattern original = record("Keep", threePairs());
  for (int version : {0, 2, -1}) {
    TnProgrammedPattern pattern = original;
    TnMemoryStream stream(StreamBytes().s(version).str("New").s(0).bytes());
    EXPECT_EQ(pattern.read(&stream), 2);
    EXPECT_EQ(pattern.getId(), "Keep");
    expectSameDescription(pattern.getPatternDescription(), original.getPatternDescription());
  }
  for (int count : {0, -3}) {
    TnProgrammedPattern pattern = original;
    TnMemoryStream stream(StreamBytes().s(1).str("Empty").s(count).bytes());
    EXPECT_EQ(pattern.read(&stream), 0);
    EXPECT_EQ(pattern.getId(), "Empty");
    EXPECT_TRUE(pattern.getPatternDescription().empty());
  }
}

TEST(TnProgrammedPatternStreamTest, FailedReadKeepsWhatWasReadUpToTheFailure) {
  const TnProgrammedPattern original = record("Kept", threePairs());
  const Bytes bytes = written(original);
  const std::size_t firstPairEnd = written(record("Kept", {threePairs().front()})).size();

  auto readCut = [&](std::size_t size) {
    TnProgrammedPattern pattern = record("Before", {{"b", TnDirectionPattern()}});
    TnMemoryStream stream(Bytes(bytes.begin(), bytes.begin() + size));
    EXPECT_EQ(pattern.read(&stream), 1);
    return pattern;
  };

  // Cut inside the count: the name is replaced, the old pairs stay.
  TnProgrammedPattern cut = readCut(2 + 2 + 4 + 1);
  EXPECT_EQ(cut.getId(), "Kept");
  EXPECT_EQ(cut.getPatternDescription().front().first, "b");

  // Cut inside the second thread identifier: one whole pair, then a pair with its defaults.
  cut = readCut(firstPairEnd + 3);
  ASSERT_EQ(cut.getPatternDescription().size(), 2u);
  EXPECT_EQ(cut.getPatternDescription().front().first, "Red");
  EXPECT_EQ(cut.getPatternDescription().back().first, "");
  EXPECT_TRUE(cut.getPatternDescription().back().second == TnDirectionPattern());

  // Cut inside the second motif: its thread identifier is in place, its motif is what was read.
  cut = readCut(firstPairEnd + 6 + 2 + 8 + 2 + 8 + 2);
  ASSERT_EQ(cut.getPatternDescription().size(), 2u);
  EXPECT_EQ(cut.getPatternDescription().back().first, "Blue");
  EXPECT_EQ(cut.getPatternDescription().back().second.getForwardDirections(), motif({{1, 0, 0}}));

  // A direction pattern of an unknown version is a failed read of this record, not a version
  // mismatch of its own.
  TnProgrammedPattern pattern;
  TnMemoryStream stream(StreamBytes().s(1).str("V").s(1).str("T").s(9).bytes());
  EXPECT_EQ(pattern.read(&stream), 1);
}

TEST(TnProgrammedPatternStreamTest, WriteStopsAtTheFirstFailureAndRefusesTooManyPairs) {
  TnProgrammedPattern pattern = record("Limited", threePairs());
  const Bytes full = written(pattern);
  for (std::size_t limit : {std::size_t{0}, std::size_t{5}, full.size() - 1}) {
    TnMemoryStream stream;
    stream.setWriteLimit(limit);
    EXPECT_EQ(pattern.write(&stream), 1);
    EXPECT_LE(stream.bytes().size(), limit);
    EXPECT_EQ(stream.bytes(), Bytes(full.begin(), full.begin() + stream.bytes().size()));
  }
  EXPECT_EQ(pattern.write(nullptr), 1);

  // A 16-bit count holds 32767 pairs; one more would read back as a negative count.
  Description many(32767, {"t", TnDirectionPattern()});
  pattern.setPatternDescription(many);
  TnMemoryStream fits;
  EXPECT_EQ(pattern.write(&fits), 0);
  many.emplace_back("t", TnDirectionPattern());
  pattern.setPatternDescription(many);
  TnMemoryStream refused;
  EXPECT_EQ(pattern.write(&refused), 1);
  EXPECT_TRUE(refused.bytes().empty());
}

TEST(TnProgrammedPatternTest, SamePatternComparesPairsInOrderAndIgnoresNames) {
  const Description pairs = threePairs();
  const TnProgrammedPattern a = record("A", pairs);
  EXPECT_EQ(a.isSamePattern(record("B", pairs)), 1);
  EXPECT_EQ(TnProgrammedPattern().isSamePattern(record("C", {})), 1);

  const auto& first = pairs.front();
  const auto& second = *std::next(pairs.begin());
  EXPECT_EQ(record("AB", {first, second}).isSamePattern(record("BA", {second, first})), 0);
  EXPECT_EQ(a.isSamePattern(record("Short", {first, second})), 0);
  // Equal motifs under another thread identifier differ.
  EXPECT_EQ(record("R", {first}).isSamePattern(record("G", {{"Green", first.second}})), 0);
  // Equal motifs with other reference lines or flags are the same.
  TnDirectionPattern flipped = first.second;
  flipped.flip();
  EXPECT_EQ(record("R", {first}).isSamePattern(record("F", {{"Red", flipped}})), 1);
}

TEST(TnProgrammedPatternTest, SetPatternDescriptionReplacesEverything) {
  TnProgrammedPattern pattern = record("P", threePairs());
  pattern.setPatternDescription({});
  EXPECT_TRUE(pattern.getPatternDescription().empty());
  const Description pairs = threePairs();
  pattern.setPatternDescription({pairs.back()});
  pattern.setPatternDescription(pairs);
  expectSameDescription(pattern.getPatternDescription(), pairs);
  pattern.rename("Q");
  EXPECT_EQ(pattern.getId(), "Q");
  expectSameDescription(pattern.getPatternDescription(), pairs);
}

TEST(TnProgrammedPatternTest, PrintsEachPairPlacedUpwardsAndEndsWithAnEmptyLine) {
  std::ostringstream empty;
  EXPECT_EQ(&TnProgrammedPattern().printTo(empty), &empty);
  EXPECT_EQ(empty.str(), "TnProgrammedPattern []\n\n");

  const Description pairs = threePairs();
  const TnProgrammedPattern pattern = record("Two", {pairs.front(), *std::next(pairs.begin())});
  std::ostringstream out;
  pattern.printTo(out);
  EXPECT_EQ(out.str(),
            "TnProgrammedPattern [Two]\n"
            "  Direction Pattern[1]: \n"
            "Thread Identifier: Red\n"
            "TheReference Direction : (1, 0) \n"
            "\t\t(0, 1), \n"
            "  Direction Pattern[2]: \n"
            "Thread Identifier: Blue\n"
            "TheReference Direction : (2, 0) \n"
            "\t\t(0, 1), \n"
            "\t\t(-1, 1), \n"
            "\t\t(1, 0), \n"
            "\n");
}

}  // namespace
