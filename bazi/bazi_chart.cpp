#include "bazi/bazi_chart.h"

#include "bazi/birthday_text.h"
#include "bazi/pillars.h"
#include "bazi/stem_branch.h"
#include "bazi/stem_lookup.h"
#include "calendar/date_cn.h"
#include "calendar/date_serial.h"
#include "data/query.h"

namespace lumo::bazi {
namespace {

constexpr int kJieSearchDays = 32;
// A 甲子 day: the day branch cycle starts here. Computed at call time, not at static
// initialisation, where the calendar's own constants may not be set yet.
int firstJiaziDay() { return serialOf(1900, 2, 20); }

void setPillars(BaziChart& c) {
  Pillar year = yearPillarOf(c.year, c.month, c.day);
  MonthSlot slot = monthSlotOf(c.month, c.day);
  Pillar day = dayPillarOf(c.year, c.month, c.day);
  Pillar hour = hourPillarOf(day.stem, c.hour);
  c.yearStem = year.stem, c.yearBranch = year.branch;
  c.monthBranch = slot.branch, c.termCount = slot.termCount;
  c.monthStem = monthStemOf(year.stem, slot.branch);
  c.dayStem = day.stem, c.dayBranch = day.branch;
  c.hourStem = hour.stem, c.hourBranch = hour.branch;
  c.yearStemChar = stemName(c.yearStem), c.yearBranchChar = branchName(c.yearBranch);
  c.monthStemChar = stemName(c.monthStem), c.monthBranchChar = branchName(c.monthBranch);
  c.dayStemChar = stemName(c.dayStem), c.dayBranchChar = branchName(c.dayBranch);
  c.hourStemChar = stemName(c.hourStem), c.hourBranchChar = branchName(c.hourBranch);
  c.dayMaster = c.dayStemChar;
  c.fetalOrigin = stemName(c.monthStem + 1) + branchName(c.monthBranch + 3) + " ";
}

// The year position takes the lunar year of the next 节 day (searched forward whatever the
// direction, 33 days on when none is found); the others index the table directly.
void setHiddenStems(BaziChart& c, int birthSerial, const TermOfDay& termOfDay) {
  int ahead = jieDistance(birthSerial, 1, termOfDay);
  int lunarYear = SolarToLunar(birthSerial + (ahead == 0 ? kJieSearchDays + 1 : ahead)).year;
  c.hiddenYear = hiddenStemsOf(lunarYear - 1924);
  c.hiddenMonth = hiddenStemsOf(c.month % 12);
  c.hiddenDay = hiddenStemsOf(birthSerial - firstJiaziDay());
  c.hiddenHour = hiddenStemsOf((c.hour + 1) / 2);
}

void setLuck(BaziChart& c, int birthSerial, const TermOfDay& termOfDay) {
  c.luckBackward = c.isMale != isYangStem(c.yearStem);
  int step = c.luckBackward ? -1 : 1;
  c.startAge = startAgeOf(jieDistance(birthSerial, step, termOfDay), c.termCount);
  c.startAgeText = std::to_string(c.startAge);
  std::string pillars;
  c.luckNayinLine = "纳音：";
  c.luckTenGodLine = "十神：";
  for (int k = 0; k < 10; ++k) {
    int stem = c.monthStem + step * k;
    std::string pillar = pillarName(stem, c.monthBranch + step * k);
    pillars += pillar + "   ";
    c.luckNayinLine += lookupNayin(pillar) + " ";
    c.luckTenGodLine += lookupTenGod(c.dayMaster + stemName(stem)) + "   ";
  }
  c.luckPillarsLine = db::trimmed(pillars);
}

}  // namespace

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

std::optional<BaziChart> computeBaziChart(int year, int month, int day, const std::string& sex, int hour,
                                          const TermOfDay& termOfDay) {
  if (!isAcceptedDay(year, month, day)) return std::nullopt;
  BaziChart c;
  c.year = year, c.month = month, c.day = day, c.hour = hour;
  c.isMale = sex == "男";
  setPillars(c);
  int birthSerial = serialOf(year, month, day);
  setHiddenStems(c, birthSerial, termOfDay);
  setLuck(c, birthSerial, termOfDay);
  c.personalityText = birthdayText(month, day);
  return c;
}

std::optional<BaziChart> computeBaziChart(int year, int month, int day, const std::string& sex, int hour) {
  return computeBaziChart(year, month, day, sex, hour, [](double serial) { return SolarTermOfDate(serial); });
}

}  // namespace lumo::bazi
