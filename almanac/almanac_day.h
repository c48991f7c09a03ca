#pragma once
// The almanac entry of one Gregorian day, as the 黄道吉日 window and lumo-cli show it.
//
// A day is chosen as three texts (year, month, day); they are checked in that order,
// each missing one with its own notice, and then must form a real date. The entry is
// one row of table huangdao (KelBirth.dll), keyed by the date as "yyyy-MM-dd" and bound
// as a parameter. A found day gives a date line and 17 result lines: nine captions,
// each followed by its field, with an empty line between two captions.

#include <optional>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "core/report.h"
#include "data/read_failure.h"

namespace lumo::almanac {

inline constexpr const char* kNoYear = "请选择年!";
inline constexpr const char* kNoMonth = "请选择月!";
inline constexpr const char* kNoDay = "请选择日!";
inline constexpr const char* kInvalidDate = "请选择有效的日期!";
inline constexpr std::size_t kResultLineCount = 17;

// The three fields of the date choice as typed or chosen.
struct DayChoice {
  std::string year;
  std::string month;
  std::string day;
};

// A choice that passed the checks: the text as the date line shows it ("2010-01-05",
// built from the trimmed fields) and the date it names.
struct CheckedDay {
  std::string text;
  Date date;
};

// Checks the fields in the order year, month, day, then the date itself; throws
// Notice with the window's message for the first that fails.
CheckedDay checkChoice(const DayChoice& choice);

// "2010-01-05" split at its dashes into a choice; missing parts stay empty.
DayChoice choiceOfText(const std::string& text);

struct AlmanacEntry {
  std::string dateLine;             // the date text, two blanks, the lunar date text
  std::vector<std::string> result;  // the 17 lines of the result box
};

// The entry of a checked day; nullopt when the table holds no row for it. A failing
// query throws ReportedFailure with the database's message.
std::optional<AlmanacEntry> readAlmanacEntry(const CheckedDay& day);

// The result lines of one huangdao row (columns looked up by name).
std::vector<std::string> resultLines(const db::ResultSet& rows, std::size_t row);

// The whole command for lumo-cli: checks the choice, writes the date line and the 17
// result lines; a day without a row stops silently with nothing written.
void writeAlmanacDay(Report& report, const DayChoice& choice);

}  // namespace lumo::almanac
