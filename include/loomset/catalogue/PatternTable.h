#pragma once

#include <ostream>

#include "loomset/foundation/TnHashTable.h"
#include "loomset/foundation/TnString.h"

namespace loomset::detail {

// The patterns of one family for one scope, keyed by name in 211 buckets. Each family's table
// class derives from this template and adds nothing but its name.
template <class Record>
class PatternTable : public TnHashTable<Record, TnString> {
 public:
  PatternTable() : TnHashTable<Record, TnString>(loomset::detail::kDefaultBucketCount) {}

  // Writes every stored record with its own printTo, in visiting order, and nothing else.
  // Returns `out`.
  std::ostream& printTo(std::ostream& out) const {
    // A capture-free lambda, which every user of the header compiles for itself: a static member
    // would be looked for in the library, which does not always export it.
    this->traverse(
        [](const Record* record, void* stream) {
          record->printTo(*static_cast<std::ostream*>(stream));
          return 0;
        },
        &out);
    return out;
  }
};

}  // namespace loomset::detail
