// The month grid: cell placement, the lunar label and its precedence, the captions.
#include "calendar/month_grid.h"

#include <gtest/gtest.h>

#include "calendar/date_serial.h"

namespace lumo::calendar {
namespace {

TEST(MonthGrid, MonthStartingOnSaturdayWith31DaysFillsCells7To37) {
  ASSERT_EQ(dayOfWeek(serialOf(2023, 7, 1)), 7);
  MonthView view = buildMonthView(2023, 7, 1);
  ASSERT_EQ(view.days.size(), 31u);
  EXPECT_EQ(view.firstCell(), 7);
  EXPECT_EQ(view.lastCell(), 37);
  EXPECT_EQ(rowOfCell(37), 5);
  EXPECT_EQ(columnOfCell(37), 1);
  for (const DayCell& cell : view.days) EXPECT_EQ(cell.cell, cell.day + 6);
}

TEST(MonthGrid, MonthStartingOnSundayStartsAtCell1) {
  MonthView view = buildMonthView(2015, 2, 1);  // 1 February 2015 was a Sunday; 28 days
  EXPECT_EQ(view.firstCell(), 1);
  EXPECT_EQ(view.lastCell(), 28);
  EXPECT_EQ(view.cellOfDay(29), 0);
  EXPECT_EQ(view.cellOfDay(0), 0);
}

TEST(MonthGrid, DayBeyondTheMonthSelectsItsLastDay) {
  struct Case {
    int year, month, day, selected, length;
  };
  const Case cases[] = {{2024, 2, 31, 29, 29},
                        {2023, 2, 31, 28, 28},
                        {2000, 2, 30, 29, 29},
                        {2023, 4, 31, 30, 30},
                        {2023, 1, 0, 1, 31}};
  for (const Case& c : cases) {
    MonthView view = buildMonthView(c.year, c.month, c.day);
    EXPECT_EQ(view.selectedDay, c.selected) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(static_cast<int>(view.days.size()), c.length) << c.year << "-" << c.month;
  }
}

TEST(MonthGrid, YearsOutsideTheCalendarAreTakenToTheNearestBound) {
  EXPECT_EQ(buildMonthView(1900, 5, 1).year, 1901);
  EXPECT_EQ(buildMonthView(2060, 5, 1).year, 2050);
  EXPECT_EQ(buildMonthView(2023, 13, 1).month, 12);
  EXPECT_EQ(buildMonthView(2023, 0, 1).month, 1);
  MonthView last = buildMonthView(2050, 12, 31);
  EXPECT_EQ(last.days.back().label.empty(), false);
}

struct LabelCase {
  int year, month, day;
  const char* label;
  LabelKind kind;
};

TEST(MonthGrid, January2023Labels) {
  MonthView view = buildMonthView(2023, 1, 1);
  const LabelCase cases[] = {
      {2023, 1, 1, "元旦节", LabelKind::Festival}, {2023, 1, 5, "小寒", LabelKind::SolarTerm},
      {2023, 1, 20, "大寒", LabelKind::SolarTerm}, {2023, 1, 21, "除夕", LabelKind::Festival},
      {2023, 1, 22, "春节", LabelKind::Festival},  {2023, 1, 23, "初二", LabelKind::LunarDay},
      {2023, 1, 2, "十一", LabelKind::LunarDay},
  };
  for (const LabelCase& c : cases) {
    const DayCell& cell = view.days[static_cast<std::size_t>(c.day - 1)];
    EXPECT_EQ(cell.label, c.label) << "day " << c.day;
    EXPECT_EQ(cell.kind, c.kind) << "day " << c.day;
  }
  EXPECT_EQ(view.zodiac, "寅虎");
  EXPECT_EQ(view.starSign, "摩羯座");
  EXPECT_EQ(view.firstCell(), 1);  // 1 January 2023 was a Sunday
}

// Each pair of rules meeting on one day, and the one that wins.
TEST(MonthGrid, PrecedenceOfTheLunarLabel) {
  const LabelCase cases[] = {
      {2000, 2, 4, "除夕", LabelKind::Festival},     // lunar festival over solar term 立春
      {2002, 1, 20, "腊八节", LabelKind::Festival},  // lunar festival over 大寒
      {2001, 10, 1, "中秋节", LabelKind::Festival},  // lunar over Gregorian festival 国庆节
      {2001, 11, 22, "小雪", LabelKind::SolarTerm},  // solar term over 感恩节
      {2003, 11, 8, "立冬", LabelKind::SolarTerm},   // solar term over 记者日
      {2000, 5, 4, "青年节", LabelKind::Festival},   // Gregorian festival over the month name 四月
      {2002, 5, 12, "母亲节", LabelKind::Festival},  // second Sunday of May, over 四月
      {2023, 2, 20, "二月", LabelKind::LunarMonth},  // first day of a lunar month
      {2023, 3, 22, "闰二", LabelKind::LunarMonth},  // first day of a leap month
      {2020, 5, 23, "闰四", LabelKind::LunarMonth}, {2023, 9, 29, "中秋节", LabelKind::Festival},
  };
  for (const LabelCase& c : cases) {
    DayCell cell = dayCell(c.year, c.month, c.day);
    EXPECT_EQ(cell.label, c.label) << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(cell.kind, c.kind) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(MonthGrid, LabelColours) {
  EXPECT_EQ(labelColour(LabelKind::LunarDay), (Rgb{0, 64, 0}));
  EXPECT_EQ(labelColour(LabelKind::LunarMonth), (Rgb{255, 0, 0}));
  EXPECT_EQ(labelColour(LabelKind::Festival), (Rgb{255, 128, 0}));
  EXPECT_EQ(labelColour(LabelKind::SolarTerm), (Rgb{83, 83, 255}));
  EXPECT_EQ(kSelectionColour, (Rgb{126, 226, 129}));
}

TEST(MonthGrid, StarSignOfTheSelectedDay) {
  struct Case {
    int month, day;
    const char* sign;
  };
  const Case cases[] = {{8, 22, "狮子座"},  {8, 23, "处女座"},  {8, 24, "处女座"}, {4, 20, "金牛座"},
                        {10, 23, "天秤座"}, {12, 22, "摩羯座"}, {1, 19, "摩羯座"}, {1, 20, "水瓶座"}};
  for (const Case& c : cases) {
    EXPECT_EQ(calendarStarSign(2023, c.month, c.day), c.sign) << c.month << "-" << c.day;
    EXPECT_EQ(buildMonthView(2023, c.month, c.day).starSign, c.sign) << c.month << "-" << c.day;
  }
}

TEST(MonthGrid, ZodiacFollowsTheSelectedDate) {
  EXPECT_EQ(buildMonthView(2023, 1, 21).zodiac, "寅虎");
  EXPECT_EQ(buildMonthView(2023, 1, 22).zodiac, "卯兔");
  EXPECT_EQ(dayCaptions(2023, 12, 31).zodiac, "卯兔");
  EXPECT_EQ(dayCaptions(2023, 8, 23).starSign, "处女座");
}

// Every month of the calendar fits the grid and labels every day.
TEST(MonthGrid, EveryMonthFitsTheGrid) {
  for (int year = kFirstGridYear; year <= kLastGridYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      MonthView view = buildMonthView(year, month, 1);
      ASSERT_GE(view.firstCell(), 1);
      ASSERT_LE(view.lastCell(), kGridCells) << year << "-" << month;
      for (const DayCell& cell : view.days) ASSERT_FALSE(cell.label.empty()) << year << "-" << month;
    }
  }
}

}  // namespace
}  // namespace lumo::calendar
