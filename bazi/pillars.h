#pragma once
// The closed arithmetic of the four pillars over a Gregorian date and clock hour.
//
// Month boundaries are fixed calendar days standing for the twelve 节 terms, and the year
// changes on 4 February every year; the true moments of the terms are not consulted here.
// All stems and branches are cyclic numbers (see stem_branch.h). The date is never advanced
// for the hour 23: 23:00 belongs to the day pillar of its own date.

namespace lumo::bazi {

// The month a day falls in by the fixed boundary table.
struct MonthSlot {
  int branch = 0;     // cyclic month branch
  int termCount = 0;  // fallback day count for the starting age
};

struct Pillar {
  int stem = 0;
  int branch = 0;
};

// Whether the four-pillar calculation accepts the date (a real Gregorian day).
bool isAcceptedDay(int year, int month, int day);

// Month branch and fallback count of month M, day D (a valid day).
MonthSlot monthSlotOf(int month, int day);

// Year pillar: years change on 4 February.
Pillar yearPillarOf(int year, int month, int day);

// Month stem from the year stem and the month branch (甲 year: 丙寅 … 丁丑).
int monthStemOf(int yearStem, int monthBranch);

// Day pillar from the day count formula (2000-01-01 is 戊午, 1900-02-20 甲子).
Pillar dayPillarOf(int year, int month, int day);

// Hour pillar of clock hour 0..23 for a day stem; hours 23 and 0 are both 子.
Pillar hourPillarOf(int dayStem, int hour);

}  // namespace lumo::bazi
