// The functions that every record kind has, and those of the four catalogued kinds: one template
// each, instantiated for every kind by the macros at the end.

#include <sstream>

#include "capi/CInterface.h"
#include "loomset/foundation/ResultCodes.h"
#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/RecordIo.h"

namespace loomset::detail {
namespace {

// isSamePattern for the pattern records; the motifs compare with ==.
template <class Record>
int isSame(const Record& a, const Record& b) {
  return a.isSamePattern(b);
}
int isSame(const TnDirectionPattern& a, const TnDirectionPattern& b) { return a == b; }
int isSame(const TnBezierPattern& a, const TnBezierPattern& b) { return a == b; }

template <class Handle>
int newRecord(Handle** record) {
  return call({record}, [&] { *record = handleOf<Handle>(new Object<Handle>()); });
}

template <class Handle>
int copyRecord(const Handle* from, Handle** record) {
  return on(from, {record}, [&](auto& r) { *record = handleOf<Handle>(new Object<Handle>(r)); });
}

template <class Handle>
void freeRecord(Handle* record) {
  if (record != nullptr) delete &object(record);
}

template <class Handle>
int readFrom(Handle* record, const unsigned char* bytes, std::size_t size, std::size_t* used) {
  return on(record, {arrayOf(bytes, size), used}, [&](auto& r) {
    TnMemoryStream stream(std::vector<unsigned char>(bytes, bytes + size));
    const int result = readRecord(r, stream);
    *used = stream.readPosition();
    return result;
  });
}

template <class Handle>
int writeTo(const Handle* record, unsigned char* buffer, std::size_t capacity, std::size_t* size) {
  return on(record, {size}, [&](auto& r) {
    TnMemoryStream stream;
    // The pattern records' write is not const, though it changes nothing that can be seen.
    const int result = writeRecord(const_cast<Object<Handle>&>(r), stream);
    if (result != kDone) {
      *size = 0;
      return result;
    }
    return give(stream.bytes(), buffer, capacity, size);
  });
}

template <class Handle>
int nameOf(const Handle* record, char* buffer, std::size_t capacity, std::size_t* size) {
  return on(record, {},
            [&](auto& r) { return giveText(recordName(r).bytes(), buffer, capacity, size); });
}

template <class Handle>
int same(const Handle* a, const Handle* b) {
  return on(a, {b}, [&](auto& r) { return isSame(r, object(b)); });
}

template <class Handle>
int textOf(const Handle* record, char* buffer, std::size_t capacity, std::size_t* size) {
  return on(record, {}, [&](auto& r) {
    std::ostringstream text;
    printRecord(r, text);
    return giveText(text.str(), buffer, capacity, size);
  });
}

template <class Handle>
int renameRecord(Handle* record, const char* name) {
  return on(record, {name}, [&](auto& r) {
    TnString newName(name);
    r.rename(newName);
  });
}

template <class Handle>
int add(int manager, void* design, const Handle* pattern) {
  return inCatalogue<Object<Handle>>(manager, {pattern}, [&](auto& catalogue) {
    return catalogue.addPattern(designOf(design), object(pattern));
  });
}

template <class Handle>
int addAlias(int manager, void* design, const Handle* pattern, const char* alias) {
  return inCatalogue<Object<Handle>>(manager, {pattern, alias}, [&](auto& catalogue) {
    return catalogue.addPattern(designOf(design), object(pattern), TnString(alias));
  });
}

template <class Handle>
int addAndRename(int manager, void* design, Handle* pattern) {
  return inCatalogue<Object<Handle>>(manager, {pattern}, [&](auto& catalogue) {
    return catalogue.addPatternAndRename(designOf(design), object(pattern));
  });
}

// `*found` receives what `lookup` finds under `name` in the catalogue, or null.
template <class Handle, class Lookup>
int findIn(int manager, const char* name, const Handle** found, Lookup lookup) {
  return inCatalogue<Object<Handle>>(manager, {name, found}, [&](auto& catalogue) {
    *found = handleOf<Handle>(lookup(catalogue, TnString(name)));
  });
}

template <class Handle>
int removeFrom(int manager, const Handle* pattern, void** design) {
  return inCatalogue<Object<Handle>>(manager, {pattern, design}, [&](auto& catalogue) {
    *design = catalogue.remove(&object(pattern));
  });
}

}  // namespace
}  // namespace loomset::detail

using namespace loomset::detail;

#define LOOMSET_C_RECORD_DEFINITIONS(kind)                                                      \
  int LOOMSET_CALL loomset_##kind##_new(loomset_##kind** record) { return newRecord(record); }  \
  int LOOMSET_CALL loomset_##kind##_copy(const loomset_##kind* from, loomset_##kind** record) { \
    return copyRecord(from, record);                                                            \
  }                                                                                             \
  void LOOMSET_CALL loomset_##kind##_free(loomset_##kind* record) { freeRecord(record); }       \
  int LOOMSET_CALL loomset_##kind##_read(loomset_##kind* record, const unsigned char* bytes,    \
                                         size_t size, size_t* used) {                           \
    return readFrom(record, bytes, size, used);                                                 \
  }                                                                                             \
  int LOOMSET_CALL loomset_##kind##_write(const loomset_##kind* record, unsigned char* buffer,  \
                                          size_t capacity, size_t* size) {                      \
    return writeTo(record, buffer, capacity, size);                                             \
  }                                                                                             \
  int LOOMSET_CALL loomset_##kind##_name(const loomset_##kind* record, char* buffer,            \
                                         size_t capacity, size_t* size) {                       \
    return nameOf(record, buffer, capacity, size);                                              \
  }                                                                                             \
  int LOOMSET_CALL loomset_##kind##_same(const loomset_##kind* a, const loomset_##kind* b) {    \
    return same(a, b);                                                                          \
  }                                                                                             \
  int LOOMSET_CALL loomset_##kind##_text(const loomset_##kind* record, char* buffer,            \
                                         size_t capacity, size_t* size) {                       \
    return textOf(record, buffer, capacity, size);                                              \
  }

#define LOOMSET_C_CATALOGUED_DEFINITIONS(kind)                                                    \
  int LOOMSET_CALL loomset_##kind##_rename(loomset_##kind* record, const char* name) {            \
    return renameRecord(record, name);                                                            \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_add(int manager, void* design,                                \
                                        const loomset_##kind* pattern) {                          \
    return add(manager, design, pattern);                                                         \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_add_alias(int manager, void* design,                          \
                                              const loomset_##kind* pattern, const char* alias) { \
    return addAlias(manager, design, pattern, alias);                                             \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_add_and_rename(int manager, void* design,                     \
                                                   loomset_##kind* pattern) {                     \
    return addAndRename(manager, design, pattern);                                                \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_lookup(int manager, const char* name, void* design,           \
                                           const loomset_##kind** found) {                        \
    return findIn(manager, name, found, [design](auto& catalogue, const TnString& key) {          \
      return catalogue.lookup(key, designOf(design));                                             \
    });                                                                                           \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_find(int manager, const char* name,                           \
                                         const loomset_##kind** found) {                          \
    return findIn(manager, name, found,                                                           \
                  [](auto& catalogue, const TnString& key) { return catalogue.lookup(key); });    \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_lookup_original(int manager, const char* name,                \
                                                    const loomset_##kind** found) {               \
    return findIn(manager, name, found, [](auto& catalogue, const TnString& key) {                \
      return catalogue.lookupOriginal(key);                                                       \
    });                                                                                           \
  }                                                                                               \
  int LOOMSET_CALL loomset_##kind##_remove(int manager, const loomset_##kind* pattern,            \
                                           void** design) {                                       \
    return removeFrom(manager, pattern, design);                                                  \
  }

extern "C" {
LOOMSET_C_RECORD_DEFINITIONS(fill)
LOOMSET_C_RECORD_DEFINITIONS(programmed)
LOOMSET_C_RECORD_DEFINITIONS(wave)
LOOMSET_C_RECORD_DEFINITIONS(vector)
LOOMSET_C_RECORD_DEFINITIONS(direction)
LOOMSET_C_RECORD_DEFINITIONS(bezier)

LOOMSET_C_CATALOGUED_DEFINITIONS(fill)
LOOMSET_C_CATALOGUED_DEFINITIONS(programmed)
LOOMSET_C_CATALOGUED_DEFINITIONS(wave)
LOOMSET_C_CATALOGUED_DEFINITIONS(vector)
}
