#include "loomset/catalogue/GlobalManagers.h"

#include <gtest/gtest.h>

#include "support/FillPatterns.h"

namespace {

TEST(GlobalManagersTest, FillManagerIsReadyForUse) {
  // A design of its own keeps the library-wide scope of the process-wide manager untouched.
  int designObject = 0;
  TnDesign* d = reinterpret_cast<TnDesign*>(&designObject);
  TnDesign* const previous = gFillManager.getDesign();
  gFillManager.setDesign(d);
  EXPECT_EQ(gFillManager.addPattern(d, loomset::test::fillPattern("GlobalManagersTest", 4)), 0);
  const TnFillPattern* found = gFillManager.lookup("GlobalManagersTest");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->getStitchLength(), 4.0);
  gFillManager.removeFillPatterns(d);
  EXPECT_EQ(gFillManager.getPatterns(d).length(), 0u);
  gFillManager.removeFillPatterns(d);
  gFillManager.setDesign(previous);
}

}  // namespace
