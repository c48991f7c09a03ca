#include "tools/almanac/pillars.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "calendar/date_serial.h"

namespace lumo::almanac {
namespace {

std::string dayName(int y, int m, int d) {
  return dayPillar(serialOf(y, m, d)).name();
}

TEST(DayPillar, KnownDates) {
  EXPECT_EQ(dayName(1900, 1, 31), "甲辰");
  EXPECT_EQ(dayName(2000, 1, 1), "戊午");
  EXPECT_EQ(dayName(1949, 10, 1), "甲子");
  EXPECT_EQ(dayName(1949, 9, 30), "癸亥");  // the cycle wraps
}

TEST(Pillar, CycleIndexAgreesWithStemAndBranch) {
  for (int c = 0; c < 60; ++c) {
    Pillar p = pillarOfCycle(c);
    EXPECT_EQ(p.cycle(), c);
    EXPECT_EQ(p.stem, c % 10);
    EXPECT_EQ(p.branch, c % 12);
  }
  EXPECT_EQ(pillarOfCycle(-1).name(), "癸亥");
  EXPECT_EQ(pillarOfCycle(60).name(), "甲子");
  EXPECT_EQ(yearPillar(1984).name(), "甲子");
  EXPECT_EQ(yearPillar(2023).name(), "癸卯");
}

TEST(MonthPillar, FirstMonthStemFollowsTheYearStem) {
  const char* const firstMonth[10] = {"丙寅", "戊寅", "庚寅", "壬寅", "甲寅",
                                      "丙寅", "戊寅", "庚寅", "壬寅", "甲寅"};
  for (int stem = 0; stem < 10; ++stem) EXPECT_EQ(monthPillar(stem, 2).name(), firstMonth[stem]);
  EXPECT_EQ(monthPillar(6, 0).name(), "戊子");  // 庚年 子月
  EXPECT_EQ(monthPillar(9, 1).name(), "乙丑");  // 癸年 丑月, the last month of the year
}

class AlmanacMonths : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { terms_ = new TermCalendar(1901, 2100); }
  static void TearDownTestSuite() { delete terms_; }
  static std::string pillars(int y, int m, int d) {
    int s = serialOf(y, m, d);
    DayPillars p = pillarsOf(terms_->monthOf(s), s);
    return p.year.name() + " " + p.month.name() + " " + p.day.name();
  }
  static TermCalendar* terms_;
};
TermCalendar* AlmanacMonths::terms_ = nullptr;

TEST_F(AlmanacMonths, YearAndMonthChangeOnTheDayOfLichun) {
  // 立春 2024-02-04 16:27: the whole day already belongs to 甲辰年 丙寅月.
  EXPECT_EQ(pillars(2024, 2, 3).substr(0, 13), "癸卯 乙丑");
  EXPECT_EQ(pillars(2024, 2, 4).substr(0, 13), "甲辰 丙寅");
  // 立春 1984-02-04 23:19, late in the evening.
  EXPECT_EQ(pillars(1984, 2, 3).substr(0, 13), "癸亥 乙丑");
  EXPECT_EQ(pillars(1984, 2, 4).substr(0, 13), "甲子 丙寅");
  // 立春 2022-02-04 04:50 China's time is still February 3 in UTC; China's day counts.
  EXPECT_EQ(pillars(2022, 2, 3).substr(0, 13), "辛丑 辛丑");
  EXPECT_EQ(pillars(2022, 2, 4).substr(0, 13), "壬寅 壬寅");
}

TEST_F(AlmanacMonths, EndsOfTheTable) {
  EXPECT_EQ(pillars(1901, 1, 1), "庚子 戊子 己卯");  // before 小寒 1901-01-06
  EXPECT_EQ(pillars(1901, 1, 6).substr(0, 13), "庚子 己丑");
  EXPECT_EQ(pillars(2100, 12, 31).substr(0, 13), "庚申 戊子");
  EXPECT_EQ(pillars(2023, 2, 4), "癸卯 甲寅 癸巳");
}

TEST_F(AlmanacMonths, MonthOpensExactlyOnTheTwelveJieDays) {
  int opened = 0;
  int previousBranch = terms_->monthOf(serialOf(1901, 1, 1) - 1).branch;
  for (int s = serialOf(1901, 1, 1); s <= serialOf(2100, 12, 31); ++s) {
    AlmanacMonth m = terms_->monthOf(s);
    ASSERT_EQ(m.opensToday, m.branch != previousBranch) << formatDate(dateOf(s));
    if (m.opensToday) {
      ++opened;
      ASSERT_EQ(m.branch, (previousBranch + 1) % 12);
      int term = terms_->termOn(s);
      ASSERT_EQ(term % 2, 0);                    // a 节, not a 中气
      ASSERT_EQ((term / 2 + 1) % 12, m.branch);  // 小寒 opens 丑, 立春 寅, ...
    }
    previousBranch = m.branch;
  }
  EXPECT_EQ(opened, 200 * 12);
}

TEST_F(AlmanacMonths, TermsAndRange) {
  EXPECT_EQ(terms_->termOn(serialOf(2024, 2, 4)), 2);
  EXPECT_EQ(terms_->termOn(serialOf(2000, 12, 21)), 23);
  EXPECT_EQ(terms_->termOn(serialOf(2000, 12, 20)), -1);
  EXPECT_THROW(terms_->monthOf(serialOf(1899, 12, 1)), std::out_of_range);
  EXPECT_THROW(terms_->monthOf(serialOf(2102, 1, 1)), std::out_of_range);
  EXPECT_THROW(TermCalendar(2000, 1999), std::invalid_argument);
}

}  // namespace
}  // namespace lumo::almanac
