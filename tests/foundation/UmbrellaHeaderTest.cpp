// Hosts on platforms whose headers define min and max as function-like macros must still be able
// to include the library. The standard headers come first, as a host's would; the macros then
// catch any bare min or max call in the library's own headers.
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iosfwd>
#include <list>
#include <new>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#define min(a, b) ((a) < (b) ? (a) : (b))
#define max(a, b) ((a) > (b) ? (a) : (b))
#include "loomset/loomset.h"
#undef min
#undef max

#include <gtest/gtest.h>

TEST(UmbrellaHeaderTest, GlobalMinMaxSurviveMacroDefinitions) {
  EXPECT_EQ((min)(2.0, -3.0), -3.0);
  EXPECT_EQ((max)(2.0, -3.0), 2.0);
  EXPECT_EQ(min(-0.5, 0.25), -0.5);
}
