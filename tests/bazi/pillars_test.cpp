// Four-pillar arithmetic: the fixed month boundaries, the 4 February year change, the day
// count formula and the hour pillar.
#include "bazi/pillars.h"

#include <gtest/gtest.h>

#include "bazi/bazi_chart.h"
#include "calendar/date_serial.h"
#include "core/stem_branch.h"

namespace lumo::bazi {
namespace {

struct SlotCase {
  int month, day;
  const char* branch;
  int termCount;
};

// Both sides of every boundary of the month table, with the fallback count there.
TEST(MonthSlot, BothSidesOfEveryBoundary) {
  const SlotCase cases[] = {
      {2, 3, "丑", 9},   {2, 4, "寅", 0},  {3, 5, "寅", 10},  {3, 6, "卯", 0},  {4, 4, "卯", 9},
      {4, 5, "辰", 0},   {5, 4, "辰", 9},  {5, 5, "巳", 0},   {6, 5, "巳", 10}, {6, 6, "午", 0},
      {7, 6, "午", 10},  {7, 7, "未", 0},  {8, 7, "未", 10},  {8, 8, "申", 0},  {9, 7, "申", 9},
      {9, 8, "酉", 0},   {10, 7, "酉", 9}, {10, 8, "戌", 0},  {11, 6, "戌", 9}, {11, 7, "亥", 0},
      {12, 7, "亥", 10}, {12, 8, "子", 0}, {12, 31, "子", 7}, {1, 1, "子", 9},  {1, 5, "子", 10},
      {1, 6, "丑", 0},   {1, 31, "丑", 8},
  };
  for (const auto& c : cases) {
    MonthSlot slot = monthSlotOf(c.month, c.day);
    EXPECT_EQ(branchOfNumber(slot.branch), c.branch) << c.month << "-" << c.day;
    EXPECT_EQ(slot.termCount, c.termCount) << c.month << "-" << c.day;
  }
}

TEST(YearPillar, ChangesOnFourthFebruaryWhateverTheTrueSpringStart) {
  auto name = [](int y, int m, int d) {
    Pillar p = yearPillarOf(y, m, d);
    return pillarOfNumbers(p.stem, p.branch);
  };
  EXPECT_EQ(name(1984, 2, 4), "甲子");
  EXPECT_EQ(name(1984, 2, 3), "癸亥");
  EXPECT_EQ(name(1984, 1, 5), "癸亥") << "January belongs to the previous year";
  EXPECT_EQ(name(1984, 1, 6), "癸亥");
  EXPECT_EQ(name(1984, 12, 31), "甲子");
  EXPECT_EQ(name(2024, 2, 4), "甲辰");
  EXPECT_EQ(name(2024, 2, 3), "癸卯");
  EXPECT_EQ(name(1900, 6, 1), "庚子");
}

TEST(MonthStem, FollowsTheYearStem) {
  // A 甲 year runs 丙寅 … 甲戌, 乙亥, 丙子, 丁丑; a 乙 year starts at 戊寅, a 癸 year at 甲寅.
  const char* jia[12] = {"丙", "丁", "戊", "己", "庚", "辛", "壬", "癸", "甲", "乙", "丙", "丁"};
  for (int k = 0; k < 12; ++k) {
    int branch = wrap(3 + k, 12);
    EXPECT_EQ(stemOfNumber(monthStemOf(1, branch)), jia[k]) << branchOfNumber(branch);
  }
  EXPECT_EQ(stemOfNumber(monthStemOf(2, 3)), "戊");
  EXPECT_EQ(stemOfNumber(monthStemOf(0, 3)), "甲");
}

TEST(DayPillar, ReferenceDays) {
  auto name = [](int y, int m, int d) {
    Pillar p = dayPillarOf(y, m, d);
    return pillarOfNumbers(p.stem, p.branch);
  };
  EXPECT_EQ(name(2000, 1, 1), "戊午");
  EXPECT_EQ(name(1900, 2, 20), "甲子");
  EXPECT_EQ(name(1949, 10, 1), "甲子");
}

// The formula restarts every year; consecutive days must still step through the cycle,
// across month ends, year ends and 29 February.
TEST(DayPillar, StepsOneByOneOverTwoCenturies) {
  int previous = -1;
  for (int serial = serialOf(1900, 1, 1); serial <= serialOf(2100, 12, 31); ++serial) {
    Date d = dateOf(serial);
    Pillar p = dayPillarOf(d.year, d.month, d.day);
    int cycle = wrap(6 * p.stem - 5 * p.branch, 60);  // the pillar's place in the sixty cycle
    if (previous >= 0) {
      ASSERT_EQ(cycle, (previous + 1) % 60) << formatDate(d);
    }
    previous = cycle;
  }
}

TEST(HourPillar, BranchesOfTheClockHours) {
  const char* branches[24] = {"子", "丑", "丑", "寅", "寅", "卯", "卯", "辰", "辰", "巳", "巳", "午",
                              "午", "未", "未", "申", "申", "酉", "酉", "戌", "戌", "亥", "亥", "子"};
  for (int h = 0; h < 24; ++h) EXPECT_EQ(branchOfNumber(hourPillarOf(1, h).branch), branches[h]) << h;
  Pillar zi = hourPillarOf(1, 0), hai = hourPillarOf(1, 21);
  EXPECT_EQ(pillarOfNumbers(zi.stem, zi.branch), "甲子");
  EXPECT_EQ(pillarOfNumbers(hai.stem, hai.branch), "乙亥");
}

TEST(HourPillar, HourTwentyThreeIsTheSameDaysZiHour) {
  for (int dayStem = 0; dayStem < 10; ++dayStem) {
    Pillar late = hourPillarOf(dayStem, 23), early = hourPillarOf(dayStem, 0);
    EXPECT_EQ(late.stem, early.stem);
    EXPECT_EQ(late.branch, early.branch);
  }
  auto late = computeBaziChart(2024, 3, 1, "男", 23), early = computeBaziChart(2024, 3, 1, "男", 0);
  ASSERT_TRUE(late && early);
  EXPECT_EQ(late->dayStemChar + late->dayBranchChar, early->dayStemChar + early->dayBranchChar)
      << "the date is not advanced at 23:00";
  EXPECT_EQ(late->hourStemChar + late->hourBranchChar, early->hourStemChar + early->hourBranchChar);
}

TEST(DayValidation, LeapDaysAndShortMonths) {
  struct Case {
    int y, m, d;
    bool accepted;
  } cases[] = {{2024, 2, 29, true},   {2023, 2, 29, false}, {2000, 2, 29, true},  {1900, 2, 29, false},
               {2023, 2, 28, true},   {2023, 4, 31, false}, {2023, 6, 31, false}, {2023, 9, 31, false},
               {2023, 11, 31, false}, {2023, 12, 31, true}, {2023, 1, 31, true},  {2023, 13, 1, false},
               {2023, 1, 0, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(isAcceptedDay(c.y, c.m, c.d), c.accepted) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(computeBaziChart(c.y, c.m, c.d, "男", 0).has_value(), c.accepted);
  }
}

}  // namespace
}  // namespace lumo::bazi
