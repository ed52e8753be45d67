#include "loomset/catalogue/GPatTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FillPatterns.h"

namespace {

using loomset::test::fillPattern;

// `base` renamed `count` times (count of at most 9).
TnString renamed(const std::string& base, int count) {
  return TnString(base + " \xBB" + static_cast<char>('0' + count));
}

// Designs are the host's objects; the manager only keeps their addresses.
int designObjects[3];
TnDesign* const d = reinterpret_cast<TnDesign*>(&designObjects[0]);
TnDesign* const e = reinterpret_cast<TnDesign*>(&designObjects[1]);
TnDesign* const never = reinterpret_cast<TnDesign*>(&designObjects[2]);

class InspectableGPatTable : public GPatTable {
 public:
  using GPatTable::getFillTable;
};

std::vector<std::string> names(const TnList<TnFillPattern*>& records) {
  std::vector<std::string> out;
  for (unsigned int i = 0; i < records.length(); ++i) out.push_back(records[i]->getId().bytes());
  return out;
}

double stitchLengthOf(const TnFillPattern* record) {
  return record != nullptr ? record->getStitchLength() : -1.0;
}

TEST(GPatTableTest, AddResultCodesInEachScope) {
  GPatTable m;
  EXPECT_EQ(m.addPattern(nullptr, fillPattern("Satin", 1)), 0);
  EXPECT_EQ(m.addPattern(nullptr, fillPattern("Satin", 2)), 2);
  EXPECT_EQ(m.addPattern(d, fillPattern("Fern", 1)), 0);
  EXPECT_EQ(m.addPattern(d, fillPattern("Fern", 2)), 1);
  EXPECT_EQ(m.addPattern(d, fillPattern("Satin", 3)), 2);
  EXPECT_EQ(m.lookup("Satin", d), nullptr);

  EXPECT_EQ(m.addPattern(d, fillPattern("Moss", 4), "MossAlias"), 0);
  const TnFillPattern* own = m.lookup("Moss", d);
  const TnFillPattern* alias = m.lookup("MossAlias", d);
  ASSERT_NE(own, nullptr);
  ASSERT_NE(alias, nullptr);
  EXPECT_NE(own, alias);
  EXPECT_EQ(alias->getId(), "Moss");
  EXPECT_EQ(m.addPattern(d, fillPattern("Reed", 5), "MossAlias"), 1);
  EXPECT_EQ(stitchLengthOf(m.lookup("Reed", d)), 5.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("MossAlias", d)), 4.0);
  // The alias is only checked against the design's own table.
  EXPECT_EQ(m.addPattern(d, fillPattern("Cord", 6), "Satin"), 0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Satin", d)), 6.0);
  EXPECT_EQ(m.addPattern(d, fillPattern("Satin", 7), "Twill"), 2);
  EXPECT_EQ(m.addPattern(d, fillPattern("Fern", 7), "Twill"), 1);
  EXPECT_EQ(m.lookup("Twill", d), nullptr);
}

TEST(GPatTableTest, LookupTriesTheLibraryScopeBeforeTheCurrentDesign) {
  GPatTable m;
  EXPECT_EQ(m.getDesign(), nullptr);
  EXPECT_EQ(m.lookup("Satin"), nullptr);
  EXPECT_EQ(m.addPattern(d, fillPattern("Satin", 1)), 0);
  EXPECT_EQ(m.addPattern(d, fillPattern("Fern", 2)), 0);
  EXPECT_EQ(m.addPattern(nullptr, fillPattern("Satin", 3)), 0);
  EXPECT_EQ(m.lookup("Fern"), nullptr);

  m.setDesign(d);
  EXPECT_EQ(m.getDesign(), d);
  EXPECT_EQ(stitchLengthOf(m.lookup("Satin")), 3.0);
  EXPECT_EQ(stitchLengthOf(m.lookupOriginal("Satin")), 1.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Fern")), 2.0);
  m.setDesign(e);
  EXPECT_EQ(m.lookup("Fern"), nullptr);
  EXPECT_EQ(m.lookupOriginal("Satin"), nullptr);

  m.removeAliases(nullptr);
  m.removeAliases(d);
  EXPECT_EQ(m.lookup("Satin", d), nullptr);
  EXPECT_EQ(stitchLengthOf(m.lookup("Fern", d)), 2.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Satin", nullptr)), 3.0);
}

TEST(GPatTableTest, RemoveTakesTheLibraryEntryFirstThenTheCurrentDesigns) {
  GPatTable m;
  const TnFillPattern satin = fillPattern("Satin", 1);
  m.addPattern(d, satin, "SatinAlias");
  m.addPattern(nullptr, satin);
  m.addPattern(e, fillPattern("Fern", 2));
  m.setDesign(d);
  EXPECT_EQ(m.remove(nullptr), nullptr);
  EXPECT_EQ(m.remove(&satin), nullptr);
  EXPECT_EQ(m.lookup("Satin", nullptr), nullptr);
  // The argument may point at the entry that goes.
  EXPECT_EQ(m.remove(m.lookup("Satin", d)), d);
  EXPECT_EQ(m.lookup("Satin", d), nullptr);
  EXPECT_NE(m.lookup("SatinAlias", d), nullptr);
  EXPECT_EQ(m.remove(&satin), nullptr);
  // Only the library-wide scope and the current design are searched.
  EXPECT_EQ(m.remove(m.lookup("Fern", e)), nullptr);
  EXPECT_NE(m.lookup("Fern", e), nullptr);
}

TEST(GPatTableTest, RemovingADesignDropsItsTableOnly) {
  InspectableGPatTable m;
  m.addPattern(nullptr, fillPattern("Satin", 1));
  m.addPattern(d, fillPattern("Fern", 2));
  m.addPattern(e, fillPattern("Moss", 3));
  m.setDesign(d);
  const TnFillTable* tableOfE = m.getFillTable(e);
  m.removeFillPatterns(nullptr);
  m.removeFillPatterns(never);
  EXPECT_NE(m.lookup("Satin", nullptr), nullptr);

  m.removeFillPatterns(d);
  EXPECT_EQ(m.getDesign(), d);
  EXPECT_EQ(m.lookup("Fern", d), nullptr);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
  EXPECT_EQ(m.addPattern(d, fillPattern("Fern", 4)), 0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Fern")), 4.0);
  EXPECT_EQ(m.getFillTable(e), tableOfE);
  EXPECT_NE(m.lookup("Moss", e), nullptr);
  EXPECT_NE(m.lookup("Satin", nullptr), nullptr);
}

TEST(GPatTableTest, GetAllPatternsListsLibraryRecordsFirst) {
  GPatTable m;
  for (const char* name : {"L1", "L2", "L3"}) m.addPattern(nullptr, fillPattern(name, 1));
  for (const char* name : {"D1", "D2"}) m.addPattern(d, fillPattern(name, 2));
  const TnList<TnFillPattern*> library = m.getPatterns(nullptr);
  TnList<TnFillPattern*> expected = library;
  TnList<TnFillPattern*> own = m.getPatterns(d);
  expected.join(own);
  EXPECT_EQ(expected.length(), 5u);
  EXPECT_TRUE(m.getAllPatterns(d) == expected);
  EXPECT_TRUE(m.getAllPatterns(nullptr) == library);
  EXPECT_EQ(names(m.getAllPatterns(e)), names(library));
}

TEST(GPatTableTest, AddPatternAndRenameStoresClashesUnderMangledNames) {
  GPatTable m;
  m.addPattern(nullptr, fillPattern("Satin", 1));
  m.setDesign(d);

  TnFillPattern same = fillPattern("Satin", 1);
  EXPECT_EQ(m.addPatternAndRename(d, same), 0);
  EXPECT_EQ(same.getId(), "Satin");
  EXPECT_EQ(m.getPatterns(d).length(), 0u);

  TnFillPattern clash = fillPattern("Satin", 2);
  EXPECT_EQ(m.addPatternAndRename(d, clash), 0);
  EXPECT_EQ(clash.getId(), renamed("Satin", 1));
  EXPECT_EQ(stitchLengthOf(m.lookup(clash.getId(), d)), 2.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Satin", d)), 2.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Satin")), 1.0);
  EXPECT_EQ(stitchLengthOf(m.lookupOriginal("Satin")), 2.0);

  TnFillPattern secondClash = fillPattern("Satin", 3);
  EXPECT_EQ(m.addPatternAndRename(d, secondClash), 1);
  EXPECT_EQ(secondClash.getId(), renamed("Satin", 1));
  EXPECT_EQ(m.getPatterns(d).length(), 2u);
  EXPECT_EQ(stitchLengthOf(m.lookup(secondClash.getId(), d)), 2.0);

  // The same content under a free name is no clash.
  TnFillPattern free = fillPattern("Fern", 1);
  EXPECT_EQ(m.addPatternAndRename(d, free), 0);
  EXPECT_EQ(free.getId(), "Fern");
  EXPECT_EQ(m.getPatterns(d).length(), 3u);

  m.removeAliases(d);
  EXPECT_EQ(names(m.getPatterns(d)).size(), 2u);
  EXPECT_EQ(m.lookup("Satin", d), nullptr);
  EXPECT_NE(m.lookup(renamed("Satin", 1), d), nullptr);
}

TEST(GPatTableTest, RenamingSkipsMangledNamesTakenLibraryWide) {
  GPatTable m;
  for (const TnString& name : {TnString("Fern"), renamed("Fern", 1), renamed("Fern", 2)}) {
    m.addPattern(nullptr, fillPattern(name, 1));
  }
  TnFillPattern fern = fillPattern("Fern", 2);
  EXPECT_EQ(m.addPatternAndRename(d, fern), 0);
  EXPECT_EQ(fern.getId(), renamed("Fern", 3));
  EXPECT_EQ(names(m.getPatterns(d)).size(), 2u);
  EXPECT_NE(m.lookup(renamed("Fern", 3), d), nullptr);
  EXPECT_NE(m.lookup(renamed("Fern", 2), d), nullptr);

  // The design holds the name that would become the alias: stored without it, result 1.
  m.addPattern(e, fillPattern("Moss", 3));
  m.addPattern(nullptr, fillPattern("Moss", 4));
  TnFillPattern moss = fillPattern("Moss", 5);
  EXPECT_EQ(m.addPatternAndRename(e, moss), 1);
  EXPECT_EQ(stitchLengthOf(m.lookup(renamed("Moss", 1), e)), 5.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Moss", e)), 3.0);
}

TEST(GPatTableTest, CopiesOwnTheirTables) {
  InspectableGPatTable m;
  m.addPattern(nullptr, fillPattern("Satin", 1));
  m.addPattern(d, fillPattern("Fern", 2));
  m.setDesign(d);

  InspectableGPatTable copy(m);
  EXPECT_EQ(copy.getDesign(), d);
  EXPECT_NE(copy.getFillTable(d), m.getFillTable(d));
  EXPECT_NE(copy.lookup("Fern"), m.lookup("Fern"));
  EXPECT_EQ(stitchLengthOf(copy.lookup("Fern")), 2.0);
  m.removeFillPatterns(d);
  copy.remove(copy.lookup("Satin"));
  EXPECT_EQ(stitchLengthOf(copy.lookup("Fern")), 2.0);
  EXPECT_EQ(stitchLengthOf(m.lookup("Satin")), 1.0);

  InspectableGPatTable assigned;
  assigned.addPattern(e, fillPattern("Moss", 3));
  assigned = copy;
  EXPECT_EQ(assigned.lookup("Moss", e), nullptr);
  const InspectableGPatTable& self = assigned;
  assigned = self;
  EXPECT_EQ(names(assigned.getAllPatterns(d)), names(copy.getAllPatterns(d)));
  EXPECT_NE(assigned.getFillTable(nullptr), copy.getFillTable(nullptr));
}

}  // namespace
