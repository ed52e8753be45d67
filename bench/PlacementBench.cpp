// Placing a motif is what the host does for every repeat of every stitch run. The baseline is the
// least any placement must do: one precomputed 2x2 matrix applied to the same 12 vectors, each
// appended to a std::list with its flag.
#include <benchmark/benchmark.h>

#include <list>
#include <utility>

#include "loomset/geometry/TnBezierPattern.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace {

using Directions = TnDirectionPattern::Directions;

// A 12-entry zigzag advancing along (12, 0), with a jump every fourth entry.
Directions zigzag() {
  Directions entries;
  for (int i = 0; i < 12; ++i)
    entries.emplace_back(TnVector<double>(1.0, i % 2 == 0 ? 0.75 : -0.75), i % 4 == 3 ? 1 : 0);
  return entries;
}

// Laid along (0, 0) -> (30, 40): a turn that is not a quarter turn.
const TnCoord<double> kStart(0.0, 0.0);
const TnCoord<double> kEnd(30.0, 40.0);

void BM_Placement(benchmark::State& state) {
  TnDirectionPattern motif;
  motif.setReferenceAndDirections(TnVector<double>(12.0, 0.0), zigzag());
  if (state.range(0) != 0) motif.mirror();
  const int reverse = static_cast<int>(state.range(1));
  Directions out;
  for (auto _ : state) {
    out.clear();
    motif.getDirections(kStart, kEnd, reverse, out);
    benchmark::DoNotOptimize(out.back());
  }
}
BENCHMARK(BM_Placement)->ArgNames({"mirrored", "reverse"})->ArgsProduct({{0, 1}, {0, 1}});

void BM_PlacementBaseline(benchmark::State& state) {
  const Directions entries = zigzag();
  // The turn of (12, 0) onto (30, 40), computed once.
  const double c = 0.6;
  const double s = 0.8;
  Directions out;
  for (auto _ : state) {
    out.clear();
    for (const auto& [v, flag] : entries)
      out.emplace_back(TnVector<double>(c * v.xval() - s * v.yval(), s * v.xval() + c * v.yval()),
                       flag);
    benchmark::DoNotOptimize(out.back());
  }
}
BENCHMARK(BM_PlacementBaseline);

// A wave of four segments advancing along (8, 0).
void BM_BezierPlacement(benchmark::State& state) {
  TnBezierCurve curve;
  for (int i = 0; i < 4; ++i) {
    const double x = 2.0 * i;
    const double up = i % 2 == 0 ? 1.0 : -1.0;
    curve.getSegments().add(TnBezier(TnCoord<double>(x, 0.0), TnCoord<double>(x + 0.5, up),
                                     TnCoord<double>(x + 1.5, up), TnCoord<double>(x + 2.0, 0.0)));
  }
  TnBezierPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(8.0, 0.0), curve);
  const int reverse = static_cast<int>(state.range(0));
  std::list<TnVector<double>> out;
  for (auto _ : state) {
    out.clear();
    pattern.getDirections(kStart, kEnd, reverse, 0.0, out);
    benchmark::DoNotOptimize(out.back());
  }
}
BENCHMARK(BM_BezierPlacement)->ArgName("reverse")->Arg(0)->Arg(1);

}  // namespace
