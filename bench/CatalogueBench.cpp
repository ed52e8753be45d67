// A lookup by name alone in a manager of about a thousand patterns: a library-wide hit costs one
// table probe, a design's pattern costs a missed library-wide probe and a second one.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "loomset/catalogue/GPatTable.h"

namespace {

constexpr int kPatterns = 1000;

TnString patternName(const char* stem, int i) { return TnString(stem + std::to_string(i)); }

TnFillPattern pattern(const TnString& name) {
  TnFillPattern record;
  const unsigned char offsets[] = {25, 50};
  record.init(name, 30, 2, offsets);
  return record;
}

// A manager whose library-wide scope and current design each hold kPatterns patterns.
struct Catalogue {
  Catalogue() {
    manager.setDesign(reinterpret_cast<TnDesign*>(&designObject));
    for (int i = 0; i < kPatterns; ++i) {
      manager.addPattern(nullptr, pattern(patternName("Library ", i)));
      manager.addPattern(manager.getDesign(), pattern(patternName("Design ", i)));
    }
  }
  int designObject = 0;
  GPatTable manager;
};

void lookUpAll(benchmark::State& state, const char* stem) {
  Catalogue catalogue;
  std::vector<TnString> names;
  for (int i = 0; i < kPatterns; ++i) names.push_back(patternName(stem, (i * 7919) % kPatterns));
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(catalogue.manager.lookup(names[next]));
    next = next + 1 == names.size() ? 0 : next + 1;
  }
}

void BM_GPatTableLookupLibraryHit(benchmark::State& state) { lookUpAll(state, "Library "); }
BENCHMARK(BM_GPatTableLookupLibraryHit);

void BM_GPatTableLookupDesignFallback(benchmark::State& state) { lookUpAll(state, "Design "); }
BENCHMARK(BM_GPatTableLookupDesignFallback);

void BM_GPatTableLookupMiss(benchmark::State& state) { lookUpAll(state, "Absent "); }
BENCHMARK(BM_GPatTableLookupMiss);

}  // namespace
