#include "bazi/bazi_chart.h"

#include <cmath>

#include "bazi/birthday_text.h"
#include "bazi/jie_moments.h"
#include "bazi/pillars.h"
#include "bazi/stem_lookup.h"
#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "core/stem_branch.h"
#include "core/text.h"

namespace lumo::bazi {
namespace {

constexpr int kJieSearchDays = 32;
constexpr double kMinutesPerDay = 1440.0;
// A 甲子 day: the day branch cycle starts here. Computed at call time, not at static
// initialisation, where the calendar's own constants may not be set yet.
int firstJiaziDay() {
  return serialOf(1900, 2, 20);
}

// A serial split into its date and clock; seconds are dropped.
struct Clock {
  Date date;
  int serial = 0, hour = 0;
};

Clock clockOf(double serial) {
  long long minutes = static_cast<long long>(std::floor(serial * kMinutesPerDay + 1e-6));
  long long day = minutes >= 0 ? minutes / 1440 : (minutes - 1439) / 1440;
  int minuteOfDay = static_cast<int>(minutes - day * 1440);
  return {dateOf(static_cast<double>(day)), static_cast<int>(day), minuteOfDay / 60};
}

// The year pillar and month slot: the fixed boundary days, or the 节 in force at the
// moment when the precise terms are asked for and the table covers it.
void setYearAndMonth(BaziChart& c, double beijing, bool precise, Pillar& year, MonthSlot& slot) {
  year = yearPillarOf(c.year, c.month, c.day);
  slot = monthSlotOf(c.month, c.day);
  const JieMoment* jie = precise ? jieAtOrBefore(beijing) : nullptr;
  if (!jie) return;
  int baziYear = jie->jie == 0 ? jie->year - 1 : jie->year;  // 小寒 still belongs to the old year
  year = {wrap(baziYear - 3, 10), wrap(baziYear - 3, 12)};
  slot.branch = monthBranchOfJie(jie->jie);
}

void setPillars(BaziChart& c, const ChartMoment& m, const ChartRules& rules, const Clock& local) {
  Pillar year;
  MonthSlot slot;
  setYearAndMonth(c, m.beijing, rules.preciseTerms, year, slot);
  Pillar day = dayPillarOf(local.date.year, local.date.month, local.date.day);
  int hourStemDay = day.stem;
  if (rules.ziMidnight && local.hour == 23) {
    Date next = dateOf(local.serial + 1);
    hourStemDay = dayPillarOf(next.year, next.month, next.day).stem;
  }
  Pillar hour = hourPillarOf(hourStemDay, local.hour);
  c.yearStem = year.stem, c.yearBranch = year.branch;
  c.monthBranch = slot.branch, c.termCount = slot.termCount;
  c.monthStem = monthStemOf(year.stem, slot.branch);
  c.dayStem = day.stem, c.dayBranch = day.branch;
  c.hourStem = hour.stem, c.hourBranch = hour.branch;
  c.yearStemChar = stemOfNumber(c.yearStem), c.yearBranchChar = branchOfNumber(c.yearBranch);
  c.monthStemChar = stemOfNumber(c.monthStem), c.monthBranchChar = branchOfNumber(c.monthBranch);
  c.dayStemChar = stemOfNumber(c.dayStem), c.dayBranchChar = branchOfNumber(c.dayBranch);
  c.hourStemChar = stemOfNumber(c.hourStem), c.hourBranchChar = branchOfNumber(c.hourBranch);
  c.dayMaster = c.dayStemChar;
  c.fetalOrigin = stemOfNumber(c.monthStem + 1) + branchOfNumber(c.monthBranch + 3) + " ";
}

// The year position takes the lunar year of the next 节 day (searched forward whatever the
// direction, 33 days on when none is found); the others index the table directly.
void setHiddenStems(BaziChart& c, int birthSerial, const Clock& local, const TermOfDay& termOfDay) {
  int ahead = jieDistance(birthSerial, 1, termOfDay);
  int lunarYear = SolarToLunar(birthSerial + (ahead == 0 ? kJieSearchDays + 1 : ahead)).year;
  c.hiddenYear = hiddenStemsOfIndex(lunarYear - 1924);
  c.hiddenMonth = hiddenStemsOfIndex(c.month % 12);
  c.hiddenDay = hiddenStemsOfIndex(local.serial - firstJiaziDay());
  c.hiddenHour = hiddenStemsOfIndex((local.hour + 1) / 2);
}

// The starting age: from the exact time to the next or previous 节 when the precise
// terms are asked for and the table covers it, else by whole days to a 节 day.
int startAgeFor(const BaziChart& c, double beijing, int birthSerial, bool precise,
                const TermOfDay& termOfDay) {
  int step = c.luckBackward ? -1 : 1;
  const JieMoment* jie = !precise ? nullptr : step > 0 ? jieAfter(beijing) : jieAtOrBefore(beijing);
  if (jie) return preciseStartAge(std::fabs(jie->serial - beijing));
  return startAgeOf(jieDistance(birthSerial, step, termOfDay), c.termCount);
}

void setLuck(BaziChart& c, int startAge) {
  int step = c.luckBackward ? -1 : 1;
  c.startAge = startAge;
  c.startAgeText = std::to_string(c.startAge);
  std::string pillars;
  c.luckNayinLine = "纳音：";
  c.luckTenGodLine = "十神：";
  for (int k = 0; k < 10; ++k) {
    int stem = c.monthStem + step * k;
    std::string pillar = pillarOfNumbers(stem, c.monthBranch + step * k);
    pillars += pillar + "   ";
    c.luckNayinLine += lookupNayin(pillar) + " ";
    c.luckTenGodLine += lookupTenGod(c.dayMaster + stemOfNumber(stem)) + "   ";
  }
  c.luckPillarsLine = trimmed(pillars);
}

}  // namespace

ChartMoment chartMomentOf(int year, int month, int day, int hour, int minute) {
  double serial = serialOf(year, month, day) + (hour * 60 + minute) / kMinutesPerDay;
  return {serial, serial};
}

int jieDistance(int birthSerial, int step, const TermOfDay& termOfDay) {
  for (int j = 1; j <= kJieSearchDays; ++j)
    if (isJieTerm(termOfDay(birthSerial + step * j))) return j;
  return 0;
}

int startAgeOf(int distance, int termCount) {
  int days = distance > 0 ? distance : termCount;
  int age = days % 3 == 0 ? days / 3 : days / 3 + 1;
  return distance == 0 && age == 0 ? 10 : age;
}

int preciseStartAge(double days) {
  int age = static_cast<int>(std::ceil(days / 3.0 - 1e-9));
  return age < 1 ? 1 : age;
}

std::optional<BaziChart> computeBaziChart(const ChartMoment& m, const std::string& sex,
                                          const ChartRules& rules, const TermOfDay& termOfDay) {
  Clock civil = clockOf(m.beijing), local = clockOf(m.local);
  for (const Clock& k : {civil, local})
    if (!isAcceptedDay(k.date.year, k.date.month, k.date.day)) return std::nullopt;
  BaziChart c;
  c.year = civil.date.year, c.month = civil.date.month, c.day = civil.date.day, c.hour = civil.hour;
  c.isMale = sex == "男";
  setPillars(c, m, rules, local);
  setHiddenStems(c, civil.serial, local, termOfDay);
  c.luckBackward = c.isMale != isYangStemNumber(c.yearStem);
  setLuck(c, startAgeFor(c, m.beijing, civil.serial, rules.preciseTerms, termOfDay));
  c.personalityText = birthdayText(c.month, c.day);
  return c;
}

std::optional<BaziChart> computeBaziChart(const ChartMoment& m, const std::string& sex,
                                          const ChartRules& rules) {
  return computeBaziChart(m, sex, rules, [](double serial) { return SolarTermOfDate(serial); });
}

std::optional<BaziChart> computeBaziChart(int year, int month, int day, const std::string& sex, int hour,
                                          const TermOfDay& termOfDay) {
  if (!isAcceptedDay(year, month, day)) return std::nullopt;
  return computeBaziChart(chartMomentOf(year, month, day, hour), sex, ChartRules{}, termOfDay);
}

std::optional<BaziChart> computeBaziChart(int year, int month, int day, const std::string& sex, int hour) {
  return computeBaziChart(year, month, day, sex, hour, [](double serial) { return SolarTermOfDate(serial); });
}

}  // namespace lumo::bazi
