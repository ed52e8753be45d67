// Writing and reading 10,000 programmed patterns, each of three direction patterns of 12 entries,
// through a memory stream, against memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "loomset/foundation/TnMemoryStream.h"
#include "loomset/patterns/TnProgrammedPattern.h"

namespace {

constexpr int kPatterns = 10000;

std::vector<TnProgrammedPattern> patterns(int count = kPatterns) {
  TnDirectionPattern::Directions entries;
  for (int i = 0; i < 12; ++i)
    entries.emplace_back(TnVector<double>(1.0, i % 2 == 0 ? 0.75 : -0.75), i % 4 == 3 ? 1 : 0);
  TnDirectionPattern motif;
  motif.setReferenceAndDirections(TnVector<double>(12.0, 0.0), entries);
  TnProgrammedPattern pattern;
  pattern.setPatternDescription({{"Main", motif}, {"Accent", motif}, {"Contrast", motif}});
  std::vector<TnProgrammedPattern> all(count, pattern);
  for (int i = 0; i < count; ++i) all[i].rename(TnString("Pattern " + std::to_string(i)));
  return all;
}

std::vector<unsigned char> streamOf(std::vector<TnProgrammedPattern>& all) {
  TnMemoryStream stream;
  for (TnProgrammedPattern& pattern : all) pattern.write(&stream);
  return stream.bytes();
}

// Into a stream that keeps its memory from the last round, as the baseline copies into memory
// it already has. 100 patterns stay in the caches; 10,000 do not.
void BM_StreamWrite(benchmark::State& state) {
  std::vector<TnProgrammedPattern> all = patterns(static_cast<int>(state.range(0)));
  TnMemoryStream stream;
  for (auto _ : state) {
    stream.clear();
    for (TnProgrammedPattern& pattern : all) pattern.write(&stream);
    benchmark::DoNotOptimize(stream.bytes().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * stream.bytes().size()));
}
BENCHMARK(BM_StreamWrite)
    ->ArgName("patterns")
    ->Arg(kPatterns)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

// Into a new stream each round, which grows its memory as it goes.
void BM_StreamWriteFresh(benchmark::State& state) {
  std::vector<TnProgrammedPattern> all = patterns();
  std::size_t bytes = 0;
  for (auto _ : state) {
    TnMemoryStream stream;
    for (TnProgrammedPattern& pattern : all) pattern.write(&stream);
    bytes = stream.bytes().size();
    benchmark::DoNotOptimize(stream.bytes().data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_StreamWriteFresh)->Unit(benchmark::kMillisecond);

// Into the records of the last round, from the same stream rewound, so that neither copying the
// bytes into a new stream nor building new records is timed.
void BM_StreamRead(benchmark::State& state) {
  std::vector<TnProgrammedPattern> all = patterns();
  const std::vector<unsigned char> bytes = streamOf(all);
  std::vector<TnProgrammedPattern> back(kPatterns);
  TnMemoryStream stream(bytes);
  for (auto _ : state) {
    stream.rewind();
    for (TnProgrammedPattern& pattern : back) pattern.read(&stream);
    benchmark::DoNotOptimize(back.back());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_StreamRead)->Unit(benchmark::kMillisecond);

void BM_StreamBaseline(benchmark::State& state) {
  std::vector<TnProgrammedPattern> all = patterns();
  const std::vector<unsigned char> bytes = streamOf(all);
  std::vector<unsigned char> copy(bytes.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_StreamBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
