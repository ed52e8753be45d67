#include "loomset/catalogue/GWavePatTable.h"

#include <gtest/gtest.h>

#include "support/CatalogueTestSupport.h"

namespace {

TnWavePattern wave(const char* name, double advance) {
  TnBezierPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(advance, 0.0), TnBezierCurve());
  TnWavePattern record;
  record.rename(name);
  record.setPattern(pattern);
  return record;
}

TEST(GWavePatTableTest, RenamesClashingRecordsAndRecognisesIdenticalOnes) {
  TnDesign* const d = loomset::test::design(0);
  GWavePatTable m;
  m.setDesign(d);
  ASSERT_EQ(m.addPattern(nullptr, wave("Ripple", 1.0)), 0);
  TnWavePattern same = wave("Ripple", 1.0);
  EXPECT_EQ(m.addPatternAndRename(d, same), 0);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
  // Another reference line makes it another pattern under a clashing name.
  TnWavePattern other = wave("Ripple", 2.0);
  EXPECT_EQ(m.addPatternAndRename(d, other), 0);
  EXPECT_EQ(other.getId(), "Ripple \2731");  // octal 273 is the marker byte 0xBB
  EXPECT_EQ(m.lookupOriginal("Ripple")->isSamePattern(other), 1);
  EXPECT_EQ(m.getPatterns(d).length(), 2u);  // under the new name and the old one
  m.removeWavePatterns(d);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
}

}  // namespace
