// The recommended list of the largest naming runs restricted to a classic, over the
// built naming database: what the worker does after such a run (the classic's candidate
// names from all its lines, the pool narrowed to them, ranked and picked). The window
// promises the list within 200 ms of the run's end.
//
// Counters: names in the run's pool and recommended names from the classic.
#include <benchmark/benchmark.h>

#include "generator/classic_recommend.h"
#include "generator/generate_command.h"

namespace lumo::generator {
namespace {

struct RunCase {
  const char* surname;
  Sex sex;
};
const RunCase kCases[] = {{"李", Sex::Male}, {"李", Sex::Female}, {"王", Sex::Male}, {"欧阳", Sex::Male}};

void BM_ClassicListAfterTheRun(benchmark::State& state) {
  const RunCase& c = kCases[state.range(0)];
  Classic classic = state.range(1) ? Classic::Chuci : Classic::Shijing;
  db::Connection connection(db::DbFile::Voduzid);
  SchemeListOptions list;
  list.naming.surname = c.surname;
  list.naming.sex = c.sex;
  std::vector<std::string> items = FillStrokeSchemes(connection, list);
  RunSettings s;
  s.options = list.naming;
  s.high.enabled = false;
  s.schemes.assign(items.begin() + 1, items.end());
  CandidatePool pool(c.surname);
  runToLines(connection, s, &pool);
  naming::CharacterTable table;
  table.loadNameSet(connection);
  std::vector<RecommendedName> names;
  for (auto _ : state) names = recommendFromPool(pool, classic, s.options, table, connection, {});
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
