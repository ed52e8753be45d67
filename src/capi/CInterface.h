#pragma once

// What every function of the C interface shares: the classes behind the opaque handles, the
// checks made before a call reaches the library, and the conversions between the library's values
// and the plain C ones. Each pattern of wrapping is written once here and instantiated for every
// record kind and catalogue that has it.

#include <cstddef>
#include <initializer_list>
#include <list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/loomset_c.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"

namespace loomset::detail {

// The class that a handle stands for: a handle is the address of an object of that class.
template <class Handle>
struct CObject;
#define LOOMSET_C_OBJECT(Handle, Class) \
  template <>                           \
  struct CObject<Handle> {              \
    using type = Class;                 \
  };
LOOMSET_C_OBJECT(loomset_fill, TnFillPattern)
LOOMSET_C_OBJECT(loomset_programmed, TnProgrammedPattern)
LOOMSET_C_OBJECT(loomset_wave, TnWavePattern)
LOOMSET_C_OBJECT(loomset_vector, TnVectorPattern)
LOOMSET_C_OBJECT(loomset_direction, TnDirectionPattern)
LOOMSET_C_OBJECT(loomset_bezier, TnBezierPattern)
#undef LOOMSET_C_OBJECT

template <class Handle>
using Object = typename CObject<Handle>::type;

template <class Handle>
Object<Handle>& object(Handle* handle) {
  return *reinterpret_cast<Object<Handle>*>(handle);
}
template <class Handle>
const Object<Handle>& object(const Handle* handle) {
  return *reinterpret_cast<const Object<Handle>*>(handle);
}
template <class Handle>
Handle* handleOf(Object<Handle>* record) {
  return reinterpret_cast<Handle*>(record);
}
template <class Handle>
const Handle* handleOf(const Object<Handle>* record) {
  return reinterpret_cast<const Handle*>(record);
}

inline TnDesign* designOf(void* design) { return static_cast<TnDesign*>(design); }

// What `use()` returns, or LOOMSET_OK for a `use` that returns nothing.
template <class Use>
int resultOf(Use use) {
  if constexpr (std::is_void_v<decltype(use())>) {
    use();
    return LOOMSET_OK;
  } else {
    return use();
  }
}

// Runs `body` and returns its result, unless one of `required` is null. No exception crosses into
// the host: the library throws none of its own, so what comes is the runtime's want of memory.
template <class Body>
int call(std::initializer_list<const void*> required, Body body) noexcept {
  for (const void* pointer : required) {
    if (pointer == nullptr) return LOOMSET_ERROR_NULL;
  }
  try {
    return resultOf(body);
  } catch (...) {
    return LOOMSET_ERROR_MEMORY;
  }
}

// `use` of the record behind `handle`, as `call` runs it; `handle` is required too.
template <class Handle, class Use>
int on(Handle* handle, std::initializer_list<const void*> required, Use use) noexcept {
  if (handle == nullptr) return LOOMSET_ERROR_NULL;
  return call(required, [&] { return use(object(handle)); });
}

// An array of `count` items may be null when it is empty.
inline const void* arrayOf(const void* items, std::size_t count) {
  static const char kEmpty = 0;
  return count == 0 ? &kEmpty : items;
}

// Copies `items` into `buffer` when all of them fit; `*count` says how many there are.
template <class Item>
int give(const std::vector<Item>& items, Item* buffer, std::size_t capacity, std::size_t* count) {
  if (count == nullptr || (buffer == nullptr && capacity != 0)) return LOOMSET_ERROR_NULL;
  *count = items.size();
  if (items.size() > capacity) return LOOMSET_ERROR_BUFFER;
  for (std::size_t i = 0; i < items.size(); ++i) buffer[i] = items[i];
  return LOOMSET_OK;
}

// A text with the zero byte that ends it.
inline int giveText(const std::string& text, char* buffer, std::size_t capacity,
                    std::size_t* size) {
  std::vector<char> bytes(text.begin(), text.end());
  bytes.push_back('\0');
  return give(bytes, buffer, capacity, size);
}

inline double toC(double value) { return value; }
inline loomset_point toC(const TnVector<double>& v) { return {v.xval(), v.yval()}; }
inline loomset_point toC(const TnCoord<double>& c) { return {c.xval(), c.yval()}; }
inline loomset_step toC(const std::pair<TnVector<double>, int>& entry) {
  return {entry.first.xval(), entry.first.yval(), entry.second};
}
inline loomset_segment toC(const TnBezier& segment) {
  loomset_segment out;
  for (int k = 0; k < 4; ++k) out.points[k] = toC(segment[k]);
  return out;
}
template <class Item>
auto toC(const std::list<Item>& items) {
  std::vector<decltype(toC(items.front()))> out;
  for (const Item& item : items) out.push_back(toC(item));
  return out;
}
template <class Item>
auto toC(const TnList<Item>& items) {
  std::vector<decltype(toC(items[0]))> out;
  for (unsigned int i = 0; i < items.length(); ++i) out.push_back(toC(items[i]));
  return out;
}
inline auto toC(const TnBezierCurve& curve) { return toC(curve.getSegments()); }

inline TnCoord<double> coordOf(const loomset_point& p) { return TnCoord<double>(p.x, p.y); }
inline TnVector<double> vectorOf(const loomset_point& p) { return TnVector<double>(p.x, p.y); }
inline TnDirectionPattern::Directions motifOf(const loomset_step* steps, std::size_t count) {
  TnDirectionPattern::Directions motif;
  for (std::size_t i = 0; i < count; ++i)
    motif.emplace_back(TnVector<double>(steps[i].dx, steps[i].dy), steps[i].jump);
  return motif;
}
inline TnBezierCurve curveOf(const loomset_segment* segments, std::size_t count, int closed) {
  TnBezierCurve curve;
  for (std::size_t i = 0; i < count; ++i) {
    const loomset_point* p = segments[i].points;
    curve.getSegments().add(TnBezier(coordOf(p[0]), coordOf(p[1]), coordOf(p[2]), coordOf(p[3])));
  }
  curve.setStrictIsClosed(closed);
  return curve;
}

// The global catalogue numbered `manager`, handed to `visit`.
template <class Visit>
int withManager(int manager, Visit visit) {
  switch (manager) {
    case LOOMSET_FILL_MANAGER:
      return visit(gFillManager);
    case LOOMSET_PROGRAMMED_MANAGER:
      return visit(gProgrammedPatManager);
    case LOOMSET_LOCKSTITCH_MANAGER:
      return visit(gLockstitchManager);
    case LOOMSET_WAVE_MANAGER:
      return visit(gWavePatManager);
    case LOOMSET_TILE_VECTOR_MANAGER:
      return visit(gTileVecPatManager);
    case LOOMSET_NON_TILE_VECTOR_MANAGER:
      return visit(gNonTileVecPatManager);
    case LOOMSET_COMPOSITE_VECTOR_MANAGER:
      return visit(gCompositeVecPatManager);
    default:
      return LOOMSET_ERROR_ARGUMENT;
  }
}

template <class Record, class Table>
Record recordOf(const PatternManager<Record, Table>&);

// `use` of the catalogue numbered `manager`, as `call` runs it. The catalogue must hold `Record`s,
// unless `Record` is void.
template <class Record, class Use>
int inCatalogue(int manager, std::initializer_list<const void*> required, Use use) {
  return call(required, [&] {
    return withManager(manager, [&](auto& catalogue) {
      if constexpr (std::is_void_v<Record> ||
                    std::is_same_v<decltype(recordOf(catalogue)), Record>) {
        return resultOf([&] { return use(catalogue); });
      } else {
        return LOOMSET_ERROR_ARGUMENT;
      }
    });
  });
}

}  // namespace loomset::detail
