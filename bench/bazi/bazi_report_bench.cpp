// The whole BaZi report (about seventy single-row reads), with the cached connections and
// with a fresh connection for every read. Run with --benchmark_repetitions=N for medians.
#include <benchmark/benchmark.h>

#include "bazi/bazi_report.h"
#include "calendar/clock.h"
#include "data/query.h"

namespace {

lumo::PanelInput birth() {
  lumo::PanelInput in;
  in.surname = "张";
  in.year = "1985", in.month = "3", in.day = "8", in.hour = "午 12", in.minute = "30";
  return in;
}

void runReports(benchmark::State& state, bool fresh) {
  lumo::setToday(lumo::Date{2024, 6, 1});
  lumo::db::setFreshConnectionPerQuery(fresh);
  lumo::PanelInput in = birth();
  std::size_t lines = 0;
  for (auto _ : state) {
    lumo::Subject subject;
    lumo::Report report;
    lumo::bazi::showBaziReport(in, subject, report);
    lines = report.lines.size();
    benchmark::DoNotOptimize(report.lines.data());
  }
  lumo::db::setFreshConnectionPerQuery(false);
  state.counters["lines"] = static_cast<double>(lines);
}

void BM_BaziReport(benchmark::State& state) {
  runReports(state, false);
}
void BM_BaziReportFreshConnectionPerRead(benchmark::State& state) {
  runReports(state, true);
}

BENCHMARK(BM_BaziReport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaziReportFreshConnectionPerRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
