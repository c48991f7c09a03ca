#include "generator/generate_command.h"

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

RunLines runToLines(db::Connection& connection, const RunSettings& settings) {
  RunLines lines;
  Collector collector(lines);
  LiveSettings live(settings);
  std::atomic<bool> flag{true};
  GenerateNames(connection, live, flag, collector);
  return lines;
}

void generateReport(const GenerateRequest& request, db::Report& report) {
  db::Connection connection(db::DbFile::Voduzid);
  std::vector<std::string> items{kAutomaticScheme};
  if (!db::trimmed(request.list.naming.surname).empty()) items = FillStrokeSchemes(connection, request.list);
  for (const auto& item : items) report.add(item);

  RunSettings settings;
  settings.options = request.list.naming;
  settings.schemeText = request.scheme;
  settings.schemes.assign(items.begin() + 1, items.end());
  settings.high = request.high;
  RunLines lines = runToLines(connection, settings);
  report.add("");
  for (auto& line : lines.memo) report.add(std::move(line));
  report.add("");
  for (auto& name : lines.list) report.add(std::move(name));
}

}  // namespace lumo::generator
