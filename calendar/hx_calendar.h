#pragma once
// Almanac texts of a day for the Gregorian years 1901 to 2050: lunar month and day names
// by the almanac's own lunar table, lunar and Gregorian festivals, solar terms by the
// almanac's term table, the zodiac animal of a date and the almanac star sign.
// Independent of date_cn's tables; the two agree except on a few days.

#include <string>

namespace lumo {

// month*100+day, negative for a leap month; 0 outside 1901..2050.
int AlmanacLunarCode(double serial);
std::string AlmanacMonthName(double serial);  // "正月", "冬月", "闰四"
std::string AlmanacDayName(double serial);    // "初一" .. "三十"
std::string LunarFestival(double serial);
std::string ZodiacOfDate(double serial);           // "子鼠" .. "亥猪"
int SolarTermIndex(int year, int month, int day);  // 1..24 or 0
std::string SolarTermName(double serial);
// Festival of day `day` in the month of `monthDate`.
std::string GregorianFestival(int day, double monthDate);
// Writes the sign into `text`; leaves it unchanged where the almanac has none (23 August).
void AlmanacStarSign(double serial, std::string& text);
// The almanac sign of day `day` in the month of `monthDate`, written into an empty text.
std::string StarSignOfDay(int day, double monthDate);
int DayOfYear(double serial);

}  // namespace lumo
