#pragma once
// The subject of a reading: what the input panel holds, and the record that an analysis
// command fills from it (the texts as typed, lunar text, zodiac animal, star sign, and the
// birth moment that the readings compute with).

#include <optional>
#include <string>

#include "core/birth_moment.h"

namespace lumo {

// The input panel's texts as typed (drop-downs are read by their text).
struct PanelInput {
  std::string surname, given, sex = "男";
  int calendarIndex = 0;  // 0 公历, 1 农历
  std::string year = "1980", month = "1", day = "1", hour = "子 0", minute = "0";
};

struct Subject {
  std::string surname, given;
  std::string yearText, monthText, dayText, hourText;
  std::string gregorianDate;  // "y-m-d" as typed, or "yyyy-MM-dd" after a lunar input
  std::string lunarText;      // e.g. 己未(羊年)十一月十四
  std::string zodiac;         // e.g. 羊
  std::string starSign;
  std::string minuteText;       // the minute as typed, trimmed
  std::string lunarYearNumber;  // set by the BaZi command only
  // The moment of the last capture that passed; texts above may be newer after a refusal.
  std::optional<BirthMoment> moment;
};

// Checks the panel in the fixed order and fills `record` field by field. A failing check
// throws Notice with its text: besides the empty fields, an hour item whose branch is
// not that of its clock hour, a minute outside 0 to 59, a lunar date outside the years
// 1901 to 2099 or beyond its month's length, and a Gregorian date that does not exist or
// lies outside 1900-01-31 to 2100-12-31 (what the lunar table covers). A field that is
// not a number throws ReportedFailure. Either way the fields assigned before the
// failure stay in `record`, and nothing is computed from the refused input: the moment of
// an earlier capture stays as it was. Returns the moment it stored.
BirthMoment captureSubject(const PanelInput& input, Subject& record, bool requireGivenName);

// The clock hour of an hour item such as "子 0" or "亥 22": the text after the blank.
std::string hourNumberText(const std::string& hourItem);

// The 24 hour items "子 0" .. "子 23".
extern const char* const kHourItems[24];

}  // namespace lumo
