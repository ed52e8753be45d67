/* The C interface as a C host drives it: every record kind built, written, read back and
 * compared; the worked placements and boxes; every catalogue, and renaming on a clash; the errors
 * for short buffers and null pointers. */
#include <stdio.h>
#include <string.h>

#include "loomset/loomset_c.h"

static int passed, failed;
#define FILL LOOMSET_FILL_MANAGER
#define CHECK(c) ((c) ? ++passed : (++failed, printf("line %d failed: %s\n", __LINE__, #c)))

static int near(double a, double b) { return a - b < 1e-9 && b - a < 1e-9; }
/* `n` steps against `count` wanted ones. */
static int stepsAre(const loomset_step* steps, size_t n, const loomset_step* want, size_t count) {
  if (n != count) return 0;
  while (count--)
    if (!near(steps[count].dx, want[count].dx) || !near(steps[count].dy, want[count].dy) ||
        steps[count].jump != want[count].jump)
      return 0;
  return 1;
}
/* `count` points against x, y pairs. */
static int pointsAre(const loomset_point* points, const double* xy, size_t count) {
  while (count--)
    if (!near(points[count].x, xy[2 * count]) || !near(points[count].y, xy[2 * count + 1]))
      return 0;
  return 1;
}

/* Write, read into a new record, compare, write again: the same bytes; a cut record, the text after
 * asking its size, and null pointers. */
#define ROUND_TRIP(kind, record, heading)                                                         \
  do {                                                                                            \
    loomset_##kind* back = NULL;                                                                  \
    unsigned char a[512], b[512];                                                                 \
    char text[2048];                                                                              \
    size_t na = 0, nb = 0, used = 0, size = 0;                                                    \
    CHECK(loomset_##kind##_write(record, a, sizeof a, &na) == 0 &&                                \
          loomset_##kind##_new(&back) == 0 && loomset_##kind##_read(back, a, na, &used) == 0 &&   \
          used == na && loomset_##kind##_same(record, back) == 1);                                \
    CHECK(loomset_##kind##_write(back, b, sizeof b, &nb) == 0 && nb == na && !memcmp(a, b, na) && \
          loomset_##kind##_read(back, a, na - 1, &used) == 1);                                    \
    CHECK(loomset_##kind##_text(record, NULL, 0, &size) == LOOMSET_ERROR_BUFFER &&                \
          size <= sizeof text && loomset_##kind##_text(record, text, size, &size) == 0 &&         \
          strlen(text) + 1 == size && !strncmp(text, heading, strlen(heading)));                  \
    CHECK(loomset_##kind##_write(NULL, a, 1, &na) == LOOMSET_ERROR_NULL &&                        \
          loomset_##kind##_read(back, NULL, 1, &used) == LOOMSET_ERROR_NULL);                     \
    loomset_##kind##_free(back);                                                                  \
  } while (0)

/* A design stores the record and an alias; the record removed from the design, stored again, and
 * put library-wide, which makes the design's entry under its name an alias to remove; an identical
 * record is not stored again. The catalogue holds its built-in pattern. */
#define CATALOGUE(kind, manager, record, name, builtin)                                   \
  do {                                                                                    \
    const loomset_##kind *hit = NULL, *alias = NULL;                                      \
    void* scope = NULL;                                                                   \
    CHECK(loomset_##kind##_add_alias(manager, &design, record, "Alias") == 0 &&           \
          loomset_manager_set_design(manager, &design) == 0 &&                            \
          loomset_##kind##_lookup_original(manager, "Alias", &alias) == 0 &&              \
          loomset_##kind##_same(alias, record) == 1 &&                                    \
          loomset_##kind##_remove(manager, record, &scope) == 0 && scope == &design);     \
    CHECK(loomset_##kind##_add_alias(manager, &design, record, "Alias") == 1 &&           \
          loomset_##kind##_add(manager, NULL, record) == 0 &&                             \
          loomset_##kind##_add_and_rename(manager, &design, record) == 0 &&               \
          loomset_manager_remove_aliases(manager, &design) == 0 &&                        \
          loomset_##kind##_lookup(manager, name, &design, &hit) == 0 && hit == NULL &&    \
          loomset_##kind##_lookup(manager, "Alias", &design, &hit) == 0 && hit == alias); \
    CHECK(loomset_##kind##_find(manager, name, &hit) == 0 && hit != NULL &&               \
          loomset_##kind##_remove(manager, hit, &scope) == 0 && scope == NULL &&          \
          loomset_##kind##_find(manager, name, &hit) == 0 && hit == NULL &&               \
          loomset_##kind##_find(manager, builtin, &hit) == 0 && hit != NULL &&            \
          loomset_manager_remove_design(manager, &design) == 0);                          \
  } while (0)

int main(void) {
  static const loomset_step motif[] = {{1, 0, 0}, {1, 1, 1}},
                            run[] = {{2, 0, 0}, {1, 1, 0}, {1, -1, 0}, {2, 0, 0}};
  /* The motif closed, placed forwards, backwards; the run scaled to 40, by half along and twice
   * across; the motif scaled by 2. */
  static const loomset_step want[5][4] = {
      {{1, 0, 0}, {1, 1, 1}, {0, -1, 1}},
      {{0, 1, 0}, {-1, 1, 1}, {1, 0, 1}},
      {{1, 0, 1}, {-1, 1, 1}, {0, 1, 0}},
      {{20. / 3, 0, 0}, {10. / 3, 40. / 3, 0}, {10. / 3, -40. / 3, 0}, {20. / 3, 0, 0}},
      {{1, 0, 0}, {1, 2, 1}, {-1, -2, 1}}};
  static const loomset_step boxed[] = {{0, 2, 0}, {3, -3, 0}, {0, 1, 0}};
  static const double boxes[3][8] = {
      {11, 10, 8, 10, 11, 13, 8, 13}, {9, 7, 12, 7, 9, 10, 12, 10}, {10, 9, 12, 7, 9, 10, 13, 12}};
  /* Short 3, F-vector (1, 0), short 1, F-vector (1, 0), short 0: little-endian, binary32. */
  static const char defaultMotif[] = "\3\0\0\0\200\77\0\0\0\0\1\0\0\0\200\77\0\0\0\0\0\0";
  static const loomset_segment arch = {{{0, 0}, {3, 4}, {7, 4}, {10, 0}}};
  loomset_direction *d = NULL, *plain = NULL, *got = NULL;
  loomset_fill *fill = NULL, *clash = NULL;
  loomset_programmed* programmed = NULL;
  loomset_bezier *bezier = NULL, *fromWave = NULL;
  loomset_wave* wave = NULL;
  loomset_vector* vector = NULL;
  const loomset_fill* found = NULL;
  loomset_point origin = {0, 0}, up = {0, 5}, at = {10, 10}, end = {10, 20}, points[4];
  loomset_step steps[4];
  loomset_segment segments[2];
  unsigned char bytes[64] = {0};
  char text[64];
  double values[3];
  size_t n = 0;
  int design = 0, x = 0, y = 0;
  void* where = &design;

  /* Direction pattern: the motif closed at (2, 0), laid from (0, 0) to (0, 5) both ways. */
  CHECK(loomset_direction_new(&d) == 0 &&
        loomset_direction_set(d, &(loomset_point){2, 0}, motif, 2) == 0 &&
        loomset_direction_entries(d, steps, 4, &n) == 0 && stepsAre(steps, n, want[0], 3));
  CHECK(loomset_direction_place(d, &origin, &up, 0, steps, 2, &n) == LOOMSET_ERROR_BUFFER &&
        n == 3 && steps[0].dx == 1 &&
        loomset_direction_place(d, &origin, &up, 0, steps, 4, &n) == 0 &&
        stepsAre(steps, n, want[1], 3) &&
        loomset_direction_place(d, &origin, &up, 1, steps, 3, &n) == 0 &&
        stepsAre(steps, n, want[2], 3));
  CHECK(loomset_direction_mirror(d) == 0 && loomset_direction_flip(d) == 0 &&
        loomset_direction_is_mirrored(d) == 1 && loomset_direction_is_flipped(d) == 1 &&
        loomset_direction_is_contain_jump(d) == 1 && loomset_direction_reference(d, points) == 0 &&
        points->x == 2 && points->y == 0);
  ROUND_TRIP(direction, d, "TnDirectionPattern");

  /* The box (0, -1)-(3, 2) with reference (3, 0), laid from (10, 10) to (10, 20) both ways, and
   * on a span of no length, which sets only the first and the last corner. */
  CHECK(loomset_direction_copy(d, &plain) == 0 && loomset_direction_same(plain, d) == 1 &&
        loomset_direction_set(plain, &(loomset_point){3, 0}, boxed, 3) == 0 &&
        loomset_direction_is_skip_end_point(plain) == 1 &&
        loomset_direction_extent(plain, 1, points, points + 1) == 0 &&
        pointsAre(points, (const double[]){3, -1, 0, 2}, 2));
  CHECK(loomset_direction_box(plain, &at, &end, 0, points) == 0 && pointsAre(points, boxes[0], 4));
  CHECK(loomset_direction_box(plain, &at, &end, 1, points) == 0 && pointsAre(points, boxes[1], 4));
  CHECK(loomset_direction_box(plain, &at, &at, 0, points) == 0 && pointsAre(points, boxes[2], 4));

  /* The default motif's bytes, exactly; a buffer one byte short takes nothing; a version of 4. */
  CHECK(loomset_direction_new(&got) == 0 &&
        loomset_direction_write(got, bytes, 21, &n) == LOOMSET_ERROR_BUFFER && n == 22 &&
        bytes[0] == 0 && loomset_direction_write(got, bytes, 22, &n) == 0 && n == 22 &&
        !memcmp(bytes, defaultMotif, 22) &&
        loomset_direction_read(got, (const unsigned char*)"\4\0\0", 3, &n) == 2 && n == 2);

  CHECK(loomset_fill_new(&fill) == 0 &&
        loomset_fill_init(fill, "Plaid", 30, 3, (const unsigned char[]){25, 25, 50}) == 0 &&
        loomset_fill_init(fill, "Other", 30, 0, NULL) == 1 && loomset_fill_is_random(fill) == 0 &&
        loomset_fill_offsets(fill, values, 3, &n) == 0 && n == 3 && near(values[1], 0.75) &&
        loomset_fill_old_offsets(fill, values, 3, &n) == 0 && near(values[1], 0.25) &&
        loomset_fill_stitch_length(fill, values) == 0 && values[0] == 30);
  ROUND_TRIP(fill, fill, "TnFillPattern [Plaid]\n");

  CHECK(loomset_programmed_new(&programmed) == 0 &&
        loomset_programmed_rename(programmed, "Prog") == 0 &&
        loomset_programmed_set_description(programmed, 2, (const char*[]){"red", "blue"},
                                           (const loomset_direction*[]){d, plain}) == 0 &&
        loomset_programmed_count(programmed, &n) == 0 && n == 2 &&
        loomset_programmed_thread(programmed, 1, text, 64, &n) == 0 && !strcmp(text, "blue") &&
        loomset_programmed_motif(programmed, 1, got) == 0 &&
        loomset_direction_same(got, plain) == 1 &&
        loomset_programmed_motif(programmed, 2, got) == LOOMSET_ERROR_ARGUMENT);
  ROUND_TRIP(programmed, programmed, "TnProgrammedPattern [Prog]\n");

  /* The run (2, 0), (1, 1), (1, -1), (2, 0) scaled to 40, and a motif scaled by 2. */
  CHECK(loomset_direction_set_motif(plain, run, 4) == 0 &&
        loomset_direction_scaled_size(plain, 40, 0, values, values + 1) == 0 &&
        near(values[0], 80. / 3) && near(values[1], 20. / 3) &&
        loomset_direction_scale_by_percentage(plain, .5, 2, 40, 0) == 0 &&
        loomset_direction_entries(plain, steps, 4, &n) == 0 && stepsAre(steps, n, want[3], 4) &&
        loomset_direction_scale(d, 2) == 0 && loomset_direction_entries(d, steps, 4, &n) == 0 &&
        stepsAre(steps, n, want[4], 3));

  /* The arch of reference (10, 0) laid backwards from (5, 5) to (5, 25) advances (0, 10). */
  CHECK(loomset_bezier_new(&bezier) == 0 && loomset_bezier_set_curve(bezier, &arch, 1, 0) == 0 &&
        loomset_bezier_reference(bezier, points) == 0 &&
        pointsAre(points, (const double[]){10, 0}, 1) &&
        loomset_bezier_set(bezier, points, &arch, 1, 1) == 0 &&
        loomset_bezier_place(bezier, &(loomset_point){5, 5}, &(loomset_point){5, 25}, 1, 0, points,
                             1, &n) == 0 &&
        pointsAre(points, (const double[]){0, 10}, 1) &&
        loomset_bezier_curve(bezier, segments, 2, &n) == 0 && n == 1 &&
        !memcmp(segments, &arch, sizeof arch) && loomset_bezier_is_closed(bezier) == 1 &&
        loomset_bezier_mirror(bezier) == 0 && loomset_bezier_is_mirrored(bezier) == 1 &&
        loomset_bezier_is_flipped(bezier) == 0);
  ROUND_TRIP(bezier, bezier, "TnBezierPattern");

  CHECK(loomset_wave_new(&wave) == 0 && loomset_wave_rename(wave, "Wave") == 0 &&
        loomset_wave_set_pattern(wave, bezier) == 0 && loomset_bezier_new(&fromWave) == 0 &&
        loomset_wave_pattern(wave, fromWave) == 0 && loomset_bezier_same(fromWave, bezier) == 1);
  ROUND_TRIP(wave, wave, "TnWavePattern [Wave]\n");
  CHECK(loomset_vector_new(&vector) == 0 && loomset_vector_rename(vector, "Vec") == 0 &&
        loomset_vector_set_dimension(vector, 10, -20) == 0 &&
        loomset_vector_add_curve(vector, &arch, 1) == 0 &&
        loomset_vector_dimension(vector, &x, &y) == 0 && x == 10 && y == -20 &&
        loomset_vector_curve(vector, 0, segments, 2, &n) == 0 && n == 1 &&
        !memcmp(segments, &arch, sizeof arch) &&
        loomset_vector_curve(vector, 1, segments, 2, &n) == LOOMSET_ERROR_ARGUMENT);
  ROUND_TRIP(vector, vector, "TnVectorPattern [Vec]\n");

  CHECK(loomset_load_default_catalogue() == 0 && loomset_load_default_catalogue() == 1);
  CATALOGUE(fill, FILL, fill, "Plaid", "Brick");
  CATALOGUE(programmed, LOOMSET_PROGRAMMED_MANAGER, programmed, "Prog", "Cross Stitch");
  CATALOGUE(programmed, LOOMSET_LOCKSTITCH_MANAGER, programmed, "Prog", "Lock Triangle");
  CATALOGUE(wave, LOOMSET_WAVE_MANAGER, wave, "Wave", "Scallop");
  CATALOGUE(vector, LOOMSET_TILE_VECTOR_MANAGER, vector, "Vec", "Diamond Tile");
  CATALOGUE(vector, LOOMSET_NON_TILE_VECTOR_MANAGER, vector, "Vec", "Leaf");
  CATALOGUE(vector, LOOMSET_COMPOSITE_VECTOR_MANAGER, vector, "Vec", "Flower");
  /* A design's "Brick" that differs from the built-in one is renamed and aliased. */
  CHECK(loomset_fill_new(&clash) == 0 && loomset_fill_init(clash, "Brick", 40, 0, NULL) == 0 &&
        loomset_fill_add(FILL, where, clash) == 2 &&
        loomset_fill_add_and_rename(FILL, where, clash) == 0 &&
        loomset_fill_name(clash, text, 64, &n) == 0 && n == 9 && !strcmp(text, "Brick \2731") &&
        loomset_fill_lookup(FILL, "Brick", where, &found) == 0 &&
        loomset_fill_same(found, clash) == 1);
  CHECK(loomset_manager_set_design(FILL, where) == 0 &&
        loomset_fill_find(FILL, "Brick", &found) == 0 && loomset_fill_same(found, clash) == 0 &&
        loomset_fill_lookup_original(FILL, "Brick", &found) == 0 &&
        loomset_fill_same(found, clash) == 1 &&
        loomset_manager_names(FILL, where, 0, text, 64, &n) == 0 && n == 18 &&
        !memcmp(text, "Brick \2731\0Brick \2731", 18));
  CHECK(loomset_manager_names(FILL, where, 1, NULL, 0, &n) == LOOMSET_ERROR_BUFFER && n > 18 &&
        loomset_manager_remove_design(FILL, where) == 0 &&
        loomset_fill_lookup(FILL, "Brick", where, &found) == 0 && found == NULL);
  CHECK(loomset_fill_add(LOOMSET_WAVE_MANAGER, NULL, fill) == LOOMSET_ERROR_ARGUMENT &&
        loomset_manager_design(7, &where) == LOOMSET_ERROR_ARGUMENT &&
        loomset_manager_design(FILL, &where) == 0 && where == &design &&
        loomset_mangle_name("Brick \2739", text, 64, &n) == 0 && !strcmp(text, "Brick \273\2731") &&
        loomset_unmangle_name("Brick", text, 2, &n) == LOOMSET_ERROR_BUFFER && n == 3 &&
        *text == 'B');
  CHECK(loomset_vector_add_curve(vector, &(loomset_segment){{{1e300, 0}}}, 1) == 0 &&
        loomset_vector_write(vector, bytes, sizeof bytes, &n) == 1 && n == 0 &&
        loomset_vector_clear_curves(vector) == 0 && loomset_vector_curve_count(vector, &n) == 0 &&
        n == 0 && loomset_direction_box(plain, NULL, &end, 0, points) == LOOMSET_ERROR_NULL &&
        loomset_fill_find(FILL, NULL, &found) == LOOMSET_ERROR_NULL &&
        loomset_programmed_set_description(programmed, 2, (const char*[]){"a", "b"},
                                           (const loomset_direction*[]){d, NULL}) ==
            LOOMSET_ERROR_NULL);

  loomset_direction_free(d), loomset_direction_free(plain), loomset_direction_free(got);
  loomset_fill_free(fill), loomset_fill_free(clash);
  loomset_programmed_free(programmed), loomset_wave_free(wave), loomset_vector_free(vector);
  loomset_bezier_free(bezier), loomset_bezier_free(fromWave), loomset_fill_free(NULL);
  printf("%d passed, %d failed\n", passed, failed);
  return failed != 0;
}
