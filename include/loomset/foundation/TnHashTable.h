#pragma once

#include <cassert>
#include <cstdint>

#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/TnHashEntry.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"

namespace loomset::detail {

// The bucket count of a table made without one, which every catalogue table has.
constexpr int kDefaultBucketCount = 211;

// The bucket of a key hash: its magnitude as an unsigned 32-bit number, modulo `bucketCount`.
// The most negative int has the magnitude 2147483648. REQUIRES: bucketCount >= 1.
inline unsigned int hashBucket(int hash, int bucketCount) {
  assert(bucketCount >= 1);
  const std::uint32_t bits = static_cast<std::uint32_t>(hash);
  const std::uint32_t magnitude = hash < 0 ? 0u - bits : bits;
  // The remainder by the usual constant compiles to a multiplication instead of a division.
  if (bucketCount == kDefaultBucketCount) {
    return magnitude % static_cast<std::uint32_t>(kDefaultBucketCount);
  }
  return magnitude % static_cast<std::uint32_t>(bucketCount);
}

}  // namespace loomset::detail

template <class T, class K>
class TnHashTable;

// Records of type T stored by name in a fixed number of buckets that never grows. Each bucket
// keeps its entries in the order of adding. Walks (getKeyList, getContentList, traverse) visit
// bucket 0 upward, and inside a bucket in the order of adding. Every entry is its own allocation:
// pointers to a stored record or key stay valid until that entry is removed, the table is
// emptied or destroyed.
template <class T>
class TnHashTable<T, TnString> {
 public:
  // A table of `n` buckets; a count below 1 is taken as 1.
  explicit TnHashTable(int n = loomset::detail::kDefaultBucketCount);
  // Copies every entry into buckets of its own; the visiting order is the same.
  TnHashTable(const TnHashTable& other);
  TnHashTable& operator=(const TnHashTable& other);
  virtual ~TnHashTable();

  // Stores a copy of `record` under a copy of `key` and returns 0; returns 1, storing nothing,
  // when `key` is taken.
  int add(const T& record, const TnString& key);
  // The stored record for `key`, or null.
  const T* lookup(const TnString& key) const;
  // 0: the stored record and its key are assigned to `record` and `keyOut`; -1: no such key,
  // both left as they were.
  int lookupBucket(const TnString& key, T& record, TnString& keyOut) const;
  // Destroys the entry for `key`, if there is one; `key` may be that entry's own key.
  void remove(const TnString& key);
  // Destroys every entry; the buckets stay.
  void empty();

  // Appends a copy of every key, in visiting order, to `keys`, which is not cleared first.
  void getKeyList(TnList<TnString>& keys) const;
  // Pointers to the stored records, in visiting order.
  TnList<T*> getContentList();
  // The key of the first entry of the lowest non-empty bucket, or null when the table is empty.
  const TnString* getArbitraryKey() const;
  // Calls `fn` with each stored record in visiting order until a call returns non-zero.
  void traverse(int (*fn)(T*));
  // As traverse(fn), passing `arg` along to every call.
  void traverse(int (*fn)(const T*, void*), void* arg) const;

 private:
  using Entry = TnHashEntry<T>;
  using Bucket = TnList<Entry>;

  Bucket& bucketOf(const TnString& key) const {
    return buckets[loomset::detail::hashBucket(key.hash(), bucketCount)];
  }
  // The key's entry inside `bucket`, the key's bucket, or null; its position goes to `*index`
  // when that is given.
  static Entry* find(const Bucket& bucket, const TnString& key, int* index = nullptr) {
    return bucket.firstWhere([&key](const Entry& entry) { return entry.key == key; }, index);
  }
  // Calls `visit` with every entry in visiting order until it returns true.
  template <class Visit>
  void visitEntries(Visit visit) const;
  void copyEntries(const TnHashTable& other);

  int bucketCount;
  Bucket* buckets;
};

template <class T>
TnHashTable<T, TnString>::TnHashTable(int n)
    : bucketCount(n < 1 ? 1 : n), buckets(new Bucket[bucketCount]) {}

template <class T>
TnHashTable<T, TnString>::TnHashTable(const TnHashTable& other)
    : bucketCount(other.bucketCount), buckets(new Bucket[bucketCount]) {
  copyEntries(other);
}

template <class T>
TnHashTable<T, TnString>& TnHashTable<T, TnString>::operator=(const TnHashTable& other) {
  if (this == &other) return *this;
  if (bucketCount != other.bucketCount) {
    delete[] buckets;
    bucketCount = other.bucketCount;
    buckets = new Bucket[bucketCount];
  }
  copyEntries(other);
  return *this;
}

template <class T>
TnHashTable<T, TnString>::~TnHashTable() {
  delete[] buckets;
}

template <class T>
int TnHashTable<T, TnString>::add(const T& record, const TnString& key) {
  Bucket& bucket = bucketOf(key);
  if (find(bucket, key) != nullptr) return loomset::detail::kNotStored;
  bucket.add(Entry(key, record));
  return loomset::detail::kStored;
}

template <class T>
const T* TnHashTable<T, TnString>::lookup(const TnString& key) const {
  const Entry* entry = find(bucketOf(key), key);
  return entry != nullptr ? &entry->record : nullptr;
}

template <class T>
int TnHashTable<T, TnString>::lookupBucket(const TnString& key, T& record, TnString& keyOut) const {
  const Entry* entry = find(bucketOf(key), key);
  if (entry == nullptr) return loomset::detail::kAbsent;
  record = entry->record;
  keyOut = entry->key;
  return loomset::detail::kDone;
}

template <class T>
void TnHashTable<T, TnString>::remove(const TnString& key) {
  Bucket& bucket = bucketOf(key);
  int pos = -1;
  if (find(bucket, key, &pos) != nullptr) bucket.removeByIndex(pos);
}

template <class T>
void TnHashTable<T, TnString>::empty() {
  for (int b = 0; b < bucketCount; ++b) buckets[b].empty();
}

template <class T>
void TnHashTable<T, TnString>::getKeyList(TnList<TnString>& keys) const {
  visitEntries([&keys](Entry& entry) {
    keys.add(entry.key);
    return false;
  });
}

template <class T>
TnList<T*> TnHashTable<T, TnString>::getContentList() {
  TnList<T*> records;
  visitEntries([&records](Entry& entry) {
    records.add(&entry.record);
    return false;
  });
  return records;
}

template <class T>
const TnString* TnHashTable<T, TnString>::getArbitraryKey() const {
  for (int b = 0; b < bucketCount; ++b) {
    if (buckets[b].length() > 0) return &buckets[b][0].key;
  }
  return nullptr;
}

template <class T>
void TnHashTable<T, TnString>::traverse(int (*fn)(T*)) {
  visitEntries([fn](Entry& entry) { return fn(&entry.record) != 0; });
}

template <class T>
void TnHashTable<T, TnString>::traverse(int (*fn)(const T*, void*), void* arg) const {
  visitEntries([fn, arg](const Entry& entry) { return fn(&entry.record, arg) != 0; });
}

template <class T>
template <class Visit>
void TnHashTable<T, TnString>::visitEntries(Visit visit) const {
  // By index, with the length read again at every step: a traverse callback may remove the entry
  // it is shown, which a walk holding on to that entry's node would then step on from.
  for (int b = 0; b < bucketCount; ++b) {
    const Bucket& bucket = buckets[b];
    for (unsigned int i = 0; i < bucket.length(); ++i) {
      if (visit(bucket[i])) return;
    }
  }
}

template <class T>
void TnHashTable<T, TnString>::copyEntries(const TnHashTable& other) {
  for (int b = 0; b < bucketCount; ++b) buckets[b] = other.buckets[b];
}
