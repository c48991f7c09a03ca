#include <gtest/gtest.h>

#include <climits>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"

namespace lumo {
namespace {

LunarDate lunarOf(int y, int m, int d) {
  return SolarToLunar(serialOf(y, m, d));
}
std::string solarOf(LunarDate l) {
  return formatDate(dateOf(LunarToSolar(l)));
}

TEST(LunarTable, TellingRows) {
  EXPECT_EQ(LunarLeapMonth(1900), 8);
  EXPECT_EQ(LunarLeapDays(1900), 29);
  EXPECT_EQ(LunarLeapMonth(1906), 4);
  EXPECT_EQ(LunarLeapDays(1906), 30);
  EXPECT_EQ(LunarLeapMonth(1907), 0);
  EXPECT_EQ(LunarLeapMonth(2020), 4);
  EXPECT_EQ(LunarLeapDays(2020), 29);
  EXPECT_EQ(LunarYearDays(2020), 384);
  EXPECT_EQ(LunarLeapMonth(2033), 11);
  EXPECT_EQ(LunarLeapMonth(2100), 0);
}

TEST(SolarToLunar, RangeEnds) {
  EXPECT_EQ(SolarToLunar(31), LunarDate{});
  EXPECT_EQ(SolarToLunar(32), (LunarDate{1900, 1, 1, false}));
  EXPECT_EQ(lunarOf(2100, 12, 31), (LunarDate{2100, 12, 1, false}));
  EXPECT_EQ(lunarOf(2101, 1, 1), LunarDate{});
  EXPECT_EQ(SolarToLunar(73416), LunarDate{});
}

TEST(SolarToLunar, KnownDates) {
  EXPECT_EQ(lunarOf(1980, 1, 1), (LunarDate{1979, 11, 14, false}));
  EXPECT_EQ(lunarOf(2020, 5, 23), (LunarDate{2020, 4, 1, true}));
  EXPECT_EQ(lunarOf(2020, 6, 21), (LunarDate{2020, 5, 1, false}));
  // The time of day is dropped.
  EXPECT_EQ(SolarToLunar(serialOf(2020, 5, 23) + 0.99), (LunarDate{2020, 4, 1, true}));
}

TEST(LunarToSolar, LeapAndBounds) {
  EXPECT_EQ(solarOf({2020, 4, 1, true}), "2020-05-23");
  EXPECT_EQ(solarOf({2020, 4, 1, false}), "2020-04-23");
  EXPECT_EQ(solarOf({1900, 1, 1, false}), "0001-01-01");
  EXPECT_EQ(solarOf({2100, 1, 1, false}), "0001-01-01");
  EXPECT_EQ(solarOf({2099, 12, 1, false}), "2100-01-10");
  EXPECT_EQ(solarOf({2020, 5, 1, true}), "0001-01-01");
  EXPECT_EQ(solarOf({1980, 1, 1, false}), "1980-02-16");
  EXPECT_EQ(SolarToLunar(LunarToSolar({2020, 5, 1, true})), LunarDate{});
}

TEST(LunarToSolar, InvalidDays) {
  EXPECT_FALSE(IsValidLunarDate({2020, 4, 30, true}));  // the leap 4th month has 29 days
  EXPECT_FALSE(IsValidLunarDate({2023, 13, 1, false}));
  EXPECT_FALSE(IsValidLunarDate({2023, 1, 31, false}));
  EXPECT_TRUE(IsValidLunarDate({2023, 1, 29, false}));
}

// Typed numbers reach these functions unchecked: the extremes give the fallback or a
// plain answer, never a signed overflow or a shift beyond the word.
TEST(LunarToSolar, ExtremeNumbersNeverOverflow) {
  const int extremes[] = {INT_MIN, INT_MIN + 1, -1, 0, 13, 17, 33, 1899, 2101, INT_MAX - 1, INT_MAX};
  for (int a : extremes) {
    for (int b : extremes) {
      EXPECT_EQ(solarOf({2020, a, b, false}), "0001-01-01") << a << " " << b;
      EXPECT_EQ(solarOf({a, 1, b, true}), "0001-01-01") << a << " " << b;
      EXPECT_EQ(solarOf({a, b, 1, false}), "0001-01-01") << a << " " << b;
    }
    EXPECT_EQ(LunarLeapMonth(a), 0) << a;
    EXPECT_EQ(LunarLeapDays(a), 0) << a;
    EXPECT_EQ(LunarYearDays(a), 348) << a;
    EXPECT_EQ(LunarMonthDays(2020, a), a < 1 ? LunarMonthDays(2020, 1) : 29) << a;
    EXPECT_EQ(LunarMonthName(a, false), "月") << a;
    if (a < 1 || a > 30) EXPECT_EQ(LunarDayName(a), "") << a;
  }
  EXPECT_EQ(solarOf({2020, 1, 0, false}), "0001-01-01");
  EXPECT_EQ(solarOf({2020, 0, 1, false}), "0001-01-01");
  EXPECT_EQ(LunarYearName(INT_MIN), "");
  EXPECT_FALSE(LunarYearName(INT_MAX).empty());
}

TEST(LunarRoundTrip, EveryDayFrom1901ToTheEndOf2099) {
  int failures = 0, days = 0;
  for (int s = static_cast<int>(LunarToSolar({1901, 1, 1, false})); SolarToLunar(s).year <= 2099;
       ++s, ++days) {
    LunarDate l = SolarToLunar(s);
    if (LunarToSolar(l) != s && ++failures < 5) ADD_FAILURE() << formatDate(dateOf(s));
  }
  EXPECT_EQ(failures, 0);
  EXPECT_GT(days, 72000);
}

TEST(SolarTerms, MomentAndDay) {
  EXPECT_EQ(formatDate(dateOf(SolarTermMoment(2023, 2))), "2023-02-04");
  EXPECT_EQ(SolarTermOfDate(serialOf(2023, 2, 4)), "立春");
  EXPECT_EQ(SolarTermOfDate(serialOf(2023, 2, 5)), "");
  // Only whole dates match.
  EXPECT_EQ(SolarTermOfDate(serialOf(2023, 2, 4) + 0.5), "");
}

TEST(Names, YearMonthDay) {
  EXPECT_EQ(LunarYearName(1980 - 1864), "庚申(猴年)");
  EXPECT_EQ(LunarYearName(0), "甲子(鼠年)");
  EXPECT_EQ(LunarYearName(-1864), "");
  EXPECT_EQ(LunarMonthName(11, false), "十一月");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(1, false), "一月");
  EXPECT_EQ(LunarMonthName(13, false), "月");
  EXPECT_EQ(LunarMonthName(0, false), "月");
  EXPECT_EQ(LunarDayName(1), "初一");
  EXPECT_EQ(LunarDayName(14), "十四");
  EXPECT_EQ(LunarDayName(20), "二十");
  EXPECT_EQ(LunarDayName(26), "廿六");
  EXPECT_EQ(LunarDayName(30), "三十");
  EXPECT_EQ(LunarDayName(31), "");
}

}  // namespace
}  // namespace lumo
