#include "bazi/pillars.h"

#include "calendar/date_serial.h"
#include "core/stem_branch.h"

namespace lumo::bazi {
namespace {

// One row of the month-boundary table: days from..to (month*100+day, inclusive), the
// cyclic branch, and the offsets of the fallback count ((M - m0) * 30 + D - d0) / 3.
struct Boundary {
  int from, to, branch, monthBase, dayBase;
};

constexpr Boundary kBoundaries[] = {
    {204, 305, 3, 2, 4},     {306, 404, 4, 3, 6},    {405, 504, 5, 4, 5},    {505, 605, 6, 5, 5},
    {606, 706, 7, 6, 6},     {707, 807, 8, 7, 7},    {808, 907, 9, 8, 8},    {908, 1007, 10, 9, 8},
    {1008, 1106, 11, 10, 8}, {1107, 1207, 0, 11, 7}, {1208, 1231, 1, 12, 8}, {101, 105, 1, 1, -26},
    {106, 203, 2, 1, 6},
};

}  // namespace

bool isAcceptedDay(int year, int month, int day) {
  return isValidDate(year, month, day);
}

MonthSlot monthSlotOf(int month, int day) {
  int w = month * 100 + day;
  for (const Boundary& b : kBoundaries)
    if (w >= b.from && w <= b.to) return {b.branch, ((month - b.monthBase) * 30 + day - b.dayBase) / 3};
  return {};
}

Pillar yearPillarOf(int year, int month, int day) {
  int w = month * 100 + day;
  int base = w >= 204 ? year - 3 : year - 4;
  return {wrap(base, 10), wrap(base, 12)};
}

int monthStemOf(int yearStem, int monthBranch) {
  int offset = monthBranch >= 3 ? 8 : 0;
  return wrap(2 * yearStem + monthBranch + offset, 10);
}

Pillar dayPillarOf(int year, int month, int day) {
  int c = year - 1;
  int base = 5 * c + c / 4 - c / 100 + c / 400;
  int dayOfYear = day;
  for (int m = 1; m < month; ++m) dayOfYear += daysInMonth(year, m);
  int n = wrap(base + dayOfYear + 6015, 60);
  return {n % 10, n % 12};
}

Pillar hourPillarOf(int dayStem, int hour) {
  int branch = wrap((hour + 3) / 2, 12);
  int stem = branch != 0 ? wrap(2 * dayStem + branch + 8, 10) : wrap(2 * dayStem, 10);
  return {stem, branch};
}

}  // namespace lumo::bazi
