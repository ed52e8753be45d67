#include "loomset/foundation/TnHashTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

using loomset::detail::hashBucket;
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

// Walks visit bucket 0 upward, each bucket in the order of adding; the bucket of a key is the
// magnitude of its hash modulo the count.
TEST(TnHashTableTest, WalksVisitBucketsUpwardAndEachInTheOrderOfAdding) {
  EXPECT_EQ(hashBucket(INT_MIN, 211), 2147483648u % 211u);
  EXPECT_EQ(hashBucket(-10, 7), 3u);  // the bits of -10 would give 1
  EXPECT_EQ(hashBucket(10, 7), 3u);
  for (int n : {7, 1, 0}) {  // a count below one gives one bucket
    SCOPED_TRACE(n);
    Table table(n);
    std::vector<std::pair<unsigned int, int>> expected;
    for (int i = 0; i < 40; ++i) {
      const TnString key(std::to_string(i * 7919));
      ASSERT_EQ(table.add(i, key), 0);
      expected.emplace_back(hashBucket(key.hash(), n < 1 ? 1 : n), i);
    }
    const int* kept = table.lookup("7919");
    table.remove("0");
    table.remove("absent");
    expected.erase(expected.begin());
    std::stable_sort(expected.begin(), expected.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string order;
    for (const auto& entry : expected) order += std::to_string(entry.second) + " ";
    EXPECT_EQ(records(table), order);
    EXPECT_EQ(table.lookup("7919"), kept);
    TnList<TnString> keys;
    keys.add("listed");  // kept: getKeyList appends
    table.getKeyList(keys);
    ASSERT_EQ(keys.length(), 40u);
    EXPECT_EQ(keys[1], std::to_string(expected.front().second * 7919).c_str());
    EXPECT_EQ(*table.getArbitraryKey(), keys[1]);
    table.remove(*table.getArbitraryKey());  // a key that lives in the entry that goes
    EXPECT_EQ(*table.getArbitraryKey(), keys[2]);
  }
  // A walk that stops at once sees one record, though the others lie in other buckets.
  Table table(211);
  for (int i = 0; i < 20; ++i) table.add(i, TnString(std::to_string(i)));
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
  one.traverse([](int* record) {
    seen += std::to_string(*record) + " ";
    table->remove(std::to_string(*record).c_str());
    return 0;
  });
  EXPECT_EQ(seen, "0 2 4 ");
  EXPECT_EQ(records(one), "1 3 ");
}

}  // namespace
