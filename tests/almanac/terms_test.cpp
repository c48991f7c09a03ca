#include <gtest/gtest.h>

#include <cmath>

#include "calendar/date_serial.h"
#include "tools/almanac/solar_terms.h"

namespace lumo::almanac {
namespace {

// Minutes between the computed moment and a published one (China's time).
double minutesOff(int year, int index, int month, int day, int hour, int minute) {
  double published = serialOf(year, month, day) + (hour * 60 + minute) / 1440.0;
  return (termMomentChina(year, index) - published) * 1440.0;
}

TEST(SolarTerms, MatchPublishedMomentsToTheMinute) {
  struct Case {
    int year, index, month, day, hour, minute;
  };
  const Case cases[] = {
      {1984, kLichun, 2, 4, 23, 19},   {2000, kDongzhi, 12, 21, 21, 37}, {2019, kXiazhi, 6, 21, 23, 54},
      {2020, kXiazhi, 6, 21, 5, 43},   {2021, kChunfen, 3, 20, 17, 37},  {2022, kLichun, 2, 4, 4, 50},
      {2022, kDongzhi, 12, 22, 5, 48}, {2023, kLichun, 2, 4, 10, 42},    {2024, kLichun, 2, 4, 16, 27},
      {2025, kLichun, 2, 3, 22, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + " " + termName(c.index));
    EXPECT_LE(std::fabs(minutesOff(c.year, c.index, c.month, c.day, c.hour, c.minute)), 1.0);
  }
}

TEST(SolarTerms, SunStandsOnTheTermLongitudeAtTheMoment) {
  // 春分 sits on the 0°/360° seam, where a careless root finder goes astray.
  for (int year : {1901, 1950, 2000, 2049, 2050, 2100})
    for (int index : {kXiaohan, kLichun, kChunfen, kQiufen, kDongzhi}) {
      double jd = termMomentJd(year, index);
      double lon = apparentSolarLongitude(jd + deltaT(jd) / 86400.0);
      double miss = std::remainder(lon - termLongitude(index), 360.0);
      EXPECT_LT(std::fabs(miss), 1e-5) << year << " " << termName(index);
    }
}

TEST(SolarTerms, FollowEachOtherThroughTwoCenturies) {
  double previous = termMomentChina(1900, kDongzhi);
  for (int year = 1901; year <= 2100; ++year)
    for (int index = 0; index < kTermCount; ++index) {
      double t = termMomentChina(year, index);
      double gap = t - previous;
      // The Sun is fastest near perihelion in January, slowest in July.
      ASSERT_GT(gap, 14.6) << year << " " << termName(index);
      ASSERT_LT(gap, 15.8) << year << " " << termName(index);
      previous = t;
    }
}

TEST(SolarTerms, FallInTheirCustomaryDays) {
  for (int year = 1901; year <= 2100; ++year) {
    Date lichun = dateOf(termMomentChina(year, kLichun));
    EXPECT_EQ(lichun.month, 2);
    EXPECT_GE(lichun.day, 3);
    EXPECT_LE(lichun.day, 5);
    Date dongzhi = dateOf(termMomentChina(year, kDongzhi));
    EXPECT_EQ(dongzhi.month, 12);
    EXPECT_GE(dongzhi.day, 21);
    EXPECT_LE(dongzhi.day, 23);
  }
}

TEST(DeltaT, HasNoJumpsWhereTheFitsMeet) {
  for (int year : {1920, 1941, 1961, 1986, 2005, 2050}) {
    double at = serialOf(year, 1, 1) + 2415018.5;
    EXPECT_LT(std::fabs(deltaT(at + 20) - deltaT(at - 20)), 1.0) << year;
  }
  EXPECT_NEAR(deltaT(2451544.5), 63.8, 1.0);  // 2000, observed 63.8 s
  EXPECT_NEAR(deltaT(2415020.5), -2.7, 1.0);  // 1900
}

}  // namespace
}  // namespace lumo::almanac
