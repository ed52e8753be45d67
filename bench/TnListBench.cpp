// Walking a list by increasing index should cost one step per element thanks to the cursor;
// reading indices at random costs a walk from the cursor, or from either end.
#include <benchmark/benchmark.h>

#include <random>

#include "loomset/foundation/TnList.h"

namespace {

TnList<TnPercent> makeList(int n) {
  TnList<TnPercent> list;
  for (int i = 0; i < n; ++i) list.add(TnPercent(i));
  return list;
}

void BM_TnListSequentialIndex(benchmark::State& state) {
  const TnList<TnPercent> list = makeList(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    double sum = 0.0;
    for (unsigned int i = 0; i < list.length(); ++i) sum += list[i].value();
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TnListSequentialIndex)->Range(8, 4096);

void BM_TnListRandomIndex(benchmark::State& state) {
  const TnList<TnPercent> list = makeList(static_cast<int>(state.range(0)));
  std::mt19937 rng(42);
  std::uniform_int_distribution<unsigned int> pick(0, list.length() - 1);
  for (auto _ : state) benchmark::DoNotOptimize(list[pick(rng)].value());
}
BENCHMARK(BM_TnListRandomIndex)->Range(8, 4096);

}  // namespace
