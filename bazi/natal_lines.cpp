#include "bazi/natal_lines.h"

#include "bazi/bazi_chart.h"
#include "bazi/report_text.h"
#include "bazi/stem_lookup.h"
#include "core/stem_branch.h"
#include "core/text.h"
#include "core/utf8.h"

namespace lumo::bazi {
namespace {

std::string hiddenCell(const BaziChart& chart, const std::string& hidden, int index) {
  std::string stem = nthCharacter(hidden, static_cast<std::size_t>(index));
  return stem.empty() ? std::string() : stem + tenGodOf(chart, stem);
}

std::string pillarNayin(const std::string& stem, const std::string& branch) {
  return lookupNayin(stem + branch);
}

}  // namespace

std::string tenGodOf(const BaziChart& chart, const std::string& stem) {
  return lookupTenGod(chart.dayMaster + stem);
}

std::string hiddenStemRow(const BaziChart& chart, int index) {
  const std::string* positions[4] = {&chart.hiddenYear, &chart.hiddenMonth, &chart.hiddenDay,
                                     &chart.hiddenHour};
  if (index == 0) {
    std::string row = "遁藏：";
    for (int p = 0; p < 4; ++p) row += (p > 0 ? kB1 : "") + hiddenCell(chart, *positions[p], 0);
    return row;
  }
  std::string row = kB6;
  for (const std::string* hidden : positions) {
    std::string cell = hiddenCell(chart, *hidden, index);
    row += cell.empty() ? kB7 : cell + kB1;
  }
  return row;
}

std::string elementText(const BaziChart& c) {
  return lookupElement(c.yearStemChar) + lookupElement(c.yearBranchChar) + kB3 +
         lookupElement(c.monthStemChar) + lookupElement(c.monthBranchChar) + kB3 +
         lookupElement(c.dayStemChar) + lookupElement(c.dayBranchChar) + kB3 + lookupElement(c.hourStemChar) +
         lookupElement(c.hourBranchChar);
}

std::string writeChartLines(const BaziChart& c, Report& report) {
  report.add("胎元：" + trimmed(c.fetalOrigin) + "(" + lookupNayin(c.fetalOrigin) + ")");
  report.add("起运：" + c.startAgeText + "岁");
  report.add("十神：" + tenGodOf(c, c.yearStemChar) + kB3 + tenGodOf(c, c.monthStemChar) + kB3 + "日元" +
             kB3 + tenGodOf(c, c.hourStemChar));
  report.add("八字：" + c.yearStemChar + c.yearBranchChar + kB3 + c.monthStemChar + c.monthBranchChar + kB3 +
             c.dayStemChar + c.dayBranchChar + kB3 + c.hourStemChar + c.hourBranchChar);
  for (int row = 0; row < 3; ++row) report.add(hiddenStemRow(c, row));
  std::string elements = elementText(c);
  report.add("五行：" + elements);
  report.add("纳音：" + pillarNayin(c.yearStemChar, c.yearBranchChar) + kB1 +
             pillarNayin(c.monthStemChar, c.monthBranchChar) + kB1 +
             pillarNayin(c.dayStemChar, c.dayBranchChar) + kB1 +
             pillarNayin(c.hourStemChar, c.hourBranchChar));
  return elements;
}

void writeLuckLines(const BaziChart& c, Report& report) {
  report.add(c.luckNayinLine);
  report.add(c.luckTenGodLine);
  report.add("大运：" + c.luckPillarsLine);
}

std::string writeNatalLines(const BaziChart& c, Report& report) {
  std::string elements = writeChartLines(c, report);
  writeLuckLines(c, report);
  return elements;
}

}  // namespace lumo::bazi
