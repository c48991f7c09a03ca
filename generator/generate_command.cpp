#include "generator/generate_command.h"

#include "core/text.h"
#include "generator/classic_recommend.h"
#include "generator/element_need.h"
#include "generator/name_explanation.h"
#include "generator/naming_run.h"

namespace lumo::generator {
namespace {

// Collects the run's output as the window would show it.
class Collector final : public RunOutput {
 public:
  explicit Collector(RunLines& lines) : m_lines(lines) {}
  void clearMemo() override { m_lines.memo.clear(); }
  void clearList() override { m_lines.list.clear(); }
  void addMemoLine(std::string line) override { m_lines.memo.push_back(std::move(line)); }
  void addListItem(std::string name) override { m_lines.list.push_back(std::move(name)); }
  void progress(std::size_t, std::size_t) override {}

 private:
  RunLines& m_lines;
};

}  // namespace

RunLines runToLines(db::Connection& connection, const RunSettings& settings, CandidatePool* pool) {
  RunLines lines;
  Collector collector(lines);
  LiveSettings live(settings);
  std::atomic<bool> flag{true};
  if (!pool) {
    GenerateNames(connection, live, flag, collector);
    return lines;
  }
  PoolingOutput pooling(collector, *pool);
  GenerateNames(connection, live, flag, pooling);
  return lines;
}

void generateReport(const GenerateRequest& request, Report& report) {
  db::Connection connection(db::DbFile::Voduzid);
  std::vector<std::string> items{kAutomaticScheme};
  if (!trimmed(request.list.naming.surname).empty()) items = FillStrokeSchemes(connection, request.list);
  for (const auto& item : items) report.add(item);

  RunSettings settings;
  settings.options = request.list.naming;
  settings.schemeText = request.scheme;
  settings.schemes.assign(items.begin() + 1, items.end());
  settings.high = request.high;
  CandidatePool pool(settings.options.surname, settings.options.sex);
  RunLines lines = runToLines(connection, settings, request.recommend > 0 ? &pool : nullptr);
  report.add("");
  for (auto& line : lines.memo) report.add(std::move(line));
  report.add("");
  for (auto& name : lines.list) report.add(std::move(name));
  if (request.recommend == 0) return;
  report.add("");
  naming::CharacterTable table;
  table.loadNameSet(connection);
  ElementNeed need = elementNeedOf(request.birth);
  for (const auto& name :
       recommendFromPool(pool, request.source, settings.options, table, connection, need, request.recommend))
    report.add(recommendationRow(name));
}

void explainReport(const std::string& surname, const std::string& given, Report& report) {
  db::Connection connection(db::DbFile::Voduzid);
  naming::CharacterTable table;
  RecommendedName name = describeName(table, connection, surname, given, 0, {});
  for (auto& row : characterRows(name)) report.add(std::move(row));
  report.add(fullReading(name));
  report.add(tonePattern(name));
}

}  // namespace lumo::generator
