#include "loomset/catalogue/NameMangling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string M = "\xBB";  // the marker byte
const std::string kZero(1, '\0');

std::string mangled(const std::string& name) { return mangleName(TnString(name)).bytes(); }

TEST(NameManglingTest, SequenceAddsAMarkerEveryNineStepsAndKeepsLongNames) {
  const std::string base(5000, 'n');
  std::vector<std::string> names{base};
  while (names.size() < 20) names.push_back(mangled(names.back()));
  EXPECT_EQ(names[1], base + " " + M + "1");
  EXPECT_EQ(names[9], base + " " + M + "9");
  EXPECT_EQ(names[10], base + " " + M + M + "1");
  EXPECT_EQ(names[18], base + " " + M + M + "9");
  EXPECT_EQ(names[19], base + " " + M + M + M + "1");
}

TEST(NameManglingTest, OnlyTheSecondToLastByteMarksAMangledNameAndUnMangleDropsThreeBytes) {
  EXPECT_EQ(mangled(""), " " + M + "1");
  EXPECT_EQ(mangled(M), M + " " + M + "1");
  EXPECT_EQ(mangled(M + "1 "), M + "1  " + M + "1");
  // The last byte counts up whatever it is, and wraps to a zero byte that stays in the name.
  EXPECT_EQ(mangled("ab" + M + "z"), "ab" + M + "{");
  EXPECT_EQ(mangled(kZero + M + "\xFF"), kZero + M + kZero);
  // Unmangling drops the first three bytes.
  EXPECT_EQ(unMangleName("abc").bytes(), "");
  EXPECT_EQ(unMangleName("abcd").bytes(), "d");
  EXPECT_EQ(unMangleName(mangleName("Satin")).bytes(), "in " + M + "1");
}

}  // namespace
