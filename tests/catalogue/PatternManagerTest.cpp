#include "loomset/catalogue/PatternManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "loomset/catalogue/GPatTable.h"
#include "support/Shapes.h"

namespace {

TnDesign* const d = design(0);
TnDesign* const e = design(1);
const TnString kSatin1("Satin \2731");  // octal 273 is the marker byte 0xBB

// Records are told apart by stitch length; -1 stands for no record.
double lengthOf(const TnFillPattern* record) {
  return record != nullptr ? record->getStitchLength() : -1.0;
}

class GPatTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // d's Satin comes before the library-wide one, which then hides it.
    EXPECT_EQ(m.addPattern(d, fillPattern("Satin", 1)), 0);
    EXPECT_EQ(m.addPattern(nullptr, fillPattern("Satin", 2)), 0);
    m.addPattern(d, fillPattern("Fern", 3));
    m.addPattern(e, fillPattern("Moss", 4));
    m.setDesign(d);
  }
  GPatTable m;
};

TEST_F(GPatTableTest, AddResultCodesInEachScope) {
  EXPECT_EQ(m.addPattern(nullptr, fillPattern("Satin", 5)), 2);
  EXPECT_EQ(m.addPattern(e, fillPattern("Satin", 6)), 2);
  EXPECT_EQ(m.addPattern(e, fillPattern("Fern", 6)), 0);
  EXPECT_EQ(m.addPattern(e, fillPattern("Moss", 7)), 1);
  // The alias is checked against the design's own table only; a refused alias keeps the record.
  EXPECT_EQ(m.addPattern(e, fillPattern("Cord", 8), "Satin"), 0);
  EXPECT_EQ(m.addPattern(e, fillPattern("Twill", 9), "Moss"), 1);
  EXPECT_EQ(m.addPattern(e, fillPattern("Moss", 9), "Silk"), 1);
  EXPECT_EQ(m.addPattern(e, fillPattern("Satin", 9), "Silk"), 2);
  const TnFillPattern* alias = m.lookup("Satin", e);
  ASSERT_NE(alias, nullptr);
  EXPECT_EQ(alias->getId(), "Cord");
  EXPECT_EQ(alias->getStitchLength(), 8.0);
  EXPECT_EQ(lengthOf(m.lookup("Twill", e)), 9.0);
  EXPECT_EQ(lengthOf(m.lookup("Moss", e)), 4.0);
  EXPECT_EQ(m.lookup("Silk", e), nullptr);
}

TEST_F(GPatTableTest, LookupTriesTheLibraryScopeBeforeTheCurrentDesign) {
  EXPECT_EQ(lengthOf(m.lookup("Satin")), 2.0);
  EXPECT_EQ(lengthOf(m.lookupOriginal("Satin")), 1.0);
  EXPECT_EQ(lengthOf(m.lookup("Fern")), 3.0);
  EXPECT_EQ(m.lookup("Moss"), nullptr);
  m.setDesign(e);
  EXPECT_EQ(lengthOf(m.lookup("Moss")), 4.0);
  EXPECT_EQ(m.lookup("Fern"), nullptr);

  m.removeAliases(nullptr);
  m.removeAliases(d);
  EXPECT_EQ(m.lookup("Satin", d), nullptr);
  EXPECT_EQ(lengthOf(m.lookup("Fern", d)), 3.0);
  EXPECT_EQ(lengthOf(m.lookup("Satin", nullptr)), 2.0);
}

TEST_F(GPatTableTest, RemoveTakesTheLibraryEntryFirstThenTheCurrentDesigns) {
  const TnFillPattern satin = fillPattern("Satin", 0);  // only the name counts
  EXPECT_EQ(m.remove(nullptr), nullptr);
  EXPECT_EQ(m.remove(&satin), nullptr);
  EXPECT_EQ(m.lookup("Satin", nullptr), nullptr);
  EXPECT_EQ(lengthOf(m.lookup("Satin", d)), 1.0);
  EXPECT_EQ(m.remove(m.lookup("Satin", d)), d);  // the argument may be the entry that goes
  EXPECT_EQ(m.lookup("Satin", d), nullptr);
  EXPECT_EQ(m.remove(m.lookup("Moss", e)), nullptr);  // e is not the current design
  EXPECT_NE(m.lookup("Moss", e), nullptr);
}

TEST_F(GPatTableTest, RemovingADesignDropsItsTableOnly) {
  m.removeFillPatterns(nullptr);
  m.removeFillPatterns(design(2));  // never seen
  m.removeFillPatterns(d);
  EXPECT_EQ(m.lookup("Fern", d), nullptr);
  EXPECT_EQ(m.addPattern(d, fillPattern("Fern", 5)), 0);
  EXPECT_EQ(lengthOf(m.lookup("Fern")), 5.0);  // d is still the current design
  EXPECT_EQ(lengthOf(m.lookup("Moss", e)), 4.0);
  EXPECT_EQ(lengthOf(m.lookup("Satin", nullptr)), 2.0);
}

TEST_F(GPatTableTest, AddPatternAndRenameStoresClashesUnderTheNextFreeName) {
  TnFillPattern same = fillPattern("Satin", 2);
  EXPECT_EQ(m.addPatternAndRename(e, same), 0);
  EXPECT_EQ(m.getPatterns(e).length(), 1u);  // identical to the library record: not stored
  TnFillPattern clash = fillPattern("Satin", 5);
  EXPECT_EQ(m.addPatternAndRename(e, clash), 0);
  EXPECT_EQ(clash.getId(), kSatin1);
  EXPECT_EQ(lengthOf(m.lookup(kSatin1, e)), 5.0);
  EXPECT_EQ(lengthOf(m.lookup("Satin", e)), 5.0);
  TnFillPattern again = fillPattern("Satin", 6);
  EXPECT_EQ(m.addPatternAndRename(e, again), 1);
  EXPECT_EQ(again.getId(), kSatin1);
  EXPECT_EQ(lengthOf(m.lookup(kSatin1, e)), 5.0);
  TnFillPattern twin = fillPattern("Twin", 2);  // the library record's content under a free name
  EXPECT_EQ(m.addPatternAndRename(e, twin), 0);
  EXPECT_EQ(lengthOf(m.lookup("Twin", e)), 2.0);

  // A mangled name taken library-wide is skipped; the alias is the name before the last renaming.
  m.addPattern(nullptr, fillPattern("Reed", 1));
  m.addPattern(nullptr, fillPattern("Reed \2731", 1));
  TnFillPattern reed = fillPattern("Reed", 7);
  EXPECT_EQ(m.addPatternAndRename(e, reed), 0);
  EXPECT_EQ(reed.getId(), "Reed \2732");
  EXPECT_EQ(lengthOf(m.lookup("Reed \2731", e)), 7.0);
}

TEST_F(GPatTableTest, CopiesOwnTheirTables) {
  GPatTable copy(m);
  EXPECT_NE(copy.lookup("Fern"), m.lookup("Fern"));
  m.removeFillPatterns(d);
  copy.remove(copy.lookup("Satin"));
  EXPECT_EQ(lengthOf(copy.lookup("Fern")), 3.0);
  EXPECT_EQ(lengthOf(m.lookup("Satin")), 2.0);

  GPatTable assigned;
  assigned.addPattern(design(2), fillPattern("Silk", 5));
  assigned = copy;
  const GPatTable& self = assigned;
  assigned = self;
  copy.removeFillPatterns(e);
  EXPECT_EQ(assigned.lookup("Silk", design(2)), nullptr);
  EXPECT_EQ(lengthOf(assigned.lookup("Moss", e)), 4.0);
}

TEST(TnFillTableTest, PrintsBucketsUpwardThenInOrderOfAdding) {
  TnFillTable table;
  std::ostringstream empty;
  EXPECT_EQ(&table.printTo(empty), &empty);
  EXPECT_EQ(empty.str(), "");
  std::vector<std::pair<unsigned int, TnFillPattern>> records;
  for (int i = 0; i < 600; i += 7) {
    const TnFillPattern record = fillPattern(TnString(std::to_string(i)), static_cast<short>(i));
    ASSERT_EQ(table.add(record, record.getId()), 0);
    records.emplace_back(loomset::detail::hashBucket(record.getId().hash(), 211), record);
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::ostringstream expected;
  for (const auto& [bucket, record] : records) record.printTo(expected);
  std::ostringstream out;
  table.printTo(out);
  EXPECT_EQ(out.str(), expected.str());
}

// A table that can never be allocated, as when memory runs out.
class UnallocatableTable : public TnFillTable {
 public:
  static void* operator new(std::size_t, const std::nothrow_t&) noexcept { return nullptr; }
  static void operator delete(void* p) { ::operator delete(p); }
};

TEST(PatternManagerTest, ScopesWithoutATableStoreAndFindNothing) {
  TnDesign* const d = design(0);
  loomset::detail::PatternManager<TnFillPattern, UnallocatableTable> m;
  m.setDesign(d);
  TnFillPattern satin = fillPattern("Satin", 1);
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
