// Pillars of year, month and day; see pillars.h for the rules.

#include "tools/almanac/pillars.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "core/stem_branch.h"
#include "tools/almanac/solar_terms.h"

namespace lumo::almanac {
namespace {

int mod(int a, int n) {
  return ((a % n) + n) % n;
}

int termDay(int year, int index) {
  return static_cast<int>(std::floor(termMomentChina(year, index)));
}

// 1900-01-31 (serial 32) is 甲辰, index 40.
constexpr int kDayCycleOffset = 40 - 32;

}  // namespace

int Pillar::cycle() const {
  // The index c with c ≡ stem (mod 10) and c ≡ branch (mod 12); stem and branch share parity.
  return mod(6 * stem - 5 * branch, 60);
}

std::string Pillar::name() const {
  return std::string(kStems[stem]) + kBranches[branch];
}

Pillar pillarOfCycle(int cycle) {
  int c = mod(cycle, 60);
  return {c % 10, c % 12};
}

Pillar dayPillar(int serial) {
  return pillarOfCycle(serial + kDayCycleOffset);
}

Pillar yearPillar(int almanacYear) {
  return pillarOfCycle(almanacYear - 4);
}

Pillar monthPillar(int yearStem, int monthBranch) {
  int firstStem = (yearStem % 5) * 2 + 2;  // stem of the 寅 month
  return {mod(firstStem + monthNumber(monthBranch), 10), monthBranch};
}

TermCalendar::TermCalendar(int firstYear, int lastYear) : firstYear_(firstYear - 1) {
  if (lastYear < firstYear) throw std::invalid_argument("TermCalendar: empty year range");
  for (int y = firstYear - 1; y <= lastYear + 1; ++y)
    for (int i = 0; i < kTermCount; ++i) {
      int day = termDay(y, i);
      termDays_.push_back(day);
      if (i % 2 == 0) jieDays_.push_back(day);
    }
}

int TermCalendar::firstDay() const {
  return jieDays_.front();
}

int TermCalendar::lastDay() const {
  return serialOf(firstYear_ + static_cast<int>(termDays_.size()) / kTermCount, 1, 1) - 1;
}

AlmanacMonth TermCalendar::monthOf(int serial) const {
  if (serial < firstDay() || serial > lastDay())
    throw std::out_of_range("TermCalendar: day outside the range");
  auto it = std::upper_bound(jieDays_.begin(), jieDays_.end(), serial) - 1;
  int j = static_cast<int>(it - jieDays_.begin());
  int k = j % 12;  // 0 小寒 .. 11 大雪
  AlmanacMonth m;
  m.opensToday = *it == serial;
  m.jieDay = *it;
  m.previousJieDay = it == jieDays_.begin() ? -1 : *(it - 1);
  m.branch = (k + 1) % 12;
  m.year = firstYear_ + j / 12 - (k == 0 ? 1 : 0);  // before 立春 the almanac year is still the old one
  return m;
}

int TermCalendar::termOn(int serial) const {
  auto it = std::lower_bound(termDays_.begin(), termDays_.end(), serial);
  if (it == termDays_.end() || *it != serial) return -1;
  return static_cast<int>(it - termDays_.begin()) % kTermCount;
}

DayPillars pillarsOf(const AlmanacMonth& month, int serial) {
  Pillar year = yearPillar(month.year);
  return {year, monthPillar(year.stem, month.branch), dayPillar(serial)};
}

}  // namespace lumo::almanac
