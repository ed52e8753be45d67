// The fields that a host builds the four pattern records from.

#include <iterator>

#include "capi/CInterface.h"

namespace loomset::detail {
namespace {

// `use` of the pair at `index` of a programmed pattern's description; LOOMSET_ERROR_ARGUMENT past
// its end.
template <class Use>
int onPair(const loomset_programmed* pattern, std::size_t index,
           std::initializer_list<const void*> required, Use use) {
  return on(pattern, required, [&](const TnProgrammedPattern& p) {
    const TnProgrammedPattern::Description& pairs = p.getPatternDescription();
    if (index >= pairs.size()) return LOOMSET_ERROR_ARGUMENT;
    return resultOf(
        [&] { return use(*std::next(pairs.begin(), static_cast<std::ptrdiff_t>(index))); });
  });
}

}  // namespace
}  // namespace loomset::detail

using namespace loomset::detail;

extern "C" {

int LOOMSET_CALL loomset_fill_init(loomset_fill* fill, const char* name, short length, short count,
                                   const unsigned char* offsets) {
  return on(fill, {name}, [&](auto& f) { return f.init(TnString(name), length, count, offsets); });
}

int LOOMSET_CALL loomset_fill_stitch_length(const loomset_fill* fill, double* length) {
  return on(fill, {length}, [&](auto& f) { *length = f.getStitchLength(); });
}

int LOOMSET_CALL loomset_fill_is_random(const loomset_fill* fill) {
  return on(fill, {}, [](auto& f) { return f.isRandom(); });
}

int LOOMSET_CALL loomset_fill_offsets(const loomset_fill* fill, double* buffer, size_t capacity,
                                      size_t* count) {
  return on(fill, {}, [&](auto& f) { return give(toC(f.getOffsets()), buffer, capacity, count); });
}

int LOOMSET_CALL loomset_fill_old_offsets(const loomset_fill* fill, double* buffer, size_t capacity,
                                          size_t* count) {
  return on(fill, {},
            [&](auto& f) { return give(toC(f.getOldOffsets()), buffer, capacity, count); });
}

int LOOMSET_CALL loomset_programmed_count(const loomset_programmed* pattern, size_t* count) {
  return on(pattern, {count}, [&](auto& p) { *count = p.getPatternDescription().size(); });
}

int LOOMSET_CALL loomset_programmed_thread(const loomset_programmed* pattern, size_t index,
                                           char* buffer, size_t capacity, size_t* size) {
  return onPair(pattern, index, {},
                [&](auto& pair) { return giveText(pair.first.bytes(), buffer, capacity, size); });
}

int LOOMSET_CALL loomset_programmed_motif(const loomset_programmed* pattern, size_t index,
                                          loomset_direction* motif) {
  return onPair(pattern, index, {motif}, [&](auto& pair) { object(motif) = pair.second; });
}

int LOOMSET_CALL loomset_programmed_set_description(loomset_programmed* pattern, size_t count,
                                                    const char* const* threads,
                                                    const loomset_direction* const* motifs) {
  return on(pattern, {arrayOf(threads, count), arrayOf(motifs, count)}, [&](auto& p) {
    TnProgrammedPattern::Description pairs;
    for (std::size_t i = 0; i < count; ++i) {
      if (threads[i] == nullptr || motifs[i] == nullptr) return LOOMSET_ERROR_NULL;
      pairs.emplace_back(TnString(threads[i]), object(motifs[i]));
    }
    p.setPatternDescription(pairs);
    return LOOMSET_OK;
  });
}

int LOOMSET_CALL loomset_wave_pattern(const loomset_wave* wave, loomset_bezier* out) {
  return on(wave, {out}, [&](auto& w) { object(out) = w.getPattern(); });
}

int LOOMSET_CALL loomset_wave_set_pattern(loomset_wave* wave, const loomset_bezier* bezier) {
  return on(wave, {bezier}, [&](auto& w) { w.setPattern(object(bezier)); });
}

int LOOMSET_CALL loomset_vector_dimension(const loomset_vector* pattern, int* x, int* y) {
  return on(pattern, {x, y}, [&](auto& v) {
    *x = v.getDimension().xval();
    *y = v.getDimension().yval();
  });
}

int LOOMSET_CALL loomset_vector_set_dimension(loomset_vector* pattern, int x, int y) {
  return on(pattern, {}, [&](auto& v) { v.setDimension(TnVector<int>(x, y)); });
}

int LOOMSET_CALL loomset_vector_curve_count(const loomset_vector* pattern, size_t* count) {
  return on(pattern, {count}, [&](auto& v) { *count = v.getCurves().length(); });
}

int LOOMSET_CALL loomset_vector_curve(const loomset_vector* pattern, size_t index,
                                      loomset_segment* buffer, size_t capacity, size_t* count) {
  return on(pattern, {}, [&](auto& v) {
    const TnList<TnBezierCurve>& curves = v.getCurves();
    if (index >= curves.length()) return LOOMSET_ERROR_ARGUMENT;
    return give(toC(curves[static_cast<unsigned int>(index)]), buffer, capacity, count);
  });
}

int LOOMSET_CALL loomset_vector_add_curve(loomset_vector* pattern, const loomset_segment* segments,
                                          size_t count) {
  return on(pattern, {arrayOf(segments, count)},
            [&](auto& v) { v.getCurves().add(curveOf(segments, count, 0)); });
}

int LOOMSET_CALL loomset_vector_clear_curves(loomset_vector* pattern) {
  return on(pattern, {}, [](auto& v) { v.getCurves().empty(); });
}
}
