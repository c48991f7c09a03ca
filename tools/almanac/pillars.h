#pragma once
// Stem-branch pillars of the almanac year, month and day.
//
// - Day: the sexagenary count runs without a break; 1900-01-31 is 甲辰 (index 40).
// - Month: an almanac month begins on the day a 节 falls (立春 opens the 寅 month,
//   惊蛰 卯, ... 大雪 子, 小寒 丑), whatever the hour of the term; the day of the term
//   already belongs to the new month.
// - Year: changes with the 寅 month, i.e. on the day of 立春; year Y from 立春 on is
//   cycle index (Y − 4) mod 60, 1984 being 甲子.
// - Month stems follow the year stem (五虎遁): 甲己年 丙寅, 乙庚年 戊寅, 丙辛年 庚寅,
//   丁壬年 壬寅, 戊癸年 甲寅, then one stem a month.

#include <string>
#include <vector>

namespace lumo::almanac {

// Stems 0 甲 .. 9 癸, branches 0 子 .. 11 亥.
struct Pillar {
  int stem = 0;
  int branch = 0;
  int cycle() const;  // 0 甲子 .. 59 癸亥
  std::string name() const;
  friend bool operator==(const Pillar&, const Pillar&) = default;
};

Pillar pillarOfCycle(int cycle);
Pillar dayPillar(int serial);
Pillar yearPillar(int almanacYear);
Pillar monthPillar(int yearStem, int monthBranch);

// Months counted from the 寅 month: 0 for 寅 .. 11 for 丑.
inline int monthNumber(int monthBranch) {
  return (monthBranch + 10) % 12;
}

// The almanac month in force on one day.
struct AlmanacMonth {
  int year = 0;             // the almanac year (from 立春)
  int branch = 0;           // 2 寅 for the month opened by 立春
  bool opensToday = false;  // a 节 falls on this day
  int jieDay = 0;           // the serial of the 节 that opened the month
  int previousJieDay = -1;  // the serial of the 节 before it, -1 when not held
};

// The days of the 24 solar terms of a run of Gregorian years, in China's time.
class TermCalendar {
 public:
  // Holds the terms of firstYear − 1 to lastYear + 1, so that the months and terms of
  // every day of firstYear..lastYear are known.
  TermCalendar(int firstYear, int lastYear);
  int firstDay() const;  // first serial that monthOf answers
  int lastDay() const;   // last serial that monthOf and termOn answer
  AlmanacMonth monthOf(int serial) const;
  // The term (0 小寒 .. 23 冬至) falling on the day, or -1.
  int termOn(int serial) const;

 private:
  int firstYear_;              // the first year held (firstYear − 1)
  std::vector<int> termDays_;  // 24 a year from 小寒 of firstYear_
  std::vector<int> jieDays_;   // the even terms only, 12 a year
};

struct DayPillars {
  Pillar year, month, day;
};

DayPillars pillarsOf(const AlmanacMonth& month, int serial);

}  // namespace lumo::almanac
