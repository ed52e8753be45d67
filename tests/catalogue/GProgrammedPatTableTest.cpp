#include "loomset/catalogue/GProgrammedPatTable.h"

#include <sstream>

#include <gtest/gtest.h>

#include "geometry/DirectionPatternTestSupport.h"
#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/catalogue/NameMangling.h"
#include "loomset/catalogue/TnProgrammedPatTable.h"

namespace {

TnProgrammedPattern programmed(const char* name, const char* thread, double step) {
  TnDirectionPattern stitch;
  stitch.setReferenceAndDirections(motif({{step, 0, 0}}));
  TnProgrammedPattern pattern;
  pattern.rename(name);
  pattern.setPatternDescription({{thread, stitch}});
  return pattern;
}

TEST(GProgrammedPatTableTest, RenamesClashingRecordsAndRecognisesIdenticalOnes) {
  int designObject = 0;
  TnDesign* d = reinterpret_cast<TnDesign*>(&designObject);
  GProgrammedPatTable manager;
  manager.setDesign(d);
  ASSERT_EQ(manager.addPattern(nullptr, programmed("Satin", "A", 2)), 0);

  TnProgrammedPattern same = programmed("Satin", "A", 2);
  EXPECT_EQ(manager.addPatternAndRename(d, same), 0);
  EXPECT_EQ(same.getId(), "Satin");
  EXPECT_EQ(manager.getPatterns(d).length(), 0u);

  // Another thread identifier makes it a different pattern under a clashing name.
  TnProgrammedPattern other = programmed("Satin", "B", 2);
  EXPECT_EQ(manager.addPatternAndRename(d, other), 0);
  const TnString mangled = mangleName("Satin");
  EXPECT_EQ(other.getId(), mangled);
  ASSERT_NE(manager.lookup(mangled, d), nullptr);
  EXPECT_EQ(manager.lookup(mangled, d)->getPatternDescription().front().first, "B");
  EXPECT_EQ(manager.lookupOriginal("Satin")->getPatternDescription().front().first, "B");
  EXPECT_EQ(manager.lookup("Satin")->getPatternDescription().front().first, "A");

  manager.removeAliases(d);
  EXPECT_EQ(manager.lookupOriginal("Satin"), nullptr);
  EXPECT_NE(manager.lookup(mangled, d), nullptr);
  manager.removeProgrammedPatterns(d);
  EXPECT_EQ(manager.lookup(mangled, d), nullptr);
}

TEST(GProgrammedPatTableTest, ProgrammedAndLockstitchCataloguesAreIndependent) {
  const char* name = "GProgrammedPatTableTest shared name";
  ASSERT_EQ(gProgrammedPatManager.lookup(name), nullptr);
  ASSERT_EQ(gLockstitchManager.lookup(name), nullptr);
  EXPECT_EQ(gProgrammedPatManager.addPattern(nullptr, programmed(name, "A", 1)), 0);
  // The name taken in one catalogue is free in the other, for a different record.
  EXPECT_EQ(gLockstitchManager.addPattern(nullptr, programmed(name, "L", 3)), 0);
  EXPECT_EQ(gProgrammedPatManager.lookup(name)->getPatternDescription().front().first, "A");
  EXPECT_EQ(gLockstitchManager.lookup(name)->getPatternDescription().front().first, "L");

  const TnProgrammedPattern key = programmed(name, "", 0);
  EXPECT_EQ(gLockstitchManager.remove(&key), nullptr);
  EXPECT_EQ(gLockstitchManager.lookup(name), nullptr);
  EXPECT_NE(gProgrammedPatManager.lookup(name), nullptr);
  gProgrammedPatManager.remove(&key);
  EXPECT_EQ(gProgrammedPatManager.lookup(name), nullptr);
}

TEST(TnProgrammedPatTableTest, PrintsEachRecordWithItsOwnText) {
  TnProgrammedPatTable table;
  const TnProgrammedPattern pattern = programmed("Run", "T", 1);
  ASSERT_EQ(table.add(pattern, pattern.getId()), 0);
  std::ostringstream tableText;
  std::ostringstream recordText;
  EXPECT_EQ(&table.printTo(tableText), &tableText);
  pattern.printTo(recordText);
  EXPECT_EQ(tableText.str(), recordText.str());
  EXPECT_NE(tableText.str().find("Thread Identifier: T\n"), std::string::npos);
}

}  // namespace
