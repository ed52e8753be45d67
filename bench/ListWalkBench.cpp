// Reading a TnList by increasing index, as the host walks a motif or a curve: each access is one
// cursor step, so twice the elements take twice the time.
#include <benchmark/benchmark.h>

#include "loomset/foundation/TnList.h"

namespace {

void BM_ListWalk(benchmark::State& state) {
  const auto count = static_cast<unsigned int>(state.range(0));
  TnList<TnPercent> list;
  for (unsigned int i = 0; i < count; ++i) list.add(TnPercent(static_cast<double>(i % 100)));
  for (auto _ : state) {
    double sum = 0.0;
    for (unsigned int i = 0; i < count; ++i) sum += list[i].value();
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * count));
}
// 50,000 and 400,000 show the walk on either side of the step in memory cost between 100,000
// and 200,000 elements.
BENCHMARK(BM_ListWalk)->ArgName("elements")->Arg(50000)->Arg(100000)->Arg(200000)->Arg(400000);

}  // namespace
