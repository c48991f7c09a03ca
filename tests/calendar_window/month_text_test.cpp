// The month as text lines: captions, weekday names, one line per week, cell padding.
#include "calendar/month_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calendar/month_grid.h"

namespace lumo::calendar {
namespace {

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) {
    while (!field.empty() && field.back() == ' ') field.pop_back();
    out.push_back(field);
  }
  return out;
}

TEST(MonthText, DisplayWidthCountsChineseTwice) {
  EXPECT_EQ(displayWidth(""), 0);
  EXPECT_EQ(displayWidth(" 1 "), 3);
  EXPECT_EQ(displayWidth("元旦节"), 6);
  EXPECT_EQ(displayWidth("31 闰四"), 7);
}

TEST(MonthText, January2023) {
  auto lines = monthLines(buildMonthView(2023, 1, 1));
  ASSERT_EQ(lines.size(), 2u + 5u);  // 31 days from Sunday: five weeks
  EXPECT_EQ(lines[0], "2023年1月\t寅虎\t摩羯座");
  EXPECT_EQ(fields(lines[1]),
            (std::vector<std::string>{"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"}));
  EXPECT_EQ(fields(lines[2]), (std::vector<std::string>{" 1 元旦节", " 2 十一", " 3 十二", " 4 十三",
                                                        " 5 小寒", " 6 十五", " 7 十六"}));
  EXPECT_EQ(fields(lines[4])[0], "15 廿四");
  EXPECT_EQ(fields(lines[5])[6], "28 初七");
  EXPECT_EQ(fields(lines[5])[0], "22 春节");
  EXPECT_EQ(fields(lines[6]).size(), 3u) << "a short last week ends after its last day";
}

TEST(MonthText, LeadingEmptyCellsAndSixthRow) {
  auto lines = monthLines(buildMonthView(2023, 7, 1));  // Saturday start, 31 days
  ASSERT_EQ(lines.size(), 2u + 6u);
  auto first = fields(lines[2]);
  ASSERT_EQ(first.size(), 7u);
  for (int col = 0; col < 6; ++col) EXPECT_EQ(first[static_cast<std::size_t>(col)], "");
  EXPECT_EQ(first[6].substr(0, 3), " 1 ");
  auto last = fields(lines[7]);
  ASSERT_EQ(last.size(), 2u);
  EXPECT_EQ(last[0].substr(0, 2), "30");
  EXPECT_EQ(last[1].substr(0, 2), "31");
}

// Every cell but a line's last takes the same width, so the tab stops line up.
TEST(MonthText, CellsArePaddedToOneWidth) {
  auto lines = monthLines(buildMonthView(2023, 7, 1));
  for (std::size_t n = 1; n < lines.size(); ++n) {  // line 0 holds the captions
    const std::string& line = lines[n];
    std::stringstream in(line);
    std::string field;
    std::vector<std::string> raw;
    while (std::getline(in, field, '\t')) raw.push_back(field);
    for (std::size_t i = 0; i + 1 < raw.size(); ++i) EXPECT_EQ(displayWidth(raw[i]), kCellColumns) << line;
    EXPECT_NE(line.back(), ' ');
  }
}

}  // namespace
}  // namespace lumo::calendar
