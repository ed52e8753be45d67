#include "loomset/foundation/TnString.h"

#include <cstring>
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

TEST(TnStringTest, HoldsEveryByteIncludingZeroAndGuillemet) {
  EXPECT_TRUE(TnString().isEmpty());
  EXPECT_EQ(TnString(static_cast<const char*>(nullptr)), TnString());
  EXPECT_EQ(kName.length(), 4u);
  EXPECT_EQ(kName[1], '\xBB');
  // A C string stops at its terminator; the counted form keeps what follows it.
  EXPECT_EQ(TnString(kRawName).length(), 2u);
  EXPECT_NE(TnString(kRawName), kName);

  TnString copy(kName);
  copy.append('x');
  EXPECT_EQ(kName.length(), 4u);  // copies do not share their bytes
}

TEST(TnStringTest, EqualityAndOrderCompareBytesAsUnsigned) {
  EXPECT_TRUE(TnString("abc") == "abc");
  EXPECT_TRUE(TnString("ab") < TnString("abc"));
  EXPECT_TRUE(TnString("abc") < TnString("abd"));
  EXPECT_FALSE(TnString("abc") < TnString("abc"));
  // 0xBB sorts after every ASCII byte, and a string with a trailing zero after its prefix.
  EXPECT_TRUE(TnString("z") < TnString("\xBB"));
  EXPECT_TRUE(TnString("A") < TnString("A\0", 2));
  EXPECT_TRUE(TnString("A\0B", 3) < TnString("A\xBB", 2));
}

TEST(TnStringTest, HashIsStableAndSpreadsOverTheWholeIntRange) {
  const TnString built = TnString("A\xBB").append('\0').append('B');
  EXPECT_EQ(built, kName);
  EXPECT_EQ(built.hash(), kName.hash());
  // Bytes after an embedded zero take part in the hash.
  EXPECT_NE(kName.hash(), TnString(kRawName, 3).hash());

  std::mt19937 rng(42);
  std::uniform_int_distribution<int> byte(0, 255);
  int negatives = 0;
  int positives = 0;
  for (int i = 0; i < 200; ++i) {
    std::string bytes(8, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(rng));
    const int h = TnString(bytes).hash();
    EXPECT_EQ(h, TnString(bytes.data(), bytes.size()).hash());
    (h < 0 ? negatives : positives) += 1;
  }
  EXPECT_GT(negatives, 0);
  EXPECT_GT(positives, 0);
}

TEST(TnStringTest, ConvertsToCharPointerAndWritesItsBytesToStreams) {
  const TnString text("Satin \xBB 2");
  EXPECT_STREQ(static_cast<const char*>(text), "Satin \xBB 2");

  std::ostringstream out;
  out << kName << '|';
  EXPECT_EQ(out.str(), std::string(kRawName, sizeof kRawName) + "|");
}

TEST(TnGenericStringTest, GivesAWritableTerminatedCopy) {
  TnGenericString fromBytes("abcdef", 3);
  static_cast<char*>(fromBytes)[0] = 'X';
  EXPECT_STREQ(fromBytes, "Xbc");

  const TnString source("name\xBB");
  TnGenericString fromString(source);
  static_cast<char*>(fromString)[0] = 'N';
  EXPECT_STREQ(fromString, "Name\xBB");
  EXPECT_EQ(source, "name\xBB");  // the source is not written through the copy
}

TEST(StringUtilsTest, CopyStringCopiesAtMostNBytesAndTerminates) {
  char dst[8];
  std::memset(dst, '#', sizeof dst);
  EXPECT_EQ(StringUtils::copyString(dst, "abcdef", 3), dst);
  EXPECT_STREQ(dst, "abc");
  EXPECT_EQ(dst[4], '#');

  StringUtils::copyString(dst, "ab", 6);
  EXPECT_STREQ(dst, "ab");
}

}  // namespace
