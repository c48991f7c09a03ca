// 宜 and 忌 of a day: the rule table, and how the spirits combine case by case (virtue
// setting aside lesser harms, the harms that stand, 破日, 四废, 四离 and 四绝, the
// officer days that only withhold an affair, the 彭祖 taboos).
#include <gtest/gtest.h>

#include <bit>
#include <stdexcept>
#include <string>

#include "tools/almanac/activities.h"
#include "tools/almanac/grading.h"

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
  EXPECT_EQ(activityIndex("嫁娶"), 13);
  EXPECT_EQ(activityIndex("结婚"), -1);
}

TEST(Combining, VirtueSetsAsideALesserHarm) {
  // 寅月 子日 is an 开日 with 灾煞; 丙子 also has 月德, 戊子 has no virtue. With virtue
  // the good wins; without it good and harm balance: neither 宜 nor 忌.
  DayAdvice withVirtue = adviceOn(dayIn(2, {2, 0}));
  DayAdvice without = adviceOn(dayIn(2, {4, 0}));
  ASSERT_TRUE(spiritsOf(dayIn(2, {2, 0})).has(Spirit::ZaiSha));
  EXPECT_TRUE(suitsOn(withVirtue, "嫁娶")) << withVirtue.yi;
  EXPECT_TRUE(suitsOn(withVirtue, "移徙"));
  EXPECT_FALSE(suitsOn(without, "移徙")) << without.yi;
  EXPECT_FALSE(avoidsOn(without, "移徙")) << without.ji;
  // 辰月 灾煞 falls on the 满日 (卯): without virtue it forbids as usual.
  DayAdvice full = adviceOn(dayIn(4, {6, 6}));  // 辰月 庚午
  ASSERT_TRUE(spiritsOf(dayIn(4, {6, 6})).has(Spirit::ZaiSha));
  EXPECT_TRUE(avoidsOn(full, "移徙")) << full.ji;
}

TEST(Grading, MonthlyHarmsWeighByTheOfficerDayTheyFallOn) {
  // 寅月 亥日: 劫煞 on the 收日 with 六合, lifted: it forbids healing alone.
  std::vector<GradedHarm> g = gradeHarms(dayIn(2, {1, 11}), spiritsOf(dayIn(2, {1, 11})));
  ASSERT_FALSE(g.empty());
  EXPECT_EQ(g[0].harm, Spirit::JieSha);
  EXPECT_EQ(g[0].grade, Grade::Lifted);
  // 寅月 丑日: 月煞 on the 闭日; ruinous without virtue, usual with 天德 (丁丑).
  DayAdvice bare = adviceOn(dayIn(2, {9, 1}));  // 癸丑
  EXPECT_TRUE(bare.allAvoided);
  EXPECT_EQ(bare.ji, "诸事不宜");
  EXPECT_FALSE(suitsOn(bare, "嫁娶"));
  for (int i = 0; i < activityCount(); ++i)
    if (bare.suits & bit(i))
      EXPECT_NE(
          std::string("祭祀 解除 沐浴 理发 扫舍 修饰垣墙 平治道涂 塞穴 拆卸 伐木").find(activityName(i)),
          std::string::npos)
          << bare.yi;
  DayAdvice virtuous = adviceOn(dayIn(2, {3, 1}));  // 丁丑
  EXPECT_FALSE(virtuous.allAvoided);
  EXPECT_TRUE(avoidsOn(virtuous, "嫁娶"));
  // 卯月 乙酉: 月厌 on the 破日 with 灾煞, ruinous even with 月德合.
  EXPECT_TRUE(adviceOn(dayIn(3, {1, 9})).allAvoided);
}

TEST(Grading, RepeatedDaysBalanceWithVirtueOrHarmony) {
  // 寅月 甲日 are 复日: 甲子 has no virtue and burial is forbidden. In 巳月 the 复日 are
  // 丙 and 壬 days, and 丙 is also 天德合 there.
  DayContext plain = dayIn(2, {0, 0});
  ASSERT_TRUE(spiritsOf(plain).has(Spirit::FuRi));
  EXPECT_TRUE(avoidsOn(adviceOn(plain), "安葬"));
  DayContext virtuous = dayIn(5, {2, 6});  // 巳月 丙午: 复日 with 天德合
  ASSERT_TRUE(spiritsOf(virtuous).has(Spirit::FuRi));
  ASSERT_TRUE(spiritsOf(virtuous).has(Spirit::TianDeHe));
  DayAdvice a = adviceOn(virtuous);
  EXPECT_FALSE(avoidsOn(a, "安葬")) << a.ji;
  EXPECT_FALSE(suitsOn(a, "安葬")) << "不忌亦不注宜";
  // 丙子 is the summer's 四忌 as well, which forbids burial whatever the virtue.
  DayContext fourTaboo = dayIn(5, {2, 0});
  ASSERT_TRUE(spiritsOf(fourTaboo).has(Spirit::SiJiTaboo));
  EXPECT_TRUE(avoidsOn(adviceOn(fourTaboo), "安葬"));
}

TEST(Grading, TheYanDaysFollowTheirMonth) {
  // 寅月 甲戌 is 阴阳大防: nothing is done (2026-03-01).
  DayAdvice fang = adviceOn(dayIn(2, {0, 10}));
  EXPECT_TRUE(fang.allAvoided);
  EXPECT_EQ(fang.ji, "诸事不宜");
  EXPECT_TRUE(avoidsOn(fang, "嫁娶"));
  // 寅月 丙戌: 月厌 on the 成日 with 月德, lifted but still barring marriage and travel.
  DayContext lifted = dayIn(2, {2, 10});
  std::vector<GradedHarm> g = gradeHarms(lifted, spiritsOf(lifted));
  ASSERT_FALSE(g.empty());
  EXPECT_EQ(g[0].grade, Grade::Lifted);
  DayAdvice a = adviceOn(lifted);
  EXPECT_TRUE(avoidsOn(a, "嫁娶")) << a.ji;
  EXPECT_TRUE(avoidsOn(a, "出行"));
  EXPECT_TRUE(suitsOn(a, "裁衣")) << a.yi;
  // 午月 午日: 月厌 on the 建日, ruinous unless 天赦 (甲午 in summer).
  EXPECT_TRUE(adviceOn(dayIn(6, {6, 6})).allAvoided);   // 庚午
  EXPECT_FALSE(adviceOn(dayIn(6, {0, 6})).allAvoided);  // 甲午, 天赦
}

TEST(Combining, TheMonthBuilderStandsAgainstVirtue) {
  // 寅月 丙寅: 建日 with 月德; the ground is still not to be broken, for building or
  // for a grave.
  DayAdvice a = adviceOn(dayIn(2, {2, 2}));
  EXPECT_TRUE(avoidsOn(a, "动土")) << a.ji;
  EXPECT_TRUE(avoidsOn(a, "破土"));
  EXPECT_TRUE(suitsOn(a, "纳采")) << a.yi;
}

TEST(Combining, PoDayForbidsAllButWhatTheClashDoesNotTouch) {
  // 月破 forbids the great affairs even beside virtue; worship, cleansing, healing and
  // pulling down are not its concern and stay in 宜 when the day seeks them.
  for (Pillar day : {Pillar{2, 8}, Pillar{4, 8}}) {  // 寅月 丙申 (月德) and 戊申
    DayAdvice a = adviceOn(dayIn(2, day));
    EXPECT_EQ(a.ji, "诸事不宜") << day.name();
    EXPECT_TRUE(a.allAvoided);
    EXPECT_TRUE(suitsOn(a, "拆卸")) << a.yi;
    EXPECT_TRUE(suitsOn(a, "求医")) << "破日 suits healing: " << a.yi;
    EXPECT_TRUE(avoidsOn(a, "嫁娶"));
    EXPECT_TRUE(avoidsOn(a, "修造"));
    EXPECT_FALSE(avoidsOn(a, "祭祀"));
  }
  // 子月 午日 is the 破日 with 灾煞: without 月德 or a 合 nothing is done (甲午); with
  // 月德 (壬午) the clash rules as usual and worship is open again.
  DayAdvice bare = adviceOn(dayIn(0, {0, 6}));
  EXPECT_EQ(bare.yi, "诸事不宜");
  EXPECT_EQ(bare.ji, "诸事不宜");
  DayAdvice virtuous = adviceOn(dayIn(0, {8, 6}));
  EXPECT_TRUE(suitsOn(virtuous, "祭祀")) << virtuous.yi;
  EXPECT_TRUE(avoidsOn(virtuous, "嫁娶"));
}

TEST(Combining, SiFeiForbidsItsAffairsVirtueOrNot) {
  DayAdvice bare = adviceOn(dayIn(4, {6, 8}));  // 辰月 庚申: 四废, a 定日, no virtue
  EXPECT_TRUE(avoidsOn(bare, "嫁娶")) << bare.ji;
  EXPECT_TRUE(avoidsOn(bare, "安葬"));
  EXPECT_FALSE(avoidsOn(bare, "祭祀")) << "四废 spares the sacrifices";
  DayAdvice virtuous = adviceOn(dayIn(0, {3, 5}));  // 子月 丁巳: 四废 with 月德合
  ASSERT_TRUE(spiritsOf(dayIn(0, {3, 5})).has(Spirit::YueDeHe));
  EXPECT_FALSE(virtuous.allAvoided);
  EXPECT_TRUE(avoidsOn(virtuous, "嫁娶")) << "与德合并犹忌";
  EXPECT_TRUE(avoidsOn(virtuous, "修造"));
}

TEST(Combining, TheDaysThatPartTheSeasonsAllowOnlyTheSmallAffairs) {
  for (int term : {2, 5, 8, 11, 14, 17, 20, 23}) {
    DayAdvice a = adviceOn(dayIn(3, {3, 7}, term));  // 卯月 丁未, a 定日 otherwise
    EXPECT_TRUE(avoidsOn(a, "嫁娶")) << term;
    EXPECT_TRUE(avoidsOn(a, "出行"));
    EXPECT_TRUE(avoidsOn(a, "修造"));
    EXPECT_FALSE(avoidsOn(a, "祭祀"));
    EXPECT_FALSE(avoidsOn(a, "沐浴"));
    for (int i = 0; i < activityCount(); ++i)
      if (a.suits & bit(i))
        EXPECT_NE(
            std::string("祭祀 解除 沐浴 理发 扫舍 修饰垣墙 平治道涂 塞穴 拆卸 伐木").find(activityName(i)),
            std::string::npos)
            << activityName(i);
  }
  EXPECT_FALSE(avoidsOn(adviceOn(dayIn(3, {3, 7}, 6)), "出行")) << "清明 is no such term";
}

TEST(Combining, TheSolsticesAndEquinoxesMarkNoGreatAffair) {
  // 寅月 丙子: 开日 with 月德, which suits marriage and trade on an ordinary day.
  DayContext plain = dayIn(2, {2, 0});
  ASSERT_TRUE(suitsOn(adviceOn(plain), "嫁娶"));
  for (int term : {5, 11, 17, 23}) {
    DayContext onTerm = plain;
    onTerm.termToday = term;
    DayAdvice a = adviceOn(onTerm);
    EXPECT_FALSE(suitsOn(a, "嫁娶")) << term;
    EXPECT_FALSE(avoidsOn(a, "嫁娶")) << "withheld, not forbidden";
    EXPECT_FALSE(suitsOn(a, "移徙"));
    EXPECT_TRUE(suitsOn(a, "祭祀")) << a.yi;
  }
  DayContext onQingMing = plain;
  onQingMing.termToday = 6;
  EXPECT_TRUE(suitsOn(adviceOn(onQingMing), "嫁娶"));
}

TEST(Combining, SomeOfficerDaysForbidAndSomeOnlyWithhold) {
  // 卯月 庚寅: a 闭日 with 归忌. The classic lists under 闭日 what it forbids (marriage,
  // trade) and 归忌 bars moving; the feast of kin is no concern of either.
  DayAdvice closed = adviceOn(dayIn(3, {6, 2}));
  ASSERT_EQ(spiritsOf(dayIn(3, {6, 2})).officer, Officer::Bi);
  EXPECT_TRUE(avoidsOn(closed, "移徙")) << closed.ji;
  EXPECT_TRUE(avoidsOn(closed, "嫁娶")) << closed.ji;
  EXPECT_TRUE(avoidsOn(closed, "开市")) << closed.ji;
  EXPECT_FALSE(avoidsOn(closed, "立卷")) << "闭日 does not forbid contracts";
  // 卯月 丁丑: a 开日 with 月恩. An opening day neither marks burial suitable nor
  // forbids it, however the day seeks it.
  DayAdvice open = adviceOn(dayIn(3, {3, 1}));
  ASSERT_EQ(spiritsOf(dayIn(3, {3, 1})).officer, Officer::Kai);
  EXPECT_FALSE(suitsOn(open, "安葬")) << open.yi;
  EXPECT_FALSE(avoidsOn(open, "安葬")) << open.ji;
  EXPECT_TRUE(suitsOn(open, "祭祀")) << open.yi;
}

TEST(Combining, AKindDayDoesNotWriteTradeUnderJi) {
  // 子月 乙亥: a 闭日 with 四相. The 闭日 forbids marriage and trade; on a day of 四相
  // trade is only kept out of 宜, while marriage stays forbidden.
  DayAdvice a = adviceOn(dayIn(0, {1, 11}));
  ASSERT_TRUE(spiritsOf(dayIn(0, {1, 11})).has(Spirit::SiXiang));
  EXPECT_FALSE(avoidsOn(a, "开市")) << a.ji;
  EXPECT_FALSE(suitsOn(a, "开市")) << a.yi;
  EXPECT_TRUE(avoidsOn(a, "嫁娶")) << a.ji;
  // The same officer day without a kindness (子月 己亥) writes trade under 忌.
  EXPECT_TRUE(avoidsOn(adviceOn(dayIn(0, {5, 11})), "开市"));
}

TEST(Combining, HarmonyOutweighsTheDaysOfParting) {
  // 辰月 乙酉: 五离 on a day in 六合 with the month (and 大时 set aside on the 执日):
  // betrothal and trade are not forbidden.
  DayContext c = dayIn(4, {1, 9});
  ASSERT_TRUE(spiritsOf(c).has(Spirit::WuLi));
  ASSERT_TRUE(spiritsOf(c).has(Spirit::LiuHe));
  DayAdvice a = adviceOn(c);
  EXPECT_FALSE(avoidsOn(a, "订盟")) << a.ji;
  EXPECT_FALSE(avoidsOn(a, "交易")) << a.ji;
}

TEST(Combining, TheLunarDaysNarrowWhatIsWritten) {
  // 寅月 丙子 suits marriage, trade and healing on an ordinary day of the lunar month.
  DayContext plain = dayIn(2, {2, 0});
  DayAdvice ordinary = adviceOn(plain);
  ASSERT_TRUE(suitsOn(ordinary, "嫁娶"));
  ASSERT_TRUE(suitsOn(ordinary, "祭祀"));
  const std::string small = "祭祀 会亲友 沐浴 理发 求医 塞穴 扫舍 修饰垣墙 平治道涂 解除 拆卸 伐木";
  for (int lunarDay : {5, 14, 23}) {
    DayContext yueJi = plain;
    yueJi.lunarDay = lunarDay;
    DayAdvice a = adviceOn(yueJi);
    EXPECT_FALSE(suitsOn(a, "嫁娶")) << lunarDay;
    EXPECT_FALSE(avoidsOn(a, "嫁娶")) << "月忌 withholds, it does not forbid";
    EXPECT_TRUE(suitsOn(a, "祭祀"));
    for (int i = 0; i < activityCount(); ++i)
      if (a.suits & bit(i)) EXPECT_NE(small.find(activityName(i)), std::string::npos) << activityName(i);
  }
  DayContext last = plain;
  last.lunarDay = 30;
  last.lunarLastDay = true;
  DayAdvice hui = adviceOn(last);
  EXPECT_FALSE(suitsOn(hui, "嫁娶"));
  EXPECT_FALSE(avoidsOn(hui, "嫁娶"));
  EXPECT_TRUE(suitsOn(hui, "祭祀"));
  // A 无禄 day marks only the small affairs and forbids nothing more for it: 卯月 庚辰.
  DayAdvice wuLu = adviceOn(dayIn(3, {6, 4}));
  ASSERT_TRUE(spiritsOf(dayIn(3, {6, 4})).has(Spirit::WuLu));
  for (int i = 0; i < activityCount(); ++i)
    if (wuLu.suits & bit(i)) EXPECT_NE(small.find(activityName(i)), std::string::npos) << activityName(i);
  for (int lunarDay : {1, 15}) {
    DayContext shuoWang = plain;
    shuoWang.lunarDay = lunarDay;
    DayAdvice a = adviceOn(shuoWang);
    EXPECT_TRUE(avoidsOn(a, "求医")) << lunarDay;
    EXPECT_TRUE(suitsOn(a, "嫁娶")) << lunarDay;
  }
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
