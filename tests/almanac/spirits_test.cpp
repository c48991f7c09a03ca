#include "tools/almanac/spirits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "calendar/date_serial.h"

namespace lumo::almanac {
namespace {

// A day of the given month branch, day pillar and year, away from any term.
DayContext dayIn(int monthBranch, Pillar day, Pillar year = {0, 4}) {
  return {year, monthPillar(year.stem, monthBranch), day, -1};
}

// The day pillars (of all sixty) of a month that carry a spirit.
std::vector<std::string> daysWith(Spirit s, int monthBranch) {
  std::vector<std::string> out;
  for (int c = 0; c < 60; ++c) {
    Pillar day = pillarOfCycle(c);
    if (spiritsOf(dayIn(monthBranch, day)).has(s)) out.push_back(day.name());
  }
  return out;
}

bool allOnStem(const std::vector<std::string>& days, const char* stem) {
  if (days.size() != 6) return false;
  for (const std::string& d : days)
    if (d.substr(0, 3) != stem) return false;
  return true;
}
bool allOnBranch(const std::vector<std::string>& days, const char* branch) {
  if (days.size() != 5) return false;
  for (const std::string& d : days)
    if (d.substr(3) != branch) return false;
  return true;
}

TEST(Officers, JianFallsOnTheMonthBranchAndTheCycleRunsOn) {
  EXPECT_EQ(officerOf(2, 2), Officer::Jian);  // 寅月 寅日
  EXPECT_EQ(officerOf(2, 8), Officer::Po);    // 寅月 申日
  EXPECT_EQ(officerOf(0, 11), Officer::Bi);   // 子月 亥日
  EXPECT_EQ(officerOf(9, 8), Officer::Bi);    // 酉月 申日
  std::string cycle;
  for (int b = 0; b < 12; ++b) cycle += officerName(officerOf(3, (3 + b) % 12));
  EXPECT_EQ(cycle, "建除满平定执破危成收开闭");
}

TEST(RoadSpirits, QingLongStartsWhereTheMonthSays) {
  const int qingLongBranch[12] = {8, 10, 0, 2, 4, 6, 8, 10, 0, 2, 4, 6};  // months 子 .. 亥
  for (int m = 0; m < 12; ++m) EXPECT_EQ(roadSpiritOf(m, qingLongBranch[m]), RoadSpirit::QingLong) << m;
  std::string order;
  for (int b = 0; b < 12; ++b) order += roadSpiritName(roadSpiritOf(2, b));
  EXPECT_EQ(order, "青龙明堂天刑朱雀金匮宝光白虎玉堂天牢玄武司命勾陈");
  int yellow = 0;
  for (int b = 0; b < 12; ++b) yellow += isYellowRoad(roadSpiritOf(5, b));
  EXPECT_EQ(yellow, 6);
}

TEST(RoadSpirits, AroundAJieTheOfficerRepeatsAndTheRoadStepsBack) {
  // 惊蛰 2024-03-05 opens the 卯 month; 2024-03-04 is 丁卯, 03-05 戊辰, 03-06 己巳.
  EXPECT_EQ(officerOf(2, 3), Officer::Chu);  // 03-04 in 寅月
  EXPECT_EQ(officerOf(3, 4), Officer::Chu);  // 03-05, first day of 卯月: 除 again
  EXPECT_EQ(officerOf(3, 5), Officer::Man);
  EXPECT_EQ(roadSpiritOf(2, 3), RoadSpirit::ZhuQue);
  EXPECT_EQ(roadSpiritOf(3, 4), RoadSpirit::TianXing);
  EXPECT_EQ(roadSpiritOf(3, 5), RoadSpirit::ZhuQue);
}

TEST(MonthSpirits, SeventhMonthAsTheAlmanacHeadsIt) {
  // 七月 (申): 天德 癸, 天德合 戊, 月德 壬, 月德合 丁, 月空 丙; 月破 寅, 月厌 辰, 月刑 寅,
  // 月害 亥, 劫煞 巳, 灾煞 午, 月煞 未.
  EXPECT_TRUE(allOnStem(daysWith(Spirit::TianDe, 8), "癸"));
  EXPECT_TRUE(allOnStem(daysWith(Spirit::TianDeHe, 8), "戊"));
  EXPECT_TRUE(allOnStem(daysWith(Spirit::YueDe, 8), "壬"));
  EXPECT_TRUE(allOnStem(daysWith(Spirit::YueDeHe, 8), "丁"));
  EXPECT_TRUE(allOnStem(daysWith(Spirit::YueKong, 8), "丙"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YuePo, 8), "寅"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueYan, 8), "辰"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueXing, 8), "寅"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueHai, 8), "亥"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::JieSha, 8), "巳"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::ZaiSha, 8), "午"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueSha, 8), "未"));
}

TEST(MonthSpirits, EighthMonthHasNoTianDeDay) {
  // 八月 (酉): 天德 stands in 艮, a direction; 月德 庚, 月德合 乙, 月空 甲; 月厌 卯, 月刑 酉 (self), 月害 戌.
  EXPECT_TRUE(daysWith(Spirit::TianDe, 9).empty());
  EXPECT_TRUE(daysWith(Spirit::TianDeHe, 9).empty());
  EXPECT_TRUE(allOnStem(daysWith(Spirit::YueDe, 9), "庚"));
  EXPECT_TRUE(allOnStem(daysWith(Spirit::YueDeHe, 9), "乙"));
  EXPECT_TRUE(allOnStem(daysWith(Spirit::YueKong, 9), "甲"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueYan, 9), "卯"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueXing, 9), "酉"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::YueHai, 9), "戌"));
}

TEST(MonthSpirits, SeasonalDays) {
  EXPECT_EQ(daysWith(Spirit::TianShe, 3), std::vector<std::string>{"戊寅"});          // spring
  EXPECT_EQ(daysWith(Spirit::TianShe, 6), std::vector<std::string>{"甲午"});          // summer
  EXPECT_EQ(daysWith(Spirit::TianShe, 0), std::vector<std::string>{"甲子"});          // winter
  EXPECT_EQ(daysWith(Spirit::SiFei, 9), (std::vector<std::string>{"甲寅", "乙卯"}));  // autumn
  EXPECT_EQ(daysWith(Spirit::TianEn, 5).size(), 15u);
  EXPECT_EQ(daysWith(Spirit::BaZhuan, 5).size(), 5u);
}

TEST(YearSpirits, SuiPoAndSuiDe) {
  Pillar jiaChen{0, 4};                                                   // 甲辰年
  EXPECT_TRUE(spiritsOf(dayIn(2, {4, 10}, jiaChen)).has(Spirit::SuiPo));  // 戊戌日
  EXPECT_FALSE(spiritsOf(dayIn(2, {4, 4}, jiaChen)).has(Spirit::SuiPo));
  EXPECT_TRUE(spiritsOf(dayIn(2, {0, 0}, jiaChen)).has(Spirit::SuiDe));  // 甲年 岁德 甲
  Pillar yiSi{1, 5};  // 乙巳年: 岁德 庚, 岁德合 乙
  EXPECT_TRUE(spiritsOf(dayIn(2, {6, 0}, yiSi)).has(Spirit::SuiDe));
  EXPECT_TRUE(spiritsOf(dayIn(2, {1, 1}, yiSi)).has(Spirit::SuiDeHe));
}

TEST(TermSpirits, SiLiAndSiJueComeTheDayBefore) {
  DayContext before = dayIn(3, {0, 0});
  before.termTomorrow = 5;  // 春分
  EXPECT_TRUE(spiritsOf(before).has(Spirit::SiLi));
  before.termTomorrow = 2;  // 立春
  EXPECT_TRUE(spiritsOf(before).has(Spirit::SiJue));
  before.termTomorrow = 3;  // 雨水: neither
  EXPECT_FALSE(spiritsOf(before).has(Spirit::SiLi));
  EXPECT_FALSE(spiritsOf(before).has(Spirit::SiJue));
}

TEST(MonthSpirits, TianHuoStepsBackThreeBranchesAMonth) {
  EXPECT_TRUE(spiritsOf(dayIn(2, {0, 0})).has(Spirit::TianHuo));   // 正月 子
  EXPECT_TRUE(spiritsOf(dayIn(3, {7, 9})).has(Spirit::TianHuo));   // 二月 酉
  EXPECT_TRUE(spiritsOf(dayIn(9, {9, 3})).has(Spirit::TianHuo));   // 八月 卯 (1936-09-18 癸卯)
  EXPECT_TRUE(spiritsOf(dayIn(1, {7, 3})).has(Spirit::TianHuo));   // 十二月 卯 (2001-01-28 辛卯)
  EXPECT_FALSE(spiritsOf(dayIn(1, {9, 9})).has(Spirit::TianHuo));  // 十二月 酉
}

TEST(MonthSpirits, TianCangStepsBackAndSiQiFollowsTheMonth) {
  EXPECT_TRUE(spiritsOf(dayIn(2, {0, 2})).has(Spirit::TianCang));  // 正月 寅
  EXPECT_TRUE(spiritsOf(dayIn(1, {7, 3})).has(Spirit::TianCang));  // 十二月 卯 (2001-01-28)
  EXPECT_TRUE(spiritsOf(dayIn(2, {0, 6})).has(Spirit::SiQi));      // 正月 午 (2020-02-21 甲午)
  EXPECT_FALSE(spiritsOf(dayIn(3, {0, 6})).has(Spirit::SiQi));
  for (int i = 0; i < kSpiritCount; ++i) EXPECT_NE(spiritName(static_cast<Spirit>(i)), nullptr) << i;
}

TEST(MarriageSpirits, BuJiangPairsAStemBeforeTheYanWithABranchAfterIt) {
  // 寅月, 月厌 戌: stems 丙丁己庚辛 with branches 亥子丑寅卯.
  const std::vector<std::string> first = {"丙子", "丁丑", "庚寅", "辛卯", "丁亥", "庚子", "辛丑",
                                          "己卯", "己亥", "丙寅", "丁卯", "辛亥", "己丑"};
  std::vector<std::string> got = daysWith(Spirit::BuJiang, 2);
  EXPECT_EQ(got.size(), first.size());
  for (const std::string& d : first) EXPECT_NE(std::find(got.begin(), got.end(), d), got.end()) << d;
  // 卯月, 月厌 酉: 乙 now stands before it, 辛 behind; the branches run 戌 to 寅.
  std::vector<std::string> second = daysWith(Spirit::BuJiang, 3);
  EXPECT_NE(std::find(second.begin(), second.end(), "乙丑"), second.end());
  EXPECT_NE(std::find(second.begin(), second.end(), "庚戌"), second.end());
  EXPECT_EQ(std::find(second.begin(), second.end(), "辛卯"), second.end());
  EXPECT_EQ(std::find(second.begin(), second.end(), "丙辰"), second.end()) << "厌对 is never 不将";
  // Every month: about a dozen days, never on 月厌 or 厌对 themselves.
  for (int m = 0; m < 12; ++m) {
    const std::size_t count = daysWith(Spirit::BuJiang, m).size();
    EXPECT_GE(count, 10u) << m;
    EXPECT_LE(count, 15u) << m;
    for (int c = 0; c < 60; ++c) {
      DaySpirits d = spiritsOf(dayIn(m, pillarOfCycle(c)));
      if (d.has(Spirit::YueYan) || d.has(Spirit::YanDui))
        EXPECT_FALSE(d.has(Spirit::BuJiang)) << m << " " << c;
    }
  }
}

TEST(MonthSpirits, JiuKongClashesTheStoreOfTheMonthGroup) {
  // 寅月 满日 辰, 申月 满日 戌, 子月 开日 戌, 巳月 月厌 未, 辰月 破日 戌.
  EXPECT_TRUE(spiritsOf(dayIn(2, {0, 4})).has(Spirit::JiuKong));
  EXPECT_TRUE(spiritsOf(dayIn(8, {0, 10})).has(Spirit::JiuKong));
  EXPECT_TRUE(spiritsOf(dayIn(0, {0, 10})).has(Spirit::JiuKong));
  EXPECT_TRUE(spiritsOf(dayIn(5, {1, 7})).has(Spirit::JiuKong));
  EXPECT_TRUE(spiritsOf(dayIn(4, {0, 10})).has(Spirit::JiuKong));
  EXPECT_FALSE(spiritsOf(dayIn(2, {0, 10})).has(Spirit::JiuKong));
  EXPECT_FALSE(isLucky(Spirit::JiuKong));
}

TEST(MonthSpirits, TianZeiIsTheHarvestDayOfTheYinBuilder) {
  EXPECT_TRUE(spiritsOf(dayIn(2, {1, 1})).has(Spirit::TianZei));   // 正月 丑
  EXPECT_TRUE(spiritsOf(dayIn(0, {1, 3})).has(Spirit::TianZei));   // 冬月 卯 (2024-12-17 乙卯)
  EXPECT_FALSE(spiritsOf(dayIn(2, {0, 4})).has(Spirit::TianZei));  // 正月 辰
  EXPECT_TRUE(isKeptOffDayList(Spirit::SuiPo));
  EXPECT_TRUE(isKeptOffDayList(Spirit::TuWang));
  EXPECT_FALSE(isKeptOffDayList(Spirit::YuePo));
}

TEST(MonthSpirits, OtherNamesOfOfficerDaysFallOnTheirOfficer) {
  // The classic files every month spirit counted by branches under the officer day it
  // shares: 天喜 天医 with 成, 时阳 生气 with 开, 时阴 死气 with 定, 天巫 福德 with 满,
  // 吉期 with 除, 血支 with 闭; 临日 is the 定日 of the yang months and the 成日 of the
  // yin ones.
  const std::pair<Spirit, Officer> pairs[] = {
      {Spirit::TianXi, Officer::Cheng}, {Spirit::TianYi, Officer::Cheng}, {Spirit::ShiYang, Officer::Kai},
      {Spirit::ShengQi, Officer::Kai},  {Spirit::ShiYin, Officer::Ding},  {Spirit::SiQi, Officer::Ding},
      {Spirit::TianWu, Officer::Man},   {Spirit::FuDe, Officer::Man},     {Spirit::JiQi, Officer::Chu},
      {Spirit::XueZhi, Officer::Bi},
  };
  for (int m = 0; m < 12; ++m)
    for (int b = 0; b < 12; ++b) {
      DaySpirits d = spiritsOf(dayIn(m, {b % 10, b}));
      for (auto [spirit, officer] : pairs)
        EXPECT_EQ(d.has(spirit), d.officer == officer) << spiritName(spirit) << m << b;
      const bool yangMonth = m % 2 == 0;
      EXPECT_EQ(d.has(Spirit::LinRi), d.officer == (yangMonth ? Officer::Ding : Officer::Cheng))
          << m << " " << b;
    }
  EXPECT_TRUE(isLucky(Spirit::LinRi));
  EXPECT_FALSE(isLucky(Spirit::ShangShuo));
  // The names stay in step with the list, at both ends of each half.
  EXPECT_STREQ(spiritName(Spirit::TianHou), "天后");
  EXPECT_STREQ(spiritName(Spirit::SuiPo), "岁破");
  EXPECT_STREQ(spiritName(Spirit::JiuKong), "九空");
  EXPECT_STREQ(spiritName(Spirit::DiNang), "地囊");
  EXPECT_TRUE(isLucky(Spirit::TianHou));
  EXPECT_FALSE(isLucky(Spirit::SuiPo));
}

TEST(MonthSpirits, TianGouIsTheFullDayOfShenMonthAlone) {
  // 卷四: 天狗者戌日值满也 … 非谓凡为满日皆天狗也 … 天狗为申建之戌止一位.
  for (int m = 0; m < 12; ++m) {
    const std::vector<std::string> days = daysWith(Spirit::TianGou, m);
    if (m == 8) {
      EXPECT_TRUE(allOnBranch(days, "戌")) << days.size();
      EXPECT_EQ(officerOf(8, 10), Officer::Man);
    } else {
      EXPECT_TRUE(days.empty()) << m << " " << (days.empty() ? "" : days.front());
    }
  }
  EXPECT_FALSE(isLucky(Spirit::TianGou));
  EXPECT_FALSE(isKeptOffDayList(Spirit::TianGou));
  EXPECT_STREQ(spiritName(Spirit::TianGou), "天狗");
  EXPECT_STREQ(spiritName(Spirit::TuWang), "土王");
}

TEST(MonthSpirits, CrossedDaysAsTheClassicListsThem) {
  // 卷十 under 月厌, month by month from 正月 (寅): 阳错, 阴错 and 阴阳俱错.
  const std::vector<std::string> yang[12] = {{"甲寅"}, {"乙卯"},         {"甲辰"}, {"丁巳", "己巳"},
                                             {},       {"丁未", "己未"}, {"庚申"}, {"辛酉"},
                                             {"庚戌"}, {"癸亥"},         {},       {"癸丑"}};
  const std::vector<std::string> yin[12] = {{"庚戌"}, {"辛酉"},         {"庚申"}, {"丁未", "己未"},
                                            {},       {"丁巳", "己巳"}, {"甲辰"}, {"乙卯"},
                                            {"甲寅"}, {"癸丑"},         {},       {"癸亥"}};
  auto sorted = [](std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
  };
  for (int n = 0; n < 12; ++n) {
    const int m = (n + 2) % 12;
    EXPECT_EQ(sorted(daysWith(Spirit::YangCuo, m)), sorted(yang[n])) << n + 1 << "月";
    EXPECT_EQ(sorted(daysWith(Spirit::YinCuo, m)), sorted(yin[n])) << n + 1 << "月";
    const std::vector<std::string> both = n == 4    ? std::vector<std::string>{"丙午"}
                                          : n == 10 ? std::vector<std::string>{"壬子"}
                                                    : std::vector<std::string>{};
    EXPECT_EQ(daysWith(Spirit::YinYangCuo, m), both) << n + 1 << "月";
  }
  for (Spirit s : {Spirit::YangCuo, Spirit::YinCuo, Spirit::YinYangCuo}) {
    EXPECT_FALSE(isLucky(s));
    EXPECT_FALSE(isKeptOffDayList(s));
  }
  EXPECT_STREQ(spiritName(Spirit::YinYangCuo), "阴阳俱错");
}

TEST(DaySpirits, YearAndSeasonDaysAsTheClassicCorrectsThem) {
  // 上朔: 甲年 癸亥, 乙年 己巳, 丙年 乙亥.
  EXPECT_TRUE(spiritsOf(dayIn(4, {9, 11}, {0, 4})).has(Spirit::ShangShuo));
  EXPECT_TRUE(spiritsOf(dayIn(4, {5, 5}, {1, 5})).has(Spirit::ShangShuo));
  EXPECT_TRUE(spiritsOf(dayIn(4, {1, 11}, {2, 6})).has(Spirit::ShangShuo));
  EXPECT_FALSE(spiritsOf(dayIn(4, {9, 11}, {2, 6})).has(Spirit::ShangShuo));
  // 五墓 正二月乙未, 四季月戊辰; 九坎 正月辰, 五月卯, 九月寅, each going back.
  EXPECT_EQ(daysWith(Spirit::WuMu, 2), std::vector<std::string>{"乙未"});
  EXPECT_EQ(daysWith(Spirit::WuMu, 4), std::vector<std::string>{"戊辰"});
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::JiuKan, 2), "辰"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::JiuKan, 3), "丑"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::JiuKan, 6), "卯"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::JiuKan, 10), "寅"));
  EXPECT_TRUE(allOnBranch(daysWith(Spirit::JiuKan, 1), "巳"));
  // 地囊 in 二月 is 乙未 and 癸丑 (the older lists wrote 癸未).
  EXPECT_EQ(daysWith(Spirit::DiNang, 3), (std::vector<std::string>{"乙未", "癸丑"}));
  EXPECT_EQ(daysWith(Spirit::ChuShuiLong, 7), (std::vector<std::string>{"丙子", "癸未", "癸丑"}));
}

TEST(MarriageSpirits, BuJiangMatchesTheClassicsTableForEveryMonth) {
  // 《钦定协纪辨方书》 卷四, the table of 阴阳不将 days (历例), month by month from 正月.
  const char* const table[12] = {
      "辛亥辛丑辛卯庚子庚寅己亥己丑己卯丁亥丁丑丁卯丙子丙寅",
      "庚戌庚子庚寅己亥己丑丁亥丁丑丙戌丙子丙寅乙亥乙丑",
      "己酉己亥己丑丁酉丁亥丁丑丙戌丙子乙酉乙亥乙丑甲戌甲子",
      "丁酉丁亥丙申丙戌丙子乙酉乙亥甲申甲戌甲子戊申戊戌戊子",
      "丙申丙戌乙未乙酉乙亥甲申甲戌戊申戊戌癸未癸酉癸亥",
      "乙未乙酉甲午甲申甲戌戊午戊申戊戌癸未癸酉壬午壬申壬戌",
      "乙巳乙未乙酉甲午甲申戊午戊申癸巳癸未癸酉壬午壬申",
      "甲辰甲午甲申戊辰戊午戊申癸巳癸未壬辰壬午壬申辛巳辛未",
      "戊辰戊午癸卯癸巳癸未壬辰壬午辛卯辛巳辛未庚辰庚午",
      "癸卯癸巳壬寅壬辰壬午辛卯辛巳庚寅庚辰庚午己卯己巳",
      "壬寅壬辰辛丑辛卯辛巳庚寅庚辰己丑己卯己巳丁丑丁卯丁巳",
      "辛丑辛卯庚子庚寅庚辰己丑己卯丁丑丁卯丙子丙寅丙辰",
  };
  for (int n = 0; n < 12; ++n) {
    const int monthBranch = (n + 2) % 12;
    std::vector<std::string> expected;
    for (std::string list = table[n]; !list.empty(); list.erase(0, 6)) expected.push_back(list.substr(0, 6));
    std::sort(expected.begin(), expected.end());
    std::vector<std::string> got = daysWith(Spirit::BuJiang, monthBranch);
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, expected) << "month " << n + 1;
  }
}

TEST(DaySpirits, WuLuUnlessTheEmptyLuIsFilled) {
  // 庚辰 in 卯月 of a 甲辰 year: the 禄 of 庚 (申) lies empty and nothing fills it.
  EXPECT_TRUE(spiritsOf(dayIn(3, {6, 4})).has(Spirit::WuLu));
  // After 小满 the Sun fills it.
  DayContext afterXiaoMan = dayIn(3, {6, 4});
  afterXiaoMan.zhongQi = 9;
  EXPECT_FALSE(spiritsOf(afterXiaoMan).has(Spirit::WuLu));
  // 甲辰 in 寅月: the month fills it; in 卯月 月德 (甲) stands beside it.
  EXPECT_FALSE(spiritsOf(dayIn(2, {0, 4})).has(Spirit::WuLu));
  EXPECT_FALSE(spiritsOf(dayIn(3, {0, 4})).has(Spirit::WuLu));
  // Year, month and day of one stem: 庚辰 in the 庚辰 month of a 庚戌 year.
  EXPECT_FALSE(spiritsOf(dayIn(4, {6, 4}, {6, 10})).has(Spirit::WuLu));
  EXPECT_TRUE(spiritsOf(dayIn(4, {6, 4}, {0, 4})).has(Spirit::WuLu));
  // 癸亥 stays 无禄 even beside 天德 (七月 癸).
  ASSERT_TRUE(spiritsOf(dayIn(8, {9, 11})).has(Spirit::TianDe));
  EXPECT_TRUE(spiritsOf(dayIn(8, {9, 11})).has(Spirit::WuLu));
}

TEST(BurialSpirits, MingFeiAndItsOppositeAreFixedPillars) {
  EXPECT_EQ(daysWith(Spirit::MingFei, 5).size(), 13u);
  EXPECT_EQ(daysWith(Spirit::MingFeiDui, 5).size(), 11u);
  // The classic's own lists, not the older ones it corrects: 甲午 is a 鸣吠 day, 庚寅
  // and 壬寅 are 鸣吠对, and 戊 days are never either.
  EXPECT_TRUE(spiritsOf(dayIn(5, {0, 6})).has(Spirit::MingFei));
  EXPECT_FALSE(spiritsOf(dayIn(5, {0, 6})).has(Spirit::MingFeiDui));
  EXPECT_TRUE(spiritsOf(dayIn(5, {6, 2})).has(Spirit::MingFeiDui));
  EXPECT_TRUE(spiritsOf(dayIn(5, {8, 2})).has(Spirit::MingFeiDui));
  for (std::string d : daysWith(Spirit::MingFei, 5)) EXPECT_NE(d.substr(0, 3), "戊") << d;
  EXPECT_TRUE(spiritsOf(dayIn(9, {1, 9})).has(Spirit::MingFei));     // 乙酉 (2024-09-18)
  EXPECT_TRUE(spiritsOf(dayIn(2, {2, 2})).has(Spirit::MingFeiDui));  // 丙寅
  EXPECT_FALSE(spiritsOf(dayIn(2, {2, 2})).has(Spirit::MingFei));
  EXPECT_TRUE(isLucky(Spirit::MingFeiDui));
  EXPECT_FALSE(isLucky(Spirit::SuiPo));
}

}  // namespace
}  // namespace lumo::almanac
