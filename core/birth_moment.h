#pragma once
// The birth moment of a subject as the readings compute with it: a Gregorian date the lunar
// table covers, the clock hour and minute, the sex, and the calendar the date was typed in.
//
// Only the capture of the input panel and the checked factory below make one, so a report
// that holds a BirthMoment never reads a date or an hour from text again. The lunar date
// is worked out once, here.

#include <optional>
#include <string>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"

namespace lumo {

enum class BirthSex { Male, Female };
enum class TypedCalendar { Gregorian, Lunar };  // the panel's 公历 / 农历

class BirthMoment {
 public:
  // A moment of `date` (Gregorian, 1900-01-31 to 2100-12-31), `hour` 0..23 and `minute`
  // 0..59; nothing when any of them is outside.
  static std::optional<BirthMoment> of(Date date, int hour, int minute, BirthSex sex,
                                       TypedCalendar typedIn = TypedCalendar::Gregorian);
  // The moment of a date of an ordinary (not leap) lunar month; nothing for a lunar date
  // that does not exist or whose Gregorian date the table does not cover.
  static std::optional<BirthMoment> ofLunar(LunarDate lunar, int hour, int minute, BirthSex sex);

  const Date& date() const { return m_date; }
  const LunarDate& lunar() const { return m_lunar; }
  int hour() const { return m_hour; }
  int minute() const { return m_minute; }
  BirthSex sex() const { return m_sex; }
  TypedCalendar typedIn() const { return m_typedIn; }

  // "男" or "女", the text the charts read the sex from.
  std::string sexText() const;
  // The hour item of the input panel's hour list, e.g. "子 0" or "午 12".
  std::string hourItem() const;

  friend bool operator==(const BirthMoment&, const BirthMoment&) = default;

 private:
  BirthMoment() = default;

  Date m_date;
  LunarDate m_lunar;
  int m_hour = 0;
  int m_minute = 0;
  BirthSex m_sex = BirthSex::Male;
  TypedCalendar m_typedIn = TypedCalendar::Gregorian;
};

// The sex of a panel's sex text: 男 is male, any other text female (as the charts read it).
BirthSex birthSexOf(const std::string& text);

// The days the lunar table converts: 1900-01-31 (lunar 1900-1-1) to 2100-12-31.
inline constexpr Date kFirstLunarTableDay{1900, 1, 31};
inline constexpr Date kLastLunarTableDay{2100, 12, 31};

// Whether `date` is a real day between kFirstLunarTableDay and kLastLunarTableDay.
bool withinLunarTable(const Date& date);

}  // namespace lumo
