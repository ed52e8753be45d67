#include "loomset/catalogue/NameMangling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string M = "\xBB";  // the marker byte

std::string mangled(const std::string& name) { return mangleName(TnString(name)).bytes(); }

TEST(NameManglingTest, SequenceAddsAMarkerEveryNineSteps) {
  std::vector<std::string> names{"Satin"};
  for (int step = 1; step <= 19; ++step) names.push_back(mangled(names.back()));
  EXPECT_EQ(names[1], "Satin " + M + "1");
  EXPECT_EQ(names[2], "Satin " + M + "2");
  EXPECT_EQ(names[9], "Satin " + M + "9");
  EXPECT_EQ(names[10], "Satin " + M + M + "1");
  EXPECT_EQ(names[11], "Satin " + M + M + "2");
  EXPECT_EQ(names[18], "Satin " + M + M + "9");
  EXPECT_EQ(names[19], "Satin " + M + M + M + "1");
}

TEST(NameManglingTest, OnlyTheSecondToLastByteMarksAMangledName) {
  EXPECT_EQ(mangled(""), " " + M + "1");
  EXPECT_EQ(mangled("x"), "x " + M + "1");
  EXPECT_EQ(mangled(M), M + " " + M + "1");
  EXPECT_EQ(mangled(M + "1 "), M + "1  " + M + "1");
  EXPECT_EQ(mangled("ab" + M + "4"), "ab" + M + "5");
  EXPECT_EQ(mangled(M + "9"), M + M + "1");
  // The last byte counts up whatever it is, and wraps to a zero byte that stays in the name.
  EXPECT_EQ(mangled("ab" + M + "z"), "ab" + M + "{");
  EXPECT_EQ(mangled("ab" + M + M), "ab" + M + "\xBC");
  EXPECT_EQ(mangled("ab" + M + "\xFF"), "ab" + M + std::string(1, '\0'));
  EXPECT_EQ(mangled(std::string(1, '\0') + M + "1"), std::string(1, '\0') + M + "2");
}

TEST(NameManglingTest, LongNamesKeepEveryByte) {
  const std::string base(5000, 'n');
  std::string name = base;
  for (int step = 0; step < 10; ++step) name = mangled(name);
  EXPECT_EQ(name, base + " " + M + M + "1");
}

TEST(NameManglingTest, UnMangleNameDropsTheFirstThreeBytes) {
  EXPECT_EQ(unMangleName("").bytes(), "");
  EXPECT_EQ(unMangleName("ab").bytes(), "");
  EXPECT_EQ(unMangleName("abc").bytes(), "");
  EXPECT_EQ(unMangleName("abcd").bytes(), "d");
  EXPECT_EQ(unMangleName(mangleName("Satin")).bytes(), "in " + M + "1");
}

}  // namespace
