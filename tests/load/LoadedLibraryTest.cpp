// Uses the library the way a host that loads it at run time does: this program does not link
// Loomset; it opens the built library and calls it through its exported symbols.
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

// Opens the library, stores the built-in catalogue in the seven managers, and returns what
// loomset::loadDefaultCatalogue() returned, or -1 when the library or the symbol is missing.
int loadCatalogueOnce() {
  void* library = dlopen(LOOMSET_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return -1;
  auto load = reinterpret_cast<int (*)()>(dlsym(library, "_ZN7loomset20loadDefaultCatalogueEv"));
  const int result = load != nullptr ? load() : -1;
  dlclose(library);
  return result;
}

// Nothing pins the library in memory (no GNU unique symbol, no other user): closing it unloads
// it, which destroys the managers with the records they hold, and loading it again constructs
// fresh, empty ones, in which no built-in name is taken yet. Leaks of what the managers held
// would show in the sanitizer build.
TEST(LoadedLibraryTest, UnloadingDestroysTheManagersAndReloadingMakesFreshOnes) {
  EXPECT_EQ(loadCatalogueOnce(), 0);
  void* still = dlopen(LOOMSET_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_EQ(still, nullptr) << "the library stayed loaded";
  if (still != nullptr) dlclose(still);
  EXPECT_EQ(loadCatalogueOnce(), 0);
}

}  // namespace
