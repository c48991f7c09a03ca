// True solar time: the equation of time against published values, the longitude part for
// known birthplaces, and the list of birthplaces that the correction reads.
#include "bazi/solar_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "bazi/places.h"
#include "calendar/date_serial.h"

namespace lumo::bazi {
namespace {

double beijing(int y, int m, int d, int hour, int minute) {
  return serialOf(y, m, d) + (hour * 60 + minute) / 1440.0;
}

TEST(EquationOfTime, MatchesPublishedValues) {
  // Meeus, Astronomical Algorithms, example 28.b: 1992-10-13 0h dynamical time, +13m42.6s.
  EXPECT_NEAR(equationOfTimeMinutes(beijing(1992, 10, 13, 8, 0)), 13.710, 0.02);
  // Almanac extremes: about −14.2 min on 11-12 February, about +16.4 min on 3 November.
  EXPECT_NEAR(equationOfTimeMinutes(beijing(2024, 2, 11, 20, 0)), -14.2, 0.15);
  EXPECT_NEAR(equationOfTimeMinutes(beijing(2024, 11, 3, 20, 0)), 16.4, 0.15);
  // Near zero in mid-April, mid-June, the start of September and late December.
  for (auto [m, d] : {std::pair{4, 15}, {6, 13}, {9, 1}, {12, 25}})
    EXPECT_LT(std::fabs(equationOfTimeMinutes(beijing(2024, m, d, 12, 0))), 0.6) << m << "-" << d;
}

TEST(EquationOfTime, ExtremesFallOnTheirCustomaryDays) {
  for (int year : {1901, 1987, 2024, 2099}) {
    double low = 1e9, high = -1e9;
    Date lowDay, highDay;
    for (int day = 0; day < 365; ++day) {
      double at = serialOf(year, 1, 1) + day + 0.5;
      double e = equationOfTimeMinutes(at);
      if (e < low) low = e, lowDay = dateOf(at);
      if (e > high) high = e, highDay = dateOf(at);
    }
    EXPECT_EQ(lowDay.month, 2) << year;
    EXPECT_NEAR(lowDay.day, 11.5, 1.6) << year;
    EXPECT_EQ(highDay.month, 11) << year;
    EXPECT_NEAR(highDay.day, 3.5, 1.6) << year;
  }
}

TEST(TrueSolarTime, KnownPlacesAndDates) {
  Place urumqi = *findPlace("乌鲁木齐");
  // 23:30 Beijing time in Ürümqi is 21:20 local solar time in mid-April.
  double local = trueSolarTime(beijing(2024, 4, 14, 23, 30), urumqi.longitude);
  EXPECT_EQ(std::floor(local * 1440 + 1e-6), serialOf(2024, 4, 14) * 1440.0 + 21 * 60 + 20);
  // An early-morning birth there falls on the previous day.
  EXPECT_EQ(dateOf(trueSolarTime(beijing(2024, 4, 15, 0, 30), urumqi.longitude)), (Date{2024, 4, 14}));
  // The longitude part alone: 4 minutes a degree from 120° east.
  SolarTimeShift shanghai = solarTimeShift(beijing(2024, 6, 1, 12, 0), findPlace("上海")->longitude);
  EXPECT_NEAR(shanghai.longitudeMinutes, 5.9, 0.1);
  SolarTimeShift harbin = solarTimeShift(beijing(2024, 11, 3, 12, 0), findPlace("哈尔滨")->longitude);
  EXPECT_NEAR(harbin.longitudeMinutes, 26.6, 0.2);
  EXPECT_NEAR(harbin.total(), 26.6 + 16.4, 0.3);
  SolarTimeShift lhasa = solarTimeShift(beijing(2024, 2, 11, 12, 0), findPlace("拉萨")->longitude);
  EXPECT_NEAR(lhasa.total(), (91.13 - 120) * 4 - 14.2, 0.5);
}

TEST(Places, CoverTheCitiesOfChinaWithinItsBounds) {
  const auto& places = allPlaces();
  EXPECT_GE(places.size(), 340u);
  EXPECT_EQ(provinceNames().size(), 34u);
  for (const Place& p : places) {
    EXPECT_GT(p.longitude, 73) << p.city;
    EXPECT_LT(p.longitude, 135) << p.city;
    EXPECT_GT(p.latitude, 15) << p.city;
    EXPECT_LT(p.latitude, 54) << p.city;
  }
  for (const char* capital : {"香港", "澳门", "台北市", "北京", "三沙市", "哈密市"})
    EXPECT_TRUE(findPlace(capital).has_value()) << capital;
  EXPECT_EQ(cityNames("广东").size(), 21u);
  EXPECT_TRUE(cityNames("火星").empty());
}

TEST(Places, FindByCityWithOrWithoutItsProvince) {
  for (const char* text :
       {"乌鲁木齐", "乌鲁木齐市", "新疆 乌鲁木齐", "新疆/乌鲁木齐市", "新疆乌鲁木齐", " 乌鲁木齐 "}) {
    auto p = findPlace(text);
    ASSERT_TRUE(p.has_value()) << text;
    EXPECT_EQ(p->city, "乌鲁木齐市");
    EXPECT_NEAR(p->longitude, 87.62, 0.05);
  }
  EXPECT_EQ(findPlace("吉林")->province, "吉林");
  EXPECT_FALSE(findPlace("").has_value());
  EXPECT_FALSE(findPlace("西藏 乌鲁木齐").has_value());
  EXPECT_FALSE(findPlace("纽约").has_value());
}

}  // namespace
}  // namespace lumo::bazi
