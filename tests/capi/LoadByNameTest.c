/* A host of another compiler: it opens the library by name at run time and reaches the C
 * interface through function pointers that it declares itself, with no header of the library and
 * no import library. */
#include <stdio.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
#define dlopen(name, flags) LoadLibraryA(name)
#define dlsym GetProcAddress
#define dlclose FreeLibrary
typedef HMODULE Library;
typedef FARPROC Symbol;
#else
#include <dlfcn.h>
typedef void* Library;
typedef void* Symbol;
#endif

static int missing;
/* The exported function `name` into `pointer`; a symbol's address and a function pointer have
 * the same size wherever this runs. */
#define LOAD(pointer, name)                    \
  do {                                         \
    Symbol symbol = dlsym(library, name);      \
    missing += symbol == NULL;                 \
    memcpy(&pointer, &symbol, sizeof pointer); \
  } while (0)

int main(void) {
  const char* (*version)(void);
  int (*mangle)(const char*, char*, size_t, size_t*);
  char name[8];
  size_t size = 0;
  int ok;
  Library library = dlopen(LOOMSET_LIBRARY_NAME, RTLD_NOW);
  if (!library) return printf("cannot open %s\n", LOOMSET_LIBRARY_NAME), 1;
  LOAD(version, "loomset_version");
  LOAD(mangle, "loomset_mangle_name");
  if (missing) return printf("%d functions not found\n", missing), 1;

  ok = strcmp(version(), LOOMSET_EXPECTED_VERSION) == 0 &&
       mangle("A", name, sizeof name, &size) == 0 && size == 5 && !strcmp(name, "A \2731");
  dlclose(library);
  printf("%d passed, %d failed\n", ok, !ok);
  return !ok;
}
