// Placing a motif is what the host does for every repeat of every stitch run; reading one is what
// it does for every programmed pattern of a design.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/geometry/TnDirectionPattern.h"

namespace {

// A zigzag of `n` entries with a jump every eighth, closed and in normal position.
TnDirectionPattern makePattern(int n) {
  TnDirectionPattern::Directions entries;
  for (int i = 0; i < n; ++i)
    entries.emplace_back(TnVector<double>(1.0, i % 2 == 0 ? 0.75 : -0.75), i % 8 == 7 ? 1 : 0);
  TnDirectionPattern pattern;
  pattern.setReferenceAndDirections(TnVector<double>(n, 0.0), entries);
  return pattern;
}

// Spans of one length in 64 directions, as along a curved outline.
std::vector<TnCoord<double>> makeEnds(double length) {
  std::vector<TnCoord<double>> ends;
  for (int i = 0; i < 64; ++i) {
    const double angle = 0.1 * i;
    ends.emplace_back(length * std::cos(angle), length * std::sin(angle));
  }
  return ends;
}

void BM_DirectionPlaceIntoCache(benchmark::State& state) {
  TnDirectionPattern pattern = makePattern(static_cast<int>(state.range(0)));
  const std::vector<TnCoord<double>> ends = makeEnds(static_cast<double>(state.range(0)));
  const TnCoord<double> start(0.0, 0.0);
  std::size_t step = 0;
  for (auto _ : state) {
    const TnCoord<double>& end = ends[step % ends.size()];
    benchmark::DoNotOptimize(&pattern.getDirections(start, end, static_cast<int>(step & 1)));
    ++step;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DirectionPlaceIntoCache)->Arg(8)->Arg(64);

void BM_DirectionPlaceIntoList(benchmark::State& state) {
  const TnDirectionPattern pattern = makePattern(static_cast<int>(state.range(0)));
  const std::vector<TnCoord<double>> ends = makeEnds(static_cast<double>(state.range(0)));
  const TnCoord<double> start(0.0, 0.0);
  TnDirectionPattern::Directions out;
  std::size_t step = 0;
  for (auto _ : state) {
    out.clear();
    pattern.getDirections(start, ends[step % ends.size()], static_cast<int>(step & 1), out);
    benchmark::DoNotOptimize(&out);
    ++step;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DirectionPlaceIntoList)->Arg(8)->Arg(64);

void BM_DirectionRead(benchmark::State& state) {
  TnMemoryStream stream;
  if (makePattern(static_cast<int>(state.range(0))).write(stream) != 0) {
    state.SkipWithError("write failed");
    return;
  }
  TnDirectionPattern pattern;
  for (auto _ : state) {
    stream.rewind();
    benchmark::DoNotOptimize(pattern.read(stream));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DirectionRead)->Arg(8)->Arg(64);

}  // namespace
