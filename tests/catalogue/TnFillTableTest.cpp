#include "loomset/catalogue/TnFillTable.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "support/CatalogueTestSupport.h"
#include "support/KeyWithHash.h"

namespace {

using loomset::test::fillPattern;
using loomset::test::keyWithHash;

std::string printed(const TnFillTable& table) {
  std::ostringstream out;
  EXPECT_EQ(&table.printTo(out), &out);
  return out.str();
}

std::string printed(std::initializer_list<TnFillPattern> records) {
  std::ostringstream out;
  for (const TnFillPattern& record : records) record.printTo(out);
  return out.str();
}

TEST(TnFillTableTest, PrintsBucketsUpwardThenInOrderOfAdding) {
  // Of 211 buckets: 5, 7, and three names in bucket 9 (hashes 9, -9 and 220).
  const TnFillPattern a = fillPattern(keyWithHash(5, "a"), 1);
  const TnFillPattern b = fillPattern(keyWithHash(7, "b"), 2);
  const TnFillPattern c = fillPattern(keyWithHash(9, "c"), 3);
  const TnFillPattern d = fillPattern(keyWithHash(-9, "d"), 4);
  const TnFillPattern e = fillPattern(keyWithHash(220, "e"), 5);
  TnFillTable table;
  EXPECT_EQ(printed(table), "");
  for (const TnFillPattern* p : {&b, &d, &a, &c, &e}) table.add(*p, p->getId());
  EXPECT_EQ(printed(table), printed({a, b, d, c, e}));
}

}  // namespace
