// Reading and writing the forum list files.
#include "core/datafile.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> entries(int n) {
  std::vector<std::string> v;
  v.reserve(n);
  for (int i = 0; i < n; ++i)
    v.push_back(std::to_string(100 + i % 900) + " Forum numero " + std::to_string(i) + ", già aperto");
  return v;
}

void ReadAllforums(benchmark::State& state) {
  const std::string bytes = *slv::encodeLines(entries(static_cast<int>(state.range(0))));
  for (auto _ : state)
    benchmark::DoNotOptimize(slv::readFields(bytes));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadAllforums)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void EncodeFavourites(benchmark::State& state) {
  const auto v = entries(static_cast<int>(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(slv::encodeLines(v));
}
BENCHMARK(EncodeFavourites)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
