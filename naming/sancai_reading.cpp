// 三才吉凶: the unscrambled reading of a name's 三才 configuration.
#include "naming/sancai_reading.h"

#include <sstream>

#include "core/report.h"
#include "data/gbk.h"
#include "data/query.h"
#include "data/read_failure.h"
#include "data/unscramble.h"
#include "naming/grids.h"

namespace lumo::naming {

const char* const kNoSancaiText = "无结果,请听下回分解";

std::string SancaiContent(const std::string& sancai) {
  db::ResultSet rows = db::readRows(db::Failure::SilentStop, db::DbFile::KelFile,
                                    "Select content from sancai where title = ?", {sancai});
  if (rows.empty()) return kNoSancaiText;
  std::string stored = rows.text(0, "content");
  return gbk::toUtf8(db::UnscrambleStoredText(stored, db::kStoredTextKey, db::kStoredTextRounds));
}

bool ShowSancaiReading(const std::string& surname, const std::string& given, Report& report) {
  if (surname.empty() || given.empty()) return false;
  std::string sancai = SancaiOf(GridNumbers(surname, given));
  std::string text = SancaiContent(sancai);
  report.add(surname + given + ",您的三才为" + sancai + ",经系统分析如下:");
  report.add("");
  report.add("");
  // A reading with line breaks fills several pane lines; the first is indented.
  std::istringstream lines(text);
  std::string line;
  bool first = true;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    report.add(first ? "    " + line : line);
    first = false;
  }
  if (first) report.add("    ");
  return true;
}

}  // namespace lumo::naming
