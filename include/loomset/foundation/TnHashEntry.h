#pragma once

#include "loomset/foundation/TnString.h"

// One entry of a TnHashTable bucket: the name under which a record was added and the table's own
// copy of the record. The record is destroyed before the key.
template <class T>
class TnHashEntry {
 public:
  TnHashEntry(const TnString& entryKey, const T& entryRecord)
      : key(entryKey), record(entryRecord) {}

  TnString key;
  T record;
};
