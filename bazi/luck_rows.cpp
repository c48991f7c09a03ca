#include "bazi/luck_rows.h"

#include "bazi/bazi_chart.h"
#include "bazi/report_text.h"
#include "calendar/date_cn.h"
#include "core/stem_branch.h"
#include "core/utf8.h"

namespace lumo::bazi {
namespace {

// The label of row i < a: the section label on the first row, six blanks below it.
std::string rowPrefix(int i, const char* label) {
  return i == 0 ? std::string(label) : kB6;
}

// Columns value(first), value(first + 10), …, value(first + 80), each after three blanks.
template <class Value>
std::string decadeColumns(int first, int from, Value value) {
  std::string row;
  for (int j = from; j <= 8; ++j) row += kB3 + value(first + 10 * j);
  return row;
}

}  // namespace

std::string yearPillarName(int year) {
  std::string name = LunarYearName(year - 1864);
  return nthCharacter(name, 0) + nthCharacter(name, 1);
}

std::string minorLuckPillar(const BaziChart& chart, int m) {
  int step = chart.luckBackward ? -m : m;
  return pillarOfNumbers(chart.hourStem + step, chart.hourBranch + step);
}

std::string ageText(int m) {
  return (m >= 0 && m < 10 ? "0" : "") + std::to_string(m) + "岁";
}

std::string ageRow(const BaziChart& chart) {
  if (chart.startAgeText == "1")
    return "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁";
  int a = chart.startAge;
  std::string row = "      1-" + std::to_string(a - 1) + "岁" + kB3 + std::to_string(a) + "岁";
  return row + decadeColumns(a, 1, [](int age) { return std::to_string(age) + "岁"; });
}

std::string startYearRow(const BaziChart& chart) {
  return "始于：" + std::to_string(chart.year) +
         decadeColumns(chart.year + chart.startAge, 0, [](int y) { return std::to_string(y); });
}

std::vector<std::string> yearlyRows(const BaziChart& chart, int lunarYear) {
  std::vector<std::string> rows;
  int a = chart.startAge;
  for (int i = 0; i < 10; ++i) {
    int n = a + lunarYear + i;
    if (i < a)
      rows.push_back(rowPrefix(i, "流年：") + yearPillarName(lunarYear + i) +
                     decadeColumns(n, 0, yearPillarName));
    else
      rows.push_back(kB13 + yearPillarName(n) + decadeColumns(n, 1, yearPillarName));
  }
  return rows;
}

std::vector<std::string> minorLuckRows(const BaziChart& chart) {
  std::vector<std::string> rows;
  auto pillar = [&chart](int m) { return minorLuckPillar(chart, m); };
  int a = chart.startAge;
  for (int i = 0; i < 10; ++i) {
    int m = a + i;
    if (i < a) {
      rows.push_back(rowPrefix(i, "小运：") + pillar(i) + decadeColumns(m, 0, pillar));
      rows.push_back(kB6 + ageText(i) + decadeColumns(m, 0, ageText));
    } else {
      rows.push_back(kB13 + pillar(m) + decadeColumns(m, 1, pillar));
      rows.push_back(kB13 + ageText(m) + decadeColumns(m, 1, ageText));
    }
  }
  return rows;
}

}  // namespace lumo::bazi
