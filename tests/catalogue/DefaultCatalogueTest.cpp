#include "loomset/catalogue/DefaultCatalogue.h"

#include <gtest/gtest.h>

#include <vector>

#include "loomset/catalogue/GlobalManagers.h"
#include "support/Shapes.h"
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

TEST(DefaultCatalogueTest, StoresPrintableExactPatternsOnceAndKeepsTakenNames) {
  ASSERT_EQ(libraryCounts(), Counts(7, 0));
  const TnFillPattern own = fillPattern("Brick", 7);
  ASSERT_EQ(gFillManager.addPattern(nullptr, own), 0);
  EXPECT_EQ(loomset::loadDefaultCatalogue(), 1);
  const Counts builtIn = {4, 3, 1, 2, 1, 1, 1};
  EXPECT_EQ(libraryCounts(), builtIn);
  EXPECT_EQ(gFillManager.lookup("Brick")->isSamePattern(own), 1);
  gFillManager.remove(&own);
  EXPECT_EQ(loomset::loadDefaultCatalogue(), 1);
  EXPECT_EQ(gFillManager.lookup("Brick")->isSamePattern(own), 0);

  int randomFills = 0;
  forEachManager([&](auto& manager) {
    forEachRecord(manager, [&](const auto& record) {
      const TnString& name = record.getId();
      SCOPED_TRACE(name.bytes());
      EXPECT_FALSE(name.isEmpty());
      for (char c : name.bytes()) EXPECT_TRUE(c >= ' ' && c <= '~');
      // Only values exact in single precision read back as the same pattern.
      EXPECT_EQ(reread(record).isSamePattern(record), 1);
      using Record = std::decay_t<decltype(record)>;
      if constexpr (std::is_same_v<Record, TnFillPattern>) randomFills += record.isRandom();
    });
  });
  EXPECT_EQ(randomFills, 1);

  // Every test leaves the process-wide catalogues as it found them.
  forEachManager([](auto& manager) {
    forEachRecord(manager, [&](const auto& record) { manager.remove(&record); });
  });
  EXPECT_EQ(libraryCounts(), Counts(7, 0));
}

}  // namespace
