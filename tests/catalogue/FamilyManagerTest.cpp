#include <gtest/gtest.h>

#include "loomset/catalogue/GProgrammedPatTable.h"
#include "loomset/catalogue/GVecPatTable.h"
#include "loomset/catalogue/GWavePatTable.h"
#include "support/CatalogueTestSupport.h"

// The record families other than fill share the catalogue that the fill tests cover in depth;
// this checks that each family's face hands its records to it and removes designs by its name.
namespace {

struct Programmed {
  using Manager = GProgrammedPatTable;
  // Patterns of different variants differ in content.
  static TnProgrammedPattern record(const char* name, int variant) {
    TnProgrammedPattern pattern;
    pattern.rename(name);
    pattern.setPatternDescription({{variant == 0 ? "A" : "B", TnDirectionPattern()}});
    return pattern;
  }
  static void removeDesign(Manager& m, TnDesign* d) { m.removeProgrammedPatterns(d); }
};

struct Wave {
  using Manager = GWavePatTable;
  static TnWavePattern record(const char* name, int variant) {
    TnBezierPattern pattern;
    pattern.setReferenceAndDirections(TnVector<double>(1.0 + variant, 0.0), TnBezierCurve());
    TnWavePattern wave;
    wave.rename(name);
    wave.setPattern(pattern);
    return wave;
  }
  static void removeDesign(Manager& m, TnDesign* d) { m.removeWavePatterns(d); }
};

struct Vector {
  using Manager = GVecPatTable;
  static TnVectorPattern record(const char* name, int variant) {
    TnVectorPattern pattern;
    pattern.rename(name);
    pattern.setDimension(TnVector<int>(10 + variant, 10));
    return pattern;
  }
  static void removeDesign(Manager& m, TnDesign* d) { m.removeVectorPatterns(d); }
};

template <class Family>
class FamilyManagerTest : public ::testing::Test {};

using Families = ::testing::Types<Programmed, Wave, Vector>;
TYPED_TEST_SUITE(FamilyManagerTest, Families);

TYPED_TEST(FamilyManagerTest, RenamesClashingRecordsAndRecognisesIdenticalOnes) {
  TnDesign* const d = loomset::test::design(0);
  typename TypeParam::Manager m;
  m.setDesign(d);
  ASSERT_EQ(m.addPattern(nullptr, TypeParam::record("Satin", 0)), 0);
  auto same = TypeParam::record("Satin", 0);
  EXPECT_EQ(m.addPatternAndRename(d, same), 0);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
  auto other = TypeParam::record("Satin", 1);
  EXPECT_EQ(m.addPatternAndRename(d, other), 0);
  EXPECT_EQ(other.getId(), "Satin \2731");  // octal 273 is the marker byte 0xBB
  const auto* alias = m.lookupOriginal("Satin");
  ASSERT_NE(alias, nullptr);
  EXPECT_EQ(alias->isSamePattern(TypeParam::record("", 1)), 1);
  EXPECT_EQ(m.lookup("Satin")->isSamePattern(same), 1);
  EXPECT_EQ(m.getPatterns(d).length(), 2u);  // under the new name and the old one
  TypeParam::removeDesign(m, d);
  EXPECT_EQ(m.getPatterns(d).length(), 0u);
  EXPECT_NE(m.lookup("Satin"), nullptr);
}

}  // namespace
