// The whole BaZi report over the built databases: the order and exact text of its lines,
// the input checks, the lunar year, and the silent stop of the bone-weight reading.
#include <gtest/gtest.h>

#include "bazi/bazi_chart.h"
#include "bazi/bazi_report.h"
#include "bazi/bone_weight.h"
#include "bazi_fixture.h"
#include "report_fixture.h"

namespace lumo::bazi {
namespace {

using testing::panel;
using testing::ReportRun;
using testing::ReportTest;
using testing::run;

TEST_F(ReportTest, HeaderAndNatalChartLines) {
  ReportRun r = run(panel("1984-2-4", "午 12"));
  ASSERT_EQ(r.result.outcome, Outcome::Done) << r.result.message;
  const std::vector<std::string> head = {
      "姓氏：张",
      "年龄：40岁",
      "您出生公历：1984年02月04日12点30分",
      "农历：甲子(鼠年)一月初三",
      "属相：鼠",
      "星座：水瓶座",
      "<-----------------------批八字内容分隔线----------------------------->",
      "胎元：丁巳(沙中土)",
      "起运：10岁",
      "十神：七杀   偏印   日元   比肩",
      "八字：甲子   丙寅   戊辰   戊午",
      "遁藏：癸正财 甲七杀 乙正官 己劫财",
      "             丙偏印 戊比肩 丁正印 ",
      "             戊比肩 癸正财        ",
      "五行：木水   火木   土土   土火",
      "纳音：海中金 炉中火 大林木 天上火",
  };
  ASSERT_GE(r.lines.size(), head.size());
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(r.lines[i], head[i]) << "line " << i + 1;
  EXPECT_EQ(r.lines[18], "大运：丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥");
  EXPECT_EQ(r.lines[19], "      1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
  EXPECT_EQ(r.lines[20], "始于：1984   1994   2004   2014   2024   2034   2044   2054   2064   2074");
  EXPECT_EQ(r.subject.lunarYearNumber, "1984");
}

TEST_F(ReportTest, SectionsInOrderAndClosingLines) {
  ReportRun r = run(panel("1984-2-4", "午 12"));
  const auto& l = r.lines;
  ASSERT_EQ(l.size(), 21u + 1 + 10 + 1 + 20 + 1 + 4 + 1 + 4 + 3 + 3);
  EXPECT_EQ(l[21], "");
  EXPECT_EQ(l[22].rfind("流年：甲子   ", 0), 0u);
  EXPECT_EQ(l[32], "");
  EXPECT_EQ(l[33].rfind("小运：戊午   ", 0), 0u);
  EXPECT_EQ(l[53], l[6]) << "separator before the element section";
  EXPECT_EQ(l[54].rfind("四季用神：日主天干土生于春季，", 0), 0u);
  EXPECT_EQ(l[55].rfind("穷通宝鉴调候用神：戊土生于寅月，", 0), 0u);
  EXPECT_EQ(l[56], "八字五行个数：金:占0个 0, 木:占2个 25, 水:占1个 12.5, 火:占2个 25, 土:占3个 37.5.");
  EXPECT_EQ(l[57], "喜用神：金，建议你名字五行带：金最佳。");
  EXPECT_EQ(l[58], l[6]);
  EXPECT_EQ(l[59], "袁天罡称骨算命：");
  EXPECT_EQ(l[60], readBoneWeight("1984", "1", "3", 0, "12"));
  EXPECT_EQ(l[61].rfind("骨重诗评：", 0), 0u);
  EXPECT_EQ(l[62].rfind("骨重解评：", 0), 0u);
  EXPECT_EQ(l[63], l[6]);
  EXPECT_EQ(l[64], "性格简评：");
  EXPECT_EQ(l[65], "    " + computeBaziChart(1984, 2, 4, "男", 12)->personalityText);
  EXPECT_EQ(l[66], l[6]);
  EXPECT_EQ(l[67], "");
  EXPECT_EQ(l[68], "<-----------------------以上内容只作参考----------------------------->");
}

TEST_F(ReportTest, LunarInputUsesTheConvertedDate) {
  ReportRun r = run(panel("2000-1-1", "子 0", "女", 1));
  ASSERT_EQ(r.result.outcome, Outcome::Done) << r.result.message;
  EXPECT_EQ(r.lines[2], "您出生公历：2000年02月05日0点30分");
  EXPECT_EQ(r.lines[3], "农历：庚辰(龙年)一月初一");
  EXPECT_EQ(r.subject.lunarYearNumber, "2000");
}

TEST_F(ReportTest, BeforeTheLunarNewYearTheLunarYearIsThePreviousOne) {
  ReportRun r = run(panel("1984-1-20", "子 23"));
  EXPECT_EQ(r.subject.lunarYearNumber, "1983");
  EXPECT_EQ(r.lines[22].substr(0, 15), "流年：癸亥");
  EXPECT_EQ(r.lines[2], "您出生公历：1984年01月20日23点30分");
}

TEST_F(ReportTest, InputChecksEndTheCommandBeforeAnyLine) {
  PanelInput noSurname = panel("1984-2-4", "午 12");
  noSurname.surname = "  ";
  ReportRun r = run(noSurname);
  EXPECT_EQ(r.result.outcome, Outcome::Notice);
  EXPECT_EQ(r.result.message, "姓不能为空!");
  EXPECT_TRUE(r.lines.empty());
  PanelInput noHour = panel("1984-2-4", "");
  EXPECT_EQ(run(noHour).result.message, "请选择出生小时!");
  // An hour typed without its branch is quoted as typed, with what to choose instead.
  ReportRun bare = run(panel("1984-2-4", "13"));
  EXPECT_EQ(bare.result.outcome, Outcome::Notice);
  EXPECT_EQ(bare.result.message.rfind("“13”不是有效的小时：请在“时”框中选择一项", 0), 0u)
      << bare.result.message;
  EXPECT_TRUE(bare.lines.empty());
  PanelInput badDay = panel("2023-2-29", "午 12");
  EXPECT_EQ(run(badDay).result.message, "公历2023年2月只有28天!");
  PanelInput badHour = panel("1984-2-4", "午 99");
  ReportRun bad = run(badHour);
  EXPECT_EQ(bad.result.outcome, Outcome::Notice);
  EXPECT_TRUE(bad.lines.empty());
  PanelInput badMinute = panel("1984-2-4", "午 12");
  badMinute.minute = "75";
  EXPECT_EQ(run(badMinute).result.message, "出生分钟只能是0到59!");
}

TEST_F(ReportTest, GivenNameIsNotRequired) {
  PanelInput in = panel("1984-2-4", "午 12");
  in.given = "";
  EXPECT_EQ(run(in).result.outcome, Outcome::Done);
}

// Outside the lunar calendar there is no lunar year to chart: the date notice, no lines.
TEST_F(ReportTest, DatesOutsideTheLunarCalendarAreRefused) {
  for (PanelInput in : {panel("1899-12-31", "子 0"), panel("2150-1-1", "子 0", "男", 1)}) {
    ReportRun r = run(in);
    EXPECT_EQ(r.result.outcome, Outcome::Notice);
    EXPECT_EQ(r.result.message, in.calendarIndex == 1 ? "农历年份只能在1901年至2099年之间!"
                                                      : "公历日期只能在1900年1月31日至2100年12月31日之间!");
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(r.subject.lunarYearNumber, "");
  }
}

TEST_F(ReportTest, ALeapLunarMonthWeighsAsItsNumber) {
  // 2023-04-01 is in the leap second lunar month (闰二月十一).
  ReportRun r = run(panel("2023-4-1", "子 0"));
  ASSERT_NE(r.lines[3].find("闰二月"), std::string::npos);
  EXPECT_EQ(r.lines[60], readBoneWeight("2023", "2", "11", 0, "0"));
  EXPECT_FALSE(r.lines[60].empty());
}

// Without the databases the report would leave 十神, 五行 and 纳音 blank and look whole.
TEST_F(ReportTest, MissingDatabasesAreReportedBeforeAnyLine) {
  testing::FixtureFolder folder;  // no databases at all
  ReportRun r = run(panel("1984-2-4", "午 12"));
  EXPECT_EQ(r.result.outcome, Outcome::Failed);
  EXPECT_NE(r.result.message.find("Tgcode.dll"), std::string::npos) << r.result.message;
  EXPECT_TRUE(r.lines.empty());
}

}  // namespace
}  // namespace lumo::bazi
