#include "calendar/date_cn.h"

#include <cmath>
#include <cstdint>

#include "calendar/date_serial.h"
#include "core/stem_branch.h"

namespace lumo {
namespace {

// One word per lunar year 1900..2100: bits 15..4 month lengths (set = 30 days),
// bits 3..0 the leap month (0 or 0xF: none). A leap month has 30 days when the low
// nibble of the next year's word is 0xF.
const std::uint16_t kLunarInfo[201] = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2, 0x4AE0, 0xA5B6, 0xA4D0,
    0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977, 0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54,
    0x2B6F, 0x9570, 0x52F2, 0x4970, 0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7,
    0xC95F, 0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557, 0x6CA0, 0xB550,
    0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0, 0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570,
    0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0, 0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540,
    0xB6A0, 0x95A6, 0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570, 0x4AF5,
    0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0, 0xC960, 0xD954, 0xD4A0, 0xDA50,
    0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5, 0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0,
    0x5176, 0x52BF, 0xA930, 0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45, 0xB5A0, 0x56D0, 0x55B2,
    0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0, 0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6,
    0xEA5F, 0x6B20, 0xA6C4, 0xAAEF, 0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0,
    0x55D4, 0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0, 0xB273, 0x6930,
    0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260, 0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF,
    0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252, 0xD520};

// Minutes of each term after the year's 小寒, in the mean-year model.
const std::int32_t kTermMinutes[24] = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                       173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                       353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};

const char* const kTermNames[24] = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

const char* const kNumerals[10] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// Compared before subtracting: a typed year may be any int.
std::uint16_t info(int year) {
  return (year >= 1900 && year <= 2100) ? kLunarInfo[year - 1900] : 0;
}

constexpr int kFirstLunarSerial = 32;  // 1900-01-31, lunar 1900-1-1
constexpr int kEndSerial = 73416;      // 2101-01-01
constexpr std::int64_t kMsPerDay = 86400000;

}  // namespace

int LunarLeapMonth(int year) {
  int leap = info(year) & 0xF;
  return leap == 0xF ? 0 : leap;
}

int LunarLeapDays(int year) {
  if (LunarLeapMonth(year) == 0) return 0;
  return (info(year + 1) & 0xF) == 0xF ? 30 : 29;
}

int LunarMonthDays(int year, int month) {
  if (month < 1) month = 1;
  if (month > 12) return 29;  // no such month; a shift by it would leave the word
  return (info(year) & (0x8000 >> (month - 1))) ? 30 : 29;
}

int LunarYearDays(int year) {
  int days = 348;
  for (std::uint16_t mask = 0x8000; mask > 0x8; mask >>= 1)
    if (info(year) & mask) ++days;
  return days + LunarLeapDays(year);
}

LunarDate SolarToLunar(double serial) {
  if (serial < kFirstLunarSerial || serial >= kEndSerial) return {};
  int offset = static_cast<int>(std::floor(serial)) - kFirstLunarSerial;
  int year = 1900, len = 0;
  while (offset > 0) {
    len = LunarYearDays(year);
    ++year;
    offset -= len;
  }
  if (offset < 0) {
    offset += len;
    --year;
  }
  int leapMonth = LunarLeapMonth(year);
  bool leap = false;
  int month = 0;
  while (offset >= 0) {
    ++month;
    len = LunarMonthDays(year, month);
    offset -= len;
    if (offset >= 0 && month == leapMonth) {
      len = LunarLeapDays(year);
      offset -= len;
      if (offset < 0) leap = true;
    }
  }
  if (offset < 0) offset += len;
  return {year, month, offset + 1, leap};
}

bool IsValidLunarDate(const LunarDate& d) {
  if (d.year < 1901 || d.year > 2099 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > 30) return false;
  if (d.leap) return d.month == LunarLeapMonth(d.year) && LunarLeapDays(d.year) >= d.day;
  return LunarMonthDays(d.year, d.month) >= d.day;
}

double LunarToSolar(const LunarDate& d) {
  if (!IsValidLunarDate(d)) return serialOf(1, 1, 1);
  int leapMonth = LunarLeapMonth(d.year);
  int sum = 0, i = 1;
  bool pending = false;
  while (i < d.month) {
    if (i != leapMonth) {
      sum += LunarMonthDays(d.year, i);
      ++i;
    } else if (!pending) {
      sum += LunarMonthDays(d.year, i);
      pending = true;
    } else {
      sum += LunarLeapDays(d.year);
      pending = false;
      ++i;
    }
  }
  sum += d.day - 1;
  if (d.month == leapMonth && d.leap) sum += LunarMonthDays(d.year, d.month);
  int total = 0;
  if (d.year < 2001) {
    for (int y = d.year; y <= 1999; ++y) total += LunarYearDays(y);
  } else {
    for (int y = 2000; y <= d.year - 1; ++y) total += LunarYearDays(y);
  }
  const int anchor = serialOf(2000, 2, 5);
  return d.year < 2000 ? anchor + (sum - total) : anchor + (sum + total);
}

double SolarTermMoment(int year, int index) {
  if (index < 0 || index > 23) index = index < 0 ? 0 : 23;
  double ms =
      std::nearbyint((static_cast<double>(year) - 1900) * 31556925974.7 + kTermMinutes[index] * 60000.0);
  std::int64_t base =
      static_cast<std::int64_t>(serialOf(1900, 1, 6)) * kMsPerDay + (2 * 3600 + 5 * 60) * 1000;
  std::int64_t t = base + static_cast<std::int64_t>(ms);
  return static_cast<double>(t) / kMsPerDay;
}

std::string SolarTermOfDate(double serial) {
  Date d = dateOf(serial);
  for (int index : {2 * d.month - 2, 2 * d.month - 1})
    if (serial == std::floor(SolarTermMoment(d.year, index))) return kTermNames[index];
  return {};
}

const char* SolarTermNameAt(int index) {
  return index >= 0 && index < 24 ? kTermNames[index] : "";
}

std::string LunarYearName(int n) {
  if (n < 0) return {};
  return std::string(kStems[n % 10]) + kBranches[n % 12] + "(" + kAnimals[n % 12] + "年)";
}

std::string LunarMonthName(int month, bool leap) {
  std::string name;
  if (month >= 1 && month <= 10)
    name = kNumerals[month - 1];
  else if (month == 11)
    name = "十一";
  else if (month == 12)
    name = "十二";
  return (leap ? "闰" : "") + name + "月";
}

std::string LunarDayName(int day) {
  if (day >= 1 && day <= 10) return std::string("初") + kNumerals[day - 1];
  if (day >= 11 && day <= 19) return std::string("十") + kNumerals[day - 11];
  if (day == 20) return "二十";
  if (day >= 21 && day <= 29) return std::string("廿") + kNumerals[day - 21];
  if (day == 30) return "三十";
  return {};
}

}  // namespace lumo
