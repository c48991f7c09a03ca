#include "bazi/birthday_text.h"

#include <charconv>

#include "bazi/bazi_chart.h"
#include "bazi/report_text.h"

namespace lumo::embedded {
extern const std::string_view birthday_texts;
}

namespace lumo::bazi {
namespace {

std::string unescaped(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    char next = i + 1 < field.size() ? field[i + 1] : '\0';
    if (field[i] == '\\' && (next == 'n' || next == 't' || next == '\\')) {
      out.push_back(next == 'n' ? '\n' : next == 't' ? '\t' : '\\');
      ++i;
    } else {
      out.push_back(field[i]);
    }
  }
  return out;
}

void storeLine(std::string_view line, BirthdayTable& table) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return;
  int key = 0;
  auto [end, ec] = std::from_chars(line.data(), line.data() + tab, key);
  if (ec != std::errc() || end != line.data() + tab || key < 1 || key >= static_cast<int>(table.size()))
    return;
  table[static_cast<std::size_t>(key)] = unescaped(line.substr(tab + 1));
}

const BirthdayTable& embeddedTable() {
  static const BirthdayTable table = parseBirthdayTable(embedded::birthday_texts);
  return table;
}

}  // namespace

BirthdayTable parseBirthdayTable(std::string_view source) {
  BirthdayTable table;
  while (!source.empty()) {
    std::size_t end = source.find('\n');
    storeLine(source.substr(0, end), table);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
  }
  return table;
}

std::string birthdayTableText(int key) {
  const BirthdayTable& table = embeddedTable();
  return key >= 1 && key < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(key)]
                                                          : std::string();
}

std::string birthdayText(int month, int day) {
  return birthdayTableText(day) + birthdayTableText(month * 100 + day);
}

void writePersonalitySection(const BaziChart& chart, Report& report) {
  report.add(kSeparator);
  report.add("性格简评：");
  report.add("    " + chart.personalityText);
}

void writePersonalitySection(int year, int month, int day, const std::string& sex, int hour, Report& report) {
  if (auto chart = computeBaziChart(year, month, day, sex, hour)) writePersonalitySection(*chart, report);
}

}  // namespace lumo::bazi
