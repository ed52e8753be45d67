#include "loomset/foundation/TnHashTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/KeyWithHash.h"

namespace {

using loomset::detail::hashBucket;
using loomset::test::keyWithHash;
using Table = TnHashTable<int, TnString>;

std::vector<std::string> keysInVisitingOrder(const Table& table) {
  TnList<TnString> keys;
  table.getKeyList(keys);
  std::vector<std::string> out;
  for (unsigned int i = 0; i < keys.length(); ++i) out.push_back(keys[i].bytes());
  return out;
}

std::vector<int> recordsInVisitingOrder(Table& table) {
  TnList<int*> records = table.getContentList();
  std::vector<int> out;
  for (unsigned int i = 0; i < records.length(); ++i) out.push_back(*records[i]);
  return out;
}

TEST(TnHashTableTest, AddKeepsTheFirstCopyOfADuplicateKey) {
  Table table;
  int record = 7;
  EXPECT_EQ(table.add(record, "Satin"), 0);
  record = 8;
  EXPECT_EQ(table.add(record, "Satin"), 1);
  ASSERT_NE(table.lookup("Satin"), nullptr);
  EXPECT_EQ(*table.lookup("Satin"), 7);

  int out = -1;
  TnString keyOut("unchanged");
  EXPECT_EQ(table.lookupBucket("Tatami", out, keyOut), -1);
  EXPECT_EQ(out, -1);
  EXPECT_EQ(keyOut, "unchanged");
  EXPECT_EQ(table.lookupBucket("Satin", out, keyOut), 0);
  EXPECT_EQ(out, 7);
  EXPECT_EQ(keyOut, "Satin");

  EXPECT_EQ(table.lookup("Tatami"), nullptr);
  table.remove("Tatami");
  TnList<TnString> keys;
  keys.add("already listed");
  table.getKeyList(keys);
  ASSERT_EQ(keys.length(), 2u);
  EXPECT_EQ(keys[1], "Satin");
}

TEST(TnHashTableTest, EmptyTableAndEmptyingKeepTheBuckets) {
  Table table(5);
  EXPECT_EQ(table.getArbitraryKey(), nullptr);
  EXPECT_EQ(table.getContentList().length(), 0u);
  for (int i = 0; i < 20; ++i) ASSERT_EQ(table.add(i, TnString(std::to_string(i))), 0);
  table.empty();
  EXPECT_EQ(table.getArbitraryKey(), nullptr);
  EXPECT_EQ(table.lookup("3"), nullptr);
  EXPECT_EQ(table.add(33, "3"), 0);
  EXPECT_EQ(*table.lookup("3"), 33);
}

TEST(TnHashTableTest, OneBucketKeepsOrderOfAddingAndStablePointers) {
  for (int n : {1, 0, -4}) {  // Counts below one give a single bucket.
    Table table(n);
    for (int i = 0; i < 6; ++i) ASSERT_EQ(table.add(i * 10, TnString(std::to_string(i))), 0);
    const int* third = table.lookup("2");
    table.remove("1");
    table.add(60, "6");
    EXPECT_EQ(table.lookup("2"), third);
    EXPECT_EQ(recordsInVisitingOrder(table), (std::vector<int>{0, 20, 30, 40, 50, 60}));
    EXPECT_EQ(keysInVisitingOrder(table), (std::vector<std::string>{"0", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(*table.getArbitraryKey(), "0");
    table.remove(*table.getArbitraryKey());  // a key that lives in the entry that goes
    EXPECT_EQ(*table.getArbitraryKey(), "2");
    EXPECT_EQ(table.add(1, "5"), 1);
    EXPECT_EQ(table.lookup("0"), nullptr);
  }
}

TEST(TnHashTableTest, VisitingOrderFollowsBucketsThenOrderOfAdding) {
  // In 7 buckets: hash 10 and its negation both land in bucket 3 (the two's complement bits of
  // -10 would give bucket 1), hash 4 in bucket 4, hash 2 in bucket 2.
  const TnString ten = keyWithHash(10, "a");
  const TnString minusTen = keyWithHash(-10, "b");
  const TnString four = keyWithHash(4, "c");
  const TnString two = keyWithHash(2, "d");
  Table table(7);
  table.add(1, ten);
  table.add(2, four);
  table.add(3, minusTen);
  table.add(4, two);
  EXPECT_EQ(recordsInVisitingOrder(table), (std::vector<int>{4, 1, 3, 2}));
  EXPECT_EQ(*table.getArbitraryKey(), two);

  // A walk that stops at once sees one record.
  static int calls;
  calls = 0;
  table.traverse([](int*) { return ++calls; });
  EXPECT_EQ(calls, 1);
}

TEST(TnHashTableTest, MostNegativeHashHasMagnitude2147483648) {
  EXPECT_EQ(hashBucket(INT_MIN, 211), 2147483648u % 211u);
  EXPECT_EQ(hashBucket(INT_MIN, 7), 2u);
  EXPECT_EQ(hashBucket(-5, 7), 5u);
  EXPECT_EQ(hashBucket(INT_MAX, 1), 0u);

  const TnString most = keyWithHash(INT_MIN, "m");
  ASSERT_EQ(most.hash(), INT_MIN);
  Table table(7);
  table.add(3, keyWithHash(3, "p"));
  table.add(2, keyWithHash(-2, "q"));
  table.add(-1, most);
  table.add(1, keyWithHash(1, "r"));
  EXPECT_EQ(recordsInVisitingOrder(table), (std::vector<int>{1, 2, -1, 3}));
  EXPECT_EQ(*table.lookup(most), -1);
}

TEST(TnHashTableTest, CopiesAreDeepAndKeepTheVisitingOrder) {
  Table original(3);
  for (int i = 0; i < 8; ++i) original.add(i, TnString(std::to_string(i)));
  Table copy(original);
  EXPECT_EQ(recordsInVisitingOrder(copy), recordsInVisitingOrder(original));
  EXPECT_NE(copy.lookup("4"), original.lookup("4"));
  copy.remove("4");
  EXPECT_NE(original.lookup("4"), nullptr);

  Table assigned(211);
  assigned.add(99, "99");
  assigned = original;
  EXPECT_EQ(assigned.lookup("99"), nullptr);
  EXPECT_EQ(recordsInVisitingOrder(assigned), recordsInVisitingOrder(original));
  const Table& self = assigned;
  assigned = self;
  EXPECT_EQ(keysInVisitingOrder(assigned), keysInVisitingOrder(original));
}

}  // namespace
