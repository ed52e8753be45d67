#include "cli/ReadableName.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadableNameTest, ShowsTheMarkerAsItsCharacterAndEscapesControlBytes) {
  EXPECT_EQ(loomset::tool::readableName("Satin \xBB"
                                        "1"),
            "Satin \xC2\xBB"
            "1");
  EXPECT_EQ(loomset::tool::readableName(TnString("a\tb\x7F\xFF", 5)), "a\\x09b\\x7F\xC3\xBF");
  EXPECT_EQ(loomset::tool::readableName(""), "");
}

}  // namespace
