#include "loomset/catalogue/DefaultCatalogue.h"

#include <array>
#include <utility>
#include <vector>

#include "loomset/catalogue/GlobalManagers.h"
#include "loomset/foundation/TnBezier.h"
#include "loomset/foundation/TnBezierCurve.h"
#include "loomset/foundation/TnCoord.h"
#include "loomset/foundation/TnVector.h"
#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"
#include "loomset/patterns/TnFillPattern.h"
#include "loomset/patterns/TnProgrammedPattern.h"
#include "loomset/patterns/TnVectorPattern.h"
#include "loomset/patterns/TnWavePattern.h"

// Every number below is held exactly in single precision, so that a built-in pattern written to a
// stream reads back unchanged.
namespace loomset::detail {
namespace {

// A displacement to the next needle point and its jump flag (0 a stitch).
struct Step {
  double x;
  double y;
  int jump;
};

// A motif whose steps end at (advance, 0): it is in normal position already, as reading it back
// would put it.
struct Motif {
  double advance;
  std::vector<Step> steps;
};

// No offsets make a random fill.
struct FillEntry {
  const char* name;
  short stitchLength;
  std::vector<unsigned char> offsets;
};

struct ProgrammedEntry {
  GProgrammedPatTable* manager;
  const char* name;
  std::vector<std::pair<const char*, const Motif*>> threads;
};

// Control points 0 to 3 of one cubic segment: x0, y0, x1, y1, x2, y2, x3, y3.
using Segment = std::array<double, 8>;
using Curve = std::vector<Segment>;

// A curve that ends at (advance, 0), one repeat of the wave from the origin.
struct WaveEntry {
  const char* name;
  double advance;
  Curve curve;
};

struct VectorEntry {
  GVecPatTable* manager;
  const char* name;
  int width;
  int height;
  std::vector<Curve> curves;
};

TnBezierCurve bezierCurve(const Curve& segments) {
  TnBezierCurve curve;
  for (const Segment& p : segments)
    curve.getSegments().add(TnBezier({p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}, {p[6], p[7]}));
  return curve;
}

TnDirectionPattern directionPattern(const Motif& motif) {
  TnDirectionPattern::Directions steps;
  for (const Step& step : motif.steps)
    steps.emplace_back(TnVector<double>(step.x, step.y), step.jump);
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(motif.advance, 0.0), steps);
  return pattern;
}

TnFillPattern fillPattern(const FillEntry& entry) {
  TnFillPattern pattern;
  pattern.init(entry.name, entry.stitchLength, static_cast<short>(entry.offsets.size()),
               entry.offsets.empty() ? nullptr : entry.offsets.data());
  return pattern;
}

// `record` under the name `name`.
template <class Record>
Record named(Record record, const char* name) {
  record.rename(name);
  return record;
}

TnProgrammedPattern programmedPattern(const ProgrammedEntry& entry) {
  TnProgrammedPattern::Description description;
  for (const auto& [thread, motif] : entry.threads)
    description.emplace_back(thread, directionPattern(*motif));
  TnProgrammedPattern pattern;
  pattern.setPatternDescription(description);
  return named(pattern, entry.name);
}

TnWavePattern wavePattern(const WaveEntry& entry) {
  TnBezierPattern curve;
  curve.setReferenceAndDirections(TnVector<double>(entry.advance, 0.0), bezierCurve(entry.curve));
  TnWavePattern pattern;
  pattern.setPattern(curve);
  return named(pattern, entry.name);
}

TnVectorPattern vectorPattern(const VectorEntry& entry) {
  TnVectorPattern pattern;
  pattern.setDimension(TnVector<int>(entry.width, entry.height));
  for (const Curve& curve : entry.curves) pattern.getCurves().add(bezierCurve(curve));
  return named(pattern, entry.name);
}

// kStored when `record` was stored library-wide, else kNotStored.
template <class Manager, class Record>
int store(Manager& manager, const Record& record) {
  return manager.addPattern(nullptr, record) == loomset::detail::kStored
             ? loomset::detail::kStored
             : loomset::detail::kNotStored;
}

}  // namespace
}  // namespace loomset::detail

namespace loomset {

int loadDefaultCatalogue() {
  using namespace loomset::detail;
  // The tables live only for the call, so that loading the library runs nothing.
  const std::vector<FillEntry> fills = {
      {"Brick", 40, {0, 50}},
      {"Diagonal Steps", 40, {0, 25, 50, 75}},
      {"Staggered Thirds", 35, {0, 33, 67}},
      {"Random Fill", 40, {}},
  };
  const Motif cross{4, {{4, 4, 0}, {0, -4, 1}, {-4, 4, 0}, {4, -4, 1}}};
  const Motif dashes{4, {{2, 0, 0}, {2, 0, 1}}};
  const Motif blanket{4, {{0, 3, 0}, {0, -3, 0}, {4, 0, 0}}};
  const Motif lockTriangle{2, {{1, 1, 0}, {1, -1, 0}, {-2, 0, 0}, {2, 0, 1}}};
  const std::vector<ProgrammedEntry> programmed = {
      {&gProgrammedPatManager, "Cross Stitch", {{"Main", &cross}}},
      {&gProgrammedPatManager, "Dashed Run", {{"Main", &dashes}}},
      {&gProgrammedPatManager, "Dashed Blanket", {{"Main", &blanket}, {"Accent", &dashes}}},
      {&gLockstitchManager, "Lock Triangle", {{"Main", &lockTriangle}}},
  };
  const std::vector<WaveEntry> waves = {
      {"Gentle Wave", 8, {{0, 0, 1, 2, 3, 2, 4, 0}, {4, 0, 5, -2, 7, -2, 8, 0}}},
      {"Scallop", 4, {{0, 0, 0, 3, 4, 3, 4, 0}}},
  };
  const std::vector<VectorEntry> vectors = {
      {&gTileVecPatManager,
       "Diamond Tile",
       8,
       8,
       {{{4, 0, 5, 1, 7, 3, 8, 4},
         {8, 4, 7, 5, 5, 7, 4, 8},
         {4, 8, 3, 7, 1, 5, 0, 4},
         {0, 4, 1, 3, 3, 1, 4, 0}}}},
      {&gNonTileVecPatManager,
       "Leaf",
       8,
       6,
       {{{0, 3, 2, 6, 6, 6, 8, 3}, {8, 3, 6, 0, 2, 0, 0, 3}}, {{0, 3, 3, 3.25, 5, 3.25, 8, 3}}}},
      {&gCompositeVecPatManager,
       "Flower",
       8,
       8,
       {{{4, 4, 2, 8, 6, 8, 4, 4}},
        {{4, 4, 8, 6, 8, 2, 4, 4}},
        {{4, 4, 6, 0, 2, 0, 4, 4}},
        {{4, 4, 0, 2, 0, 6, 4, 4}}}},
  };

  int result = 0;
  for (const FillEntry& entry : fills) result |= store(gFillManager, fillPattern(entry));
  for (const ProgrammedEntry& entry : programmed)
    result |= store(*entry.manager, programmedPattern(entry));
  for (const WaveEntry& entry : waves) result |= store(gWavePatManager, wavePattern(entry));
  for (const VectorEntry& entry : vectors) result |= store(*entry.manager, vectorPattern(entry));
  return result;
}

}  // namespace loomset
