#include "loomset/catalogue/GlobalManagers.h"

#include <gtest/gtest.h>

#include "support/CatalogueTestSupport.h"

namespace {

// Each test leaves the process-wide catalogues as it found them.
TEST(GlobalManagersTest, EachCatalogueIsReadyAndKeepsItsOwnNames) {
  const TnString name("GlobalManagersTest");
  EXPECT_EQ(gFillManager.addPattern(nullptr, loomset::test::fillPattern(name, 4)), 0);
  ASSERT_NE(gFillManager.lookup(name), nullptr);
  gFillManager.remove(gFillManager.lookup(name));

  TnProgrammedPattern programmed;
  programmed.rename(name);
  EXPECT_EQ(gProgrammedPatManager.addPattern(nullptr, programmed), 0);
  EXPECT_EQ(gLockstitchManager.lookup(name), nullptr);
  EXPECT_EQ(gLockstitchManager.addPattern(nullptr, programmed), 0);
  gLockstitchManager.remove(&programmed);
  EXPECT_EQ(gLockstitchManager.lookup(name), nullptr);
  EXPECT_NE(gProgrammedPatManager.lookup(name), nullptr);
  gProgrammedPatManager.remove(&programmed);
  EXPECT_EQ(gProgrammedPatManager.lookup(name), nullptr);
}

}  // namespace
