#include "loomset/foundation/TnString.h"

#include <sstream>
#include <string>
#include <utility>

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

TEST(TnStringTest, HashTakesEveryByte) {
  EXPECT_EQ(TnString("A\xBB").append('\0').append('B').hash(), kName.hash());
  EXPECT_NE(kName.hash(), TnString(kRawName, 3).hash());
}

// The hash places names in a table's buckets and so decides the order in which a catalogue is
// listed; it must not change between releases, however the string was built.
TEST(TnStringTest, HashIsTheSameHoweverTheStringWasBuilt) {
  EXPECT_EQ(TnString().hash(), -2128831035);
  EXPECT_EQ(TnString("a").hash(), -468965076);
  EXPECT_EQ(TnString(std::string("Brick")).hash(), -556545414);
  EXPECT_EQ(kName.hash(), -876609033);

  TnString built;
  built.append('A').append(TnString("\xBB")).append('\0').append('B');
  EXPECT_EQ(built, kName);
  EXPECT_EQ(built.hash(), kName.hash());

  TnString twice("ab");
  twice.append(twice);
  EXPECT_EQ(twice, "abab");
  EXPECT_EQ(twice.hash(), -667351383);

  TnString copy = kName;
  TnString moved = std::move(copy);
  EXPECT_EQ(moved.hash(), kName.hash());
  // A moved-from string is the empty string, hash included, so it still compares truly.
  EXPECT_EQ(copy, TnString());  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(copy.hash(), TnString().hash());
  TnString target("x");
  target = std::move(moved);
  EXPECT_EQ(target, kName);
  EXPECT_EQ(moved, "");  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(moved.append('a').hash(), TnString("a").hash());
}

// The writable copies and the bounded copy that the host's C strings go through.
TEST(TnGenericStringTest, GivesAWritableTerminatedCopyAndCopyStringCopiesAtMostNBytes) {
  TnGenericString fromBytes("abcdef", 3);
  static_cast<char*>(fromBytes)[0] = 'X';
  EXPECT_STREQ(fromBytes, "Xbc");
  EXPECT_STREQ(TnGenericString(TnString("name\xBB")), "name\xBB");
  char dst[] = "########";
  EXPECT_EQ(StringUtils::copyString(dst, "abcdef", 3), dst);
  EXPECT_STREQ(dst, "abc");
  EXPECT_EQ(dst[4], '#');
}

}  // namespace
