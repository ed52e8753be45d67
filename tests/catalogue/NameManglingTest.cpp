#include "loomset/catalogue/NameMangling.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loomset/catalogue/GPatTable.h"
#include "support/Shapes.h"

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
  EXPECT_EQ(mangled("a"), "a " + M + "1");
  EXPECT_EQ(mangled(M), M + " " + M + "1");
  EXPECT_EQ(mangled(M + "1 "), M + "1  " + M + "1");
  // The last byte counts up whatever it is; from 0xFF it would be a zero byte, which ends the
  // name. Zero bytes before it stay.
  EXPECT_EQ(mangled("ab" + M + "z"), "ab" + M + "{");
  EXPECT_EQ(mangled("a" + M + "\xFF"), "a" + M);
  EXPECT_EQ(mangled(kZero + M + "\xFF"), kZero + M);
  EXPECT_EQ(unMangleName("abc").bytes(), "");
  EXPECT_EQ(unMangleName("abcd").bytes(), "d");
  EXPECT_EQ(unMangleName(mangleName("Satin")).bytes(), "in " + M + "1");

  // Renamed on a clash, such a name is stored under the text it shows, and written as such.
  GPatTable manager;
  const TnString clashing("a\xBB\xFF");
  ASSERT_EQ(manager.addPattern(nullptr, fillPattern(clashing, 1)), 0);
  TnFillPattern incoming = fillPattern(clashing, 2);
  EXPECT_EQ(manager.addPatternAndRename(design(0), incoming), 0);
  EXPECT_EQ(incoming.getId().bytes(), "a" + M);
  EXPECT_NE(manager.lookup("a\xBB", design(0)), nullptr);
  EXPECT_NE(manager.lookup(clashing, design(0)), nullptr);
}

}  // namespace
