#include "almanac/almanac_day.h"

#include <array>

#include "core/report.h"
#include "core/text.h"
#include "data/read_failure.h"

namespace lumo::almanac {
namespace {

struct Caption {
  const char* text;
  const char* column;
};

// The order of the result box; each caption is followed directly by its field.
constexpr std::array<Caption, 9> kCaptions{{{"岁次:", "suici"},
                                            {"每日胎神占方:", "tszf"},
                                            {"五行:", "wuhang"},
                                            {"冲:", "cong"},
                                            {"彭祖百忌:", "pzbj"},
                                            {"吉神宜趋:", "jsyq"},
                                            {"宜:", "yi"},
                                            {"凶神宜忌:", "xsyq"},
                                            {"忌:", "ji"}}};

constexpr const char* kDayQuery = "select * from huangdao where gn = ? limit 1";

}  // namespace

CheckedDay checkChoice(const DayChoice& choice) {
  const std::string year = trimmed(choice.year);
  if (year.empty()) throw Notice(kNoYear);
  const std::string month = trimmed(choice.month);
  if (month.empty()) throw Notice(kNoMonth);
  const std::string day = trimmed(choice.day);
  if (day.empty()) throw Notice(kNoDay);
  CheckedDay checked{year + "-" + month + "-" + day, {}};
  auto date = parseDate(checked.text);
  if (!date) throw Notice(kInvalidDate);
  checked.date = *date;
  return checked;
}

DayChoice choiceOfText(const std::string& text) {
  DayChoice choice;
  auto first = text.find('-');
  choice.year = text.substr(0, first);
  if (first == std::string::npos) return choice;
  auto second = text.find('-', first + 1);
  choice.month = text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
  if (second != std::string::npos) choice.day = text.substr(second + 1);
  return choice;
}

std::vector<std::string> resultLines(const db::ResultSet& rows, std::size_t row) {
  std::vector<std::string> lines;
  lines.reserve(kResultLineCount);
  for (const Caption& caption : kCaptions) {
    if (!lines.empty()) lines.emplace_back();
    lines.push_back(caption.text + rows.text(row, caption.column));
  }
  return lines;
}

std::optional<AlmanacEntry> readAlmanacEntry(const CheckedDay& day) {
  db::ResultSet rows =
      db::readRows(db::Failure::Reported, db::DbFile::KelBirth, kDayQuery, {formatDate(day.date)});
  if (rows.empty()) return std::nullopt;
  try {
    return AlmanacEntry{day.text + "  " + rows.text(0, "nn"), resultLines(rows, 0)};
  } catch (const db::DbError& error) {  // a column the table lacks
    throw ReportedFailure(error.what());
  }
}

void writeAlmanacDay(Report& report, const DayChoice& choice) {
  auto entry = readAlmanacEntry(checkChoice(choice));
  if (!entry) throw CommandStopped{};
  report.add(entry->dateLine);
  for (auto& line : entry->result) report.add(line);
}

}  // namespace lumo::almanac
