// The rules that hang on the calendar rather than on the day's pillars: the 18 days of
// 土王用事, the lunar days (长星 短星, 人神), the days of 伏 and 社 and the seasons of
// felling, hunting and fishing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "tools/almanac/activities.h"
#include "tools/almanac/solar_terms.h"
#include "tools/almanac/writer.h"

namespace lumo::almanac {
namespace {

constexpr int kFirstYear = 1950;
constexpr int kLastYear = 2049;

const TermCalendar& terms() {
  static const TermCalendar t(kFirstYear, kLastYear);
  return t;
}

int serialOn(int y, int m, int d) {
  return serialOf(Date{y, m, d});
}

bool suits(const DayAdvice& a, const char* affair) {
  return a.suits & bit(activityIndex(affair));
}
bool avoids(const DayAdvice& a, const char* affair) {
  return a.avoids & bit(activityIndex(affair));
}

// Calls check(context, spirits, advice) for every day of the years held.
template <typename Check>
void forEveryDay(Check check) {
  for (int s = serialOn(kFirstYear, 1, 1); s <= serialOn(kLastYear, 12, 31); ++s) {
    const DayContext c = dayContextOf(terms(), s);
    const DaySpirits d = spiritsOf(c);
    check(s, c, d, adviceFor(c, d));
  }
}

TEST(EarthRules, TheEighteenDaysBeforeEachBeginning) {
  // 2026: 立春 02-04, 立夏 05-05, 立秋 08-07, 立冬 11-07.
  for (Date li : {Date{2026, 2, 4}, Date{2026, 5, 5}, Date{2026, 8, 7}, Date{2026, 11, 7}}) {
    const int day = serialOf(li);
    ASSERT_EQ(terms().termOn(day) % 6, 2) << li.month;
    EXPECT_FALSE(dayContextOf(terms(), day - 19).earthRules) << li.month;
    EXPECT_TRUE(dayContextOf(terms(), day - 18).earthRules) << li.month;
    EXPECT_TRUE(dayContextOf(terms(), day - 1).earthRules) << li.month;
    EXPECT_FALSE(dayContextOf(terms(), day).earthRules) << li.month;
  }
}

TEST(EarthRules, NoWorkOfEarthSuitsWhileTheEarthRules) {
  int days = 0, raisingBeams = 0;
  forEveryDay([&](int s, const DayContext& c, const DaySpirits&, const DayAdvice& a) {
    if (!c.earthRules) return;
    ++days;
    for (const char* affair : {"修造", "动土", "破土", "栽种", "掘井", "修饰垣墙"})
      EXPECT_FALSE(suits(a, affair)) << affair << " on " << formatDate(dateOf(s)) << ": " << a.yi;
    // Raising the beam is not a work of earth and may still suit.
    raisingBeams += suits(a, "上梁");
  });
  EXPECT_GT(days, 7000);
  EXPECT_GT(raisingBeams, 100);
}

TEST(LunarDays, LongAndShortStarsFallOnTheirLunarDays) {
  auto has = [](int s, Spirit spirit) { return spiritsOf(dayContextOf(terms(), s)).has(spirit); };
  EXPECT_TRUE(has(serialOn(2026, 2, 23), Spirit::ChangXing));  // 正月初七
  EXPECT_FALSE(has(serialOn(2026, 2, 22), Spirit::ChangXing));
  EXPECT_TRUE(has(serialOn(2026, 3, 9), Spirit::DuanXing));   // 正月廿一
  EXPECT_TRUE(has(serialOn(2025, 8, 3), Spirit::ChangXing));  // 闰六月初十, as 六月
  // 八月 and 九月 have two of each: 2026-09-12 is 八月初二 and 09-15 初五.
  EXPECT_TRUE(has(serialOn(2026, 9, 12), Spirit::ChangXing));
  EXPECT_TRUE(has(serialOn(2026, 9, 15), Spirit::ChangXing));
}

TEST(LunarDays, StarsForbidTradeAndTheBodySpiritTheHaircut) {
  int starDays = 0;
  forEveryDay([&](int s, const DayContext& c, const DaySpirits& d, const DayAdvice& a) {
    const std::string date = formatDate(dateOf(s));
    if (d.has(Spirit::ChangXing) || d.has(Spirit::DuanXing)) {
      ++starDays;
      for (const char* affair : {"开市", "立卷", "交易", "纳财", "裁衣", "进人口", "纳畜"})
        EXPECT_FALSE(suits(a, affair)) << affair << " on " << date;
      // The days where virtue, 合, 天赦 and 天愿 meet forbid nothing at all.
      if (a.avoids != 0 && !a.allAvoided) EXPECT_TRUE(avoids(a, "开市")) << date << ": " << a.ji;
    }
    if ((c.lunarDay == 12 || c.lunarDay == 15) && a.avoids != 0 && !a.allAvoided)
      EXPECT_TRUE(avoids(a, "理发")) << date << ": " << a.ji;
  });
  // Fourteen of each a year (八月 and 九月 have two); a leap month repeats its base month.
  EXPECT_GT(starDays, 2800);
  EXPECT_LT(starDays, 2950);
}

TEST(Seasons, FellingHuntingAndFishingKeepTheirSeasons) {
  int felling = 0, hunting = 0, fishing = 0;
  forEveryDay([&](int s, const DayContext& c, const DaySpirits&, const DayAdvice& a) {
    const std::string date = formatDate(dateOf(s));
    const int month = c.monthNumber();  // 0 寅 .. 11 丑
    if (suits(a, "伐木")) {
      ++felling;
      EXPECT_GE(month, 9) << "felling before 立冬 on " << date;
    }
    if (suits(a, "畋猎")) {
      ++hunting;
      EXPECT_TRUE(month >= 9 || (month == 8 && c.zhongQi == 19)) << "hunting before 霜降 on " << date;
    }
    if (suits(a, "取渔")) {
      ++fishing;
      EXPECT_TRUE((month == 0 && c.zhongQi == 3) || month == 1 || month == 2)
          << "fishing out of season on " << date;
    }
  });
  EXPECT_GT(felling, 500);
  EXPECT_GT(hunting, 500);
  EXPECT_GT(fishing, 500);
}

TEST(Seasons, TheFourTaboosKeepGravesClosedEvenOnACrowingDay) {
  int taboos = 0;
  forEveryDay([&](int s, const DayContext&, const DaySpirits& d, const DayAdvice& a) {
    if (!d.has(Spirit::SiJiTaboo) && !d.has(Spirit::SiQiong)) return;
    ++taboos;
    for (const char* affair : {"破土", "启攒", "安葬"})
      EXPECT_FALSE(suits(a, affair)) << affair << " on " << formatDate(dateOf(s)) << ": " << a.yi;
  });
  EXPECT_GT(taboos, 1000);
}

TEST(FuShe, TheThreeFuFallWhereTheYearsCalendarsPutThem) {
  // 初伏 中伏 末伏 as the calendars of these years printed them.
  const Date fu[][3] = {
      {{2022, 7, 16}, {2022, 7, 26}, {2022, 8, 15}},
      {{2023, 7, 11}, {2023, 7, 21}, {2023, 8, 10}},
      {{2024, 7, 15}, {2024, 7, 25}, {2024, 8, 14}},
      {{2025, 7, 20}, {2025, 7, 30}, {2025, 8, 9}},
  };
  for (const auto& year : fu) {
    for (const Date& d : year) {
      const DayContext c = dayContextOf(terms(), serialOf(d));
      EXPECT_EQ(c.day.stem, 6) << formatDate(d);
      EXPECT_TRUE(c.fuShe) << formatDate(d);
    }
    // The 庚日 between them are not 伏.
    EXPECT_FALSE(dayContextOf(terms(), serialOf(year[0]) - 10).fuShe) << year[0].year;
    EXPECT_FALSE(dayContextOf(terms(), serialOf(year[2]) + 10).fuShe) << year[0].year;
  }
}

TEST(FuShe, EveryYearHasThreeFuAndTwoSheCountedFromTheirTerms) {
  int termDayCounted = 0;
  for (int y = kFirstYear; y <= kLastYear; ++y) {
    int lichun = 0, xiazhi = 0, liqiu = 0;
    std::vector<int> fu, she;
    for (int s = serialOn(y, 1, 1); s <= serialOn(y, 12, 31); ++s) {
      const int t = terms().termOn(s);
      if (t == kLichun) lichun = s;
      if (t == kXiazhi) xiazhi = s;
      if (t == kLiqiu) liqiu = s;
      const DayContext c = dayContextOf(terms(), s);
      if (!c.fuShe) continue;
      ASSERT_TRUE(c.day.stem == 6 || c.day.stem == 4) << formatDate(dateOf(s));
      (c.day.stem == 6 ? fu : she).push_back(s);
    }
    ASSERT_EQ(fu.size(), 3u) << y;
    ASSERT_EQ(she.size(), 2u) << y;
    // The third and fourth 庚 from 夏至, the first from 立秋; the fifth 戊 from 立春 and
    // from 立秋. A term day that is itself a 庚 or 戊 day is the first of them.
    EXPECT_GE(fu[0] - xiazhi, 20) << y;
    EXPECT_LE(fu[0] - xiazhi, 29) << y;
    EXPECT_EQ(fu[1] - fu[0], 10) << y;
    EXPECT_GE(fu[2] - liqiu, 0) << y;
    EXPECT_LE(fu[2] - liqiu, 9) << y;
    EXPECT_TRUE(fu[2] - fu[1] == 10 || fu[2] - fu[1] == 20) << y;
    EXPECT_GE(she[0] - lichun, 40) << y;
    EXPECT_LE(she[0] - lichun, 49) << y;
    EXPECT_GE(she[1] - liqiu, 40) << y;
    EXPECT_LE(she[1] - liqiu, 49) << y;
    termDayCounted += (fu[0] - xiazhi == 20) + (fu[2] == liqiu) + (she[0] - lichun == 40);
  }
  // About one year in ten has each term on the stem's own day.
  EXPECT_GT(termDayCounted, 15);
}

TEST(FuShe, NoBathingOnTheDaysOfFuAndShe) {
  int days = 0, bathing = 0;
  forEveryDay([&](int s, const DayContext& c, const DaySpirits& d, const DayAdvice& a) {
    bathing += suits(a, "沐浴");
    if (!c.fuShe) return;
    ++days;
    EXPECT_FALSE(suits(a, "沐浴")) << formatDate(dateOf(s)) << ": " << a.yi;
    // Only the days where the virtues, 天赦 and 天愿 meet forbid nothing at all.
    if (a.avoids != 0) EXPECT_TRUE(avoids(a, "沐浴")) << formatDate(dateOf(s)) << ": " << a.ji;
    EXPECT_TRUE(d.has(Spirit::FuShe)) << formatDate(dateOf(s));
  });
  EXPECT_EQ(days, 5 * (kLastYear - kFirstYear + 1));
  // A feast of the year, not written among the day's spirits.
  EXPECT_TRUE(isKeptOffDayList(Spirit::FuShe));
  EXPECT_GT(bathing, 5000);
}

}  // namespace
}  // namespace lumo::almanac
