#include "loomset/catalogue/TnFillTable.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "support/FillPatterns.h"
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

TEST(TnFillTableTest, EmptyTablePrintsNothing) { EXPECT_EQ(printed(TnFillTable()), ""); }

TEST(TnFillTableTest, PrintsBucketsUpwardThenInOrderOfAdding) {
  // Of 211 buckets: 5, 7, and three names in bucket 9 (hashes 9, -9 and 220).
  const TnFillPattern a = fillPattern(keyWithHash(5, "a"), 1);
  const TnFillPattern b = fillPattern(keyWithHash(7, "b"), 2);
  const TnFillPattern c = fillPattern(keyWithHash(9, "c"), 3);
  const TnFillPattern d = fillPattern(keyWithHash(-9, "d"), 4);
  const TnFillPattern e = fillPattern(keyWithHash(220, "e"), 5);
  TnFillTable first;
  TnFillTable second;
  for (const TnFillPattern* p : {&b, &d, &a, &c, &e}) first.add(*p, p->getId());
  for (const TnFillPattern* p : {&e, &c, &a, &b, &d}) second.add(*p, p->getId());
  EXPECT_EQ(printed(first), printed({a, b, d, c, e}));
  EXPECT_EQ(printed(second), printed({a, b, e, c, d}));

  TnFillTable copy(first);
  first.remove(d.getId());
  EXPECT_EQ(printed(copy), printed({a, b, d, c, e}));
  EXPECT_NE(copy.lookup(a.getId()), first.lookup(a.getId()));
}

}  // namespace
