#include "loomset/catalogue/PatternManager.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <new>

#include "loomset/catalogue/TnFillTable.h"
#include "support/CatalogueTestSupport.h"

namespace {

// A table that can never be allocated, as when memory runs out.
class UnallocatableTable : public TnFillTable {
 public:
  static void* operator new(std::size_t, const std::nothrow_t&) noexcept { return nullptr; }
  static void operator delete(void* p) { ::operator delete(p); }
};

TEST(PatternManagerTest, ScopesWithoutATableStoreAndFindNothing) {
  TnDesign* const d = loomset::test::design(0);
  loomset::detail::PatternManager<TnFillPattern, UnallocatableTable> m;
  m.setDesign(d);
  TnFillPattern satin = loomset::test::fillPattern("Satin", 1);
  EXPECT_EQ(m.addPattern(nullptr, satin), 1);
  EXPECT_EQ(m.addPattern(d, satin, "Alias"), 1);
  EXPECT_EQ(m.addPatternAndRename(d, satin), 1);
  EXPECT_EQ(m.lookup("Satin"), nullptr);
  EXPECT_EQ(m.remove(&satin), nullptr);
  EXPECT_EQ(m.getAllPatterns(d).length(), 0u);
  // Copies keep the missing tables missing.
  auto copy = m;
  EXPECT_EQ(copy.addPattern(d, satin), 1);
}

}  // namespace
