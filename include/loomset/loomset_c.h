/* Loomset's C interface: the records, their geometry and the seven global catalogues behind
 * opaque handles and plain C types, for hosts of any compiler and any language. It is a thin layer
 * over the C++ classes; what each call does is what the class member named beside it does.
 *
 * Conventions for every function below:
 * - Results: 0 (LOOMSET_OK) on success. A record's read, write, init and a catalogue's adds pass
 *   on the library's own codes (1, 2) unchanged. The C layer's own errors are negative: a null
 *   handle or pointer (LOOMSET_ERROR_NULL), a buffer too small (LOOMSET_ERROR_BUFFER), a
 *   catalogue or index that does not fit (LOOMSET_ERROR_ARGUMENT): these change nothing but the
 *   size reported. Memory that could not be had (LOOMSET_ERROR_MEMORY) leaves what the library's
 *   operation had done by then.
 * - Predicates (loomset_*_is_*, loomset_*_same) answer 0 or 1, or a negative error.
 * - Output buffers: the caller passes `buffer` and its `capacity`; `*size` (or `*count`) receives
 *   how many bytes (or elements) the result takes. When that is more than `capacity`, the call
 *   returns LOOMSET_ERROR_BUFFER and writes nothing into `buffer`, so a host may ask first with
 *   a null `buffer` and a `capacity` of 0. Texts and names are bytes, any bytes (0xBB in renamed
 *   names), followed by a zero byte that `*size` counts too.
 * - Handles are created by loomset_*_new or loomset_*_copy and owned by the caller, who releases
 *   each with its loomset_*_free. Records that a catalogue hands out (loomset_*_lookup, _find,
 *   _lookup_original) are the catalogue's: valid until their entry is removed, never freed.
 * - Input names are zero-terminated byte strings.
 * - A design is any pointer that the host owns and uses to name one open design; the null pointer
 *   stands for the library-wide scope. The library only stores and compares it.
 * - Nothing is locked: the host must not call into one record or catalogue from two threads at
 *   once, and every catalogue is process-global. */
#ifndef LOOMSET_LOOMSET_C_H
#define LOOMSET_LOOMSET_C_H

#include <stddef.h>

#if defined(_WIN32)
#define LOOMSET_CALL __cdecl
#if defined(LOOMSET_BUILDING)
#define LOOMSET_C_API __declspec(dllexport)
#else
#define LOOMSET_C_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define LOOMSET_CALL
#define LOOMSET_C_API __attribute__((visibility("default")))
#else
#define LOOMSET_CALL
#define LOOMSET_C_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Results of the C layer's own; the library's own codes are 0, 1 and 2. */
#define LOOMSET_OK 0
#define LOOMSET_ERROR_NULL (-1)
#define LOOMSET_ERROR_BUFFER (-2)
#define LOOMSET_ERROR_MEMORY (-3)
#define LOOMSET_ERROR_ARGUMENT (-4)

/* The seven global catalogues (gFillManager ... gCompositeVecPatManager). */
#define LOOMSET_FILL_MANAGER 0
#define LOOMSET_PROGRAMMED_MANAGER 1
#define LOOMSET_LOCKSTITCH_MANAGER 2
#define LOOMSET_WAVE_MANAGER 3
#define LOOMSET_TILE_VECTOR_MANAGER 4
#define LOOMSET_NON_TILE_VECTOR_MANAGER 5
#define LOOMSET_COMPOSITE_VECTOR_MANAGER 6

/* A point, or a vector between two points. */
typedef struct loomset_point {
  double x;
  double y;
} loomset_point;

/* One entry of a motif or a placement: a displacement and its jump flag (0 a stitch). */
typedef struct loomset_step {
  double dx;
  double dy;
  int jump;
} loomset_step;

/* A cubic Bezier segment: control points 0 (start) to 3 (end). */
typedef struct loomset_segment {
  loomset_point points[4];
} loomset_segment;

typedef struct loomset_fill loomset_fill;             /* TnFillPattern */
typedef struct loomset_programmed loomset_programmed; /* TnProgrammedPattern */
typedef struct loomset_wave loomset_wave;             /* TnWavePattern */
typedef struct loomset_vector loomset_vector;         /* TnVectorPattern */
typedef struct loomset_direction loomset_direction;   /* TnDirectionPattern */
typedef struct loomset_bezier loomset_bezier;         /* TnBezierPattern */

/* The library's version, "major.minor.patch"; the text is static. */
LOOMSET_C_API const char* LOOMSET_CALL loomset_version(void);
/* loomset::loadDefaultCatalogue: 0 when every built-in pattern was stored library-wide, 1 when
 * some name was taken already. */
LOOMSET_C_API int LOOMSET_CALL loomset_load_default_catalogue(void);
/* mangleName and unMangleName of `name`, as a text into `buffer`. */
LOOMSET_C_API int LOOMSET_CALL loomset_mangle_name(const char* name, char* buffer, size_t capacity,
                                                   size_t* size);
LOOMSET_C_API int LOOMSET_CALL loomset_unmangle_name(const char* name, char* buffer,
                                                     size_t capacity, size_t* size);

/* Functions that each of the six record kinds has, shown for loomset_fill; the same stand for
 * loomset_programmed, loomset_wave, loomset_vector, loomset_direction and loomset_bezier.
 *
 * _new: `*record` receives a default record. _copy: `*record` receives a copy of `from`.
 * _free: releases a record made by _new or _copy; a null handle is ignored.
 * _read: reads one record from the `size` bytes at `bytes` into `record`, as the record's read
 *   does (the same partial effects on failure; a fill or vector pattern appends its offsets or
 *   curves to those it holds); `*used` receives the bytes it consumed. Returns the record's
 *   result: 0, 1 (bytes missing or refused), 2 (unknown version).
 * _write: the record's bytes, as its write puts them on a stream. Returns 1, writing nothing and
 *   with `*size` 0, when the record's write refuses it.
 * _name: the record's name; the empty text for the two motifs, which have none.
 * _same: isSamePattern of the pattern records, == of the two motifs: 1 or 0.
 * _text: the diagnostic text, printTo of the pattern records; the motifs' own text (reference
 *   line, then their entries or segments). */
#define LOOMSET_C_RECORD_FUNCTIONS(kind)                                                           \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_new(loomset_##kind** record);                    \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_copy(const loomset_##kind* from,                 \
                                                       loomset_##kind** record);                   \
  LOOMSET_C_API void LOOMSET_CALL loomset_##kind##_free(loomset_##kind* record);                   \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_read(                                            \
      loomset_##kind* record, const unsigned char* bytes, size_t size, size_t* used);              \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_write(                                           \
      const loomset_##kind* record, unsigned char* buffer, size_t capacity, size_t* size);         \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_name(const loomset_##kind* record, char* buffer, \
                                                       size_t capacity, size_t* size);             \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_same(const loomset_##kind* a,                    \
                                                       const loomset_##kind* b);                   \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_text(const loomset_##kind* record, char* buffer, \
                                                       size_t capacity, size_t* size);

LOOMSET_C_RECORD_FUNCTIONS(fill)
LOOMSET_C_RECORD_FUNCTIONS(programmed)
LOOMSET_C_RECORD_FUNCTIONS(wave)
LOOMSET_C_RECORD_FUNCTIONS(vector)
LOOMSET_C_RECORD_FUNCTIONS(direction)
LOOMSET_C_RECORD_FUNCTIONS(bezier)

/* Functions of the four catalogued kinds, shown for loomset_fill; the same stand for
 * loomset_programmed, loomset_wave and loomset_vector. `manager` must be a catalogue of the kind
 * (LOOMSET_ERROR_ARGUMENT otherwise): the fill catalogue for fill patterns, the programmed or
 * lockstitch one for programmed patterns, the wave one, and the three vector ones.
 *
 * _rename: the record's name becomes `name`; nothing else changes.
 * _add: addPattern(design, pattern): 0 stored, 1 the design holds the name, 2 the name is taken
 *   library-wide. _add_alias: addPattern(design, pattern, alias).
 * _add_and_rename: addPatternAndRename(design, pattern): 0 or 1; `pattern` ends with the name it
 *   was stored under (read it with _name), its former name being the alias.
 * _lookup: `*found` receives the record stored under `name` in the design's scope, or null.
 * _find: lookup(name): library-wide first, then the current design. _lookup_original: the current
 *   design only. Both give null when absent.
 * _remove: remove(pattern): removes the entry under the pattern's name, library-wide first, then
 *   from the current design; `*design` receives remove's result (the current design when it was
 *   removed there, else null). */
#define LOOMSET_C_CATALOGUED_FUNCTIONS(kind)                                                     \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_rename(loomset_##kind* record,                 \
                                                         const char* name);                      \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_add(int manager, void* design,                 \
                                                      const loomset_##kind* pattern);            \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_add_alias(                                     \
      int manager, void* design, const loomset_##kind* pattern, const char* alias);              \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_add_and_rename(int manager, void* design,      \
                                                                 loomset_##kind* pattern);       \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_lookup(                                        \
      int manager, const char* name, void* design, const loomset_##kind** found);                \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_find(int manager, const char* name,            \
                                                       const loomset_##kind** found);            \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_lookup_original(int manager, const char* name, \
                                                                  const loomset_##kind** found); \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_remove(                                        \
      int manager, const loomset_##kind* pattern, void** design);

LOOMSET_C_CATALOGUED_FUNCTIONS(fill)
LOOMSET_C_CATALOGUED_FUNCTIONS(programmed)
LOOMSET_C_CATALOGUED_FUNCTIONS(wave)
LOOMSET_C_CATALOGUED_FUNCTIONS(vector)

/* Any of the seven catalogues. setDesign and getDesign; removeAliases(design); the family's
 * remove-patterns operation (removeFillPatterns and its twins): the design's table is destroyed;
 * and the names of getPatterns(design), or of getAllPatterns(design) when `all` is non-zero, each
 * followed by a zero byte, in the catalogue's order, into `buffer`. */
LOOMSET_C_API int LOOMSET_CALL loomset_manager_set_design(int manager, void* design);
LOOMSET_C_API int LOOMSET_CALL loomset_manager_design(int manager, void** design);
LOOMSET_C_API int LOOMSET_CALL loomset_manager_remove_aliases(int manager, void* design);
LOOMSET_C_API int LOOMSET_CALL loomset_manager_remove_design(int manager, void* design);
LOOMSET_C_API int LOOMSET_CALL loomset_manager_names(int manager, void* design, int all,
                                                     char* buffer, size_t capacity, size_t* size);

/* Fill pattern. _init: init(name, length, count, offsets), `offsets` holding `count` percentages
 * and at least one byte: 1, changing nothing, when the pattern holds offsets already; a null
 * `offsets`, or a first byte 'o', makes it random. _offsets and
 * _old_offsets: getOffsets and getOldOffsets, fractions in [0, 1], `*count` of them. */
LOOMSET_C_API int LOOMSET_CALL loomset_fill_init(loomset_fill* fill, const char* name, short length,
                                                 short count, const unsigned char* offsets);
LOOMSET_C_API int LOOMSET_CALL loomset_fill_stitch_length(const loomset_fill* fill, double* length);
LOOMSET_C_API int LOOMSET_CALL loomset_fill_is_random(const loomset_fill* fill);
LOOMSET_C_API int LOOMSET_CALL loomset_fill_offsets(const loomset_fill* fill, double* buffer,
                                                    size_t capacity, size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_fill_old_offsets(const loomset_fill* fill, double* buffer,
                                                        size_t capacity, size_t* count);

/* Programmed pattern: its (thread identifier, direction pattern) pairs. _thread gives pair
 * `index`'s thread identifier, _motif assigns pair `index`'s direction pattern to `motif`.
 * _set_description replaces the pairs by copies of `count` given ones. */
LOOMSET_C_API int LOOMSET_CALL loomset_programmed_count(const loomset_programmed* pattern,
                                                        size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_programmed_thread(const loomset_programmed* pattern,
                                                         size_t index, char* buffer,
                                                         size_t capacity, size_t* size);
LOOMSET_C_API int LOOMSET_CALL loomset_programmed_motif(const loomset_programmed* pattern,
                                                        size_t index, loomset_direction* motif);
LOOMSET_C_API int LOOMSET_CALL loomset_programmed_set_description(
    loomset_programmed* pattern, size_t count, const char* const* threads,
    const loomset_direction* const* motifs);

/* Wave pattern: its Bezier pattern, assigned to `out`, or replaced by a copy of `bezier`. */
LOOMSET_C_API int LOOMSET_CALL loomset_wave_pattern(const loomset_wave* wave, loomset_bezier* out);
LOOMSET_C_API int LOOMSET_CALL loomset_wave_set_pattern(loomset_wave* wave,
                                                        const loomset_bezier* bezier);

/* Vector pattern: its dimension and its curves. _curve gives the segments of curve `index`;
 * _add_curve appends a curve of `count` segments; _clear_curves removes every curve. */
LOOMSET_C_API int LOOMSET_CALL loomset_vector_dimension(const loomset_vector* pattern, int* x,
                                                        int* y);
LOOMSET_C_API int LOOMSET_CALL loomset_vector_set_dimension(loomset_vector* pattern, int x, int y);
LOOMSET_C_API int LOOMSET_CALL loomset_vector_curve_count(const loomset_vector* pattern,
                                                          size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_vector_curve(const loomset_vector* pattern, size_t index,
                                                    loomset_segment* buffer, size_t capacity,
                                                    size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_vector_add_curve(loomset_vector* pattern,
                                                        const loomset_segment* segments,
                                                        size_t count);
LOOMSET_C_API int LOOMSET_CALL loomset_vector_clear_curves(loomset_vector* pattern);

/* Direction pattern (a stitch motif). _reference: getReferenceLine. _entries: the motif in its
 * own frame. _set: setReferenceAndDirections(reference, steps): closes the motif at the end of
 * the reference line and turns it into normal position; _set_motif: with the motif's own end as
 * the reference line. _place: the const getDirections from `start` to `end`. _box: getBoundingBox
 * into corners[0..3] (corner1 to corner4); when start and end coincide corners[1] and corners[2]
 * keep what the caller put there. _extent: getLLURwrtRef. _scale: scalePattern;
 * _scale_by_percentage: scalePatternByPercentage; _scaled_size: scalePatternAndGetSize. */
LOOMSET_C_API int LOOMSET_CALL loomset_direction_reference(const loomset_direction* motif,
                                                           loomset_point* reference);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_entries(const loomset_direction* motif,
                                                         loomset_step* buffer, size_t capacity,
                                                         size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_set(loomset_direction* motif,
                                                     const loomset_point* reference,
                                                     const loomset_step* steps, size_t count);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_set_motif(loomset_direction* motif,
                                                           const loomset_step* steps, size_t count);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_place(const loomset_direction* motif,
                                                       const loomset_point* start,
                                                       const loomset_point* end, int reverse,
                                                       loomset_step* buffer, size_t capacity,
                                                       size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_box(const loomset_direction* motif,
                                                     const loomset_point* start,
                                                     const loomset_point* end, int reverse,
                                                     loomset_point* corners);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_extent(const loomset_direction* motif, int reverse,
                                                        loomset_point* lower_left,
                                                        loomset_point* upper_right);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_scale(loomset_direction* motif, double factor);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_scale_by_percentage(loomset_direction* motif,
                                                                     double x_scale, double y_scale,
                                                                     double size,
                                                                     int extend_to_box);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_scaled_size(const loomset_direction* motif,
                                                             double size, int extend_to_box,
                                                             double* width, double* height);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_is_skip_end_point(const loomset_direction* motif);
LOOMSET_C_API int LOOMSET_CALL loomset_direction_is_contain_jump(const loomset_direction* motif);

/* Bezier pattern. _curve: its segments; _is_closed: the curve's closed flag. _set:
 * setReferenceAndDirections(reference, curve), which closes the curve at the end of the
 * reference line; _set_curve: with the reference line from the curve's first point to its last.
 * Both take the curve's closed flag. _place: getDirections from `start` to `end`, one vector. */
LOOMSET_C_API int LOOMSET_CALL loomset_bezier_reference(const loomset_bezier* pattern,
                                                        loomset_point* reference);
LOOMSET_C_API int LOOMSET_CALL loomset_bezier_curve(const loomset_bezier* pattern,
                                                    loomset_segment* buffer, size_t capacity,
                                                    size_t* count);
LOOMSET_C_API int LOOMSET_CALL loomset_bezier_is_closed(const loomset_bezier* pattern);
LOOMSET_C_API int LOOMSET_CALL loomset_bezier_set(loomset_bezier* pattern,
                                                  const loomset_point* reference,
                                                  const loomset_segment* segments, size_t count,
                                                  int closed);
LOOMSET_C_API int LOOMSET_CALL loomset_bezier_set_curve(loomset_bezier* pattern,
                                                        const loomset_segment* segments,
                                                        size_t count, int closed);
LOOMSET_C_API int LOOMSET_CALL loomset_bezier_place(const loomset_bezier* pattern,
                                                    const loomset_point* start,
                                                    const loomset_point* end, int reverse,
                                                    double value, loomset_point* buffer,
                                                    size_t capacity, size_t* count);

/* Mirroring and flipping, of a direction and of a Bezier pattern: mirror and flip toggle, the
 * predicates answer isMirrored and isFlipped. */
#define LOOMSET_C_MOTIF_FUNCTIONS(kind)                                                     \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_mirror(loomset_##kind* motif);            \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_flip(loomset_##kind* motif);              \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_is_mirrored(const loomset_##kind* motif); \
  LOOMSET_C_API int LOOMSET_CALL loomset_##kind##_is_flipped(const loomset_##kind* motif);

LOOMSET_C_MOTIF_FUNCTIONS(direction)
LOOMSET_C_MOTIF_FUNCTIONS(bezier)

#ifdef __cplusplus
}
#endif

#endif /* LOOMSET_LOOMSET_C_H */
