#include "tools/almanac/day_lore.h"

#include <gtest/gtest.h>

#include <set>

namespace lumo::almanac {
namespace {

Pillar named(int stem, int branch) {
  return {stem, branch};
}

TEST(FetalGod, PlacesOfKnownDays) {
  EXPECT_EQ(fetalGodPlace(named(0, 0)), "占门碓外东南");   // 甲子
  EXPECT_EQ(fetalGodPlace(named(1, 1)), "碓磨厕外东南");   // 乙丑
  EXPECT_EQ(fetalGodPlace(named(2, 2)), "厨灶炉外正南");   // 丙寅
  EXPECT_EQ(fetalGodPlace(named(6, 6)), "占碓磨外正南");   // 庚午: 碓 is already in 碓磨
  EXPECT_EQ(fetalGodPlace(named(0, 10)), "门鸡栖外西南");  // 甲戌
  EXPECT_EQ(fetalGodPlace(named(5, 3)), "占大门外正西");   // 己卯
  EXPECT_EQ(fetalGodPlace(named(9, 5)), "占房床房内北");   // 癸巳, first day inside the room
  EXPECT_EQ(fetalGodPlace(named(9, 3)), "房床门房内西");   // 癸卯
  EXPECT_EQ(fetalGodPlace(named(4, 8)), "房床炉房内中");   // 戊申, last day inside
  EXPECT_EQ(fetalGodPlace(named(5, 9)), "占大门外东北");   // 己酉
  EXPECT_EQ(fetalGodPlace(named(9, 11)), "占房床外东南");  // 癸亥
}

TEST(FetalGod, EachRunStartsAndEndsOnItsDay) {
  struct Edge {
    int cycle;
    const char* place;
  };
  // The last day of one place and the first day of the next, all round the cycle.
  const Edge edges[] = {{1, "外东南"},  {2, "外正南"},  {6, "外正南"},  {7, "外西南"},  {12, "外西南"},
                        {13, "外正西"}, {17, "外正西"}, {18, "外西北"}, {23, "外西北"}, {24, "外正北"},
                        {28, "外正北"}, {29, "房内北"}, {33, "房内北"}, {34, "房内中"}, {35, "房内中"},
                        {36, "房内南"}, {38, "房内南"}, {39, "房内西"}, {40, "房内东"}, {43, "房内东"},
                        {44, "房内中"}, {45, "外东北"}, {50, "外东北"}, {51, "外正东"}, {55, "外正东"},
                        {56, "外东南"}, {59, "外东南"}};
  for (const Edge& e : edges) {
    std::string text = fetalGodPlace(pillarOfCycle(e.cycle));
    EXPECT_EQ(text.substr(text.size() - std::string(e.place).size()), e.place)
        << pillarOfCycle(e.cycle).name();
  }
}

TEST(FetalGod, EveryPlaceTakesARunOfDays) {
  // Outside: six or five days per direction; the room holds sixteen days.
  int inside = 0;
  std::set<std::string> texts;
  for (int c = 0; c < 60; ++c) {
    std::string t = fetalGodPlace(pillarOfCycle(c));
    texts.insert(t);
    if (t.find("房内") != std::string::npos) ++inside;
  }
  EXPECT_EQ(inside, 16);
  EXPECT_EQ(texts.size(), 60u);
}

TEST(Clash, TheClashedStemIsTheOneTheDayStemOvercomes) {
  EXPECT_EQ(clashText(named(0, 0)), "冲马(戊午)煞南");   // 甲子: wood overcomes earth
  EXPECT_EQ(clashText(named(3, 5)), "冲猪(辛亥)煞东");   // 丁巳: fire overcomes metal
  EXPECT_EQ(clashText(named(4, 0)), "冲马(壬午)煞南");   // 戊子
  EXPECT_EQ(clashText(named(5, 3)), "冲鸡(癸酉)煞西");   // 己卯
  EXPECT_EQ(clashText(named(2, 6)), "冲鼠(庚子)煞北");   // 丙午
  EXPECT_EQ(clashText(named(3, 9)), "冲兔(辛卯)煞东");   // 丁酉
  EXPECT_EQ(clashText(named(6, 8)), "冲虎(甲寅)煞南");   // 庚申: metal overcomes wood
  EXPECT_EQ(clashText(named(9, 11)), "冲蛇(丁巳)煞西");  // 癸亥: water overcomes fire
}

TEST(Pengzu, StemTabooThenBranchTaboo) {
  EXPECT_EQ(pengzuTaboos(named(0, 0)), "甲不开仓财物耗散 子不问卜自惹祸殃");
  EXPECT_EQ(pengzuTaboos(named(9, 11)), "癸不词讼理弱敌强 亥不嫁娶不利新郎");
}

TEST(Nayin, PairsOfDays) {
  EXPECT_EQ(nayin(named(0, 0)), "海中金");
  EXPECT_EQ(nayin(named(1, 1)), "海中金");
  EXPECT_EQ(nayin(named(0, 6)), "沙中金");   // 甲午
  EXPECT_EQ(nayin(named(9, 11)), "大海水");  // 癸亥
  std::set<std::string> names;
  for (int c = 0; c < 60; c += 2) names.insert(nayin(pillarOfCycle(c)));
  EXPECT_EQ(names.size(), 30u);
}

}  // namespace
}  // namespace lumo::almanac
