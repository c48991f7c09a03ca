#include "generator/naming_run.h"

#include <algorithm>
#include <optional>

#include "data/query.h"
#include "generator/candidate_query.h"
#include "generator/guard_data.h"
#include "generator/slice_order.h"

namespace lumo::generator {
namespace {

class Run {
 public:
  Run(db::Connection& connection, const LiveSettings& settings, const std::atomic<bool>& flag, RunOutput& out)
      : m_connection(connection), m_settings(settings), m_flag(flag), m_out(out) {}

  RunEnd chosen(const RunSettings& s) {
    Statement statement = BuildCandidateQuery(s.options, s.schemeText);
    m_out.clearList();
    NameGuard guard = guardFor(s.options);
    return read(statement, guard, kChosenSliceOrder, RemainderCheck::AfterRow) ? RunEnd::Finished
                                                                               : RunEnd::Stopped;
  }

  RunEnd automatic() {
    m_out.clearList();
    bool stopped = false;
    for (std::size_t group = 0;; ++group) {
      RunSettings s = m_settings.snapshot();
      std::size_t total = s.schemes.size();
      if (group == 0) m_out.progress(0, total);
      if (group >= GroupCount(total)) break;
      Statement statement = BuildCandidateQuery(s.options, s.schemes, group, [this] { return running(); });
      if (statement.empty()) continue;  // a stopped run adds no scheme: nothing more is done
      NameGuard guard = guardFor(s.options);
      if (!read(statement, guard, kAutomaticSliceOrder, RemainderCheck::BeforeRow)) stopped = true;
      m_out.progress(std::min(total, 8 * group + 8), total);
    }
    return stopped || !running() ? RunEnd::Stopped : RunEnd::Finished;
  }

  void flushLine() {
    if (auto line = m_lines.takeIncomplete()) m_out.addMemoLine(std::move(*line));
  }

 private:
  bool running() const { return m_flag.load(std::memory_order_relaxed); }

  // The guards of the options a statement was built from; the name set is read once.
  NameGuard guardFor(const NamingOptions& options) {
    if (!m_guardData) m_guardData = LoadGuardData(m_connection);
    AddCharacters(m_connection, options.surname, *m_guardData);
    if (options.fixedTicked) AddCharacters(m_connection, options.fixedChar, *m_guardData);
    return NameGuard(*m_guardData, options);
  }

  bool read(const Statement& statement, const NameGuard& guard, const SliceOrder& order,
            RemainderCheck check) {
    db::ResultSet rows = m_connection.run(statement.sql, statement.params);
    return readInSlices(
        rows.size(), order, check, [this] { return running(); },
        [&](std::size_t row) {
          std::string name = rows.text(row, std::size_t{0});
          if (guard.admits(name)) AcceptName(name, m_settings.highScoreRule(), m_lines, m_out);
        });
  }

  db::Connection& m_connection;
  const LiveSettings& m_settings;
  const std::atomic<bool>& m_flag;
  RunOutput& m_out;
  NameLines m_lines;
  std::optional<GuardData> m_guardData;
};

}  // namespace

RunEnd GenerateNames(db::Connection& connection, const LiveSettings& settings,
                     const std::atomic<bool>& runFlag, RunOutput& out) {
  Run run(connection, settings, runFlag, out);
  out.clearMemo();
  RunEnd end = RunEnd::Failed;
  try {
    RunSettings s = settings.snapshot();
    end = s.automatic() ? run.automatic() : run.chosen(s);
  } catch (const BadSchemeEntry&) {
  } catch (const db::DbError&) {
  }
  run.flushLine();
  return end;
}

}  // namespace lumo::generator
