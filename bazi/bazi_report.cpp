#include "bazi/bazi_report.h"

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

namespace lumo::bazi {
namespace {

// The capture admits only dates of the lunar table; should the table still fail to convert
// one (lunar year 0), the date is not quoted.
const std::string kOutOfRange =
    std::string(kDateMessage) + "出生日期超出了可以推算的范围，请选择1901年至2099年之间的日期。";

// What the header and the bone weight print of the birth: the clock hour and the minute
// as typed.
struct TypedTime {
  std::string hour, minute;
};

void writeHeader(const Subject& subject, const BirthMoment& m, const TypedTime& typed,
                 const std::vector<std::string>& extra, Report& report) {
  std::string iso = formatDate(m.date());
  report.add("姓氏：" + subject.surname);
  report.add("年龄：" + std::to_string(today().year - m.date().year) + "岁");
  report.add("您出生公历：" + iso.substr(0, 4) + "年" + iso.substr(5, 2) + "月" + iso.substr(8, 2) + "日" +
             typed.hour + "点" + typed.minute + "分");
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

void writeBoneWeight(const Subject& subject, const BirthMoment& m, const TypedTime& typed, Report& report) {
  report.add("袁天罡称骨算命：");
  std::string month = std::to_string(m.lunar().month), day = std::to_string(m.lunar().day);
  for (int line = 0; line < 3; ++line)
    report.add(readBoneWeight(subject.lunarYearNumber, month, day, line, typed.hour));
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
  std::string sex = m.sexText();
  if (!options.any()) {
    chart = computeBaziChart(m.date().year, m.date().month, m.date().day, sex, m.hour());
  } else {
    ChartSetup setup = chartSetupOf(m, options);
    chart = computeBaziChart(setup.moment, sex, setup.rules);
    if (chart) run.notes = boundaryNotes(setup.moment, sex, setup.rules, *chart);
    run.headerLines = std::move(setup.headerLines);
  }
  if (!chart)
    throw Notice(std::string(kDateMessage) + "公历没有“" + typedDate + "”这一天，请检查出生的月和日。");
  run.chart = std::move(*chart);
  return run;
}

}  // namespace

void writeBaziReport(const BirthMoment& m, Subject& subject, Report& report, const ChartOptions& options) {
  if (m.lunar().year == 0) throw Notice(kOutOfRange);
  subject.lunarYearNumber = std::to_string(m.lunar().year);
  ChartRun run = chartRunOf(m, options, subject.gregorianDate);
  const BaziChart& chart = run.chart;
  TypedTime typed{hourNumberText(subject.hourText), subject.minuteText};
  writeHeader(subject, m, typed, run.headerLines, report);
  std::string elements = writeChartLines(chart, report);
  writeBoundaryNotes(run.notes, report);
  writeLuckLines(chart, report);
  writeLuckTable(chart, m.lunar().year, report);
  report.add(kSeparator);
  writeFiveElementSection(chart, elements, report);
  report.add(kSeparator);
  writeBoneWeight(subject, m, typed, report);
  writePersonalitySection(chart, report);
  report.add(kSeparator);
  report.add("");
  report.add(kClosingLine);
}

void showBaziReport(const PanelInput& input, Subject& subject, Report& report, const ChartOptions& options) {
  BirthMoment moment = captureSubject(input, subject, false);
  writeBaziReport(moment, subject, report, options);
}

}  // namespace lumo::bazi
