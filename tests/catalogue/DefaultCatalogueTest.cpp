#include "loomset/catalogue/DefaultCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

#include "loomset/catalogue/GlobalManagers.h"
#include "support/CatalogueTestSupport.h"
#include "support/StreamBytes.h"

namespace {

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
      forEachRecord(manager, [&](const auto& record) { manager.remove(&record); });
    });
    EXPECT_EQ(libraryCounts(), Counts(7, 0));
  }

 private:
  bool started = false;
};

TEST_F(DefaultCatalogueTest, StoresEachFamilyUnderPrintableNamesAndEachReadsBackUnchanged) {
  ASSERT_EQ(loomset::loadDefaultCatalogue(), 0);
  EXPECT_EQ(libraryCounts(), kBuiltIn);
  forEachManager([](auto& manager) {
    forEachRecord(manager, [&](const auto& record) {
      const TnString& name = record.getId();
      SCOPED_TRACE(name.bytes());
      EXPECT_FALSE(name.isEmpty());
      for (char c : name.bytes()) EXPECT_TRUE(c >= ' ' && c <= '~');
      EXPECT_EQ(manager.lookup(name, nullptr), &record);
      // Only values exact in single precision read back as the same pattern.
      EXPECT_EQ(reread(record).isSamePattern(record), 1);
    });
  });
  int randomFills = 0;
  forEachRecord(gFillManager, [&](const TnFillPattern& fill) { randomFills += fill.isRandom(); });
  EXPECT_EQ(randomFills, 1);
}

TEST_F(DefaultCatalogueTest, ProgrammedPatternsJumpAndCurvesRunUnbroken) {
  ASSERT_EQ(loomset::loadDefaultCatalogue(), 0);
  for (GProgrammedPatTable* manager : {&gProgrammedPatManager, &gLockstitchManager}) {
    forEachRecord(*manager, [](const TnProgrammedPattern& record) {
      int jumps = 0;
      for (const auto& thread : record.getPatternDescription())
        jumps += thread.second.isContainJump();
      EXPECT_GT(jumps, 0) << record.getId();
    });
  }
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
  EXPECT_EQ(loomset::loadDefaultCatalogue(), 1);
  EXPECT_EQ(libraryCounts(), kBuiltIn);
}

}  // namespace
