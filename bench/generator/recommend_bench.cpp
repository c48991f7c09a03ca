// The recommended list of the largest naming runs over the built naming database: what
// the worker does between the end of a run and the moment the window can show the list
// (score the whole pool, rank it, pick 50 with the variety rule), and reading the name
// set, which the worker does before the run starts.
//
// Counters: names in the pool, recommended names, and the share of them that carries a
// favourable element of the birth moment used (2024-05-01, 午 11).
#include <benchmark/benchmark.h>

#include "bazi/birth_elements.h"
#include "bench/generator/largest_runs.h"
#include "generator/element_need.h"
#include "generator/recommend.h"

namespace lumo::generator {
namespace {

using bench::kLargestRuns;
using bench::RunCase;

ElementNeed birthNeed() {
  return elementNeedOf(BirthMoment::of({2024, 5, 1}, 11, 0, BirthSex::Male));
}

void BM_RecommendAfterTheRun(benchmark::State& state) {
  const RunCase& c = kLargestRuns[state.range(0)];
  db::Connection connection(db::DbFile::Voduzid);
  CandidatePool pool = bench::poolOfRun(connection, c);
  naming::CharacterTable table;
  table.loadNameSet(connection);
  ElementNeed need = state.range(1) ? birthNeed() : ElementNeed{};
  std::vector<RecommendedName> names;
  for (auto _ : state) names = recommendNames(pool, table, connection, need);
  std::size_t carrying = 0;
  for (const auto& n : names)
    for (const auto& f : n.givenFacts)
      if (holdsElement(need.favourable, f.element)) {
        ++carrying;
        break;
      }
  state.counters["pool"] = static_cast<double>(pool.size());
  state.counters["listed"] = static_cast<double>(names.size());
  if (need.known()) state.counters["favourable%"] = names.empty() ? 0 : 100.0 * carrying / names.size();
  state.SetLabel(std::string(c.surname) + (c.sex == Sex::Male ? " 男" : " 女") + " 双字名 电脑全自动" +
                 (need.known() ? " 有生辰" : ""));
}
BENCHMARK(BM_RecommendAfterTheRun)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_ReadTheNameSet(benchmark::State& state) {
  db::Connection connection(db::DbFile::Voduzid);
  std::size_t size = 0;
  for (auto _ : state) {
    naming::CharacterTable table;
    table.loadNameSet(connection);
    size = table.size();
  }
  state.counters["characters"] = static_cast<double>(size);
}
BENCHMARK(BM_ReadTheNameSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumo::generator

BENCHMARK_MAIN();
