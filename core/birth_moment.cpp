#include "core/birth_moment.h"

#include "core/subject.h"

namespace lumo {

bool withinLunarTable(const Date& date) {
  return isValidDate(date.year, date.month, date.day) && kFirstLunarTableDay <= date &&
         date <= kLastLunarTableDay;
}

BirthSex birthSexOf(const std::string& text) {
  return text == "男" ? BirthSex::Male : BirthSex::Female;
}

std::optional<BirthMoment> BirthMoment::of(Date date, int hour, int minute, BirthSex sex,
                                           TypedCalendar typedIn) {
  if (!withinLunarTable(date) || hour < 0 || hour > 23 || minute < 0 || minute > 59) return std::nullopt;
  BirthMoment m;
  m.m_date = date;
  m.m_lunar = SolarToLunar(serialOf(date));
  m.m_hour = hour;
  m.m_minute = minute;
  m.m_sex = sex;
  m.m_typedIn = typedIn;
  return m;
}

std::optional<BirthMoment> BirthMoment::ofLunar(LunarDate lunar, int hour, int minute, BirthSex sex) {
  lunar.leap = false;
  if (!IsValidLunarDate(lunar)) return std::nullopt;
  return of(dateOf(LunarToSolar(lunar)), hour, minute, sex, TypedCalendar::Lunar);
}

std::string BirthMoment::sexText() const {
  return m_sex == BirthSex::Male ? "男" : "女";
}

std::string BirthMoment::hourItem() const {
  return kHourItems[m_hour];
}

}  // namespace lumo
