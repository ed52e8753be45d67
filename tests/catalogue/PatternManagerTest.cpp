#include "loomset/catalogue/PatternManager.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <new>

#include "loomset/catalogue/TnFillTable.h"
#include "support/FillPatterns.h"

namespace {

using loomset::test::fillPattern;

// A table that can never be allocated, as when memory runs out.
class UnallocatableTable : public TnFillTable {
 public:
  static void* operator new(std::size_t, const std::nothrow_t&) noexcept { return nullptr; }
  static void operator delete(void* p) { ::operator delete(p); }
};

class Manager : public loomset::detail::PatternManager<TnFillPattern, UnallocatableTable> {
 public:
  using PatternManager::getTable;
  using PatternManager::removePatterns;
};

TEST(PatternManagerTest, DesignsWithoutATableStoreAndFindNothing) {
  int designObject = 0;
  TnDesign* d = reinterpret_cast<TnDesign*>(&designObject);
  Manager m;
  m.setDesign(d);
  const TnFillPattern satin = fillPattern("Satin", 1);
  EXPECT_EQ(m.addPattern(nullptr, satin), 1);
  EXPECT_EQ(m.addPattern(d, satin), 1);
  EXPECT_EQ(m.addPattern(d, satin, "Alias"), 1);
  TnFillPattern renamed = satin;
  EXPECT_EQ(m.addPatternAndRename(d, renamed), 1);
  EXPECT_EQ(renamed.getId(), "Satin");
  EXPECT_EQ(m.lookup("Satin"), nullptr);
  EXPECT_EQ(m.lookupOriginal("Satin"), nullptr);
  EXPECT_EQ(m.remove(&satin), nullptr);
  EXPECT_EQ(m.getAllPatterns(d).length(), 0u);
  m.removeAliases(d);

  // The failed creation is remembered, not retried, and survives copying.
  Manager copy(m);
  EXPECT_EQ(copy.getTable(d), nullptr);
  EXPECT_EQ(copy.addPattern(d, satin), 1);
  m.removePatterns(d);
  EXPECT_EQ(m.getTable(d), nullptr);
}

}  // namespace
