#include "app/subject.h"

#include <charconv>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "calendar/star_sign.h"
#include "data/query.h"
#include "data/read_failure.h"

namespace lumo {
namespace {

std::string required(const std::string& text, const char* notice) {
  std::string value = db::trimmed(text);
  if (value.empty()) throw db::Notice(notice);
  return value;
}

int number(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size())
    throw db::ReportedFailure("“" + text + "”不是有效的数字。");
  return value;
}

Date readDate(const std::string& text) {
  auto date = parseDate(text);
  if (!date) throw db::ReportedFailure("“" + text + "”不是有效的日期。");
  return *date;
}

}  // namespace

const char* const kHourItems[24] = {"子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
                                    "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
                                    "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

std::string hourNumberText(const std::string& hourItem) {
  auto blank = hourItem.find(' ');
  return blank == std::string::npos ? std::string() : db::trimmed(hourItem.substr(blank + 1));
}

void captureSubject(const PanelInput& in, Subject& r, bool requireGivenName) {
  r.surname = required(in.surname, "姓不能为空!");
  if (requireGivenName) r.given = required(in.given, "名不能为空!");
  r.yearText = required(in.year, "请选择出生年!");
  r.monthText = required(in.month, "请选择出生月!");
  r.dayText = required(in.day, "请选择出生日!");
  r.hourText = required(in.hour, "请选择出生小时!");
  r.gregorianDate = r.yearText + "-" + r.monthText + "-" + r.dayText;
  if (in.calendarIndex == 1) {
    LunarDate lunar{number(r.yearText), number(r.monthText), number(r.dayText), false};
    r.gregorianDate = formatDate(dateOf(LunarToSolar(lunar)));
    r.yearText = r.gregorianDate.substr(0, 4);
    r.monthText = r.gregorianDate.substr(5, 2);
    r.dayText = r.gregorianDate.substr(8, 2);
  }
  Date date = readDate(r.gregorianDate);
  LunarDate lunar = SolarToLunar(serialOf(date));
  std::string yearName = LunarYearName(lunar.year - 1864);
  r.lunarText = yearName + LunarMonthName(lunar.month, lunar.leap) + LunarDayName(lunar.day);
  auto paren = yearName.find('(');
  r.zodiac = paren == std::string::npos ? std::string() : yearName.substr(paren + 1, 3);
  r.starSign = StarSign(serialOf(date));
}

}  // namespace lumo
