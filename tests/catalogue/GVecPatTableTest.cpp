#include "loomset/catalogue/GVecPatTable.h"

#include <gtest/gtest.h>

#include "support/CatalogueTestSupport.h"

namespace {

TnVectorPattern vectorPattern(const char* name, int width) {
  TnVectorPattern pattern;
  pattern.rename(name);
  pattern.setDimension(TnVector<int>(width, 10));
  return pattern;
}

TEST(GVecPatTableTest, RenamesClashingRecordsAndRecognisesIdenticalOnes) {
  TnDesign* const d = loomset::test::design(0);
  GVecPatTable m;
  m.setDesign(d);
  ASSERT_EQ(m.addPattern(nullptr, vectorPattern("Tile", 10)), 0);
  TnVectorPattern same = vectorPattern("Tile", 10);
  EXPECT_EQ(m.addPatternAndRename(d, same), 0);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
  // Another dimension makes it another pattern under a clashing name.
  TnVectorPattern other = vectorPattern("Tile", 20);
  EXPECT_EQ(m.addPatternAndRename(d, other), 0);
  EXPECT_EQ(other.getId(), "Tile \2731");    // octal 273 is the marker byte 0xBB
  EXPECT_EQ(m.getPatterns(d).length(), 2u);  // under the new name and the old one
  const TnVectorPattern* alias = m.lookupOriginal("Tile");
  ASSERT_NE(alias, nullptr);
  EXPECT_EQ(alias->getDimension().xval(), 20);
  m.removeVectorPatterns(d);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
}

}  // namespace
