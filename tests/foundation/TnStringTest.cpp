#include "loomset/foundation/TnString.h"

#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "loomset/foundation/StringUtils.h"
#include "loomset/foundation/TnGenericString.h"

namespace {

// "A", the Windows-1252 guillemet 0xBB, an embedded zero, "B".
const char kRawName[] = {'A', '\xBB', '\0', 'B'};
const TnString kName(kRawName, sizeof kRawName);

TEST(TnStringTest, HoldsEveryByteAndComparesThemAsUnsigned) {
  EXPECT_EQ(TnString(static_cast<const char*>(nullptr)), "");
  EXPECT_EQ(TnString(kRawName), "A\xBB");  // a C string stops at its terminator
  EXPECT_NE(TnString(kRawName), kName);
  EXPECT_TRUE(TnString("z") < TnString("\xBB"));
  EXPECT_TRUE(TnString("A\xBB") < kName);
  std::ostringstream out;
  out << kName << '|';
  EXPECT_EQ(out.str(), std::string(kRawName, sizeof kRawName) + "|");
}

TEST(TnStringTest, HashTakesEveryByteAndSpreadsOverTheWholeIntRange) {
  EXPECT_EQ(TnString("A\xBB").append('\0').append('B').hash(), kName.hash());
  EXPECT_NE(kName.hash(), TnString(kRawName, 3).hash());
  std::mt19937 rng(42);
  int negatives = 0;
  for (int i = 0; i < 64; ++i) negatives += TnString(std::to_string(rng())).hash() < 0 ? 1 : 0;
  EXPECT_GT(negatives, 0);
  EXPECT_LT(negatives, 64);
}

TEST(TnGenericStringTest, GivesAWritableTerminatedCopy) {
  TnGenericString fromBytes("abcdef", 3);
  static_cast<char*>(fromBytes)[0] = 'X';
  EXPECT_STREQ(fromBytes, "Xbc");
  TnGenericString fromString(TnString("name\xBB"));
  EXPECT_STREQ(fromString, "name\xBB");
}

TEST(StringUtilsTest, CopyStringCopiesAtMostNBytesAndTerminates) {
  char dst[] = "########";
  EXPECT_EQ(StringUtils::copyString(dst, "abcdef", 3), dst);
  EXPECT_STREQ(dst, "abc");
  EXPECT_EQ(dst[4], '#');
  StringUtils::copyString(dst, "ab", 6);
  EXPECT_STREQ(dst, "ab");
}

}  // namespace
