#include "bazi/jie_moments.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "calendar/date_serial.h"
#include "core/stem_branch.h"

namespace lumo::embedded {
extern const std::string_view jie_moments;
}

namespace lumo::bazi {
namespace {

const char* const kNames[12] = {"小寒", "立春", "惊蛰", "清明", "立夏", "芒种",
                                "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};

int number(std::string_view text) {
  int value = -1;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// "yyyy-MM-dd HH:mm:ss" as a day serial; nullopt when the text is too short.
std::optional<double> serialOfText(std::string_view t) {
  if (t.size() < 19) return std::nullopt;
  int days = serialOf(number(t.substr(0, 4)), number(t.substr(5, 2)), number(t.substr(8, 2)));
  int seconds = number(t.substr(11, 2)) * 3600 + number(t.substr(14, 2)) * 60 + number(t.substr(17, 2));
  return days + seconds / 86400.0;
}

// One line: year, 节 number, name, moment, separated by tabs.
bool parseLine(std::string_view line, JieMoment& m) {
  std::string_view field[4];
  for (int i = 0; i < 4; ++i) {
    std::size_t tab = line.find('\t');
    field[i] = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
  }
  auto serial = serialOfText(field[3]);
  m = {number(field[0]), number(field[1]), serial.value_or(0)};
  return serial && m.year > 0 && m.jie >= 0 && m.jie < 12;
}

std::vector<JieMoment> parsedTable() {
  std::vector<JieMoment> table;
  std::string_view text = embedded::jie_moments;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    JieMoment m;
    if (parseLine(text.substr(0, end), m)) table.push_back(m);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return table;
}

}  // namespace

std::span<const JieMoment> jieMoments() {
  static const std::vector<JieMoment> table = parsedTable();
  return table;
}

std::string jieName(int jie) {
  return jie >= 0 && jie < 12 ? kNames[jie] : "";
}

const JieMoment* jieAtOrBefore(double serial) {
  auto table = jieMoments();
  auto it = std::upper_bound(table.begin(), table.end(), serial,
                             [](double s, const JieMoment& m) { return s < m.serial; });
  return it == table.begin() ? nullptr : &*(it - 1);
}

const JieMoment* jieAfter(double serial) {
  auto table = jieMoments();
  auto it = std::upper_bound(table.begin(), table.end(), serial,
                             [](double s, const JieMoment& m) { return s < m.serial; });
  return it == table.end() ? nullptr : &*it;
}

int monthBranchOfJie(int jie) {
  return wrap(jie + 2, 12);
}

}  // namespace lumo::bazi
