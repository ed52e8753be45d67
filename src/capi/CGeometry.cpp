// The two motifs: a direction pattern's entries and a Bezier pattern's curve, their placement
// along a span, the direction pattern's box and scaling, and the flags that both have.

#include "capi/CInterface.h"

namespace loomset::detail {
namespace {

// The motif laid from `start` to `end`, as `Placed` vectors; `value` goes to the Bezier pattern.
template <class Placed, class Handle, class Item, class... Value>
int place(const Handle* motif, const loomset_point* start, const loomset_point* end, int reverse,
          Item* buffer, std::size_t capacity, std::size_t* count, Value... value) {
  return on(motif, {start, end}, [&](auto& m) {
    Placed placed;
    m.getDirections(coordOf(*start), coordOf(*end), reverse, value..., placed);
    return give(toC(placed), buffer, capacity, count);
  });
}

}  // namespace
}  // namespace loomset::detail

using namespace loomset::detail;

#define LOOMSET_C_MOTIF_DEFINITIONS(kind)                                                    \
  int LOOMSET_CALL loomset_##kind##_mirror(loomset_##kind* motif) {                          \
    return on(motif, {}, [](auto& m) { m.mirror(); });                                       \
  }                                                                                          \
  int LOOMSET_CALL loomset_##kind##_flip(loomset_##kind* motif) {                            \
    return on(motif, {}, [](auto& m) { m.flip(); });                                         \
  }                                                                                          \
  int LOOMSET_CALL loomset_##kind##_is_mirrored(const loomset_##kind* motif) {               \
    return on(motif, {}, [](auto& m) { return m.isMirrored(); });                            \
  }                                                                                          \
  int LOOMSET_CALL loomset_##kind##_is_flipped(const loomset_##kind* motif) {                \
    return on(motif, {}, [](auto& m) { return m.isFlipped(); });                             \
  }                                                                                          \
  int LOOMSET_CALL loomset_##kind##_reference(const loomset_##kind* motif,                   \
                                              loomset_point* reference) {                    \
    return on(motif, {reference}, [&](auto& m) { *reference = toC(m.getReferenceLine()); }); \
  }

extern "C" {
LOOMSET_C_MOTIF_DEFINITIONS(direction)
LOOMSET_C_MOTIF_DEFINITIONS(bezier)

int LOOMSET_CALL loomset_direction_entries(const loomset_direction* motif, loomset_step* buffer,
                                           size_t capacity, size_t* count) {
  return on(motif, {},
            [&](auto& m) { return give(toC(m.getForwardDirections()), buffer, capacity, count); });
}

int LOOMSET_CALL loomset_direction_set(loomset_direction* motif, const loomset_point* reference,
                                       const loomset_step* steps, size_t count) {
  return on(motif, {reference, arrayOf(steps, count)}, [&](auto& m) {
    m.setReferenceAndDirections(vectorOf(*reference), motifOf(steps, count));
  });
}

int LOOMSET_CALL loomset_direction_set_motif(loomset_direction* motif, const loomset_step* steps,
                                             size_t count) {
  return on(motif, {arrayOf(steps, count)},
            [&](auto& m) { m.setReferenceAndDirections(motifOf(steps, count)); });
}

int LOOMSET_CALL loomset_direction_place(const loomset_direction* motif, const loomset_point* start,
                                         const loomset_point* end, int reverse,
                                         loomset_step* buffer, size_t capacity, size_t* count) {
  return place<TnDirectionPattern::Directions>(motif, start, end, reverse, buffer, capacity, count);
}

int LOOMSET_CALL loomset_direction_box(const loomset_direction* motif, const loomset_point* start,
                                       const loomset_point* end, int reverse,
                                       loomset_point* corners) {
  return on(motif, {start, end, corners}, [&](auto& m) {
    TnCoord<double> c[4] = {coordOf(corners[0]), coordOf(corners[1]), coordOf(corners[2]),
                            coordOf(corners[3])};
    m.getBoundingBox(coordOf(*start), coordOf(*end), reverse, c[0], c[1], c[2], c[3]);
    for (int i = 0; i < 4; ++i) corners[i] = toC(c[i]);
  });
}

int LOOMSET_CALL loomset_direction_extent(const loomset_direction* motif, int reverse,
                                          loomset_point* lower_left, loomset_point* upper_right) {
  return on(motif, {lower_left, upper_right}, [&](auto& m) {
    TnVector<double> ll;
    TnVector<double> ur;
    m.getLLURwrtRef(reverse, ll, ur);
    *lower_left = toC(ll);
    *upper_right = toC(ur);
  });
}

int LOOMSET_CALL loomset_direction_scale(loomset_direction* motif, double factor) {
  return on(motif, {}, [&](auto& m) { m.scalePattern(factor); });
}

int LOOMSET_CALL loomset_direction_scale_by_percentage(loomset_direction* motif, double x_scale,
                                                       double y_scale, double size,
                                                       int extend_to_box) {
  return on(motif, {},
            [&](auto& m) { m.scalePatternByPercentage(x_scale, y_scale, size, extend_to_box); });
}

int LOOMSET_CALL loomset_direction_scaled_size(const loomset_direction* motif, double size,
                                               int extend_to_box, double* width, double* height) {
  return on(motif, {width, height},
            [&](auto& m) { m.scalePatternAndGetSize(*width, *height, size, extend_to_box); });
}

int LOOMSET_CALL loomset_direction_is_skip_end_point(const loomset_direction* motif) {
  return on(motif, {}, [](auto& m) { return m.isSkipEndPoint(); });
}

int LOOMSET_CALL loomset_direction_is_contain_jump(const loomset_direction* motif) {
  return on(motif, {}, [](auto& m) { return m.isContainJump(); });
}

int LOOMSET_CALL loomset_bezier_curve(const loomset_bezier* pattern, loomset_segment* buffer,
                                      size_t capacity, size_t* count) {
  return on(pattern, {},
            [&](auto& m) { return give(toC(m.getBezierCurve()), buffer, capacity, count); });
}

int LOOMSET_CALL loomset_bezier_is_closed(const loomset_bezier* pattern) {
  return on(pattern, {}, [](auto& m) { return m.getBezierCurve().strictIsClosed(); });
}

int LOOMSET_CALL loomset_bezier_set(loomset_bezier* pattern, const loomset_point* reference,
                                    const loomset_segment* segments, size_t count, int closed) {
  return on(pattern, {reference, arrayOf(segments, count)}, [&](auto& m) {
    m.setReferenceAndDirections(vectorOf(*reference), curveOf(segments, count, closed));
  });
}

int LOOMSET_CALL loomset_bezier_set_curve(loomset_bezier* pattern, const loomset_segment* segments,
                                          size_t count, int closed) {
  return on(pattern, {arrayOf(segments, count)},
            [&](auto& m) { m.setReferenceAndDirections(curveOf(segments, count, closed)); });
}

int LOOMSET_CALL loomset_bezier_place(const loomset_bezier* pattern, const loomset_point* start,
                                      const loomset_point* end, int reverse, double value,
                                      loomset_point* buffer, size_t capacity, size_t* count) {
  return place<std::list<TnVector<double>>>(pattern, start, end, reverse, buffer, capacity, count,
                                            value);
}
}
