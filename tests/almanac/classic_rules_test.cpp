// Days the classic almanac judges by name, checked against what it says of each.
//
// Source: 《钦定协纪辨方书》 (1739, public domain), 卷十 «宜忌»: the notes under 月建,
// 月破, 平日, 收日, 满日, 闭日, 劫煞, 灾煞, 月煞, 月刑, 月害, 月厌 and 大时 name single days
// of single months and say whether nothing is done on them (诸事皆忌), whether the
// harm is set aside but for war and healing (止忌…求医疗病 余皆不忌), or whether good
// and harm balance (凡所忌者则不注宜 所宜者亦不注忌). Each row is one of the sixty
// days in one month, written as the classic writes it.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tools/almanac/activities.h"

namespace lumo::almanac {
namespace {

// Month branches of the classic's months: 正月 寅 … 十二月 丑.
constexpr int kMonth[13] = {-1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1};

Pillar pillarNamed(const std::string& name) {
  for (int c = 0; c < 60; ++c)
    if (pillarOfCycle(c).name() == name) return pillarOfCycle(c);
  ADD_FAILURE() << "no pillar " << name;
  return {};
}

// The day in a 丁未 year (上朔 辛巳, 岁破 丑), away from any solar term.
DayAdvice adviceOn(int month, const std::string& day) {
  const Pillar year{3, 7};
  DayContext c{year, monthPillar(year.stem, kMonth[month]), pillarNamed(day), -1};
  return adviceFor(c, spiritsOf(c));
}

bool suits(const DayAdvice& a, const char* affair) {
  return a.suits & bit(activityIndex(affair));
}
bool avoids(const DayAdvice& a, const char* affair) {
  return a.avoids & bit(activityIndex(affair));
}

struct NamedDay {
  int month;
  const char* day;
  const char* why;
};

TEST(ClassicDays, OnTheseNothingIsDone) {
  const NamedDay days[] = {
      {1, "甲戌", "阴阳大防"},
      {2, "乙酉", "阴阳大防"},
      {5, "丙午", "阴阳大防"},
      {6, "丁巳", "阴阳大防"},
      {7, "庚辰", "阴阳大防"},
      {8, "辛卯", "阴阳大防"},
      {11, "壬子", "阴阳大防"},
      {12, "癸亥", "阴阳大防"},
      {2, "己卯", "阴阳小防"},
      {3, "戊辰", "阴阳小防"},
      {4, "己巳", "阴阳小防"},
      {5, "戊午", "阴阳小防"},
      {8, "己酉", "阴阳小防"},
      {9, "戊戌", "阴阳小防"},
      {10, "己亥", "阴阳小防"},
      {11, "戊子", "阴阳小防"},
      {3, "庚辰", "阴位"},
      {9, "甲戌", "阴位"},
      {4, "癸亥", "阴阳交破"},
      {10, "丁巳", "阴阳交破"},
      {6, "癸丑", "阳破阴冲"},
      {12, "丁未", "阳破阴冲"},
      {2, "己酉", "阴道冲阳"},
      {8, "己卯", "阴道冲阳"},
      {1, "辛酉", "三阴"},
      {7, "乙卯", "三阴"},
      {4, "戊辰", "绝阴"},
      {10, "戊戌", "绝阳"},
      {1, "庚申", "四废 on the 破日"},
      {7, "甲寅", "四废 on the 破日"},
      {1, "乙丑", "月煞 on the 闭日, no virtue"},
      {1, "己丑", "月煞 on the 闭日, no virtue"},
      {7, "辛未", "月煞 on the 闭日, no virtue"},
      {3, "乙未", "月煞 on the 平日, no virtue"},
      {11, "辛卯", "月刑 on the 平日 with 天吏, no virtue"},
      {11, "癸卯", "月刑 on the 平日 with 天吏"},
      {2, "丙子", "月刑 on the 收日 with 大时, no virtue"},
      {6, "乙丑", "月刑 on the 破日, no virtue"},
      {5, "庚午", "月厌 on the 建日 without 天赦"},
      {11, "庚子", "月厌 on the 建日 without 天赦"},
      {8, "癸卯", "月厌 on the 破日 with 灾煞"},
      {8, "乙卯", "月厌 on the 破日, even with 月德合"},
      {11, "甲午", "灾煞 on the 破日, no virtue"},
      {5, "丙午", "阴阳俱错, even with 月德"},
      {11, "壬子", "阴阳俱错, even with 月德"},
      {4, "己巳", "阳错 and 阴阳小防"},
      {6, "丁巳", "阴错 and 阴阳大防"},
  };
  for (const NamedDay& d : days) {
    DayAdvice a = adviceOn(d.month, d.day);
    EXPECT_EQ(a.yi, "诸事不宜") << d.month << "月 " << d.day << " " << d.why;
    EXPECT_EQ(a.ji, "诸事不宜") << d.month << "月 " << d.day << " " << d.why;
  }
}

TEST(ClassicDays, VirtueOrPardonKeepsTheseFromBeingDaysOfNothing) {
  const NamedDay days[] = {
      {1, "丁丑", "月煞 on the 闭日 with 天德: as usual"},
      {7, "丁未", "月煞 on the 闭日 with 月德合: as usual"},
      {3, "丁未", "月煞 on the 平日 with 天德合: as usual"},
      {11, "丁卯", "月刑 on the 平日 with 月德合: as usual"},
      {2, "甲子", "月刑 on the 收日 with 月德: as usual"},
      {5, "甲午", "月厌 on the 建日 with 天赦: as usual"},
      {11, "甲子", "月厌 on the 建日 with 天赦: as usual"},
      {11, "壬午", "灾煞 on the 破日 with 月德: the 破日 rule"},
  };
  for (const NamedDay& d : days) {
    DayAdvice a = adviceOn(d.month, d.day);
    EXPECT_FALSE(a.suits == 0 && a.ji == "诸事不宜")
        << d.month << "月 " << d.day << " " << d.why << ": " << a.yi;
  }
}

TEST(ClassicDays, TheseForbidHealingAndNothingElseOfTheHarm) {
  // 止忌安抚边境选将训兵出师求医疗病 余皆不忌: the harm and the officer day it falls on
  // leave marriage, clothes and trade open.
  const NamedDay days[] = {
      {1, "己亥", "劫煞 on the 收日 with 六合 (寅申月)"},
      {7, "乙巳", "劫煞 on the 收日 with 六合 (寅申月)"},
      {10, "壬寅", "the 平日 of 亥月, 相日 with 时德 and 六合"},
      {4, "庚寅", "劫煞 on the 收日 with 月害, beside 月德 (巳亥月)"},
  };
  for (const NamedDay& d : days) {
    DayAdvice a = adviceOn(d.month, d.day);
    const std::string at = std::to_string(d.month) + "月 " + d.day + " " + d.why + " 忌 " + a.ji;
    EXPECT_TRUE(avoids(a, "求医")) << at;
    for (const char* open : {"裁衣", "交易", "纳财", "会亲友"})
      EXPECT_FALSE(avoids(a, open)) << open << " " << at;
  }
  // 大时 on the 除日 of 寅申巳亥月 forbids only war: healing is open as well.
  DayAdvice daShi = adviceOn(1, "辛卯");
  EXPECT_FALSE(avoids(daShi, "求医")) << daShi.ji;
  EXPECT_FALSE(avoids(daShi, "嫁娶")) << daShi.ji;
}

TEST(ClassicDays, OnTheseGoodAndHarmBalance) {
  // 凡所忌者则不注宜 所宜者亦不注忌: marriage is neither written as suitable nor forbidden.
  const NamedDay days[] = {
      {2, "甲申", "劫煞 on the 执日 with 月德 (子午卯酉月)"},
      {2, "壬戌", "月煞 on the 危日 with 六合, no 月德 or 天愿"},
  };
  for (const NamedDay& d : days) {
    DayAdvice a = adviceOn(d.month, d.day);
    EXPECT_FALSE(suits(a, "嫁娶")) << d.month << "月 " << d.day << " " << d.why << " 宜 " << a.yi;
    EXPECT_FALSE(avoids(a, "嫁娶")) << d.month << "月 " << d.day << " " << d.why << " 忌 " << a.ji;
  }
}

TEST(ClassicDays, OfficerDaysYieldToTheirNotes) {
  // A 建日 beside 月德 forbids only the works of earth: 丙寅 in 正月 may send the
  // betrothal gifts but not break ground; without virtue or pardon (庚寅; 戊寅 is 天赦)
  // the 建日 forbids the gifts and burial too.
  DayAdvice virtuous = adviceOn(1, "丙寅");
  EXPECT_TRUE(avoids(virtuous, "动土")) << virtuous.ji;
  EXPECT_FALSE(avoids(virtuous, "纳采")) << virtuous.ji;
  EXPECT_FALSE(avoids(virtuous, "安葬")) << "a virtuous 建日 does not forbid burial: " << virtuous.ji;
  DayAdvice bare = adviceOn(1, "庚寅");
  EXPECT_TRUE(avoids(bare, "纳采")) << bare.ji;
  EXPECT_TRUE(avoids(bare, "安葬")) << bare.ji;
  // A 满日 that is 守日 (寅申月) beside 月德 forbids nothing of its own: 正月 丙辰.
  DayAdvice full = adviceOn(1, "丙辰");
  EXPECT_FALSE(avoids(full, "订盟")) << full.ji;
  EXPECT_FALSE(avoids(full, "赴任")) << full.ji;
  // Without it (庚辰) a 满日 forbids betrothal and office as listed.
  DayAdvice bareFull = adviceOn(1, "庚辰");
  EXPECT_TRUE(avoids(bareFull, "订盟")) << bareFull.ji;
  EXPECT_TRUE(avoids(bareFull, "赴任")) << bareFull.ji;
}

TEST(ClassicDays, DeathAndDefeatSpareClothesAndGraves) {
  // 天吏 on the 危日 of 正月 without virtue (乙酉) forbids as usual: marriage and moving,
  // but not cutting clothes or burial, which its list leaves out.
  DayAdvice a = adviceOn(1, "乙酉");
  EXPECT_TRUE(avoids(a, "嫁娶")) << a.ji;
  EXPECT_TRUE(avoids(a, "移徙")) << a.ji;
  EXPECT_FALSE(avoids(a, "裁衣")) << a.ji;
  EXPECT_FALSE(avoids(a, "安葬")) << a.ji;
  // 大时 on the 收日 of 五月 without 月德合 (乙卯): the 收日 forbids as listed beside it.
  DayAdvice shou = adviceOn(5, "乙卯");
  EXPECT_TRUE(avoids(shou, "嫁娶")) << shou.ji;
  EXPECT_TRUE(avoids(shou, "安葬")) << shou.ji;
}

TEST(ClassicDays, FourDecayDaysLeaveTheSmallAffairsOpen) {
  // 四废 forbids nearly everything, yet the classic lists what it leaves open: 祭祀,
  // 入学, 沐浴, 整容剃头, 扫舍宇, 平治道涂, 破屋坏垣, 伐木 and the hunt. Only on the 破日 does it
  // make a day of nothing, and no virtue sets it aside.
  // 十月丙午: 危日 with 天吏 and 四废; 九月乙卯 and 腊月丙午: 执日 with 大时 and 四废.
  for (auto [month, day] : {std::pair{10, "丙午"}, {9, "乙卯"}, {12, "丙午"}}) {
    DayAdvice a = adviceOn(month, day);
    const std::string at = std::to_string(month) + "月 " + day + " 忌 " + a.ji;
    EXPECT_NE(a.ji, "诸事不宜") << at;
    for (const char* open : {"祭祀", "入学", "沐浴", "理发", "扫舍", "平治道涂", "拆卸", "伐木", "捕捉"})
      EXPECT_FALSE(avoids(a, open)) << open << " " << at;
    for (const char* closed : {"嫁娶", "解除", "安床", "会亲友", "塞穴", "修饰垣墙", "安葬"})
      EXPECT_TRUE(avoids(a, closed)) << closed << " " << at;
  }
  // 冬月丁巳 carries 月德合, which balances the 劫煞 beside it but not the 四废: marriage
  // stays forbidden, and the day is still not one of nothing.
  DayAdvice withVirtue = adviceOn(11, "丁巳");
  EXPECT_TRUE(avoids(withVirtue, "嫁娶")) << withVirtue.ji;
  EXPECT_TRUE(avoids(withVirtue, "纳采")) << withVirtue.ji;
  EXPECT_NE(withVirtue.ji, "诸事不宜");
  EXPECT_TRUE(suits(withVirtue, "祭祀")) << withVirtue.yi;
}

TEST(ClassicDays, TheSmallLossesYieldOnlyToTheVirtuesTheClassicNames) {
  const char* trade[] = {"开市", "立卷", "交易", "纳财"};
  auto tradeOpen = [&](int month, const char* day, const char* why) {
    DayAdvice a = adviceOn(month, day);
    for (const char* affair : trade)
      EXPECT_FALSE(avoids(a, affair))
          << month << "月 " << day << " " << why << ": " << affair << " 忌 " << a.ji;
  };
  auto tradeClosed = [&](int month, const char* day, const char* why) {
    DayAdvice a = adviceOn(month, day);
    for (const char* affair : trade)
      EXPECT_TRUE(avoids(a, affair)) << month << "月 " << day << " " << why << ": " << affair << " 忌 "
                                     << a.ji;
  };
  // 四耗 gives way to the virtues and to a 三合 day.
  tradeOpen(1, "壬子", "四耗 with 天德合");
  tradeOpen(3, "壬子", "四耗 with 天德 and 月德");
  tradeOpen(4, "乙卯", "四耗 with 月德合");
  tradeOpen(9, "戊午", "四耗 on a 三合 day");
  tradeOpen(6, "乙卯", "四耗 on a 三合 day");
  // 小耗 gives way to a virtue, but not beside 劫煞 in 子午卯酉月.
  tradeOpen(1, "辛未", "小耗 with 月德合");
  tradeClosed(2, "甲申", "小耗 and 劫煞 with 月德");
  tradeClosed(5, "辛亥", "小耗 and 劫煞 with 月德合");
  // 九空 gives way to 月德 and the two 合; in 巳亥月 it follows the 月厌 on its 满日, which
  // 天德 balances.
  tradeOpen(5, "丙辰", "九空 with 月德");
  tradeOpen(7, "戊戌", "九空 with 天德合");
  tradeOpen(4, "辛未", "九空 with 月厌 and 天德");
}

TEST(ClassicDays, WhereTheBuildersMeetOrPart) {
  // 铺注条例: on 二月甲戌, 四月丙申 … 腊月甲子 the virtues, 天赦 and 天愿 meet and nothing is
  // forbidden. On 岁薄 and 逐阵 (四月丙午, 六月戊午 …) what 月厌 forbids is not written
  // under 宜, though 四月丙午 carries 天德合.
  for (auto [month, day] :
       {std::pair{2, "甲戌"}, {4, "丙申"}, {6, "甲子"}, {7, "戊申"}, {8, "庚辰"}, {12, "甲子"}}) {
    DayAdvice a = adviceOn(month, day);
    EXPECT_EQ(a.avoids, 0u) << month << "月 " << day << " 忌 " << a.ji;
    EXPECT_EQ(a.ji, "无") << month << "月 " << day;
  }
  for (auto [month, day] : {std::pair{4, "丙午"}, {6, "戊午"}, {10, "壬子"}, {12, "戊子"}}) {
    DayAdvice a = adviceOn(month, day);
    for (const char* affair : {"嫁娶", "出行", "移徙", "修造", "纳采"})
      EXPECT_FALSE(suits(a, affair)) << month << "月 " << day << " " << affair << " 宜 " << a.yi;
  }
  // 铺注条例: 大时 on the 除日 of 巳亥月 forbids only war, but on 岁薄 it counts as defeat
  // again and forbids as usual, 天德合 or not; 四月庚午, a plain 除日 with 大时, does not.
  for (auto [month, day] : {std::pair{4, "丙午"}, {4, "戊午"}, {10, "壬子"}, {10, "戊子"}}) {
    DayAdvice a = adviceOn(month, day);
    for (const char* affair : {"嫁娶", "求医", "移徙"})
      EXPECT_TRUE(avoids(a, affair)) << month << "月 " << day << " " << affair << " 忌 " << a.ji;
  }
  DayAdvice plain = adviceOn(4, "庚午");
  EXPECT_FALSE(avoids(plain, "求医")) << plain.ji;
  EXPECT_FALSE(avoids(plain, "嫁娶")) << plain.ji;
}

TEST(ClassicDays, TheHeavenlyDogForbidsWorshipEvenBesideVirtue) {
  // 卷四: 天狗 is the 戌日 of 申月, that month's 满日; 卷十 under 满日: 申月又为天狗 忌祭祀
  // 与德合并犹忌. 七月壬戌 carries 月德, 七月戊戌 天德合: worship stays forbidden.
  for (const char* day : {"壬戌", "戊戌", "庚戌"}) {
    DayAdvice a = adviceOn(7, day);
    EXPECT_TRUE(avoids(a, "祭祀")) << "七月 " << day << " 忌 " << a.ji;
    EXPECT_FALSE(suits(a, "祭祀")) << "七月 " << day << " 宜 " << a.yi;
    // 铺注条例: 凡天狗寅日忌祭祀 不注宜求福祈嗣.
    EXPECT_FALSE(suits(a, "祈福")) << "七月 " << day << " 宜 " << a.yi;
    EXPECT_FALSE(suits(a, "求嗣")) << "七月 " << day << " 宜 " << a.yi;
  }
  // Neither the 满日 of another month (正月丙辰, 月德 and 天巫) nor the 戌日 of another month
  // (九月丙戌, 天德 and 月德) is 天狗: both suit worship.
  for (auto [month, day] : {std::pair{1, "丙辰"}, {9, "丙戌"}}) {
    DayAdvice a = adviceOn(month, day);
    EXPECT_TRUE(suits(a, "祭祀")) << month << "月 " << day << " 宜 " << a.yi;
  }
  // On a 寅日 prayers are withheld from 宜 but not forbidden: 三月壬寅 (天德 月德, 开日)
  // against 三月壬子 (天德 月德, 成日), which suits them.
  DayAdvice tiger = adviceOn(3, "壬寅");
  DayAdvice rat = adviceOn(3, "壬子");
  for (const char* prayer : {"祈福", "求嗣"}) {
    EXPECT_FALSE(suits(tiger, prayer)) << prayer << " 宜 " << tiger.yi;
    EXPECT_FALSE(avoids(tiger, prayer)) << prayer << " 忌 " << tiger.ji;
    EXPECT_TRUE(suits(rat, prayer)) << prayer << " 宜 " << rat.yi;
  }
  EXPECT_TRUE(avoids(tiger, "祭祀")) << tiger.ji;
}

TEST(ClassicDays, OnCrossedDaysVirtueCountsAsTheBuilder) {
  // 卷十 under 月厌: 阳错 余皆从建所忌 六月己未亦不从德合所宜; 阴错 余俱从厌所忌 六月己巳亦不
  // 从德合所宜; under 月建: 未月己未日为阳错不作德合论.
  // 六月己未 is a 建日 with 天德合 月德合 and 四相: the 建日 forbids burial, healing and
  // cleansing as listed, where a virtuous 建日 would forbid only the works of earth.
  DayAdvice jiWei = adviceOn(6, "己未");
  for (const char* affair : {"安葬", "求医", "解除", "理发"})
    EXPECT_TRUE(avoids(jiWei, affair)) << affair << " 忌 " << jiWei.ji;
  // 九月庚戌 is a 建日 with 月恩: kindness does not soften it, nor keep the granary
  // (开仓) from being written under 忌.
  DayAdvice gengXu = adviceOn(9, "庚戌");
  for (const char* affair : {"纳采", "安葬", "开仓"})
    EXPECT_TRUE(avoids(gengXu, affair)) << affair << " 忌 " << gengXu.ji;
  // 六月己巳 is the 开日 on 月厌 with 天德合 月德合: 月厌 forbids as usual and the 德合 is
  // not sought. 腊月乙亥, the same 开日 on 月厌 with the same two 合 but not crossed, has
  // 月厌 set aside for building, clothes and trade.
  DayAdvice jiSi = adviceOn(6, "己巳");
  DayAdvice yiHai = adviceOn(12, "乙亥");
  for (const char* affair : {"修造", "裁衣", "纳财"}) {
    EXPECT_TRUE(avoids(jiSi, affair)) << affair << " 忌 " << jiSi.ji;
    EXPECT_FALSE(suits(jiSi, affair)) << affair << " 宜 " << jiSi.yi;
    EXPECT_FALSE(avoids(yiHai, affair)) << affair << " 忌 " << yiHai.ji;
  }
}

}  // namespace
}  // namespace lumo::almanac
