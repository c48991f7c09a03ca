// The recommended list of the largest naming runs restricted to a classic, over the
// built naming database: what the worker does after such a run (the classic's candidate
// names from all its lines, the pool narrowed to them, ranked and picked). The window
// promises the list within 200 ms of the run's end.
//
// Counters: names in the run's pool and recommended names from the classic.
#include <benchmark/benchmark.h>

#include "bench/generator/largest_runs.h"
#include "generator/classic_recommend.h"

namespace lumo::generator {
namespace {

using bench::kLargestRuns;
using bench::RunCase;

void BM_ClassicListAfterTheRun(benchmark::State& state) {
  const RunCase& c = kLargestRuns[state.range(0)];
  Classic classic = state.range(1) ? Classic::Chuci : Classic::Shijing;
  db::Connection connection(db::DbFile::Voduzid);
  CandidatePool pool = bench::poolOfRun(connection, c);
  NamingOptions options = bench::wholeRunOf(connection, c).options;
  naming::CharacterTable table;
  table.loadNameSet(connection);
  std::vector<RecommendedName> names;
  for (auto _ : state) names = recommendFromPool(pool, classic, options, table, connection, {});
  state.counters["pool"] = static_cast<double>(pool.size());
  state.counters["listed"] = static_cast<double>(names.size());
  state.SetLabel(std::string(c.surname) + (c.sex == Sex::Male ? " 男 " : " 女 ") + ClassicText(classic));
}
BENCHMARK(BM_ClassicListAfterTheRun)
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace lumo::generator

BENCHMARK_MAIN();
