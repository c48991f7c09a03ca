// The whole name analysis report (input checks, header, body, every read) over the built
// databases: with the cached connections and stroke cache the program uses, and with a
// fresh connection for every read and no stroke cache, the way each reader once opened
// its own query. Run with --benchmark_repetitions=N to get the median.
#include <benchmark/benchmark.h>

#include "calendar/clock.h"
#include "data/query.h"
#include "naming/grids.h"
#include "naming/name_report.h"
#include "naming/strokes.h"

namespace {

using namespace lumo;

const std::pair<const char*, const char*> kNames[] = {
    {"张", "伟"}, {"欧阳", "修远"}, {"王", "小明"}, {"李", "思琪"}, {"诸葛", "亮"}};

void runReports(benchmark::State& state) {
  setToday(Date{2024, 6, 1});
  std::size_t i = 0, lines = 0;
  for (auto _ : state) {
    auto [surname, given] = kNames[i++ % std::size(kNames)];
    PanelInput in;
    in.surname = surname;
    in.given = given;
    in.year = "1990";
    in.month = "5";
    in.day = "20";
    Report report;
    Subject record;
    runCommand(report, [&](Report& r) { naming::AnalyseName(in, record, naming::kMainClosingLine, r); });
    lines += report.lines.size();
    benchmark::DoNotOptimize(report.lines.data());
  }
  state.counters["lines/report"] = static_cast<double>(lines) / static_cast<double>(state.iterations());
}

void BM_NameReport(benchmark::State& state) {
  db::setFreshConnectionPerQuery(false);
  naming::SetStrokeCacheEnabled(true);
  runReports(state);
}

void BM_NameReportNoStrokeCache(benchmark::State& state) {
  db::setFreshConnectionPerQuery(false);
  naming::SetStrokeCacheEnabled(false);
  runReports(state);
  naming::SetStrokeCacheEnabled(true);
}

void BM_NameReportFreshConnectionPerRead(benchmark::State& state) {
  db::setFreshConnectionPerQuery(true);
  naming::SetStrokeCacheEnabled(false);
  runReports(state);
  db::setFreshConnectionPerQuery(false);
  naming::SetStrokeCacheEnabled(true);
}

BENCHMARK(BM_NameReport)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NameReportNoStrokeCache)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NameReportFreshConnectionPerRead)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
