// Precise terms and the 子时 school: the built-in table of 节 moments against published
// minutes, the year and month pillars and the starting age at the true moments, and the
// late 子 hour. The default rules must give the chart of the fixed rules exactly.
#include <gtest/gtest.h>

#include <cmath>

#include "bazi/bazi_chart.h"
#include "bazi/jie_moments.h"
#include "bazi_fixture.h"
#include "calendar/date_serial.h"

namespace lumo::bazi {
namespace {

using testing::noTerms;

std::string pillars(const BaziChart& c) {
  return c.yearStemChar + c.yearBranchChar + " " + c.monthStemChar + c.monthBranchChar + " " + c.dayStemChar +
         c.dayBranchChar + " " + c.hourStemChar + c.hourBranchChar;
}

BaziChart chartAt(int y, int m, int d, int hour, int minute, ChartRules rules, const char* sex = "男") {
  return *computeBaziChart(chartMomentOf(y, m, d, hour, minute), sex, rules, noTerms);
}

const ChartRules kPrecise{true, false};
const ChartRules kZiMidnight{false, true};

TEST(JieTable, MatchesPublishedMinutes) {
  struct Case {
    int year, jie, month, day, hour, minute;
  };
  // China's time, as the observatories publish them.
  const Case cases[] = {
      {1984, 1, 2, 4, 23, 19}, {2022, 1, 2, 4, 4, 51},  {2023, 1, 2, 4, 10, 42},  {2025, 1, 2, 3, 22, 10},
      {2024, 0, 1, 6, 4, 49},  {2024, 1, 2, 4, 16, 27}, {2024, 2, 3, 5, 10, 23},  {2024, 3, 4, 4, 15, 2},
      {2024, 4, 5, 5, 8, 10},  {2024, 5, 6, 5, 12, 10}, {2024, 6, 7, 6, 22, 20},  {2024, 7, 8, 7, 8, 9},
      {2024, 8, 9, 7, 11, 11}, {2024, 9, 10, 8, 3, 0},  {2024, 10, 11, 7, 6, 20}, {2024, 11, 12, 6, 23, 17},
  };
  for (const Case& c : cases) {
    double published = serialOf(c.year, c.month, c.day) + (c.hour * 60 + c.minute) / 1440.0;
    const JieMoment* m = jieAtOrBefore(published + 1.0 / 1440);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->year, c.year);
    EXPECT_EQ(m->jie, c.jie) << c.year << " " << jieName(c.jie);
    EXPECT_LE(std::fabs(m->serial - published) * 1440, 1.0) << c.year << " " << jieName(c.jie);
  }
}

TEST(JieTable, TwelveAYearInOrderFrom1899To2101) {
  auto table = jieMoments();
  ASSERT_EQ(table.size(), 203u * 12);
  EXPECT_EQ(table.front().year, 1899);
  EXPECT_EQ(table.back().year, 2101);
  for (std::size_t i = 1; i < table.size(); ++i) {
    EXPECT_GT(table[i].serial - table[i - 1].serial, 29.0);
    EXPECT_LT(table[i].serial - table[i - 1].serial, 32.0);
    EXPECT_EQ(table[i].jie, (table[i - 1].jie + 1) % 12);
  }
  const JieMoment& m = table[1500];
  EXPECT_EQ(jieAtOrBefore(m.serial), &m);
  EXPECT_EQ(jieAfter(m.serial), &m + 1);
  EXPECT_EQ(jieAtOrBefore(table.front().serial - 1), nullptr);
  EXPECT_EQ(jieAfter(table.back().serial), nullptr);
}

TEST(PreciseTerms, YearAndMonthChangeAtTheMinuteOfTheTerm) {
  // 立春 2024 at 16:27 China's time.
  EXPECT_EQ(pillars(chartAt(2024, 2, 4, 16, 26, kPrecise)).substr(0, 13), "癸卯 乙丑");
  EXPECT_EQ(pillars(chartAt(2024, 2, 4, 16, 28, kPrecise)).substr(0, 13), "甲辰 丙寅");
  // The fixed rules change on the day itself, whatever the hour.
  EXPECT_EQ(pillars(chartAt(2024, 2, 4, 10, 0, {})).substr(0, 13), "甲辰 丙寅");
  EXPECT_EQ(pillars(chartAt(2024, 2, 4, 10, 0, kPrecise)).substr(0, 13), "癸卯 乙丑");
  // 立春 2025 falls on 3 February at 22:10; 小寒 keeps the old year.
  EXPECT_EQ(pillars(chartAt(2025, 2, 3, 23, 0, kPrecise)).substr(0, 13), "乙巳 戊寅");
  EXPECT_EQ(pillars(chartAt(2025, 1, 10, 12, 0, kPrecise)).substr(0, 13), "甲辰 丁丑");
  // 大雪 2024 at 23:17 on 6 December opens the 子 month.
  EXPECT_EQ(chartAt(2024, 12, 6, 23, 0, kPrecise).monthBranchChar, "亥");
  EXPECT_EQ(chartAt(2024, 12, 6, 23, 30, kPrecise).monthBranchChar, "子");
}

TEST(PreciseTerms, StartAgeCountsTheExactDaysToTheTerm) {
  // A male of a 甲 year counts forward: 2024-02-04 16:28 to 惊蛰 03-05 10:23 is 28.75 days.
  EXPECT_EQ(chartAt(2024, 2, 4, 16, 28, kPrecise).startAge, 10);
  // A female of that year counts back to 立春 itself: under a day is still one year.
  BaziChart back = chartAt(2024, 2, 4, 18, 0, kPrecise, "女");
  EXPECT_TRUE(back.luckBackward);
  EXPECT_EQ(back.startAge, 1);
  EXPECT_EQ(preciseStartAge(0.2), 1);
  EXPECT_EQ(preciseStartAge(3.0), 1);
  EXPECT_EQ(preciseStartAge(3.01), 2);
}

TEST(DefaultRules, GiveTheChartOfTheFixedRules) {
  for (int year : {1901, 2024})
    for (int month = 1; month <= 12; ++month)
      for (int day : {3, 4, 6, 8})
        for (int hour : {0, 23}) {
          BaziChart fixed = *computeBaziChart(year, month, day, "男", hour, noTerms);
          BaziChart moment = chartAt(year, month, day, hour, 45, {});
          ASSERT_EQ(pillars(moment), pillars(fixed)) << year << "-" << month << "-" << day << " " << hour;
          ASSERT_EQ(moment.startAge, fixed.startAge);
          ASSERT_EQ(moment.hiddenHour, fixed.hiddenHour);
        }
}

TEST(ZiSchool, LateZiHourTakesTheNextDaysStem) {
  // 2024-03-01 is a 甲子 day, 03-02 乙丑.
  EXPECT_EQ(pillars(chartAt(2024, 3, 1, 23, 30, {})).substr(14), "甲子 甲子");
  EXPECT_EQ(pillars(chartAt(2024, 3, 1, 23, 30, kZiMidnight)).substr(14), "甲子 丙子");
  EXPECT_EQ(pillars(chartAt(2024, 3, 2, 0, 30, kZiMidnight)).substr(14), "乙丑 丙子");
  EXPECT_EQ(pillars(chartAt(2024, 3, 1, 22, 59, kZiMidnight)), pillars(chartAt(2024, 3, 1, 22, 59, {})));
}

TEST(SolarClock, DayAndHourFollowTheLocalClockAndTermsChinasTime) {
  // Beijing 2024-04-15 00:30 is 22:20 of the 14th at Ürümqi's solar time.
  ChartMoment m = chartMomentOf(2024, 4, 15, 0, 30);
  m.local = serialOf(2024, 4, 14) + (22 * 60 + 20) / 1440.0;
  BaziChart c = *computeBaziChart(m, "男", {}, noTerms);
  EXPECT_EQ(pillars(c), "甲辰 戊辰 戊申 癸亥");
  EXPECT_EQ(c.day, 15);  // the birthday stays the date entered
}

}  // namespace
}  // namespace lumo::bazi
