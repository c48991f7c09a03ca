#pragma once
// Chinese lunar calendar for the lunar years 1900 to 2100: conversion between day
// serials and lunar dates, the 24 solar terms of a Gregorian year, and the Chinese names
// of lunar years, months and days. Pure functions over constant tables.

#include <string>

namespace lumo {

struct LunarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool leap = false;
  friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

int LunarLeapMonth(int year);             // 0 = none
int LunarLeapDays(int year);              // 0, 29 or 30
int LunarMonthDays(int year, int month);  // the ordinary month, 29 or 30
int LunarYearDays(int year);

// All-zero for a serial before 1900-01-31 or from 2101-01-01 on.
LunarDate SolarToLunar(double serial);
bool IsValidLunarDate(const LunarDate& date);
// Serial of 0001-01-01 for an invalid argument.
double LunarToSolar(const LunarDate& date);

// The moment of solar term `index` (0 小寒 .. 23 冬至) of a Gregorian year, as a serial
// with the time of day.
double SolarTermMoment(int year, int index);
// The term falling on that day, or "" (the serial must be a whole date).
std::string SolarTermOfDate(double serial);
const char* SolarTermNameAt(int index);

std::string LunarYearName(int cycleIndex);  // cycleIndex = lunar year - 1864; "" when negative
std::string LunarMonthName(int month, bool leap);
std::string LunarDayName(int day);

}  // namespace lumo
