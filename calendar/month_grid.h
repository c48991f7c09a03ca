#pragma once
// The month grid of the perpetual calendar: what each of its 37 cells shows.
//
// Cells are numbered 1 to 37, seven to a row from Sunday; day k of a month whose first
// day falls on weekday w (1 = Sunday) sits in cell w + k - 1, so a month never reaches
// past cell 37. Under each day number stands one label, chosen by precedence: a lunar
// festival over a solar term, a term over a Gregorian festival, and any of them over the
// lunar month name (on the first day of a lunar month) or the lunar day name.
//
// The almanac texts exist for the Gregorian years 1901 to 2050 only; a view is always
// built for a year inside that range (a year outside it is taken to the nearest bound).

#include <string>
#include <vector>

namespace lumo::calendar {

inline constexpr int kGridCells = 37;
inline constexpr int kGridColumns = 7;
inline constexpr int kFirstGridYear = 1901;
inline constexpr int kLastGridYear = 2050;

// What a lunar label shows; each kind has its own colour.
enum class LabelKind { LunarDay, LunarMonth, Festival, SolarTerm };

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

Rgb labelColour(LabelKind kind);
inline constexpr Rgb kSelectionColour{126, 226, 129};

struct DayCell {
  int day = 0;        // 1..31
  int cell = 0;       // 1..37
  std::string label;  // the lunar label under the day number
  LabelKind kind = LabelKind::LunarDay;
};

struct MonthView {
  int year = 0;
  int month = 0;
  int selectedDay = 0;        // the day shown selected, within the month
  std::vector<DayCell> days;  // one per day of the month, in order
  std::string zodiac;         // animal of the selected date
  std::string starSign;       // almanac star sign of the selected day

  int firstCell() const { return days.empty() ? 0 : days.front().cell; }
  int lastCell() const { return days.empty() ? 0 : days.back().cell; }
  // The cell of a day of this month, 0 when the month has no such day.
  int cellOfDay(int day) const;
};

// The view of year/month with `day` selected. The year is taken into 1901..2050, the
// month into 1..12 and the day into 1..the month's length (day 31 in February selects
// the month's last day).
MonthView buildMonthView(int year, int month, int day);

// The captions that describe a selected day: its zodiac animal and its star sign.
struct DayCaptions {
  std::string zodiac;
  std::string starSign;
};
DayCaptions dayCaptions(int year, int month, int day);

// The lunar label of one day and its kind, by the precedence above.
DayCell dayCell(int year, int month, int day);

// The star sign that the calendar shows for a day. The almanac's own day bounds leave
// 23 August without a sign; the calendar shows 处女座 for it.
std::string calendarStarSign(int year, int month, int day);

// Row (0..5) and column (0..6, 0 = Sunday) of a cell 1..37.
inline int rowOfCell(int cell) {
  return (cell - 1) / kGridColumns;
}
inline int columnOfCell(int cell) {
  return (cell - 1) % kGridColumns;
}

}  // namespace lumo::calendar
