#include <gtest/gtest.h>

#include <tuple>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "calendar/hx_calendar.h"
#include "calendar/star_sign.h"

namespace lumo {
namespace {

double day(int y, int m, int d) {
  return serialOf(y, m, d);
}

TEST(AlmanacLunar, CodesAndNames) {
  EXPECT_EQ(AlmanacLunarCode(day(2023, 1, 22)), 101);
  EXPECT_EQ(AlmanacMonthName(day(2023, 1, 22)), "正月");
  EXPECT_EQ(AlmanacDayName(day(2023, 1, 22)), "初一");
  EXPECT_EQ(AlmanacLunarCode(day(2023, 1, 21)), 1230);
  EXPECT_EQ(AlmanacLunarCode(day(2020, 5, 23)), -401);
  EXPECT_EQ(AlmanacMonthName(day(2020, 5, 23)), "闰四");
  EXPECT_EQ(AlmanacLunarCode(day(1901, 1, 1)), 1111);
  EXPECT_EQ(AlmanacLunarCode(day(2034, 1, 1)), -1111);
  EXPECT_EQ(AlmanacLunarCode(day(1900, 12, 31)), 0);
  EXPECT_EQ(AlmanacLunarCode(day(2051, 1, 1)), 0);
  EXPECT_EQ(AlmanacMonthName(day(2023, 12, 20)), "冬月");
}

TEST(AlmanacLunar, DiffersFromTheMainTableInFourMonths) {
  auto almanacDay = [](double s) { return std::abs(AlmanacLunarCode(s)) % 100; };
  for (auto [y, m, d] : {std::tuple{1906, 4, 23}, {1914, 11, 17}, {1989, 8, 1}, {2013, 6, 8}})
    EXPECT_NE(almanacDay(day(y, m, d)), SolarToLunar(day(y, m, d)).day) << y;
  EXPECT_EQ(almanacDay(day(1989, 9, 15)), SolarToLunar(day(1989, 9, 15)).day);
}

TEST(Festivals, Lunar) {
  EXPECT_EQ(LunarFestival(day(2023, 1, 22)), "春节");
  EXPECT_EQ(LunarFestival(day(2023, 1, 21)), "除夕");
  EXPECT_EQ(LunarFestival(day(2023, 6, 22)), "端午节");
  EXPECT_EQ(LunarFestival(day(2023, 9, 29)), "中秋节");
  EXPECT_EQ(LunarFestival(day(2024, 2, 24)), "元宵节");
  EXPECT_EQ(LunarFestival(day(2020, 5, 23)), "");
}

TEST(Festivals, Gregorian) {
  EXPECT_EQ(GregorianFestival(14, day(2023, 5, 1)), "母亲节");
  EXPECT_EQ(GregorianFestival(7, day(2023, 5, 1)), "");
  EXPECT_EQ(GregorianFestival(18, day(2023, 6, 1)), "父亲节");
  EXPECT_EQ(GregorianFestival(23, day(2023, 11, 1)), "感恩节");
  EXPECT_EQ(GregorianFestival(25, day(2023, 12, 1)), "圣诞节");
  EXPECT_EQ(GregorianFestival(1, day(2023, 1, 1)), "元旦节");
}

TEST(Zodiac, ChangesAtTheLunarNewYear) {
  EXPECT_EQ(ZodiacOfDate(day(2023, 1, 21)), "寅虎");
  EXPECT_EQ(ZodiacOfDate(day(2023, 1, 22)), "卯兔");
  EXPECT_EQ(ZodiacOfDate(day(2023, 12, 31)), "卯兔");
}

TEST(SolarTermsOfTheAlmanac, January2023) {
  EXPECT_EQ(SolarTermName(day(2023, 1, 5)), "小寒");
  EXPECT_EQ(SolarTermName(day(2023, 1, 20)), "大寒");
  EXPECT_EQ(SolarTermName(day(2023, 1, 6)), "");
  EXPECT_EQ(SolarTermIndex(2023, 2, 4), 3);
}

TEST(StarSigns, SubjectAndAlmanac) {
  EXPECT_EQ(StarSign(day(2023, 4, 20)), "白羊座");
  EXPECT_EQ(StarSign(day(2023, 4, 21)), "金牛座 ");
  EXPECT_EQ(StarSign(day(2023, 10, 23)), "天蝎座");
  EXPECT_EQ(StarSign(day(2023, 12, 31)), "摩羯座");
  EXPECT_EQ(StarSign(day(2023, 12, 31) + 0.5), "");  // past midnight of a range's last day
  std::string text;
  AlmanacStarSign(day(2023, 4, 20), text);
  EXPECT_EQ(text, "金牛座");
  AlmanacStarSign(day(2023, 10, 23), text);
  EXPECT_EQ(text, "天秤座");
  AlmanacStarSign(day(2023, 8, 23), text);
  EXPECT_EQ(text, "天秤座") << "23 August writes nothing";
  EXPECT_EQ(StarSignOfDay(23, day(2023, 8, 1)), "");
}

}  // namespace
}  // namespace lumo
