// The boundary notes on both sides of a 节 and of 23:00 and midnight, and the report with
// options: its header lines, the notes after the chart lines, and its notices.
#include "bazi/boundary_notes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bazi/chart_setup.h"
#include "calendar/date_serial.h"
#include "report_fixture.h"

namespace lumo::bazi {
namespace {

using testing::panel;
using testing::ReportRun;
using testing::ReportTest;

std::vector<BoundaryNote> notesAt(int y, int m, int d, int hour, int minute, ChartRules rules = {}) {
  ChartMoment moment = chartMomentOf(y, m, d, hour, minute);
  BaziChart chart = *computeBaziChart(moment, "男", rules);
  return boundaryNotes(moment, "男", rules, chart);
}

const ChartRules kPrecise{true, false};

TEST(BoundaryNotes, BothSidesOfATermWithinTwoHours) {
  // 立春 2024 at 16:27:02.
  auto before = notesAt(2024, 2, 4, 14, 28, kPrecise);
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0].point, "立春交节（2024年02月04日16点27分）");
  EXPECT_EQ(before[0].pillars, "年柱、月柱");
  EXPECT_TRUE(before[0].otherIsLater);
  EXPECT_EQ(pillarsText(before[0].other).substr(0, 15), "甲辰   丙寅");
  auto after = notesAt(2024, 2, 4, 18, 20, kPrecise);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_FALSE(after[0].otherIsLater);
  EXPECT_EQ(pillarsText(after[0].other).substr(0, 15), "癸卯   乙丑");
  EXPECT_TRUE(notesAt(2024, 2, 4, 14, 26, kPrecise).empty());
  EXPECT_TRUE(notesAt(2024, 2, 4, 18, 29, kPrecise).empty());
}

TEST(BoundaryNotes, FixedTermDaysStartAtMidnight) {
  auto late = notesAt(2024, 2, 3, 22, 20);
  ASSERT_EQ(late.size(), 1u);
  EXPECT_EQ(late[0].point, "立春（2024年02月04日00点00分起）");
  EXPECT_EQ(late[0].pillars, "年柱、月柱");
  // Two hours into 惊蛰's fixed day: the term is past its window, midnight is too.
  EXPECT_TRUE(notesAt(2024, 3, 6, 2, 1).empty());
}

TEST(BoundaryNotes, BothSidesOfElevenAtNight) {
  auto before = notesAt(2024, 3, 1, 22, 40);
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0].point, "子时之始（23点）");
  EXPECT_EQ(before[0].window, "30分钟");
  EXPECT_EQ(before[0].pillars, "时柱");
  EXPECT_EQ(pillarsText(before[0].other), "甲辰   丙寅   甲子   甲子");
  auto after = notesAt(2024, 3, 1, 23, 20);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(pillarsText(after[0].other), "甲辰   丙寅   甲子   乙亥");
  EXPECT_TRUE(notesAt(2024, 3, 1, 22, 29).empty());
}

TEST(BoundaryNotes, BothSidesOfMidnightDependOnTheZiSchool) {
  auto late = notesAt(2024, 3, 1, 23, 50);
  ASSERT_EQ(late.size(), 1u);
  EXPECT_EQ(late[0].point, "零点换日（0点）");
  EXPECT_EQ(late[0].pillars, "日柱、时柱");
  EXPECT_EQ(pillarsText(late[0].other), "甲辰   丙寅   乙丑   丙子");
  auto lateMidnightSchool = notesAt(2024, 3, 1, 23, 50, {false, true});
  ASSERT_EQ(lateMidnightSchool.size(), 1u);
  EXPECT_EQ(lateMidnightSchool[0].pillars, "日柱");
  auto early = notesAt(2024, 3, 2, 0, 10);
  ASSERT_EQ(early.size(), 1u);
  EXPECT_FALSE(early[0].otherIsLater);
  EXPECT_EQ(pillarsText(early[0].other), "甲辰   丙寅   甲子   甲子");
}

TEST(BoundaryNotes, AMomentNearTwoPointsGetsANoteForEach) {
  auto notes = notesAt(2024, 2, 4, 16, 50, kPrecise);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].pillars, "年柱、月柱");
  EXPECT_EQ(notes[1].point, "酉时之始（17点）");
}

ReportRun runWith(const PanelInput& in, const ChartOptions& options) {
  ReportRun r;
  Report report;
  r.result = runCommand(report, [&](Report& lines) { showBaziReport(in, r.subject, lines, options); });
  r.lines = report.lines;
  return r;
}

TEST_F(ReportTest, OptionsAddTheirHeaderLinesAndTheNotesAfterTheChart) {
  PanelInput in = panel("2024-4-14", "子 23");
  ReportRun plain = testing::run(in);
  ReportRun r = runWith(in, {"乌鲁木齐", true, true, false});
  ASSERT_EQ(r.result.outcome, Outcome::Done) << r.result.message;
  EXPECT_TRUE(std::equal(plain.lines.begin(), plain.lines.begin() + 6, r.lines.begin()));
  EXPECT_EQ(r.lines[6], "出生地：新疆 乌鲁木齐市（东经87.62度，北纬43.79度）");
  EXPECT_EQ(r.lines[7], "排盘时间：真太阳时2024年04月14日21点20分（经度时差-129.5分，均时差-0.1分）");
  EXPECT_EQ(r.lines[8], "排盘规则：节气按天文交节时刻，23点至0点按当日子时");
  EXPECT_EQ(r.lines[9], plain.lines[6]);
  EXPECT_EQ(r.lines[13], "八字：甲辰   戊辰   戊申   癸亥");
  EXPECT_EQ(r.lines[19],
            "边界提示：出生时刻在亥时之始（21点）前后30分钟之内，时柱未定；在此之前出生的八字为：");
  EXPECT_EQ(r.lines[20], "八字：甲辰   戊辰   戊申   壬戌");
  EXPECT_EQ(r.lines[23].rfind("大运：", 0), 0u);
  EXPECT_EQ(r.lines.size(), plain.lines.size() + 3 + 2);
}

TEST_F(ReportTest, OptionsWithoutNearBoundariesAddOnlyTheHeader) {
  PanelInput in = panel("1984-6-20", "午 12");
  in.minute = "5";
  ReportRun r = runWith(in, {"", false, false, true});
  ASSERT_EQ(r.result.outcome, Outcome::Done) << r.result.message;
  EXPECT_EQ(r.lines[6], "排盘时间：北京时间1984年06月20日12点05分");
  EXPECT_EQ(r.lines[7], "排盘规则：节气按固定日期，0点换日，23点为夜子时（时干从次日）");
  EXPECT_EQ(std::count_if(r.lines.begin(), r.lines.end(),
                          [](const std::string& l) { return l.starts_with("边界提示"); }),
            0);
}

TEST_F(ReportTest, PlaceAndMinuteProblemsStopBeforeAnyLine) {
  PanelInput in = panel("2024-4-14", "子 23");
  ReportRun unknown = runWith(in, {"纽约", true, false, false});
  EXPECT_EQ(unknown.result.outcome, Outcome::Notice);
  EXPECT_EQ(unknown.result.message, "找不到出生地“纽约”，请从列表中选择省份和城市。");
  EXPECT_TRUE(unknown.lines.empty());
  ReportRun noPlace = runWith(in, {"", true, false, false});
  EXPECT_EQ(noPlace.result.message, "请选择出生地!");
  in.minute = "61";
  ReportRun badMinute = runWith(in, {"", false, true, false});
  EXPECT_EQ(badMinute.result.outcome, Outcome::Notice);
  EXPECT_EQ(badMinute.result.message, "出生分钟只能是0到59!");
  EXPECT_TRUE(badMinute.lines.empty());
}

}  // namespace
}  // namespace lumo::bazi
