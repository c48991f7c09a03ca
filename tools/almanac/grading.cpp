// The grades of the harms (rules in grading.h), after 《钦定协纪辨方书》 卷十 «宜忌等第»
// (1739, public domain). Each harm falls on a fixed officer day in each month group, so
// a rule names the month branches and the virtues that raise it. Branches: 子0 丑1 寅2
// 卯3 辰4 巳5 午6 未7 申8 酉9 戌10 亥11.
//
//   劫煞 寅申月 (收日, 六合) lifted; 巳亥月 lifted with 月德 or 天德合; 辰戌丑未月 (除日)
//        lifted with a virtue, else balanced; 子午卯酉月 (执日) balanced with 月德 or
//        月德合, else usual.
//   灾煞 寅申巳亥月 (开日) lifted with a virtue, else balanced; 辰戌丑未月 (满日) lifted
//        with a virtue, else usual; on the 破日 of 子午月 usual with 月德 天德合 or
//        月德合, else ruinous; on the 破日 of 卯酉月 (also 月厌) ruinous.
//   月煞 卯酉月 (危日, 六合) lifted with 月德 or 天愿, else balanced; 子午月 (月害)
//        balanced with 月德合, else usual; on the 闭日 of 寅申巳亥月 and the 平日 of
//        辰戌丑未月 usual with a virtue, else ruinous.
//   月刑 巳月 (平日) lifted with 月德 天德合 or 天愿, else balanced; 寅月 (平日), 辰酉亥月
//        (建日), 丑戌月 (收日) balanced with a virtue, else usual; 子月 (平日), 卯月
//        (收日), 未申月 (破日) usual with a virtue, else ruinous; in 午月 月厌 governs.
//   月害 卯酉月 (除日), 丑未月 (执日) lifted with 天德 or 月德, else usual; 辰戌月 (闭日)
//        balanced with 天德合 or 月德合, else usual; 申月 (平日) lifted with a virtue, else
//        usual; in 子午月 (月煞), 巳亥月 (劫煞) and 寅月 (月刑) the heavier harm decides.
//   月厌 寅申月 (成日), 丑未月 (开日) lifted with 月德 天德合 or 月德合 (still forbidding
//        travel, office, marriage, moving, healing and planting), else usual; 辰戌月
//        (定日), 巳亥月 (满日) balanced with a virtue, else usual; 子午月 (建日) usual
//        with 天赦, else ruinous; 卯酉月 (破日) ruinous.
// Apart from the graded harms, the classic names single days of each month on which
// nothing is done whatever the virtue (阴阳大防 小防 阴位 交破 击冲 阳破阴冲 阴道冲阳
// 三阴 绝阴 绝阳, under 月厌). 阴阳俱错 (五月丙午 十一月壬子) are the 大会 of their months.
// On 阳错 and 阴错 a virtue counts for nothing (activities.cpp), so 月厌 and the 建日
// forbid as usual there.
//   大时 寅申巳亥月 (除日), 辰戌月 (执日, 六合) lifted; 丑未月 (执日) lifted with 天德 or
//        月德, else usual; 子午月 (收日) balanced with 月德合, 酉月 with 月德, else usual.
//   天吏 寅申巳亥月 (危日) lifted with a virtue, else usual; 辰戌丑未月 (闭日) balanced
//        with a virtue, 天赦 or 天愿, else usual; 子午卯酉月 (平日) balanced in 卯酉月 with
//        月德 and in 午月 with 月德合, else usual.
//   大时 天吏 as usual at least beside 四废 and on 岁薄 逐阵 (铺注条例).
//   死气 lifted with a virtue, except in 辰戌月 where it meets 月厌; else usual.
//   复日 重日 balanced with a virtue, 天赦 or 六合 (不忌亦不注宜); else usual.
// "A virtue" is one of 天德 月德 天德合 月德合.

#include "tools/almanac/grading.h"

#include <algorithm>
#include <initializer_list>

namespace lumo::almanac {
namespace {

bool monthIn(int m, std::initializer_list<int> branches) {
  return std::find(branches.begin(), branches.end(), m) != branches.end();
}

// The days on which nothing is done whatever the virtue, by month number (0 寅) as
// cycle indices (0 甲子), -1 none. The classic derives them from the meeting, parting
// and clashing of the yang builder (月建) and the yin builder (月厌).
constexpr int kNothingDays[][12] = {
    {10, 21, -1, -1, 42, 53, 16, 27, -1, -1, 48, 59},  // 阴阳大防
    {-1, 15, 4, 5, 54, -1, -1, 45, 34, 35, 24, -1},    // 阴阳小防
    {-1, -1, 16, -1, -1, -1, -1, -1, 10, -1, -1, -1},  // 阴位 三月庚辰 九月甲戌
    {-1, -1, -1, 59, -1, -1, -1, -1, -1, 53, -1, -1},  // 阴阳交破 四月癸亥 十月丁巳
    {-1, -1, -1, -1, 48, -1, -1, -1, -1, -1, 42, -1},  // 阴阳击冲 五月壬子 冬月丙午
    {-1, -1, -1, -1, -1, 49, -1, -1, -1, -1, -1, 43},  // 阳破阴冲 六月癸丑 腊月丁未
    {-1, 45, -1, -1, -1, -1, -1, 15, -1, -1, -1, -1},  // 阴道冲阳 二月己酉 八月己卯
    {57, -1, -1, -1, -1, -1, 51, -1, -1, -1, -1, -1},  // 三阴 正月辛酉 七月乙卯
    {-1, -1, -1, 4, -1, -1, -1, -1, -1, 34, -1, -1},   // 绝阴 四月戊辰, 绝阳 十月戊戌
};

}  // namespace

bool governsOfficerDays(Spirit s) {
  switch (s) {
    case Spirit::JieSha:
    case Spirit::ZaiSha:
    case Spirit::YueSha:
    case Spirit::YueXing:
    case Spirit::YueHai:
    case Spirit::YueYan:
    case Spirit::DaShi:
    case Spirit::TianLi:
      return true;
    default:
      return false;
  }
}

OfficerRule officerRuleFor(const DayContext& c, const DaySpirits& d) {
  const Officer o = d.officer;
  if (o != Officer::Jian && o != Officer::Man && o != Officer::Ping && o != Officer::Shou && o != Officer::Bi)
    return OfficerRule::AsListed;
  for (Spirit s : d.spirits)
    if (governsOfficerDays(s)) return OfficerRule::Governed;
  const int m = c.month.branch;
  const bool virtue =
      d.has(Spirit::TianDe) || d.has(Spirit::YueDe) || d.has(Spirit::TianDeHe) || d.has(Spirit::YueDeHe);
  const bool kindness = d.has(Spirit::YueEn) || d.has(Spirit::SiXiang);
  switch (o) {
    case Officer::Jian:
      // 阳错 follows what the 建日 forbids (余皆从建所忌), whatever kindness is beside it.
      if (d.has(Spirit::YangCuo)) break;
      if (virtue || d.has(Spirit::TianShe) || kindness) return OfficerRule::BuildsOnlyEarth;
      break;
    case Officer::Man:
      if (monthIn(m, {2, 8, 0, 3, 6, 9}) &&
          (d.has(Spirit::YueDe) || d.has(Spirit::TianDeHe) || d.has(Spirit::YueDeHe) || kindness))
        return OfficerRule::NotAtAll;
      break;
    case Officer::Ping:
      if (m == 11) return OfficerRule::Healing;
      break;
    case Officer::Shou:
      if (monthIn(m, {4, 7}) && virtue) return OfficerRule::Healing;
      break;
    default:  // 闭日
      if (monthIn(m, {0, 3, 6, 9}) && (virtue || d.has(Spirit::TianShe) || d.has(Spirit::TianYuan)))
        return OfficerRule::Balanced;
      break;
  }
  return OfficerRule::AsListed;
}

bool followsTheYinBuilder(const DayContext& c) {
  // 岁薄 四月 丙午 戊午, 十月 壬子 戊子; 逐阵 六月 戊午 丙午, 腊月 壬子 戊子.
  const int n = c.monthNumber(), cycle = c.day.cycle();
  if (n == 3 || n == 5) return cycle == 42 || cycle == 54;
  if (n == 9 || n == 11) return cycle == 48 || cycle == 24;
  return false;
}

bool forbidsNothing(const DayContext& c) {
  // 二月甲戌 四月丙申 六月甲子 七月戊申 八月庚辰 九月辛卯 十月甲子 腊月甲子, by month number.
  constexpr int kOpen[12] = {-1, 10, -1, 32, -1, 0, 44, 16, 27, 0, -1, 0};
  return kOpen[c.monthNumber()] == c.day.cycle();
}

bool isDayOfNothing(const DayContext& c) {
  for (const auto& days : kNothingDays)
    if (days[c.monthNumber()] == c.day.cycle()) return true;
  return false;
}

bool isGraded(Spirit s) {
  return governsOfficerDays(s) || s == Spirit::SiQi || s == Spirit::FuRi || s == Spirit::ChongRi;
}

std::vector<GradedHarm> gradeHarms(const DayContext& c, const DaySpirits& d) {
  const int m = c.month.branch;
  const bool tianDe = d.has(Spirit::TianDe), yueDe = d.has(Spirit::YueDe);
  const bool tianDeHe = d.has(Spirit::TianDeHe), yueDeHe = d.has(Spirit::YueDeHe);
  const bool virtue = tianDe || yueDe || tianDeHe || yueDeHe;
  const bool tianYuan = d.has(Spirit::TianYuan), tianShe = d.has(Spirit::TianShe);
  const bool meng = monthIn(m, {2, 5, 8, 11}), zhong = monthIn(m, {0, 3, 6, 9});
  auto pick = [](bool raised, Grade high, Grade low) { return raised ? high : low; };

  std::vector<GradedHarm> out;
  auto add = [&](Spirit s, Grade g, std::vector<const char*> still = {"求医", "针灸"}) {
    if (d.has(s)) out.push_back({s, g, std::move(still)});
  };

  if (monthIn(m, {2, 8}))
    add(Spirit::JieSha, Grade::Lifted);
  else if (monthIn(m, {5, 11}))
    add(Spirit::JieSha, pick(yueDe || tianDeHe, Grade::Lifted, Grade::Usual));
  else if (zhong)
    add(Spirit::JieSha, pick(yueDe || yueDeHe, Grade::Balanced, Grade::Usual));
  else
    add(Spirit::JieSha, pick(virtue, Grade::Lifted, Grade::Balanced));

  if (meng)
    add(Spirit::ZaiSha, pick(virtue, Grade::Lifted, Grade::Balanced));
  else if (!zhong)
    add(Spirit::ZaiSha, pick(virtue, Grade::Lifted, Grade::Usual));
  else if (monthIn(m, {0, 6}))  // on the 破日: with 月德 天德合 or 月德合 as usual, else nothing
    add(Spirit::ZaiSha, pick(yueDe || tianDeHe || yueDeHe, Grade::Usual, Grade::Ruinous));
  else  // 卯酉月: the 破日 is also 月厌
    add(Spirit::ZaiSha, Grade::Ruinous);

  if (monthIn(m, {3, 9}))
    add(Spirit::YueSha, pick(yueDe || tianYuan, Grade::Lifted, Grade::Balanced));
  else if (monthIn(m, {0, 6}))
    add(Spirit::YueSha, pick(yueDeHe, Grade::Balanced, Grade::Usual));
  else
    add(Spirit::YueSha, pick(virtue, Grade::Usual, Grade::Ruinous));

  if (m == 5)
    add(Spirit::YueXing, pick(yueDe || tianDeHe || tianYuan, Grade::Lifted, Grade::Balanced));
  else if (monthIn(m, {2, 4, 9, 11, 1, 10}))
    add(Spirit::YueXing, pick(virtue, Grade::Balanced, Grade::Usual));
  else if (monthIn(m, {0, 3, 7, 8}))
    add(Spirit::YueXing, pick(virtue, Grade::Usual, Grade::Ruinous));
  else
    add(Spirit::YueXing, Grade::Usual);

  if (monthIn(m, {3, 9, 1, 7}))
    add(Spirit::YueHai, pick(tianDe || yueDe, Grade::Lifted, Grade::Usual));
  else if (monthIn(m, {4, 10}))
    add(Spirit::YueHai, pick(tianDeHe || yueDeHe, Grade::Balanced, Grade::Usual));
  else if (m == 8)  // on the 平日
    add(Spirit::YueHai, pick(virtue, Grade::Lifted, Grade::Usual));
  else  // 子午月 月煞, 巳亥月 劫煞, 寅月 月刑: the heavier harm decides alone
    add(Spirit::YueHai, Grade::Lifted, {});

  if (monthIn(m, {2, 8, 1, 7}))
    add(Spirit::YueYan, pick(yueDe || tianDeHe || yueDeHe, Grade::Lifted, Grade::Usual),
        {"出行", "赴任", "订盟", "纳采", "嫁娶", "求医", "移徙", "入宅", "栽种"});
  else if (monthIn(m, {4, 10, 5, 11}))
    add(Spirit::YueYan, pick(virtue, Grade::Balanced, Grade::Usual));
  else if (monthIn(m, {0, 6}))
    add(Spirit::YueYan, pick(tianShe, Grade::Usual, Grade::Ruinous));
  else
    add(Spirit::YueYan, Grade::Ruinous);

  if (meng || monthIn(m, {4, 10}))
    add(Spirit::DaShi, Grade::Lifted, {});  // lifted so far that healing is open too
  else if (monthIn(m, {1, 7}))
    add(Spirit::DaShi, pick(tianDe || yueDe, Grade::Lifted, Grade::Usual));
  else if (monthIn(m, {0, 6}))
    add(Spirit::DaShi, pick(yueDeHe, Grade::Balanced, Grade::Usual));
  else if (m == 9)
    add(Spirit::DaShi, pick(yueDe, Grade::Balanced, Grade::Usual));
  else
    add(Spirit::DaShi, Grade::Usual);

  if (meng)
    add(Spirit::TianLi, pick(virtue, Grade::Lifted, Grade::Usual));
  else if (!zhong)
    add(Spirit::TianLi, pick(virtue || tianShe || tianYuan, Grade::Balanced, Grade::Usual));
  else if (monthIn(m, {3, 9}))
    add(Spirit::TianLi, pick(yueDe, Grade::Balanced, Grade::Usual));
  else if (m == 6)
    add(Spirit::TianLi, pick(yueDeHe, Grade::Balanced, Grade::Usual));
  else
    add(Spirit::TianLi, Grade::Usual);

  // 铺注条例: where 大时 or 天吏 would not count as defeat or death, a 四废 beside them or
  // 岁薄 逐阵 makes them count again.
  if (d.has(Spirit::SiFei) || followsTheYinBuilder(c))
    for (GradedHarm& g : out)
      if (g.harm == Spirit::DaShi || g.harm == Spirit::TianLi) g.grade = std::max(g.grade, Grade::Usual);

  add(Spirit::SiQi, pick(virtue && !d.has(Spirit::YueYan), Grade::Lifted, Grade::Usual));
  const bool repeatLifted = virtue || tianShe || d.has(Spirit::LiuHe);
  add(Spirit::FuRi, pick(repeatLifted, Grade::Balanced, Grade::Usual));
  add(Spirit::ChongRi, pick(repeatLifted, Grade::Balanced, Grade::Usual));
  return out;
}

}  // namespace lumo::almanac
