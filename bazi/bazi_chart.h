#pragma once
// The four-pillar chart (八字) of a Gregorian birth moment, returned as a value.
//
// computeBaziChart is the whole calculation: pillars by fixed boundaries (pillars.h), or
// under ChartRules by the true 节 moments and the late 子 hour, the hidden stems of the
// four positions, the fetal origin, the direction and starting age of the great luck, and
// the ten great-luck pillars with their 纳音 and ten gods. The same input always gives the
// same chart; nothing of it is kept between calls, and the report prints the chart it was
// handed. Texts are UTF-8.

#include <functional>
#include <optional>
#include <string>

namespace lumo::bazi {

struct BaziChart {
  int year = 0, month = 0, day = 0, hour = 0;  // the Gregorian input, hour 0..23
  bool isMale = false;                         // the sex text is exactly "男"
  // Cyclic numbers (stem 0 = 癸, branch 0 = 亥).
  int yearStem = 0, yearBranch = 0, monthStem = 0, monthBranch = 0;
  int dayStem = 0, dayBranch = 0, hourStem = 0, hourBranch = 0;
  std::string yearStemChar, yearBranchChar, monthStemChar, monthBranchChar;
  std::string dayStemChar, dayBranchChar, hourStemChar, hourBranchChar;
  std::string dayMaster;    // 日元, the day stem character
  int termCount = 0;        // fallback day count of the month-boundary table
  std::string fetalOrigin;  // 胎元: stem, branch and one trailing blank
  bool luckBackward = false;
  int startAge = 0;  // 起运 age, 1 or more
  std::string startAgeText;
  std::string luckPillarsLine;  // ten pillars each followed by three blanks, outer blanks trimmed
  std::string luckNayinLine;    // "纳音：" + each pillar's 纳音 and one blank
  std::string luckTenGodLine;   // "十神：" + each pillar's ten god and three blanks
  std::string hiddenYear, hiddenMonth, hiddenDay, hiddenHour;  // 遁藏 of the four positions
  std::string personalityText;
};

// The name of the solar term on a day serial, "" when none falls on it.
using TermOfDay = std::function<std::string(double serial)>;

// How the pillars are reckoned; the defaults are the fixed rules above.
struct ChartRules {
  // The year, the month and the starting age follow the true moments of the 节
  // (jie_moments.h) instead of the fixed boundary days.
  bool preciseTerms = false;
  // 23:00-23:59 is the late 子 hour of its own date: the day pillar stays, and the hour
  // pillar is the 子 hour that the next day's stem gives. By default the hour 23 takes
  // the same 子 pillar as 00:00 of its date.
  bool ziMidnight = false;
};

// A birth moment as two day serials (time of day as the fraction, whole minutes): the
// moment in China's time, which the terms, the year and month and the birthday follow,
// and the clock that the day and hour pillars follow (the same, or true solar time).
struct ChartMoment {
  double beijing = 0;
  double local = 0;
};
// The moment of a date and clock time in China's time, used as both clocks.
ChartMoment chartMomentOf(int year, int month, int day, int hour, int minute = 0);

// The chart, or nullopt for a day that does not exist (the caller shows kDateMessage).
// The starting age and the year's hidden stems use the calendar's solar terms.
std::optional<BaziChart> computeBaziChart(int year, int month, int day, const std::string& sex, int hour);
// The same with the solar terms taken from `termOfDay` (tests replace the calendar).
std::optional<BaziChart> computeBaziChart(int year, int month, int day, const std::string& sex, int hour,
                                          const TermOfDay& termOfDay);

// The chart of a moment under `rules`; nullopt when either clock is not a real day. With the
// default rules and one clock it equals the chart of the date and hour.
std::optional<BaziChart> computeBaziChart(const ChartMoment& moment, const std::string& sex,
                                          const ChartRules& rules, const TermOfDay& termOfDay);
std::optional<BaziChart> computeBaziChart(const ChartMoment& moment, const std::string& sex,
                                          const ChartRules& rules);

// The first j in 1..32 for which the day birthSerial + step * j is a 节 day; 0 when none is.
int jieDistance(int birthSerial, int step, const TermOfDay& termOfDay);
// The starting age from the exact time in days to the 节 the luck counts towards: three
// days count as one year, rounded up, and it is at least 1.
int preciseStartAge(double days);
// Three days count as one year, rounded up; with no 节 found (distance 0) the fallback count
// takes its place, and a result of 0 becomes 10.
int startAgeOf(int distance, int termCount);

}  // namespace lumo::bazi
