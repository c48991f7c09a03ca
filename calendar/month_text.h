#pragma once
// A month of the perpetual calendar as plain text lines, the way lumo-cli prints it:
//
//   line 1   the captions: "2023年1月", the zodiac animal and the star sign of the
//            selected day, separated by tabs;
//   line 2   the weekday names, Sunday first;
//   then     one line per week row that holds a day of the month.
//
// Every weekday name and every cell (the day number right-aligned in two columns, a
// blank, the lunar label) is padded to kCellColumns display columns (a Chinese
// character counts two) and the cells of a line are joined by tabs, so the columns
// line up at the terminal's tab stops and a script can split the line at its tabs.

#include <string>
#include <vector>

#include "calendar/month_grid.h"

namespace lumo::calendar {

inline constexpr int kCellColumns = 9;

// Display width of UTF-8 text: one column for ASCII, two for any other character.
int displayWidth(const std::string& text);

std::vector<std::string> monthLines(const MonthView& view);

}  // namespace lumo::calendar
