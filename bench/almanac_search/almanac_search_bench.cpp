// 择日 costs: one year and ten years searched in the built birth-reading database
// (LUMO_DATA_DIR or the program's folder), and the whole lumo-cli process for one year.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "almanac/almanac_search.h"

namespace {

using namespace lumo;

void searchRange(benchmark::State& state, const char* to) {
  const almanac::CheckedSearch search = almanac::checkSearch({"嫁娶", "2026-1-1", to, ""});
  try {
    if (almanac::findGoodDays(search).empty())
      return state.SkipWithError("no good days: is the table built?");
  } catch (const std::exception& e) {
    return state.SkipWithError(e.what());
  }
  for (auto _ : state) benchmark::DoNotOptimize(almanac::findGoodDays(search));
}

void BM_SearchOneYear(benchmark::State& state) {
  searchRange(state, "2026-12-31");
}
BENCHMARK(BM_SearchOneYear)->Unit(benchmark::kMillisecond);

void BM_SearchTenYears(benchmark::State& state) {
  searchRange(state, "2035-12-31");
}
BENCHMARK(BM_SearchTenYears)->Unit(benchmark::kMillisecond);

// Start, search, print and exit, as a script calling lumo-cli pays for it.
void BM_ZeriProcessOneYear(benchmark::State& state) {
  const std::string command = std::string(LUMO_CLI) + " zeri 嫁娶 --from 2026-1-1 --to 2026-12-31";
  for (auto _ : state) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return state.SkipWithError("cannot start lumo-cli");
    char buffer[4096];
    std::size_t bytes = 0;
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) bytes += n;
    if (pclose(pipe) != 0 || bytes == 0) return state.SkipWithError("lumo-cli zeri failed");
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_ZeriProcessOneYear)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
