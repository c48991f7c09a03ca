// Costs behind one click of the calendar windows: redrawing a month of the date picker
// (each spinner step), the month as lumo-cli text, and reading one almanac day from the
// built birth-reading database (LUMO_DATA_DIR or the program's folder).
#include <benchmark/benchmark.h>

#include "almanac/almanac_day.h"
#include "calendar/month_grid.h"
#include "calendar/month_text.h"

namespace {

using namespace lumo;

void BM_BuildMonthView(benchmark::State& state) {
  int month = 0;
  for (auto _ : state) {
    calendar::MonthView view = calendar::buildMonthView(2023, month % 12 + 1, 15);
    benchmark::DoNotOptimize(view);
    ++month;
  }
}
BENCHMARK(BM_BuildMonthView);

// December: the lunar code walks the most months of the year.
void BM_BuildDecemberLate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(calendar::buildMonthView(2050, 12, 31));
}
BENCHMARK(BM_BuildDecemberLate);

void BM_MonthLines(benchmark::State& state) {
  const calendar::MonthView view = calendar::buildMonthView(2023, 7, 1);
  for (auto _ : state) benchmark::DoNotOptimize(calendar::monthLines(view));
}
BENCHMARK(BM_MonthLines);

void BM_ReadAlmanacDay(benchmark::State& state) {
  const almanac::CheckedDay day = almanac::checkChoice({"2010", "01", "05"});
  try {
    almanac::readAlmanacEntry(day);
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(almanac::readAlmanacEntry(day));
}
BENCHMARK(BM_ReadAlmanacDay);

}  // namespace

BENCHMARK_MAIN();
