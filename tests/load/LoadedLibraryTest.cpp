// Uses the library the way a host that loads it at run time does: this program does not link
// Loomset; it opens the built library and reaches the global managers and the members it calls
// through the library's exported symbols. The headers are included only for the types.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "loomset/loomset.h"

namespace {

class Library {
 public:
  Library() : handle(dlopen(LOOMSET_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL)) {}
  ~Library() {
    if (handle != nullptr) dlclose(handle);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool isOpen() const { return handle != nullptr; }
  void* find(const std::string& symbol) const { return dlsym(handle, symbol.c_str()); }

 private:
  void* handle;
};

std::string lengthPrefixed(const std::string& name) { return std::to_string(name.size()) + name; }

// The exported symbol of a member of the catalogue template instantiated for one family.
std::string managerMember(const std::string& record, const std::string& table,
                          const std::string& member) {
  return "_ZN7loomset6detail14PatternManagerI" + lengthPrefixed(record) + lengthPrefixed(table) +
         "E" + member;
}

// Adds a default record of the family to the library-wide scope of the manager named `manager`,
// which must not hold it yet, and finds a stored copy of it; unless `keep`, removes it again and
// checks that it is gone. Returns the manager's address.
template <class Manager, class Record>
const void* useManager(const Library& library, const char* manager, const std::string& record,
                       const std::string& table, bool keep) {
  SCOPED_TRACE(manager);
  using Construct = void (*)(Record*);
  using Add = int (*)(Manager*, TnDesign*, const Record&);
  using Lookup = const Record* (*)(Manager*, const TnString&);
  using Remove = TnDesign* (*)(Manager*, const Record*);

  auto* object = static_cast<Manager*>(library.find(manager));
  auto construct =
      reinterpret_cast<Construct>(library.find("_ZN" + lengthPrefixed(record) + "C1Ev"));
  auto destroy = reinterpret_cast<Construct>(library.find("_ZN" + lengthPrefixed(record) + "D1Ev"));
  auto add = reinterpret_cast<Add>(
      library.find(managerMember(record, table, "10addPatternEP8TnDesignRKS2_")));
  auto lookup =
      reinterpret_cast<Lookup>(library.find(managerMember(record, table, "6lookupERK8TnString")));
  auto remove =
      reinterpret_cast<Remove>(library.find(managerMember(record, table, "6removeEPKS2_")));
  if (object == nullptr || construct == nullptr || destroy == nullptr || add == nullptr ||
      lookup == nullptr || remove == nullptr) {
    ADD_FAILURE() << "a symbol is not exported";
    return nullptr;
  }

  alignas(Record) unsigned char storage[sizeof(Record)];
  auto* pattern = reinterpret_cast<Record*>(storage);
  construct(pattern);
  EXPECT_EQ(lookup(object, pattern->getId()), nullptr);
  EXPECT_EQ(add(object, nullptr, *pattern), 0);
  EXPECT_EQ(add(object, nullptr, *pattern), 2);  // the name is taken library-wide
  const Record* stored = lookup(object, pattern->getId());
  EXPECT_NE(stored, nullptr);
  EXPECT_NE(stored, pattern);
  if (!keep) {
    EXPECT_EQ(remove(object, stored), nullptr);
    EXPECT_EQ(lookup(object, pattern->getId()), nullptr);
  }
  destroy(pattern);
  return object;
}

// Uses all seven managers; returns their addresses.
std::set<const void*> useAllManagers(const Library& library, bool keep) {
  return {
      useManager<GPatTable, TnFillPattern>(library, "gFillManager", "TnFillPattern", "TnFillTable",
                                           keep),
      useManager<GProgrammedPatTable, TnProgrammedPattern>(
          library, "gProgrammedPatManager", "TnProgrammedPattern", "TnProgrammedPatTable", keep),
      useManager<GProgrammedPatTable, TnProgrammedPattern>(
          library, "gLockstitchManager", "TnProgrammedPattern", "TnProgrammedPatTable", keep),
      useManager<GWavePatTable, TnWavePattern>(library, "gWavePatManager", "TnWavePattern",
                                               "TnWavePatTable", keep),
      useManager<GVecPatTable, TnVectorPattern>(library, "gTileVecPatManager", "TnVectorPattern",
                                                "TnVecPatTable", keep),
      useManager<GVecPatTable, TnVectorPattern>(library, "gNonTileVecPatManager", "TnVectorPattern",
                                                "TnVecPatTable", keep),
      useManager<GVecPatTable, TnVectorPattern>(library, "gCompositeVecPatManager",
                                                "TnVectorPattern", "TnVecPatTable", keep),
  };
}

TEST(LoadedLibraryTest, EveryGlobalManagerIsUsableThroughExportedSymbols) {
  const Library library;
  ASSERT_TRUE(library.isOpen()) << dlerror();
  const std::set<const void*> managers = useAllManagers(library, false);
  // Seven objects, none of them null.
  EXPECT_EQ(managers.size(), 7u);
  EXPECT_EQ(managers.count(nullptr), 0u);
}

// Nothing pins the library in memory (no GNU unique symbol, no other user): closing it unloads
// it, which destroys the managers with the records they hold, and loading it again constructs
// fresh, empty ones. Leaks of what the managers held would show in the sanitizer build.
TEST(LoadedLibraryTest, UnloadingDestroysTheManagersAndReloadingMakesFreshOnes) {
  {
    const Library library;
    ASSERT_TRUE(library.isOpen()) << dlerror();
    useAllManagers(library, true);
  }
  void* still = dlopen(LOOMSET_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_EQ(still, nullptr) << "the library stayed loaded";
  if (still != nullptr) dlclose(still);
  const Library again;
  ASSERT_TRUE(again.isOpen()) << dlerror();
  // Each manager must not hold the record that the first load left in it.
  useAllManagers(again, false);
}

}  // namespace
