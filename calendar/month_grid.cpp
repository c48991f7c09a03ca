#include "calendar/month_grid.h"

#include <algorithm>
#include <utility>

#include "calendar/date_serial.h"
#include "calendar/hx_calendar.h"
#include "data/gbk.h"

namespace lumo::calendar {

Rgb labelColour(LabelKind kind) {
  switch (kind) {
    case LabelKind::LunarMonth:
      return {255, 0, 0};
    case LabelKind::Festival:
      return {255, 128, 0};
    case LabelKind::SolarTerm:
      return {83, 83, 255};
    case LabelKind::LunarDay:
      break;
  }
  return {0, 64, 0};
}

int MonthView::cellOfDay(int day) const {
  if (day < 1 || day > static_cast<int>(days.size())) return 0;
  return days[static_cast<std::size_t>(day - 1)].cell;
}

DayCell dayCell(int year, int month, int day) {
  const int serial = serialOf(year, month, day);
  const int monthDate = serialOf(year, month, 1);
  DayCell cell;
  cell.day = day;
  cell.cell = dayOfWeek(monthDate) + day - 1;
  cell.label = AlmanacDayName(serial);
  if (cell.label == "初一") {
    cell.label = AlmanacMonthName(serial);
    cell.kind = LabelKind::LunarMonth;
  }
  // Later rules overwrite earlier ones, which gives the precedence of the header.
  if (std::string festival = GregorianFestival(day, monthDate); gbk::byteLength(festival) > 3) {
    cell.label = festival;
    cell.kind = LabelKind::Festival;
  }
  if (std::string term = SolarTermName(serial); !term.empty()) {
    cell.label = term;
    cell.kind = LabelKind::SolarTerm;
  }
  if (std::string festival = LunarFestival(serial); !festival.empty()) {
    cell.label = festival;
    cell.kind = LabelKind::Festival;
  }
  return cell;
}

std::string calendarStarSign(int year, int month, int day) {
  if (month == 8 && day == 23) return "处女座";
  return StarSignOfDay(day, serialOf(year, month, 1));
}

DayCaptions dayCaptions(int year, int month, int day) {
  return {ZodiacOfDate(serialOf(year, month, day)), calendarStarSign(year, month, day)};
}

MonthView buildMonthView(int year, int month, int day) {
  MonthView view;
  view.year = std::clamp(year, kFirstGridYear, kLastGridYear);
  view.month = std::clamp(month, 1, 12);
  const int length = daysInMonth(view.year, view.month);
  view.selectedDay = std::clamp(day, 1, length);
  view.days.reserve(static_cast<std::size_t>(length));
  for (int k = 1; k <= length; ++k) view.days.push_back(dayCell(view.year, view.month, k));
  DayCaptions captions = dayCaptions(view.year, view.month, view.selectedDay);
  view.zodiac = std::move(captions.zodiac);
  view.starSign = std::move(captions.starSign);
  return view;
}

}  // namespace lumo::calendar
