// The great-luck table of the report: starting ages 1 and 4 and a backward minor luck.
#include <gtest/gtest.h>

#include "bazi/bazi_chart.h"
#include "report_fixture.h"

namespace lumo::bazi {
namespace {

using testing::cycleIndex;
using testing::panel;
using testing::ReportRun;
using testing::ReportTest;
using testing::run;

TEST_F(ReportTest, StartingAgeOne) {
  ReportRun r = run(panel("1984-3-3", "子 0"));
  ASSERT_EQ(r.lines[8], "起运：1岁");
  EXPECT_EQ(r.lines[19], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(r.lines[20], "始于：1984   1985   1995   2005   2015   2025   2035   2045   2055   2065");
  EXPECT_EQ(r.lines[22], "流年：甲子   乙丑   乙亥   乙酉   乙未   乙巳   乙卯   乙丑   乙亥   乙酉");
  EXPECT_EQ(r.lines[23], "             丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌");
  EXPECT_EQ(r.lines[34], "      00岁   01岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
  EXPECT_EQ(r.lines[36], "             02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
}

TEST_F(ReportTest, StartingAgeFour) {
  ReportRun r = run(panel("1984-2-23", "子 0"));
  ASSERT_EQ(r.lines[8], "起运：4岁");
  EXPECT_EQ(r.lines[19], "      1-3岁   4岁   14岁   24岁   34岁   44岁   54岁   64岁   74岁   84岁");
  EXPECT_EQ(r.lines[20], "始于：1984   1988   1998   2008   2018   2028   2038   2048   2058   2068");
  const std::string b13(13, ' ');
  for (int i = 0; i < 10; ++i) {
    const std::string& yearly = r.lines[22 + i];
    const std::string& minor = r.lines[33 + 2 * i];
    const std::string& ages = r.lines[34 + 2 * i];
    if (i < 4) {
      EXPECT_EQ(yearly.rfind(i == 0 ? "流年：" : "      ", 0), 0u) << i;
      EXPECT_EQ(minor.rfind(i == 0 ? "小运：" : "      ", 0), 0u) << i;
      EXPECT_EQ(ages.substr(6, 5), "0" + std::to_string(i) + "岁") << i;
      EXPECT_NE(yearly.substr(6, 1), " ") << "an extra first column: " << i;
    } else {
      EXPECT_EQ(yearly.rfind(b13, 0), 0u) << i;
      EXPECT_EQ(minor.rfind(b13, 0), 0u) << i;
      EXPECT_EQ(ages.rfind(b13, 0), 0u) << i;
    }
  }
  EXPECT_EQ(r.lines[22], "流年：甲子   戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子");
  EXPECT_EQ(r.lines[26], b13 + "壬申   壬午   壬辰   壬寅   壬子   壬戌   壬申   壬午   壬辰");
  EXPECT_EQ(r.lines[42], b13 + "08岁   18岁   28岁   38岁   48岁   58岁   68岁   78岁   88岁");
}

// 1985 is an 乙 year: a male's luck runs backward, and every minor-luck column continues the
// backward steps from the hour pillar.
TEST_F(ReportTest, BackwardMinorLuckStepsBackInEveryColumn) {
  ReportRun r = run(panel("1985-3-8", "午 12"));
  auto chart = computeBaziChart(1985, 3, 8, "男", 12);
  ASSERT_TRUE(chart->luckBackward);
  int a = chart->startAge;
  int hourIndex = cycleIndex(chart->hourStemChar + chart->hourBranchChar);
  for (int i = 0; i < 10; ++i) {
    const std::string& row = r.lines[33 + 2 * i];
    std::vector<int> lifeYears;
    if (i < a) lifeYears.push_back(i);
    for (int j = i < a ? 0 : 1; j <= 8; ++j) lifeYears.push_back(a + i + 10 * j);
    if (i >= a) lifeYears.insert(lifeYears.begin(), a + i);
    std::size_t pos = i == 0 ? 9 : 6;  // after "小运：" or six blanks
    for (int m : lifeYears) {
      while (row[pos] == ' ') ++pos;
      EXPECT_EQ(cycleIndex(row.substr(pos, 6)), ((hourIndex - m) % 60 + 60) % 60)
          << "row " << i << " year " << m;
      pos += 6;
    }
  }
  EXPECT_EQ(r.lines[33].substr(9, 6), chart->hourStemChar + chart->hourBranchChar)
      << "MP(0) is the hour pillar";
}

}  // namespace
}  // namespace lumo::bazi
