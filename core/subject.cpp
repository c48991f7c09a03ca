#include "core/subject.h"

#include <charconv>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "calendar/star_sign.h"
#include "core/report.h"
#include "core/stem_branch.h"
#include "core/text.h"

namespace lumo {
namespace {

std::string required(const std::string& text, const char* notice) {
  std::string value = trimmed(text);
  if (value.empty()) throw Notice(notice);
  return value;
}

int number(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    throw ReportedFailure("“" + text + "”不是有效的数字。");
  return value;
}

std::string numberText(int value) {
  return std::to_string(value);
}

// The lunar table converts the years 1901 to 2099; the panel has no leap month.
void checkLunarDate(int year, int month, int day) {
  if (year < 1901 || year > 2099) throw Notice("农历年份只能在1901年至2099年之间!");
  if (month < 1 || month > 12) throw Notice("农历月份只能是1到12月!");
  int length = LunarMonthDays(year, month);
  if (day < 1 || day > length)
    throw Notice("农历" + numberText(year) + "年" + LunarMonthName(month, false) + "只有" +
                 numberText(length) + "天，日期应为1到" + numberText(length) + "!");
}

// The Gregorian dates the lunar table covers: 1900-01-31 (lunar 1900-1-1) to 2100-12-31.
void checkGregorianDate(int year, int month, int day) {
  const char* range = "公历日期只能在1900年1月31日至2100年12月31日之间!";
  if (year < kFirstLunarTableDay.year || year > kLastLunarTableDay.year) throw Notice(range);
  if (month < 1 || month > 12) throw Notice("公历月份只能是1到12月!");
  int length = daysInMonth(year, month);
  if (day < 1 || day > length)
    throw Notice("公历" + numberText(year) + "年" + numberText(month) + "月只有" + numberText(length) +
                 "天!");
  if (!withinLunarTable(Date{year, month, day})) throw Notice(range);
}

// The hour item is a branch, a blank and the clock hour, and the branch must be the
// double hour of that clock hour (子 for 23 and 0, 丑 for 1 and 2, ...). Returns the hour.
int checkedHour(const std::string& item) {
  std::string hourText = hourNumberText(item);
  int hour = -1;
  auto [end, ec] = std::from_chars(hourText.data(), hourText.data() + hourText.size(), hour);
  if (hourText.empty() || ec != std::errc() || end != hourText.data() + hourText.size() || hour < 0 ||
      hour > 23)
    throw Notice("“" + item +
                 "”不是有效的小时：请在“时”框中选择一项，例如“子 0”或“午 12”（时辰、空格、0到23点）。");
  std::string branch = kBranches[(hour + 1) / 2 % 12];
  if (trimmed(item.substr(0, item.find(' '))) != branch)
    throw Notice(numberText(hour) + "点属" + branch + "时，与所选时辰不符!");
  return hour;
}

int checkedMinute(const std::string& text) {
  std::string minuteText = trimmed(text);
  int minute = -1;
  auto [end, ec] = std::from_chars(minuteText.data(), minuteText.data() + minuteText.size(), minute);
  if (minuteText.empty() || ec != std::errc() || end != minuteText.data() + minuteText.size() || minute < 0 ||
      minute > 59)
    throw Notice("出生分钟只能是0到59!");
  return minute;
}

}  // namespace

const char* const kHourItems[24] = {"子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
                                    "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
                                    "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

std::string hourNumberText(const std::string& hourItem) {
  auto blank = hourItem.find(' ');
  return blank == std::string::npos ? std::string() : trimmed(hourItem.substr(blank + 1));
}

BirthMoment captureSubject(const PanelInput& in, Subject& r, bool requireGivenName) {
  r.surname = required(in.surname, "姓不能为空!");
  if (requireGivenName) r.given = required(in.given, "名不能为空!");
  r.yearText = required(in.year, "请选择出生年!");
  r.monthText = required(in.month, "请选择出生月!");
  r.dayText = required(in.day, "请选择出生日!");
  r.hourText = required(in.hour, "请选择出生小时!");
  int hour = checkedHour(r.hourText);
  int minute = checkedMinute(in.minute);
  r.minuteText = trimmed(in.minute);
  r.gregorianDate = r.yearText + "-" + r.monthText + "-" + r.dayText;
  int year = number(r.yearText), month = number(r.monthText), day = number(r.dayText);
  Date date{year, month, day};
  TypedCalendar typedIn = TypedCalendar::Gregorian;
  if (in.calendarIndex == 1) {
    checkLunarDate(year, month, day);
    typedIn = TypedCalendar::Lunar;
    date = dateOf(LunarToSolar(LunarDate{year, month, day, false}));
    r.gregorianDate = formatDate(date);
    r.yearText = r.gregorianDate.substr(0, 4);
    r.monthText = r.gregorianDate.substr(5, 2);
    r.dayText = r.gregorianDate.substr(8, 2);
  } else {
    checkGregorianDate(year, month, day);
  }
  std::optional<BirthMoment> moment =
      BirthMoment::of(date, hour, minute, birthSexOf(trimmed(in.sex)), typedIn);
  // The checks above admit exactly the moments the factory makes; a conversion that left
  // the table would land here.
  if (!moment) throw ReportedFailure("“" + r.gregorianDate + "”不是有效的日期。");
  const LunarDate& lunar = moment->lunar();
  std::string yearName = LunarYearName(lunar.year - 1864);
  r.lunarText = yearName + LunarMonthName(lunar.month, lunar.leap) + LunarDayName(lunar.day);
  auto paren = yearName.find('(');
  r.zodiac = paren == std::string::npos ? std::string() : yearName.substr(paren + 1, 3);
  r.starSign = StarSign(serialOf(date));
  r.moment = moment;
  return *moment;
}

}  // namespace lumo
