#include "loomset/foundation/TnHashTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/KeyWithHash.h"

namespace {

using loomset::detail::hashBucket;
using loomset::test::keyWithHash;
using Table = TnHashTable<int, TnString>;

// The records in visiting order, as getContentList gives them.
std::string records(Table& table) {
  TnList<int*> list = table.getContentList();
  std::string out;
  for (unsigned int i = 0; i < list.length(); ++i) out += std::to_string(*list[i]) + " ";
  return out;
}

TEST(TnHashTableTest, DuplicateKeyKeepsTheFirstCopyAndAbsentKeysChangeNothing) {
  Table table;
  int record = 7;
  EXPECT_EQ(table.add(record, "Satin"), 0);
  record = 8;
  EXPECT_EQ(table.add(record, "Satin"), 1);
  table.remove("Tatami");
  EXPECT_EQ(records(table), "7 ");

  EXPECT_EQ(table.lookup("Tatami"), nullptr);
  int out = -1;
  TnString keyOut("kept");
  EXPECT_EQ(table.lookupBucket("Tatami", out, keyOut), -1);
  EXPECT_EQ(out, -1);
  EXPECT_EQ(keyOut, "kept");
  EXPECT_EQ(table.lookupBucket("Satin", out, keyOut), 0);
  EXPECT_EQ(out, 7);
  EXPECT_EQ(keyOut, "Satin");

  table.empty();
  EXPECT_EQ(records(table), "");
  EXPECT_EQ(table.getArbitraryKey(), nullptr);
  EXPECT_EQ(table.add(9, "Satin"), 0);
}

TEST(TnHashTableTest, OneBucketKeepsTheOrderOfAddingAndStablePointers) {
  for (int n : {1, 0}) {  // a count below one gives one bucket
    SCOPED_TRACE(n);
    Table table(n);
    for (int i = 0; i < 6; ++i) table.add(i * 10, TnString(std::to_string(i)));
    const int* two = table.lookup("2");
    table.remove("1");
    table.remove("absent");
    table.add(60, "6");
    EXPECT_EQ(table.lookup("2"), two);
    EXPECT_EQ(*two, 20);
    EXPECT_EQ(records(table), "0 20 30 40 50 60 ");
    table.remove(*table.getArbitraryKey());  // a key that lives in the entry that goes
    EXPECT_EQ(*table.getArbitraryKey(), "2");
    TnList<TnString> keys;
    keys.add("listed");  // kept: getKeyList appends
    table.getKeyList(keys);
    EXPECT_EQ(keys.length(), 6u);
    EXPECT_EQ(keys[1], "2");
  }
}

TEST(TnHashTableTest, BucketIsTheHashMagnitudeModuloTheCount) {
  EXPECT_EQ(hashBucket(INT_MIN, 211), 2147483648u % 211u);
  // In 7 buckets: hashes 10 and -10 both in bucket 3 (the two's complement bits of -10 would
  // give 1), INT_MIN in 2147483648 mod 7 = 2, 1 in 1 and 4 in 4.
  const TnString one = keyWithHash(1, "p");
  Table table(7);
  table.add(1, keyWithHash(10, "a"));
  table.add(2, keyWithHash(4, "b"));
  table.add(3, keyWithHash(-10, "c"));
  table.add(4, keyWithHash(INT_MIN, "d"));
  table.add(5, one);
  EXPECT_EQ(records(table), "5 4 1 3 2 ");
  EXPECT_EQ(*table.getArbitraryKey(), one);

  // A walk that stops at once sees one record.
  static int calls;
  calls = 0;
  table.traverse([](int*) { return ++calls; });
  EXPECT_EQ(calls, 1);
}

// A host's traverse callback may remove the record it is shown; the walk goes on by position,
// so the record after it is passed over, as a walk by index does.
TEST(TnHashTableTest, TraverseCallbackMayRemoveTheRecordItIsShown) {
  static Table* table;
  static std::string seen;
  Table one(1);
  for (int i = 0; i < 5; ++i) ASSERT_EQ(one.add(i, std::to_string(i).c_str()), 0);
  table = &one;
  seen.clear();
  one.traverse([](int* record) {
    seen += std::to_string(*record) + " ";
    table->remove(std::to_string(*record).c_str());
    return 0;
  });
  EXPECT_EQ(seen, "0 2 4 ");
  EXPECT_EQ(records(one), "1 3 ");
}

TEST(TnHashTableTest, CopiesAreDeepAndKeepTheVisitingOrder) {
  Table original(3);
  for (int i = 0; i < 8; ++i) original.add(i, TnString(std::to_string(i)));
  const std::string all = records(original);
  Table copy(original);
  EXPECT_EQ(records(copy), all);
  copy.remove("4");
  EXPECT_EQ(records(original), all);
  EXPECT_NE(copy.lookup("5"), original.lookup("5"));

  Table assigned(211);
  assigned.add(99, "99");
  assigned = original;
  EXPECT_EQ(records(assigned), all);
  const Table& self = assigned;
  assigned = self;
  EXPECT_EQ(records(assigned), all);
}

}  // namespace
