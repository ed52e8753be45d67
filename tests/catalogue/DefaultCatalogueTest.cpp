#include "loomset/catalogue/DefaultCatalogue.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "support/CatalogueTestSupport.h"
#include "support/StreamBytes.h"

namespace {

using Bytes = std::vector<unsigned char>;
using Counts = std::vector<unsigned int>;

// Calls `visit` with each global manager, in load order.
template <class Visit>
void forEachManager(Visit visit) {
  visit(gFillManager);
  visit(gProgrammedPatManager);
  visit(gLockstitchManager);
  visit(gWavePatManager);
  visit(gTileVecPatManager);
  visit(gNonTileVecPatManager);
  visit(gCompositeVecPatManager);
}

// Calls `visit` with each library-wide record of `manager`.
template <class Manager, class Visit>
void forEachRecord(Manager& manager, Visit visit) {
  auto records = manager.getPatterns(nullptr);
  for (unsigned int i = 0; i < records.length(); ++i) visit(*records[i]);
}

Counts libraryCounts() {
  Counts counts;
  forEachManager([&](auto& manager) { counts.push_back(manager.getPatterns(nullptr).length()); });
  return counts;
}

// The built-in patterns per manager, in load order.
const Counts kBuiltIn = {4, 3, 1, 2, 1, 1, 1};

// Every library-wide record's bytes, manager by manager.
std::vector<Bytes> libraryBytes() {
  std::vector<Bytes> all;
  forEachManager([&](auto& manager) {
    forEachRecord(manager, [&](const auto& record) { all.push_back(written(record)); });
  });
  return all;
}

// Every test starts from empty library-wide scopes, as each test that fills them empties them
// again, and so does this one.
class DefaultCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(libraryCounts(), Counts(7, 0));
    started = true;
  }
  void TearDown() override {
    if (!started) return;
    forEachManager([](auto& manager) {
      auto records = manager.getPatterns(nullptr);
      for (unsigned int i = 0; i < records.length(); ++i) manager.remove(records[i]);
    });
    EXPECT_EQ(libraryCounts(), Counts(7, 0));
  }

 private:
  bool started = false;
};

TEST_F(DefaultCatalogueTest, StoresEachFamilyLibraryWideUnderPrintableNames) {
  ASSERT_EQ(loomset::loadDefaultCatalogue(), 0);
  EXPECT_EQ(libraryCounts(), kBuiltIn);
  forEachManager([](auto& manager) {
    forEachRecord(manager, [&](const auto& record) {
      const TnString& name = record.getId();
      EXPECT_FALSE(name.isEmpty());
      for (char c : name.bytes()) EXPECT_TRUE(c >= ' ' && c <= '~') << name;
      EXPECT_EQ(manager.lookup(name, nullptr), &record);
    });
  });
  int randomFills = 0;
  forEachRecord(gFillManager, [&](const TnFillPattern& fill) { randomFills += fill.isRandom(); });
  EXPECT_EQ(randomFills, 1);
}

TEST_F(DefaultCatalogueTest, EveryPatternReadsBackUnchangedFromWhatItWrites) {
  ASSERT_EQ(loomset::loadDefaultCatalogue(), 0);
  forEachManager([](auto& manager) {
    forEachRecord(manager, [](const auto& record) {
      const Bytes bytes = written(record);
      TnMemoryStream stream(bytes);
      std::decay_t<decltype(record)> copy;
      ASSERT_EQ(copy.read(&stream), 0) << record.getId();
      EXPECT_EQ(stream.readPosition(), bytes.size()) << record.getId();
      EXPECT_EQ(copy.getId(), record.getId());
      EXPECT_EQ(copy.isSamePattern(record), 1) << record.getId();
      EXPECT_EQ(written(copy), bytes) << record.getId();
    });
  });
}

TEST_F(DefaultCatalogueTest, EveryProgrammedAndLockstitchPatternHasAJump) {
  ASSERT_EQ(loomset::loadDefaultCatalogue(), 0);
  for (GProgrammedPatTable* manager : {&gProgrammedPatManager, &gLockstitchManager}) {
    forEachRecord(*manager, [](const TnProgrammedPattern& record) {
      int jumps = 0;
      for (const auto& thread : record.getPatternDescription())
        jumps += thread.second.isContainJump();
      EXPECT_GT(jumps, 0) << record.getId();
    });
  }
}

TEST_F(DefaultCatalogueTest, CurvesRunUnbrokenFromSegmentToSegment) {
  ASSERT_EQ(loomset::loadDefaultCatalogue(), 0);
  const auto expectUnbroken = [](const TnBezierCurve& curve, const TnString& name) {
    ASSERT_GT(curve.length(), 0u) << name;
    for (int i = 1; i < static_cast<int>(curve.length()); ++i)
      EXPECT_TRUE(curve[i][0] == curve[i - 1][3]) << name << " segment " << i;
  };
  forEachRecord(gWavePatManager, [&](const TnWavePattern& wave) {
    expectUnbroken(wave.getPattern().getBezierCurve(), wave.getId());
  });
  for (GVecPatTable* manager :
       {&gTileVecPatManager, &gNonTileVecPatManager, &gCompositeVecPatManager}) {
    forEachRecord(*manager, [&](const TnVectorPattern& vector) {
      ASSERT_GT(vector.getCurves().length(), 0u) << vector.getId();
      for (unsigned int i = 0; i < vector.getCurves().length(); ++i)
        expectUnbroken(vector.getCurves()[i], vector.getId());
    });
  }
}

TEST_F(DefaultCatalogueTest, TakenNamesKeepWhatTheyHoldAndALaterLoadStoresNothing) {
  const TnFillPattern own = loomset::test::fillPattern("Brick", 7);
  ASSERT_EQ(gFillManager.addPattern(nullptr, own), 0);
  EXPECT_EQ(loomset::loadDefaultCatalogue(), 1);
  EXPECT_EQ(libraryCounts(), kBuiltIn);
  EXPECT_EQ(gFillManager.lookup("Brick")->isSamePattern(own), 1);

  const std::vector<Bytes> before = libraryBytes();
  EXPECT_EQ(loomset::loadDefaultCatalogue(), 1);
  EXPECT_EQ(libraryCounts(), kBuiltIn);
  EXPECT_EQ(libraryBytes(), before);
}

}  // namespace
