#pragma once

#include <cassert>
#include <new>

#include "loomset/Export.h"
#include "loomset/catalogue/NameMangling.h"
#include "loomset/catalogue/TnDesign.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/TnList.h"
#include "loomset/foundation/TnString.h"

// Every manager keeps its designs in such a list.
LOOMSET_EXTERN_TEMPLATE(TnList<TnDesign*>);

namespace loomset::detail {

// The catalogue of one pattern family: one Table of Records per design that it has been asked
// about, created on first use, and one for the library-wide scope (the null design). A name
// taken library-wide cannot be added to any design, and lookups by name alone try the
// library-wide scope before the current design. Every operation that names a design, lookups
// included, creates the design's table when it has none. Each family's manager class derives from
// this template and gives the table getter and the design removal their family names.
//
// A Record needs getId(), rename(TnString&) and isSamePattern besides what its Table needs; a
// Table needs a default and a copy constructor and the operations of TnHashTable.
template <class Record, class Table>
class PatternManager {
 public:
  PatternManager() = default;
  // Copies hold tables of their own with the same records; they share none with `other`.
  PatternManager(const PatternManager& other);
  PatternManager& operator=(const PatternManager& other);
  ~PatternManager();

  void setDesign(TnDesign* design) { currentDesign = design; }
  TnDesign* getDesign() const { return currentDesign; }

  // Pointers to the records of the design's table (null: the library-wide scope), in the table's
  // visiting order; empty when the design has no table.
  TnList<Record*> getPatterns(TnDesign* design);
  // The library-wide records, followed by the design's records unless `design` is null.
  TnList<Record*> getAllPatterns(TnDesign* design);

  // Stores a copy of `pattern` under its name in the design's table. 0: stored; 1: the design's
  // table holds the name, or the design has no table; 2: the name is taken library-wide (also
  // when adding to the library-wide scope twice).
  int addPattern(TnDesign* design, const Record& pattern);
  // As addPattern(design, pattern), then stores a second copy under `alias`, which is not checked
  // against the library-wide scope. 1 when the alias is taken in the design's table; the copy
  // under the pattern's own name then stays.
  int addPattern(TnDesign* design, const Record& pattern, const TnString& alias);
  // Adds `pattern` to the design, renaming it while its name is taken library-wide; a renamed
  // pattern is also stored under the name that it had before its last renaming. 0: stored, or an
  // identical pattern under the same name is library-wide already and nothing is stored; 1: the
  // design's table holds the name, the new name or the alias, or the design has no table.
  // `pattern` ends with the last name given to it.
  int addPatternAndRename(TnDesign* design, Record& pattern);

  // The record stored under `name` in the design's table, or null.
  const Record* lookup(const TnString& name, TnDesign* design);
  // The library-wide record of that name, else the current design's, else null.
  const Record* lookup(const TnString& name);
  // The current design's record of that name, or null.
  const Record* lookupOriginal(const TnString& name);

  // Removes the entry stored under the pattern's name from the library-wide scope if it holds
  // the name (returning null), else from the current design (returning the current design).
  // Null, removing nothing, when neither holds it or `pattern` is null. Aliases stay.
  TnDesign* remove(const Record* pattern);
  // Removes from the design's table every entry whose name a library-wide record carries.
  // Nothing happens for the null design.
  void removeAliases(TnDesign* design);

 protected:
  // The design's table, created on first use; null when it could not be created.
  Table* getTable(TnDesign* design);
  // Destroys the design's table and forgets the design. The library-wide table stays.
  void removePatterns(TnDesign* design);

 private:
  void copyTables(const PatternManager& other);
  void destroyTables();

  TnList<TnDesign*> designs;
  // The table of each design, at the design's position in `designs`.
  TnList<Table*> tables;
  TnDesign* currentDesign = nullptr;
};

template <class Record, class Table>
PatternManager<Record, Table>::PatternManager(const PatternManager& other) {
  copyTables(other);
}

template <class Record, class Table>
PatternManager<Record, Table>& PatternManager<Record, Table>::operator=(
    const PatternManager& other) {
  if (this == &other) return *this;
  destroyTables();
  copyTables(other);
  return *this;
}

template <class Record, class Table>
PatternManager<Record, Table>::~PatternManager() {
  destroyTables();
}

template <class Record, class Table>
TnList<Record*> PatternManager<Record, Table>::getPatterns(TnDesign* design) {
  Table* table = getTable(design);
  return table != nullptr ? table->getContentList() : TnList<Record*>();
}

template <class Record, class Table>
TnList<Record*> PatternManager<Record, Table>::getAllPatterns(TnDesign* design) {
  TnList<Record*> all = getPatterns(nullptr);
  if (design != nullptr) {
    TnList<Record*> own = getPatterns(design);
    all.join(own);
  }
  return all;
}

template <class Record, class Table>
int PatternManager<Record, Table>::addPattern(TnDesign* design, const Record& pattern) {
  if (lookup(pattern.getId(), nullptr) != nullptr) return kTakenLibraryWide;
  Table* table = getTable(design);
  if (table == nullptr) return kNotStored;
  return table->add(pattern, pattern.getId());
}

template <class Record, class Table>
int PatternManager<Record, Table>::addPattern(TnDesign* design, const Record& pattern,
                                              const TnString& alias) {
  const int result = addPattern(design, pattern);
  if (result != kStored) return result;
  return getTable(design)->add(pattern, alias);
}

template <class Record, class Table>
int PatternManager<Record, Table>::addPatternAndRename(TnDesign* design, Record& pattern) {
  TnList<Record*> libraryRecords = getPatterns(nullptr);
  for (unsigned int i = 0; i < libraryRecords.length(); ++i) {
    const Record* record = libraryRecords[i];
    if (pattern.getId() == record->getId() && pattern.isSamePattern(*record) != 0) return kStored;
  }
  int result = addPattern(design, pattern);
  // Each new name differs from the one before and only library-wide names send the loop round
  // again, so it ends.
  while (result == kTakenLibraryWide) {
    const TnString alias = pattern.getId();
    TnString mangled = mangleName(alias);
    pattern.rename(mangled);
    result = addPattern(design, pattern, alias);
  }
  return result;
}

template <class Record, class Table>
const Record* PatternManager<Record, Table>::lookup(const TnString& name, TnDesign* design) {
  Table* table = getTable(design);
  return table != nullptr ? table->lookup(name) : nullptr;
}

template <class Record, class Table>
const Record* PatternManager<Record, Table>::lookup(const TnString& name) {
  const Record* found = lookup(name, nullptr);
  // Without a current design the second scope is the first again: asking it twice finds nothing
  // more.
  if (found != nullptr || currentDesign == nullptr) return found;
  return lookup(name, currentDesign);
}

template <class Record, class Table>
const Record* PatternManager<Record, Table>::lookupOriginal(const TnString& name) {
  return lookup(name, currentDesign);
}

template <class Record, class Table>
TnDesign* PatternManager<Record, Table>::remove(const Record* pattern) {
  if (pattern == nullptr) return nullptr;
  const TnString& name = pattern->getId();
  if (lookup(name, nullptr) != nullptr) {
    getTable(nullptr)->remove(name);
    return nullptr;
  }
  if (lookup(name, currentDesign) != nullptr) {
    getTable(currentDesign)->remove(name);
    return currentDesign;
  }
  return nullptr;
}

template <class Record, class Table>
void PatternManager<Record, Table>::removeAliases(TnDesign* design) {
  if (design == nullptr) return;
  TnList<Record*> libraryRecords = getPatterns(nullptr);
  for (unsigned int i = 0; i < libraryRecords.length(); ++i) {
    const TnString& name = libraryRecords[i]->getId();
    if (lookup(name, design) != nullptr) getTable(design)->remove(name);
  }
}

template <class Record, class Table>
Table* PatternManager<Record, Table>::getTable(TnDesign* design) {
  int pos = designs.find(design);
  if (pos == kAbsent) {
    designs.add(design);
    // A table that cannot be allocated is kept as null so that both lists stay in step; every
    // later operation on the design then finds no table.
    tables.add(new (std::nothrow) Table());
    pos = static_cast<int>(designs.length()) - 1;
  }
  assert(designs.length() == tables.length());
  return tables[static_cast<unsigned int>(pos)];
}

template <class Record, class Table>
void PatternManager<Record, Table>::removePatterns(TnDesign* design) {
  if (design == nullptr) return;
  const int pos = designs.find(design);
  if (pos == kAbsent) return;
  delete tables[static_cast<unsigned int>(pos)];
  tables.removeByIndex(pos);
  designs.removeByIndex(pos);
}

template <class Record, class Table>
void PatternManager<Record, Table>::copyTables(const PatternManager& other) {
  designs = other.designs;
  for (unsigned int i = 0; i < other.tables.length(); ++i) {
    const Table* table = other.tables[i];
    tables.add(table != nullptr ? new (std::nothrow) Table(*table) : nullptr);
  }
  currentDesign = other.currentDesign;
}

template <class Record, class Table>
void PatternManager<Record, Table>::destroyTables() {
  while (tables.length() > 0) {
    delete tables[0];
    tables.removeByIndex(0);
  }
  designs.empty();
}

}  // namespace loomset::detail
