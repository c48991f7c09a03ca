// 宜 and 忌 of a day: the rule table, and how the spirits combine case by case (virtue
// setting aside lesser harms, the harms that stand, 破日, 四废, 四离 and 四绝, the
// officer days that only withhold an affair, the 彭祖 taboos).
#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>
#include <string>

#include "tools/almanac/activities.h"

namespace lumo::almanac {
namespace {

// A day of the given month branch and day pillar in a 甲辰 year, away from any term.
DayContext dayIn(int monthBranch, Pillar day, int termTomorrow = -1) {
  const Pillar year{0, 4};
  return {year, monthPillar(year.stem, monthBranch), day, termTomorrow};
}

DayAdvice adviceOn(const DayContext& c) {
  return adviceFor(c, spiritsOf(c));
}

bool suitsOn(const DayAdvice& a, const char* affair) {
  return a.suits & bit(activityIndex(affair));
}
bool avoidsOn(const DayAdvice& a, const char* affair) {
  return a.avoids & bit(activityIndex(affair));
}

std::string parseError(const std::string& text) {
  try {
    parseRules(text);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return {};
}

TEST(RuleTable, ParsesGroupsAndRefusesWhatItDoesNotKnow) {
  auto rules = parseRules("# note\n@好\t天德 月德\n祭祀\t@好 开日\t寅日\n");
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].seeks, (std::vector<std::string>{"天德", "月德", "开日"}));
  EXPECT_EQ(rules[0].shuns, std::vector<std::string>{"寅日"});
  EXPECT_EQ(parseError("祭祀\t天德\t龙日\n"), "yongshi line 1: unknown mark 龙日");
  EXPECT_EQ(parseError("\n祭祀\t@好\t寅日\n"), "yongshi line 2: unknown group @好");
  EXPECT_EQ(parseError("祭祀\t天德\n"), "yongshi line 1: an affair takes its name, 宜 and 忌");
  EXPECT_EQ(activityName(0), "祭祀");
  EXPECT_EQ(activityIndex("嫁娶"), 12);
  EXPECT_EQ(activityIndex("结婚"), -1);
}

TEST(Combining, VirtueSetsAsideALesserHarm) {
  // 寅月 子日 is an 开日 with 灾煞; 丙子 also has 月德, 戊子 has no virtue.
  DayAdvice withVirtue = adviceOn(dayIn(2, {2, 0}));
  DayAdvice without = adviceOn(dayIn(2, {4, 0}));
  ASSERT_TRUE(spiritsOf(dayIn(2, {2, 0})).has(Spirit::ZaiSha));
  EXPECT_TRUE(suitsOn(withVirtue, "嫁娶")) << withVirtue.yi;
  EXPECT_TRUE(suitsOn(withVirtue, "移徙"));
  EXPECT_TRUE(avoidsOn(without, "嫁娶")) << without.ji;
  EXPECT_TRUE(avoidsOn(without, "移徙"));
}

TEST(Combining, TheMonthBuilderStandsAgainstVirtue) {
  // 寅月 丙寅: 建日 with 月德; the ground is still not to be broken.
  DayAdvice a = adviceOn(dayIn(2, {2, 2}));
  EXPECT_TRUE(avoidsOn(a, "动土")) << a.ji;
  EXPECT_TRUE(avoidsOn(a, "安葬"));
  EXPECT_TRUE(suitsOn(a, "纳采")) << a.yi;
}

TEST(Combining, PoDayAllowsOnlyDemolitionEvenWithVirtue) {
  for (Pillar day : {Pillar{2, 8}, Pillar{4, 8}}) {  // 寅月 丙申 (月德) and 戊申
    DayAdvice a = adviceOn(dayIn(2, day));
    EXPECT_EQ(a.yi, "拆卸 余事勿取") << day.name();
    EXPECT_EQ(a.ji, "诸事不宜");
    EXPECT_TRUE(a.allAvoided);
  }
}

TEST(Combining, SiFeiSuitsNothingAndWithoutVirtueAvoidsEverything) {
  DayAdvice bare = adviceOn(dayIn(4, {6, 8}));  // 辰月 庚申: 四废, a 定日, no virtue
  EXPECT_EQ(bare.yi, "诸事不宜");
  EXPECT_EQ(bare.ji, "诸事不宜");
  DayAdvice virtuous = adviceOn(dayIn(2, {7, 9}));  // 寅月 辛酉: 四废 with 月德合
  ASSERT_TRUE(spiritsOf(dayIn(2, {7, 9})).has(Spirit::YueDeHe));
  EXPECT_EQ(virtuous.yi, "诸事不宜");
  EXPECT_NE(virtuous.ji, "诸事不宜") << "遇德从忌不从宜: only what the spirits forbid";
  EXPECT_TRUE(avoidsOn(virtuous, "嫁娶"));
}

TEST(Combining, TheDaysBeforeTheEquinoxesSolsticesAndTheFourBeginningsSuitNothing) {
  for (int term : {2, 5, 8, 11, 14, 17, 20, 23}) {
    DayAdvice a = adviceOn(dayIn(3, {0, 6}, term));  // 卯月 甲午, a 定日 otherwise
    EXPECT_TRUE(a.nothingSuits) << term;
    EXPECT_EQ(a.yi, "诸事不宜");
    EXPECT_TRUE(avoidsOn(a, "嫁娶")) << term;
    EXPECT_TRUE(avoidsOn(a, "出行"));
  }
  EXPECT_FALSE(adviceOn(dayIn(3, {0, 6}, 6)).nothingSuits) << "清明 is no such term";
}

TEST(Combining, OfficerDaysWithholdWithoutForbidding) {
  // 卯月 庚寅: 闭日 with 归忌; 嫁娶 shuns both and 归忌 forbids it; 开市, shunning only
  // the 闭日, is neither suitable nor forbidden.
  DayAdvice a = adviceOn(dayIn(3, {6, 2}));
  ASSERT_EQ(spiritsOf(dayIn(3, {6, 2})).officer, Officer::Bi);
  EXPECT_TRUE(avoidsOn(a, "嫁娶")) << a.ji;
  EXPECT_FALSE(suitsOn(a, "开市"));
  EXPECT_FALSE(avoidsOn(a, "开市")) << a.ji;
}

TEST(Combining, EveryMonthAndDayKeepsTheTaboosAndNeverContradictsItself) {
  for (int m = 0; m < 12; ++m)
    for (int c = 0; c < 60; ++c) {
      DayContext ctx = dayIn(m, pillarOfCycle(c));
      DayAdvice a = adviceOn(ctx);
      ASSERT_EQ(a.suits & a.avoids, 0u) << m << " " << c;
      ASSERT_FALSE(a.yi.empty());
      ASSERT_FALSE(a.ji.empty());
      if (ctx.day.branch == 11) ASSERT_FALSE(suitsOn(a, "嫁娶"));  // 亥不嫁娶
      if (ctx.day.branch == 2) ASSERT_FALSE(suitsOn(a, "祭祀"));   // 寅不祭祀
      if (ctx.day.stem == 1) ASSERT_FALSE(suitsOn(a, "栽种"));     // 乙不栽植
      if (ctx.day.stem == 3) ASSERT_FALSE(suitsOn(a, "理发"));     // 丁不剃头
      const int n = std::popcount(a.suits);
      if (n >= 1 && n <= 2) ASSERT_NE(a.yi.find("余事勿取"), std::string::npos) << a.yi;
      if (n == 0) ASSERT_EQ(a.yi, "诸事不宜");
    }
}

}  // namespace
}  // namespace lumo::almanac
