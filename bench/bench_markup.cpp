// Building every kind of markup the program puts on the clipboard.
#include "composer/markup.h"
#include "emoticons/emo_catalogue.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void MarkupFormatted(benchmark::State& state) {
  const std::string text = "Ciao a tutti,\nè un piacere esserci";
  for (auto _ : state)
    benchmark::DoNotOptimize(slv::composer::formatted(18, "red", true, true, true, text));
}
BENCHMARK(MarkupFormatted);

void MarkupList(benchmark::State& state) {
  std::vector<std::string> items;
  for (int i = 0; i < 20; ++i)
    items.push_back("voce numero " + std::to_string(i));
  for (auto _ : state)
    benchmark::DoNotOptimize(slv::composer::list(1, items));
}
BENCHMARK(MarkupList);

void MarkupQuoteLinkImage(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(slv::composer::quote("Ciao", "anonimo"));
    benchmark::DoNotOptimize(slv::composer::link("http://www.portale.example/forum/", "il forum"));
    benchmark::DoNotOptimize(slv::composer::image("http://www.portale.example/a.gif"));
  }
}
BENCHMARK(MarkupQuoteLinkImage);

void EmoticonTag(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(slv::emoticons::imageTag(
        slv::emoticons::imageAddress("http://emoticons.portale.example/emoticons/", "Yahoo/", 11)));
}
BENCHMARK(EmoticonTag);

} // namespace
