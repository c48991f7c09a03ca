// The largest realistic naming runs over the built naming database: the candidate
// statements alone, whole runs through the guards and AcceptName, the guards alone over
// every candidate of a run (their share of the run is BM_RunGuards / BM_NamingRun), and
// AcceptName by itself.
//
// Counters: rows (names) per run, names per second, the time from the start of a run
// to its first full line, and the process's peak resident memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

#include "bench/generator/largest_runs.h"
#include "data/query.h"
#include "generator/candidate_query.h"
#include "generator/guard_data.h"
#include "generator/naming_run.h"
#include "generator/stroke_schemes.h"

namespace lumo::generator {
namespace {

using bench::kLargestRuns;
using bench::RunCase;

double peakResidentMb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

RunSettings settingsOf(db::Connection& connection, const RunCase& c) {
  RunSettings s = bench::wholeRunOf(connection, c);
  s.high.threshold = 0;  // every name enters the list, so the list counts the names
  return s;
}

void label(benchmark::State& state, const RunCase& c) {
  state.SetLabel(std::string(c.surname) + (c.sex == Sex::Male ? " 男" : " 女") + " 双字名 电脑全自动");
}

void BM_CandidateStatements(benchmark::State& state) {
  const RunCase& c = kLargestRuns[state.range(0)];
  db::Connection connection(db::DbFile::Voduzid);
  RunSettings s = settingsOf(connection, c);
  std::size_t rows = 0;
  for (auto _ : state) {
    rows = 0;
    for (std::size_t g = 0; g < GroupCount(s.schemes.size()); ++g) {
      Statement statement = BuildCandidateQuery(s.options, s.schemes, g);
      rows += connection.run(statement.sql, statement.params).size();
    }
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["peak_MB"] = peakResidentMb();
  label(state, c);
}
BENCHMARK(BM_CandidateStatements)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Counts what a run produces and when its first line came.
class Counting final : public RunOutput {
 public:
  using Clock = std::chrono::steady_clock;
  explicit Counting(Clock::time_point start) : m_start(start) {}
  void clearMemo() override {}
  void clearList() override {}
  void addMemoLine(std::string) override {
    if (m_lines++ == 0) m_firstLine = Clock::now() - m_start;
  }
  void addListItem(std::string) override { ++m_listed; }
  void progress(std::size_t, std::size_t) override {}
  std::size_t lines() const { return m_lines; }
  std::size_t listed() const { return m_listed; }  // names, with a threshold of 0
  double firstLineMs() const { return std::chrono::duration<double, std::milli>(m_firstLine).count(); }

 private:
  Clock::time_point m_start;
  Clock::duration m_firstLine{};
  std::size_t m_lines = 0, m_listed = 0;
};

void BM_NamingRun(benchmark::State& state) {
  const RunCase& c = kLargestRuns[state.range(0)];
  db::Connection connection(db::DbFile::Voduzid);
  LiveSettings live(settingsOf(connection, c));
  std::atomic<bool> flag{true};
  double names = 0, firstLine = 0, listed = 0;
  for (auto _ : state) {
    Counting out(Counting::Clock::now());
    GenerateNames(connection, live, flag, out);
    names = static_cast<double>(out.listed());
    listed = static_cast<double>(out.lines());
    firstLine = out.firstLineMs();
  }
  state.counters["names"] = names;
  state.counters["memo_lines"] = listed;
  state.counters["names_per_s"] = benchmark::Counter(names, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["first_line_ms"] = firstLine;
  state.counters["peak_MB"] = peakResidentMb();
  label(state, c);
}
BENCHMARK(BM_NamingRun)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// What the guards cost in a run: loading their data, one guard per automatic group, and
// every candidate name of the run checked.
void BM_RunGuards(benchmark::State& state) {
  const RunCase& c = kLargestRuns[state.range(0)];
  db::Connection connection(db::DbFile::Voduzid);
  RunSettings s = settingsOf(connection, c);
  std::vector<std::string> candidates;
  std::size_t groups = GroupCount(s.schemes.size());
  for (std::size_t g = 0; g < groups; ++g) {
    Statement statement = BuildCandidateQuery(s.options, s.schemes, g);
    db::ResultSet rows = connection.run(statement.sql, statement.params);
    for (std::size_t i = 0; i < rows.size(); ++i) candidates.push_back(rows.text(i, std::size_t{0}));
  }
  std::size_t admitted = 0;
  for (auto _ : state) {
    GuardData data = LoadGuardData(connection);
    AddCharacters(connection, s.options.surname, data);
    admitted = 0;
    std::size_t perGroup = (candidates.size() + groups - 1) / std::max<std::size_t>(groups, 1);
    for (std::size_t i = 0; i < candidates.size(); i += perGroup) {
      NameGuard guard(data, s.options);
      for (std::size_t k = i; k < std::min(candidates.size(), i + perGroup); ++k)
        admitted += guard.admits(candidates[k]);
    }
  }
  state.counters["candidates"] = static_cast<double>(candidates.size());
  state.counters["admitted"] = static_cast<double>(admitted);
  label(state, c);
}
BENCHMARK(BM_RunGuards)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

class Discard final : public RunOutput {
 public:
  void clearMemo() override {}
  void clearList() override {}
  void addMemoLine(std::string line) override { benchmark::DoNotOptimize(line); }
  void addListItem(std::string name) override { benchmark::DoNotOptimize(name); }
  void progress(std::size_t, std::size_t) override {}
};

void BM_AcceptName(benchmark::State& state) {
  const char* names[] = {"王明华(85分)", "欧阳明华(100分)", "李杰(76分)", "王宥景(98分)"};
  HighScoreRule rule;
  NameLines lines;
  Discard out;
  std::size_t i = 0;
  for (auto _ : state) AcceptName(names[i++ & 3], rule, lines, out);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AcceptName);

}  // namespace
}  // namespace lumo::generator

BENCHMARK_MAIN();
