#pragma once
// The rows of table huangdao, one for each Gregorian day, and their TSV file.
//
// Columns: gn (yyyy-MM-dd), nn (lunar date "癸卯年(兔) 正月初一", leap months "闰二月",
// 冬月 and 腊月 for the 11th and 12th), suici ("癸卯年 甲寅月 壬午日"), tszf (fetal god),
// wuhang (纳音 and officer, "海中金 建日"), cong, pzbj, jsyq and xsyq (spirit names
// separated by a blank; the road spirit ends the list of its kind; "无" when the day has
// none of that kind), yi, ji.

#include <iosfwd>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "tools/almanac/pillars.h"
#include "tools/almanac/spirits.h"

namespace lumo::almanac {

struct AlmanacRow {
  std::string gn, nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji;
};

inline constexpr Date kFirstDay{1901, 1, 1};
inline constexpr Date kLastDay{2100, 12, 31};

// The lunar date text of a day, "" outside the lunar table (before 1900-01-31).
std::string lunarText(int serial);

// Everything that decides the spirits of the day `serial`: its pillars, the terms of
// the day and the next, the 节 and 中气 before it, its lunar month and day, and
// 土王用事. `terms` must hold the day and the 18 days after it.
DayContext dayContextOf(const TermCalendar& terms, int serial);

// Rows for every day from `first` to `last`, both included (years 1901..2100).
std::vector<AlmanacRow> almanacRows(Date first = kFirstDay, Date last = kLastDay);

// Header line and one line per row.
void writeTsv(std::ostream& out, const std::vector<AlmanacRow>& rows);

}  // namespace lumo::almanac
