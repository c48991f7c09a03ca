#include "calendar/month_text.h"

#include <cstdio>

namespace lumo::calendar {
namespace {

std::string padded(std::string text) {
  int width = displayWidth(text);
  if (width < kCellColumns) text.append(static_cast<std::size_t>(kCellColumns - width), ' ');
  return text;
}

std::string cellText(const DayCell& cell) {
  char number[8];
  std::snprintf(number, sizeof number, "%2d ", cell.day);
  return padded(number + cell.label);
}

// The cells joined by tabs; the line ends with its last filled cell.
std::string joined(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += cells[i];
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
}

}  // namespace

int displayWidth(const std::string& text) {
  int width = 0;
  for (unsigned char c : text) {
    if (c < 0x80)
      width += 1;
    else if (c >= 0xC0)
      width += 2;  // a lead byte; continuation bytes add nothing
  }
  return width;
}

std::vector<std::string> monthLines(const MonthView& view) {
  std::vector<std::string> lines;
  lines.push_back(std::to_string(view.year) + "年" + std::to_string(view.month) + "月\t" + view.zodiac +
                  '\t' + view.starSign);
  static const char* const kWeekdays[kGridColumns] = {"星期日", "星期一", "星期二", "星期三",
                                                      "星期四", "星期五", "星期六"};
  std::vector<std::string> header;
  for (const char* name : kWeekdays) header.push_back(padded(name));
  lines.push_back(joined(header));
  if (view.days.empty()) return lines;
  const int rows = rowOfCell(view.lastCell()) + 1;
  std::vector<std::vector<std::string>> grid(static_cast<std::size_t>(rows),
                                             std::vector<std::string>(kGridColumns, padded("")));
  for (const DayCell& cell : view.days)
    grid[static_cast<std::size_t>(rowOfCell(cell.cell))][static_cast<std::size_t>(columnOfCell(cell.cell))] =
        cellText(cell);
  for (const auto& row : grid) lines.push_back(joined(row));
  return lines;
}

}  // namespace lumo::calendar
