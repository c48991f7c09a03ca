#include "bazi/bazi_report.h"

#include <charconv>

#include "bazi/bazi_chart.h"
#include "bazi/birthday_text.h"
#include "bazi/bone_weight.h"
#include "bazi/boundary_notes.h"
#include "bazi/chart_setup.h"
#include "bazi/five_elements.h"
#include "bazi/luck_rows.h"
#include "bazi/natal_lines.h"
#include "bazi/report_text.h"
#include "calendar/clock.h"
#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "core/text.h"

namespace lumo::bazi {
namespace {

// What the report reads of the captured subject and the panel, settled before any line.
struct BirthMoment {
  Date date;
  LunarDate lunar;
  int hour = 0;
  std::string hourText, minute, sex;
};

// The clock hour of `text` (the part after the branch); `typed` is the item as typed,
// which the notice quotes, since `text` is empty when the branch and blank are missing.
int clockHour(const std::string& text, const std::string& typed) {
  int hour = -1;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), hour);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || hour < 0 || hour > 23)
    throw Notice("“" + typed +
                     "”不是有效的小时：请在“时”框中选择一项，例如“子 0”或“午 12”（时辰、空格、0到23点）。");
  return hour;
}

// A lunar input out of range has already become 0001-01-01, so the date is not quoted.
const std::string kOutOfRange =
    std::string(kDateMessage) + "出生日期超出了可以推算的范围，请选择1901年至2099年之间的日期。";

BirthMoment birthMomentOf(const PanelInput& input, const Subject& subject) {
  BirthMoment m;
  auto date = parseDate(subject.gregorianDate);
  if (!date) throw ReportedFailure("“" + subject.gregorianDate + "”不是有效的日期。");
  m.date = *date;
  m.lunar = SolarToLunar(serialOf(m.date));
  if (m.lunar.year == 0) throw Notice(kOutOfRange);
  m.hourText = hourNumberText(subject.hourText);
  m.hour = clockHour(m.hourText, subject.hourText);
  m.minute = trimmed(input.minute);
  m.sex = trimmed(input.sex);
  return m;
}

void writeHeader(const Subject& subject, const BirthMoment& m, const std::vector<std::string>& extra,
                 Report& report) {
  std::string iso = formatDate(m.date);
  report.add("姓氏：" + subject.surname);
  report.add("年龄：" + std::to_string(today().year - m.date.year) + "岁");
  report.add("您出生公历：" + iso.substr(0, 4) + "年" + iso.substr(5, 2) + "月" + iso.substr(8, 2) + "日" +
             m.hourText + "点" + m.minute + "分");
  report.add("农历：" + subject.lunarText);
  report.add("属相：" + subject.zodiac);
  report.add("星座：" + subject.starSign);
  for (const std::string& line : extra) report.add(line);
  report.add(kSeparator);
}

void writeLuckTable(const BaziChart& chart, int lunarYear, Report& report) {
  report.add(ageRow(chart));
  report.add(startYearRow(chart));
  report.add("");
  for (auto& row : yearlyRows(chart, lunarYear)) report.add(std::move(row));
  report.add("");
  for (auto& row : minorLuckRows(chart)) report.add(std::move(row));
}

void writeBoneWeight(const Subject& subject, const BirthMoment& m, Report& report) {
  report.add("袁天罡称骨算命：");
  std::string month = std::to_string(m.lunar.month), day = std::to_string(m.lunar.day);
  for (int line = 0; line < 3; ++line)
    report.add(readBoneWeight(subject.lunarYearNumber, month, day, line, m.hourText));
}

// The chart of the fixed rules, or with any option the chart of the clocks and rules that
// the options give, with its header lines and boundary notes.
struct ChartRun {
  BaziChart chart;
  std::vector<std::string> headerLines;
  std::vector<BoundaryNote> notes;
};

ChartRun chartRunOf(const BirthMoment& m, const ChartOptions& options, const std::string& typedDate) {
  ChartRun run;
  std::optional<BaziChart> chart;
  if (!options.any()) {
    chart = computeBaziChart(m.date.year, m.date.month, m.date.day, m.sex, m.hour);
  } else {
    ChartSetup setup = chartSetupOf(m.date, m.hour, m.minute, options);
    chart = computeBaziChart(setup.moment, m.sex, setup.rules);
    if (chart) run.notes = boundaryNotes(setup.moment, m.sex, setup.rules, *chart);
    run.headerLines = std::move(setup.headerLines);
  }
  if (!chart)
    throw Notice(std::string(kDateMessage) + "公历没有“" + typedDate + "”这一天，请检查出生的月和日。");
  run.chart = std::move(*chart);
  return run;
}

}  // namespace

void writeBaziReport(const PanelInput& input, Subject& subject, Report& report,
                     const ChartOptions& options) {
  BirthMoment m = birthMomentOf(input, subject);
  subject.lunarYearNumber = std::to_string(m.lunar.year);
  ChartRun run = chartRunOf(m, options, subject.gregorianDate);
  const BaziChart& chart = run.chart;
  writeHeader(subject, m, run.headerLines, report);
  std::string elements = writeChartLines(chart, report);
  writeBoundaryNotes(run.notes, report);
  writeLuckLines(chart, report);
  writeLuckTable(chart, m.lunar.year, report);
  report.add(kSeparator);
  writeFiveElementSection(chart, elements, report);
  report.add(kSeparator);
  writeBoneWeight(subject, m, report);
  writePersonalitySection(chart, report);
  report.add(kSeparator);
  report.add("");
  report.add(kClosingLine);
}

void showBaziReport(const PanelInput& input, Subject& subject, Report& report,
                    const ChartOptions& options) {
  captureSubject(input, subject, false);
  writeBaziReport(input, subject, report, options);
}

}  // namespace lumo::bazi
