#include "tools/almanac/moon_phases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "tools/almanac/solar_terms.h"

namespace lumo::almanac {
namespace {

double jdOf(Date d, int hour, int minute) {
  return serialOf(d) + kSerialZeroJd + (hour + minute / 60.0) / 24.0;
}

TEST(MoonPhases, MomentsOfJanuary2026) {
  // Published moments (UT): full moon 01-03 10:03, last quarter 01-10 15:48, new moon
  // 01-18 19:52, first quarter 01-26 04:47. Lunation 322 begins with that new moon.
  struct Case {
    int k, quarter;
    Date day;
    int hour, minute;
  };
  for (const Case& c : {Case{321, 2, {2026, 1, 3}, 10, 3}, Case{321, 3, {2026, 1, 10}, 15, 48},
                        Case{322, 0, {2026, 1, 18}, 19, 52}, Case{322, 1, {2026, 1, 26}, 4, 47}}) {
    const double minutesOff = (moonPhaseMomentJd(c.k, c.quarter) - jdOf(c.day, c.hour, c.minute)) * 1440.0;
    EXPECT_LT(std::fabs(minutesOff), 2.0) << formatDate(c.day) << " off by " << minutesOff << " min";
  }
  // In China's time the last quarter of 01-10 23:48 stays on the 10th, the new moon of
  // 19:52 UT moves to the 19th.
  EXPECT_EQ(moonPhaseOn(serialOf(Date{2026, 1, 10})), MoonPhase::LastQuarter);
  EXPECT_EQ(moonPhaseOn(serialOf(Date{2026, 1, 19})), MoonPhase::New);
  EXPECT_EQ(moonPhaseOn(serialOf(Date{2026, 1, 18})), MoonPhase::None);
}

TEST(MoonPhases, NewMoonsAgreeWithTheLunarCalendar) {
  // The lunar calendar is a table of its own; its first days must be our new moons.
  int months = 0;
  for (int s = serialOf(Date{1950, 1, 1}); s <= serialOf(Date{2049, 12, 31}); ++s) {
    const bool first = SolarToLunar(s).day == 1;
    months += first;
    EXPECT_EQ(first, moonPhaseOn(s) == MoonPhase::New) << formatDate(dateOf(s));
  }
  EXPECT_EQ(months, 1237);
}

TEST(MoonPhases, QuartersFallOnceAMonthOnTheirLunarDays) {
  std::map<std::string, int> seen;  // "month.phase" -> count
  for (int s = serialOf(Date{1950, 2, 17}); s <= serialOf(Date{2049, 12, 31}); ++s) {
    const MoonPhase p = moonPhaseOn(s);
    if (p == MoonPhase::None || p == MoonPhase::New) continue;
    const LunarDate l = SolarToLunar(s);
    const std::string where = formatDate(dateOf(s)) + " lunar day " + std::to_string(l.day);
    if (p == MoonPhase::FirstQuarter) EXPECT_TRUE(l.day >= 6 && l.day <= 10) << where;
    if (p == MoonPhase::Full) EXPECT_TRUE(l.day >= 13 && l.day <= 18) << where;
    if (p == MoonPhase::LastQuarter) EXPECT_TRUE(l.day >= 20 && l.day <= 25) << where;
    const int month = s - l.day;  // the serial before the month's first day names the month
    EXPECT_EQ(++seen[std::to_string(month) + "." + std::to_string(static_cast<int>(p))], 1) << where;
  }
  EXPECT_GT(seen.size(), 3 * 1230u);
}

}  // namespace
}  // namespace lumo::almanac
