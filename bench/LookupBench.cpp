// Looking a pattern up by name, library-wide, with 100, 1,000 and 10,000 fill patterns stored,
// against std::unordered_map holding the same records under the same names.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "loomset/catalogue/GPatTable.h"

namespace {

TnFillPattern fill(const std::string& name) {
  TnFillPattern record;
  const unsigned char offsets[] = {25, 50};
  record.init(TnString(name), 30, 2, offsets);
  return record;
}

std::string nameOf(int i) { return "Fill pattern " + std::to_string(i); }

// The names to look up, in a scattered order: stored ones for hits, others for misses.
std::vector<std::string> probes(int count, bool hits) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(nameOf((i * 7919) % count + (hits ? 0 : count)));
  return names;
}

void BM_Lookup(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  GPatTable manager;
  for (int i = 0; i < count; ++i) manager.addPattern(nullptr, fill(nameOf(i)));
  std::vector<TnString> names;
  for (const std::string& name : probes(count, state.range(1) != 0)) names.emplace_back(name);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(manager.lookup(names[next]));
    next = next + 1 == names.size() ? 0 : next + 1;
  }
}
BENCHMARK(BM_Lookup)->ArgNames({"patterns", "hit"})->ArgsProduct({{100, 1000, 10000}, {1, 0}});

void BM_LookupBaseline(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  std::unordered_map<std::string, TnFillPattern> map;
  for (int i = 0; i < count; ++i) map.emplace(nameOf(i), fill(nameOf(i)));
  const std::vector<std::string> names = probes(count, state.range(1) != 0);
  std::size_t next = 0;
  for (auto _ : state) {
    auto found = map.find(names[next]);
    benchmark::DoNotOptimize(found == map.end() ? nullptr : &found->second);
    next = next + 1 == names.size() ? 0 : next + 1;
  }
}
BENCHMARK(BM_LookupBaseline)
    ->ArgNames({"patterns", "hit"})
    ->ArgsProduct({{100, 1000, 10000}, {1, 0}});

}  // namespace
