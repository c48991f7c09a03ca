// The chart around the pillars: direction, starting age and its fallback, hidden stems,
// fetal origin and the great-luck lines (ten gods and 纳音 from the built Tgcode.dll).
#include <gtest/gtest.h>

#include "bazi/bazi_chart.h"
#include "bazi/birthday_text.h"
#include "bazi_fixture.h"
#include "core/stem_branch.h"

namespace lumo::bazi {
namespace {

using testing::jieOn;
using testing::noTerms;

BaziChart chartOf(int y, int m, int d, const char* sex, int hour, const TermOfDay& terms) {
  auto chart = computeBaziChart(y, m, d, sex, hour, terms);
  EXPECT_TRUE(chart.has_value());
  return chart.value_or(BaziChart{});
}

TEST(Direction, BySexAndYearStem) {
  struct Case {
    int year;
    const char* sex;
    bool backward;
  } cases[] = {{1984, "男", false}, {1985, "男", true},   {1984, "女", true},  {1985, "女", false},
               {1984, "", true},    {1984, "male", true}, {1986, "男", false}, {1993, "女", false}};
  for (const auto& c : cases) {
    BaziChart chart = chartOf(c.year, 6, 1, c.sex, 12, noTerms);
    EXPECT_EQ(chart.luckBackward, c.backward) << c.year << " " << c.sex;
    EXPECT_EQ(chart.isMale, std::string(c.sex) == "男");
  }
}

TEST(StartAge, ThreeDaysMakeOneYearRoundedUp) {
  const int birth = serialOf(1984, 6, 15);  // 甲 year: forward for a male, backward for a female
  const std::pair<int, int> cases[] = {{1, 1}, {2, 1}, {3, 1}, {4, 2}, {6, 2}, {7, 3}, {30, 10}, {32, 11}};
  for (auto [distance, age] : cases) {
    EXPECT_EQ(chartOf(1984, 6, 15, "男", 8, jieOn({birth + distance})).startAge, age) << distance;
    EXPECT_EQ(chartOf(1984, 6, 15, "女", 8, jieOn({birth - distance})).startAge, age) << -distance;
  }
  BaziChart chart = chartOf(1984, 6, 15, "男", 8, jieOn({birth + 4}));
  EXPECT_EQ(chart.startAgeText, "2");
}

TEST(StartAge, SearchesOnlyItsOwnDirectionAndOnlyJieTerms) {
  const int birth = serialOf(1984, 6, 15);
  EXPECT_EQ(chartOf(1984, 6, 15, "男", 8, jieOn({birth - 1, birth + 10})).startAge, 4);
  EXPECT_EQ(chartOf(1984, 6, 15, "女", 8, jieOn({birth - 10, birth + 1})).startAge, 4);
  // A 中气 term is no boundary of the great luck.
  auto terms = [birth](double serial) -> std::string {
    if (serial == birth + 2) return "夏至";
    if (serial == birth + 7) return "小暑";
    return {};
  };
  EXPECT_EQ(chartOf(1984, 6, 15, "男", 8, terms).startAge, 3);
}

TEST(StartAge, ABirthOnAJieDayLooksForTheNextOne) {
  const int birth = serialOf(1984, 6, 5);
  EXPECT_EQ(chartOf(1984, 6, 5, "男", 8, jieOn({birth, birth + 31})).startAge, 11);
  // With the real calendar: 1984-03-05 is 惊蛰; the next 节 is 清明 a month later.
  BaziChart real = *computeBaziChart(1984, 3, 5, "男", 8);
  EXPECT_GE(real.startAge, 10);
}

TEST(StartAge, FallsBackToTheMonthTableCount) {
  struct Case {
    int month, day, age;
  } cases[] = {{3, 5, 4}, {1, 1, 3}, {12, 31, 3}, {2, 7, 1}, {2, 4, 10}, {2, 5, 10}, {12, 7, 4}};
  for (const auto& c : cases)
    EXPECT_EQ(chartOf(1984, c.month, c.day, "男", 8, noTerms).startAge, c.age) << c.month << "-" << c.day;
  EXPECT_EQ(startAgeOf(0, 0), 10);
  EXPECT_EQ(startAgeOf(0, 9), 3);
  EXPECT_EQ(startAgeOf(3, 0), 1) << "a found distance never becomes 10";
}

TEST(GreatLuck, PillarZeroIsTheMonthPillarInBothDirections) {
  BaziChart forward = chartOf(1984, 2, 20, "男", 8, noTerms);
  BaziChart backward = chartOf(1984, 2, 20, "女", 8, noTerms);
  EXPECT_EQ(forward.monthStemChar + forward.monthBranchChar, "丙寅");
  EXPECT_EQ(forward.luckPillarsLine, "丙寅   丁卯   戊辰   己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥");
  EXPECT_EQ(backward.luckPillarsLine, "丙寅   乙丑   甲子   癸亥   壬戌   辛酉   庚申   己未   戊午   丁巳");
}

TEST(GreatLuck, NayinAndTenGodLinesKeepTheirBlanks) {
  // 1984-02-04 is a 戊辰 day in a 丙寅 month: the day master 戊 against the stems 丙 丁 戊 … 乙.
  BaziChart chart = chartOf(1984, 2, 4, "男", 8, noTerms);
  ASSERT_EQ(chart.dayMaster, "戊");
  EXPECT_EQ(chart.luckNayinLine,
            "纳音：炉中火 炉中火 大林木 大林木 路旁土 路旁土 剑锋金 剑锋金 山头火 山头火 ");
  EXPECT_EQ(chart.luckTenGodLine,
            "十神：偏印   正印   比肩   劫财   食神   伤官   偏财   正财   七杀   正官   ");
}

TEST(FetalOrigin, StemAfterAndBranchThreeAfterTheMonthPillar) {
  EXPECT_EQ(chartOf(1984, 2, 20, "男", 8, noTerms).fetalOrigin, "丁巳 ");  // 丙寅 month
  EXPECT_EQ(chartOf(1985, 1, 10, "男", 8, noTerms).fetalOrigin, "戊辰 ");  // 丁丑 month
  EXPECT_EQ(chartOf(1984, 12, 1, "男", 8, noTerms).fetalOrigin, "丙寅 ");  // 乙亥 month
}

TEST(HiddenStems, MonthDayAndHourPositions) {
  EXPECT_EQ(chartOf(1984, 1, 20, "男", 0, noTerms).hiddenMonth, "癸辛己") << "January indexes 丑";
  EXPECT_EQ(chartOf(1984, 12, 20, "男", 0, noTerms).hiddenMonth, "癸") << "December indexes 子";
  EXPECT_EQ(chartOf(1984, 6, 20, "男", 0, noTerms).hiddenMonth, "己丁");
  EXPECT_EQ(chartOf(1984, 6, 20, "男", 11, noTerms).hiddenHour, "己丁");
  EXPECT_EQ(chartOf(1984, 6, 20, "男", 23, noTerms).hiddenHour, "癸");
  EXPECT_EQ(chartOf(1984, 6, 20, "男", 0, noTerms).hiddenHour, "癸");
  EXPECT_EQ(chartOf(1984, 6, 20, "男", 22, noTerms).hiddenHour, "壬甲");
  EXPECT_EQ(chartOf(1900, 2, 20, "男", 0, noTerms).hiddenDay, "癸") << "a 子 day";
  EXPECT_EQ(chartOf(1900, 2, 21, "男", 0, noTerms).hiddenDay, "癸辛己");
  EXPECT_EQ(chartOf(1900, 2, 19, "男", 0, noTerms).hiddenDay, "壬甲") << "before the reference day";
}

// The year position reads the lunar year of the next 节 day, searched forward even when the
// great luck runs backward. Lunar 2024 (辰) starts on 2024-02-10.
TEST(HiddenStems, YearPositionTakesTheLunarYearOfTheNextJie) {
  const int birth = serialOf(2024, 1, 20);
  EXPECT_EQ(chartOf(2024, 1, 20, "男", 0, jieOn({birth + 5})).hiddenYear, "乙") << "still 卯";
  BaziChart backward = chartOf(2024, 1, 20, "男", 0, jieOn({birth - 3, birth + 22}));
  EXPECT_TRUE(backward.luckBackward);
  EXPECT_EQ(backward.startAge, 1);
  EXPECT_EQ(backward.hiddenYear, "乙戊癸") << "辰, from the forward search";
  EXPECT_EQ(chartOf(2024, 1, 20, "男", 0, noTerms).hiddenYear, "乙戊癸") << "33 days on";
}

TEST(Chart, SameInputSameChartAndItsPersonalityText) {
  BaziChart a = *computeBaziChart(1990, 5, 30, "女", 14), b = *computeBaziChart(1990, 5, 30, "女", 14);
  EXPECT_EQ(a.luckPillarsLine, b.luckPillarsLine);
  EXPECT_EQ(a.hiddenYear, b.hiddenYear);
  EXPECT_EQ(a.startAge, b.startAge);
  EXPECT_EQ(a.personalityText, birthdayText(5, 30));
  EXPECT_FALSE(a.personalityText.empty());
}

}  // namespace
}  // namespace lumo::bazi
