#include "loomset/catalogue/GProgrammedPatTable.h"

#include <gtest/gtest.h>

#include "support/CatalogueTestSupport.h"

namespace {

TnProgrammedPattern programmed(const char* name, const char* thread) {
  TnProgrammedPattern pattern;
  pattern.rename(name);
  pattern.setPatternDescription({{thread, TnDirectionPattern()}});
  return pattern;
}

TEST(GProgrammedPatTableTest, RenamesClashingRecordsAndRecognisesIdenticalOnes) {
  TnDesign* const d = loomset::test::design(0);
  GProgrammedPatTable m;
  m.setDesign(d);
  ASSERT_EQ(m.addPattern(nullptr, programmed("Satin", "A")), 0);
  TnProgrammedPattern same = programmed("Satin", "A");
  EXPECT_EQ(m.addPatternAndRename(d, same), 0);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
  // Another thread identifier makes it another pattern under a clashing name.
  TnProgrammedPattern other = programmed("Satin", "B");
  EXPECT_EQ(m.addPatternAndRename(d, other), 0);
  EXPECT_EQ(other.getId(), "Satin \2731");   // octal 273 is the marker byte 0xBB
  EXPECT_EQ(m.getPatterns(d).length(), 2u);  // under the new name and the old one
  m.removeProgrammedPatterns(d);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
}

}  // namespace
