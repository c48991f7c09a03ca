// Officers, road spirits and 神煞 of a day.
//
// Month rules are written for the month number n (0 寅 .. 11 丑), the month branch m,
// the season s and the branch group g of the month (申子辰 0, 巳酉丑 1, 寅午戌 2,
// 亥卯未 3). Day stem and branch are ds and db.
//
// Lucky:
//   天德 正丁 三壬 四辛 六甲 七癸 九丙 十乙 十二庚; 天德合 正壬 三丁 四丙 六己 七戊 九辛
//   十庚 十二乙. In the 仲 months (二 五 八 十一) 天德 stands in 坤 乾 艮 巽, a direction
//   rather than a stem, so no day carries it or its 合;
//   月德 by g: 壬 庚 丙 甲; 月德合: 丁 乙 辛 己; 月空: 丙 甲 壬 庚;
//   岁德: the year stem in a yang year, its partner (+5) in a yin year; 岁德合: 岁德 + 5;
//   天赦 春戊寅 夏甲午 秋戊申 冬甲子; 天愿 正乙亥 二甲戌 三乙酉 四丙申 五丁未 六戊午
//   七己巳 八庚辰 九辛卯 十壬寅 十一癸丑 十二甲子; 天恩 甲子至戊辰, 己卯至癸未, 己酉至癸丑;
//   月恩 正丙 二丁 三庚 四己 五戊 六辛 七壬 八癸 九庚 十乙 十一甲 十二辛;
//   四相 春丙丁 夏戊己 秋壬癸 冬甲乙; 时德 春午 夏辰 秋子 冬寅;
//   王日 春寅 夏巳 秋申 冬亥, 官日 卯午酉子, 守日 辰未戌丑 (the ruling earth of the season, as
//   卷十 places it on the 满日 of 寅申月 and the 除日 of 卯酉月), 相日 巳申亥寅, 民日 午酉子卯;
//   阳德 正戌, two branches on each month; 阴德 正酉, two branches back each month;
//   天喜 and 天医 m+8 (the 成日; 卷四 starts 天医 from 戌 in 正月); 生气 m+10; 驿马 by g: 寅 亥 申 巳; 天马
//   正午, two on each month; 母仓 春亥子 夏寅卯 秋辰戌丑未 冬申酉; 天仓 正寅, one branch back each month;
//   六合 the branch in 六合 with m; 三合 the other two branches of m's group; 五合 寅卯日; 五富 正亥 二寅
//   三巳 四申 (repeating); 益后 正子 二午 三丑 四未 ... (the first month's branch, then six on and five back
//   in turn); 续世 益后 + 1; 圣心 益后 − 1; in the same way 要安 正寅, 玉宇 正卯, 金堂 正辰, 敬安 正未, 普护
//   正申, 福生 正酉; 解神 正二月申 三四月戌 五六月子 七八月寅 九十月辰 冬腊月午; 除神 申酉日; 不将 (阴阳不将,
//   the marriage days): the stems sit on the branches 甲卯 乙辰 丙午 丁未 戊寅 己申 庚酉 辛戌 壬子 癸丑; 月厌
//   and the five branches behind it (counting back towards 厌对) are 厌前, the five branches after it are
//   厌后; a day whose stem sits 厌前 and whose branch lies 厌后 is 不将 (厌前干配厌后支); in 寅月 (厌 戌)
//   these are 丙丁己庚辛 on 亥子丑寅卯; 鸣吠 (for burial) and 鸣吠对 (for breaking ground): the classic's
//   corrected lists, see kMingFei below; 天巫 福德 the 满日; 时阴 the 定日; 时阳 the 开日; 吉期 the 除日;
//   天后 with 驿马; 临日 正午 二亥 三申 四丑 ...: the 定日 of the yang months, the 成日 of the yin months.
// Unlucky:
//   岁破 db clashes the year branch; 月破 and 大耗 db clashes m; 小耗 m+5 (执日);
//   月建 db = m;
//   月煞 by g: 未 辰 丑 戌; 劫煞: 巳 寅 亥 申; 灾煞: 午 卯 子 酉; 大时: 酉 午 卯 子;
//   天吏 and 致死 by g: 卯 子 酉 午; 月害 the branch in 六害 with m; 月刑 the branch m
//   punishes (三刑); 月厌 and 地火 正戌, one branch back each month; 厌对 clashes 月厌;
//   四离 the day before 春分 夏至 秋分 冬至; 四绝 the day before 立春 立夏 立秋 立冬;
//   四废 春庚申辛酉 夏壬子癸亥 秋甲寅乙卯 冬丙午丁巳; 四忌 春甲子 夏丙子 秋庚子 冬壬子;
//   四穷 春乙亥 夏丁亥 秋辛亥 冬癸亥; 四耗 春壬子 夏乙卯 秋戊午 冬辛酉;
//   四击 春戌 夏丑 秋辰 冬未; 五虚 春巳酉丑 夏申子辰 秋亥卯未 冬寅午戌; 五离 申酉日;
//   血支 m−1; 血忌 = 续世; 游祸 正巳 二寅 三亥 四申 (repeating);
//   天贼 the 收日 of 月厌 counted as the yin builder, backwards: 月厌 + 3 (正丑, 冬月卯); 往亡 正寅 二巳 三申
//   四亥 五卯 六午 七酉 八子 九辰 十未 十一戌 十二丑, and also on the day the classic calls 气往亡
//   and its month tables simply 往亡: counting the 节 day as the first, the 7th 14th 21st day from
//   立春 惊蛰 清明, the 8th 16th 24th from 立夏 芒种 小暑, the 9th 18th 27th from 立秋 白露 寒露
//   and the 10th 20th 30th from 立冬 大雪 小寒 (卷六: 皆自交节日数之; 卷十 judges both alike);
//   归忌 孟月丑 仲月寅 季月子; 受死 正戌 二辰 三亥 四巳
//   五子 六午 ...; 河魁 正亥 and 天罡 正巳, seven branches on each month; 重日 巳亥日; 复日 正七月甲庚
//   二八月乙辛 四十月丙壬 五冬月丁癸 三六九腊月戊己; 土符 正丑 二巳 三酉 四寅 五午 六戌 七卯 八未 九亥 十辰
//   十一申 十二子; 天火 正子, three branches back each month (二酉 三午 四卯); 死气 m+4 (正午); 死神 m+3;
//   八专 甲寅 丁未 己未 庚申 癸丑; 九空 the clash of the group's store (库): by g 戌 未 辰 丑 (寅申月 the
//   满日, 子午卯酉月 the 开日, 巳亥月 the 月厌, 辰戌丑未月 the 破日);
//   小时 土府 with 月建; 月虚 with 月煞; 大败 咸池 with 大时; 招摇 with 厌对;
//   上朔 by the year stem: 甲年癸亥 乙年己巳 丙年乙亥 ... (six days on per stem);
//   五墓 正二月乙未 四五月丙戌 七八月辛丑 十冬月壬辰, the last month of a season 戊辰;
//   九坎 九焦 正月辰 back through 丑戌未, 五月卯 back through 子酉午, 九月寅 back through 亥申巳;
//   天狗 the 戌日 of 申月 alone, which is that month's 满日 (卷四: 天狗者戌日值满也 … 天狗为
//   申建之戌止一位; 卷十 under 满日: 申月又为天狗);
//   阳错 阴错 (卷五, after 阴阳大会): a builder's branch with the stem nearest to it (子壬 丑癸
//   寅甲 卯乙 辰甲 巳丁己 午丙 未丁己 申庚 酉辛 戌庚 亥癸), on the 月建 for 阳错 (正月甲寅
//   二月乙卯 三月甲辰 四月丁巳己巳 …) and on the 月厌 for 阴错 (正月庚戌 二月辛酉 三月庚申 …);
//   in 子午月 the two builders share one branch and that day (五月丙午 十一月壬子) is 阴阳俱错;
//   八风 春丁丑丁巳 夏甲申甲辰 秋丁未丁亥 冬甲戌甲寅; 触水龙 丙子 癸未 癸丑;
//   地囊 正庚子庚午 二乙未癸丑 三甲子壬午 四己卯己酉 五壬戌甲辰 六丙辰丙戌 七丁巳丁亥 八丙寅丙申
//   九辛丑辛未 十戊寅戊申 十一辛卯辛酉 十二癸酉乙卯 (the classic's corrections of the older list).
//   无禄 (the day stem's 禄 falls in the empty branches of its decade): 甲辰 乙巳 丙申 丁亥 戊戌
//   己丑 庚辰 辛巳 壬申 癸亥, except (癸亥 never excepted) beside 天德 or 月德, where the year
//   or month branch fills the empty 禄 (寅年月甲辰 卯乙巳 巳丙申戊戌 午丁亥己丑 申庚辰 酉辛巳
//   亥壬申), where the Sun fills it (after 雨水 壬申, 谷雨 辛巳, 小满 庚辰, 大暑 丁亥己丑, 处暑
//   丙申戊戌, 霜降 乙巳, 小雪 甲辰), where 岁德合 meets 月德合 or 天德合 meets 岁德, and where
//   year, month and day share their stem.
// 长星 短星 by the day of the lunar month (卷三十五, after the 历例; the 月表 repeats them in
//   each month's head): 长星 正初七 二初四 三初一 四初九 五十五 六初十 七初八 八初二初五
//   九初三初四 十初一 冬十二 腊初九; 短星 正廿一 二十九 三十六 四廿五 五廿五 六二十 七廿二
//   八十八十九 九十六十七 十十四 冬二十二 腊廿五. A leap month keeps its base month's days.
// Source: 《钦定协纪辨方书》 (1739, public domain), 卷四 to 卷六 (义例), 卷九 (立成) and 卷十.

#include "tools/almanac/spirits.h"

#include <algorithm>
#include <array>

#include "tools/almanac/day_lore.h"

namespace lumo::almanac {
namespace {

int mod(int a, int n) {
  return ((a % n) + n) % n;
}

const char* const kOfficerNames[kOfficerCount] = {"建", "除", "满", "平", "定", "执",
                                                  "破", "危", "成", "收", "开", "闭"};
// The sixth road spirit is 天德 in the classic; the almanac writes 宝光 so that it is not
// taken for the virtue 天德.
const char* const kRoadNames[12] = {"青龙", "明堂", "天刑", "朱雀", "金匮", "宝光",
                                    "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
const char* const kSpiritNames[kSpiritCount] = {
    "天德",   "天德合", "月德", "月德合", "岁德",     "岁德合", "天赦",   "天愿", "天恩", "月恩", "四相",
    "时德",   "王日",   "官日", "守日",   "相日",     "民日",   "阳德",   "阴德", "天喜", "天医", "驿马",
    "天马",   "生气",   "母仓", "天仓",   "月空",     "六合",   "三合",   "五合", "五富", "要安", "玉宇",
    "金堂",   "敬安",   "普护", "福生",   "圣心",     "益后",   "续世",   "解神", "除神", "不将", "鸣吠",
    "鸣吠对", "天巫",   "福德", "临日",   "时阴",     "时阳",   "吉期",   "天后", "岁破", "月破", "大耗",
    "小耗",   "月建",   "月煞", "劫煞",   "灾煞",     "月害",   "月刑",   "月厌", "地火", "天吏", "致死",
    "大时",   "厌对",   "四离", "四绝",   "四废",     "四忌",   "四穷",   "四耗", "四击", "五虚", "五离",
    "血支",   "血忌",   "游祸", "天贼",   "往亡",     "归忌",   "受死",   "河魁", "天罡", "重日", "复日",
    "土符",   "天火",   "死气", "死神",   "八专",     "九空",   "小时",   "土府", "月虚", "大败", "咸池",
    "招摇",   "上朔",   "五墓", "九坎",   "九焦",     "八风",   "触水龙", "地囊", "无禄", "长星", "短星",
    "天狗",   "伏社日", "阳错", "阴错",   "阴阳俱错", "土王"};

// Stems: 甲0 乙1 丙2 丁3 戊4 己5 庚6 辛7 壬8 癸9. Branches: 子0 丑1 寅2 卯3 辰4 巳5 午6 未7 申8 酉9 戌10
// 亥11. By month number; -1 where the month has none.
constexpr std::array<int, 12> kTianDe = {3, -1, 8, 7, -1, 0, 9, -1, 2, 1, -1, 6};
constexpr std::array<int, 12> kTianDeHe = {8, -1, 3, 2, -1, 5, 4, -1, 7, 6, -1, 1};
// 天愿 as cycle indices (0 甲子) by month number.
constexpr std::array<int, 12> kTianYuan = {11, 10, 21, 32, 43, 54, 5, 16, 27, 38, 49, 0};
constexpr std::array<int, 12> kYueEn = {2, 3, 6, 5, 4, 7, 8, 9, 6, 1, 0, 7};
constexpr std::array<int, 12> kWangWang = {2, 5, 8, 11, 3, 6, 9, 0, 4, 7, 10, 1};
constexpr std::array<int, 12> kShouSi = {10, 4, 11, 5, 0, 6, 1, 7, 2, 8, 3, 9};
constexpr std::array<int, 12> kTuFu = {1, 5, 9, 2, 6, 10, 3, 7, 11, 4, 8, 0};
constexpr std::array<int, 12> kYueXing = {3, 10, 5, 0, 4, 8, 6, 1, 2, 9, 7, 11};  // by month branch
// 复日 stems by month number; two stems each.
constexpr std::array<std::array<int, 2>, 12> kFuRi = {
    {{0, 6}, {1, 7}, {4, 5}, {2, 8}, {3, 9}, {4, 5}, {0, 6}, {1, 7}, {4, 5}, {2, 8}, {3, 9}, {4, 5}}};

// By branch group g of the month: 申子辰 巳酉丑 寅午戌 亥卯未.
constexpr std::array<int, 4> kYueDe = {8, 6, 2, 0};
constexpr std::array<int, 4> kYueDeHe = {3, 1, 7, 5};
constexpr std::array<int, 4> kYueKong = {2, 0, 8, 6};
constexpr std::array<int, 4> kYueSha = {7, 4, 1, 10};
constexpr std::array<int, 4> kJieSha = {5, 2, 11, 8};
constexpr std::array<int, 4> kZaiSha = {6, 3, 0, 9};
constexpr std::array<int, 4> kDaShi = {9, 6, 3, 0};
constexpr std::array<int, 4> kTianLi = {3, 0, 9, 6};
constexpr std::array<int, 4> kYiMa = {2, 11, 8, 5};

// By season: spring summer autumn winter.
constexpr std::array<Pillar, 4> kTianShe = {{{4, 2}, {0, 6}, {4, 8}, {0, 0}}};
constexpr std::array<std::array<Pillar, 2>, 4> kSiFei = {
    {{{{6, 8}, {7, 9}}}, {{{8, 0}, {9, 11}}}, {{{0, 2}, {1, 3}}}, {{{2, 6}, {3, 5}}}}};
constexpr std::array<Pillar, 4> kSiJiTaboo = {{{0, 0}, {2, 0}, {6, 0}, {8, 0}}};
constexpr std::array<Pillar, 4> kSiQiong = {{{1, 11}, {3, 11}, {7, 11}, {9, 11}}};
constexpr std::array<Pillar, 4> kSiHao = {{{8, 0}, {1, 3}, {4, 6}, {7, 9}}};
constexpr std::array<int, 4> kSiXiangStem = {2, 4, 8, 0};  // and the next stem
constexpr std::array<int, 4> kShiDe = {6, 4, 0, 2};
constexpr std::array<int, 4> kSiJiStrike = {10, 1, 4, 7};
constexpr std::array<int, 4> kWuXuGroup = {1, 0, 3, 2};

// The branch each stem sits on for 不将: 甲卯 乙辰 丙午 丁未 戊寅 己申 庚酉 辛戌 壬子 癸丑.
constexpr std::array<int, 10> kStemSite = {3, 4, 6, 7, 2, 8, 9, 10, 0, 1};
// 鸣吠 and 鸣吠对 as cycle indices (0 甲子), as the classic corrects the older lists:
// 鸣吠 甲丙庚壬 on 午申 and 乙丁己辛癸 on 酉, leaving out 戊; 鸣吠对 丙庚壬 on 子,
// 甲丙庚壬 on 寅 and 乙丁辛癸 on 卯.
constexpr std::array<int, 13> kMingFei = {6, 18, 30, 42, 8, 20, 32, 56, 21, 33, 45, 57, 9};
constexpr std::array<int, 11> kMingFeiDui = {12, 36, 48, 50, 2, 26, 38, 51, 3, 27, 39};

// The stems nearest each branch (as bits), which 阳错 and 阴错 pair with the builders.
constexpr std::array<int, 12> kNearStems = {1 << 8, 1 << 9,          1 << 0, 1 << 1, 1 << 0, 1 << 3 | 1 << 5,
                                            1 << 2, 1 << 3 | 1 << 5, 1 << 6, 1 << 7, 1 << 6, 1 << 9};

// 长星 (two days at most) then 短星 by lunar month, 0 where there is no second day.
constexpr std::array<std::array<int, 4>, 12> kLongShortStars = {{{7, 0, 21, 0},
                                                                 {4, 0, 19, 0},
                                                                 {1, 0, 16, 0},
                                                                 {9, 0, 25, 0},
                                                                 {15, 0, 25, 0},
                                                                 {10, 0, 20, 0},
                                                                 {8, 0, 22, 0},
                                                                 {2, 5, 18, 19},
                                                                 {3, 4, 16, 17},
                                                                 {1, 0, 14, 0},
                                                                 {12, 0, 22, 0},
                                                                 {9, 0, 25, 0}}};
// 五墓 by month number as cycle indices: 正二 乙未, 四五 丙戌, 七八 辛丑, 十冬 壬辰, the
// last month of each season 戊辰.
constexpr std::array<int, 12> kWuMu = {31, 31, 4, 22, 22, 4, 37, 37, 4, 28, 28, 4};
// 地囊 by month number, two cycle indices each (the classic's corrected list).
constexpr std::array<std::array<int, 2>, 12> kDiNang = {{{36, 6},
                                                         {31, 49},
                                                         {0, 18},
                                                         {15, 45},
                                                         {58, 40},
                                                         {52, 22},
                                                         {53, 23},
                                                         {2, 32},
                                                         {37, 7},
                                                         {14, 44},
                                                         {27, 57},
                                                         {9, 51}}};
// 八风 by season, two cycle indices each: 春丁丑丁巳 夏甲申甲辰 秋丁未丁亥 冬甲戌甲寅.
constexpr std::array<std::array<int, 2>, 4> kBaFeng = {{{13, 53}, {20, 40}, {43, 23}, {10, 50}}};
constexpr std::array<int, 3> kChuShuiLong = {12, 19, 49};  // 丙子 癸未 癸丑

// 无禄 by day stem, as cycle indices: 甲辰 乙巳 丙申 丁亥 戊戌 己丑 庚辰 辛巳 壬申 癸亥.
constexpr std::array<int, 10> kWuLu = {40, 41, 32, 23, 34, 25, 16, 17, 8, 59};

bool withoutLu(const DayContext& c, bool tianDe, bool yueDe) {
  const int cycle = c.day.cycle();
  if (cycle != kWuLu[c.day.stem]) return false;
  if (cycle == 59) return true;  // 癸亥: stem and branch both at their end
  if (tianDe || yueDe) return false;
  auto filledByBranch = [cycle](int branch) {
    switch (branch) {
      case 2:
        return cycle == 40;
      case 3:
        return cycle == 41;
      case 5:
        return cycle == 32 || cycle == 34;
      case 6:
        return cycle == 23 || cycle == 25;
      case 8:
        return cycle == 16;
      case 9:
        return cycle == 17;
      case 11:
        return cycle == 8;
      default:
        return false;
    }
  };
  if (filledByBranch(c.year.branch) || filledByBranch(c.month.branch)) return false;
  switch (c.zhongQi) {
    case 3:
      if (cycle == 8) return false;
      break;  // 雨水
    case 7:
      if (cycle == 17) return false;
      break;  // 谷雨
    case 9:
      if (cycle == 16) return false;
      break;  // 小满
    case 13:
      if (cycle == 23 || cycle == 25) return false;
      break;  // 大暑
    case 15:
      if (cycle == 32 || cycle == 34) return false;
      break;  // 处暑
    case 19:
      if (cycle == 41) return false;
      break;  // 霜降
    case 21:
      if (cycle == 40) return false;
      break;  // 小雪
    default:
      break;
  }
  const int ys = c.year.stem % 5, m = c.month.branch, g = harmonyGroup(m);
  // 岁德合 and 月德合 meet.
  if ((ys == 0 && g == 3 && cycle == 25) || (ys == 1 && g == 1 && cycle == 41) ||
      (ys == 2 && g == 2 && cycle == 17) || (ys == 3 && g == 0 && cycle == 23))
    return false;
  // 天德合 meets 岁德.
  if ((ys == 1 && m == 11 && cycle == 16) || (ys == 2 && m == 5 && cycle == 32) ||
      (ys == 3 && m == 2 && cycle == 8) || (ys == 4 && m == 8 && cycle == 34))
    return false;
  return !(c.year.stem == c.day.stem && c.month.stem == c.day.stem);
}

constexpr std::array<Pillar, 5> kBaZhuan = {{{0, 2}, {3, 7}, {5, 7}, {6, 8}, {9, 1}}};

bool inTianEn(int cycle) {
  return (cycle >= 0 && cycle <= 4) || (cycle >= 15 && cycle <= 19) || (cycle >= 45 && cycle <= 49);
}

}  // namespace

Officer officerOf(int monthBranch, int dayBranch) {
  return static_cast<Officer>(mod(dayBranch - monthBranch, 12));
}

const char* officerName(Officer officer) {
  return kOfficerNames[static_cast<int>(officer)];
}

RoadSpirit roadSpiritOf(int monthBranch, int dayBranch) {
  int qingLong = mod(monthBranch - 2, 6) * 2;  // 寅申 子, 卯酉 寅, 辰戌 辰, 巳亥 午, 子午 申, 丑未 戌
  return static_cast<RoadSpirit>(mod(dayBranch - qingLong, 12));
}

const char* roadSpiritName(RoadSpirit spirit) {
  return kRoadNames[static_cast<int>(spirit)];
}

bool isYellowRoad(RoadSpirit spirit) {
  switch (spirit) {
    case RoadSpirit::QingLong:
    case RoadSpirit::MingTang:
    case RoadSpirit::JinKui:
    case RoadSpirit::TianDe:
    case RoadSpirit::YuTang:
    case RoadSpirit::SiMing:
      return true;
    default:
      return false;
  }
}

const char* spiritName(Spirit spirit) {
  return kSpiritNames[static_cast<int>(spirit)];
}

bool isLucky(Spirit spirit) {
  return static_cast<int>(spirit) <= static_cast<int>(Spirit::TianHou);
}

bool isKeptOffDayList(Spirit spirit) {
  return spirit == Spirit::SuiDe || spirit == Spirit::SuiDeHe || spirit == Spirit::SuiPo ||
         spirit == Spirit::TuWang || spirit == Spirit::FuShe;
}

DayContext contextOf(const DayPillars& p, int termTomorrow, int termToday) {
  return {p.year, p.month, p.day, termTomorrow, termToday};
}

bool DaySpirits::has(Spirit s) const {
  return std::find(spirits.begin(), spirits.end(), s) != spirits.end();
}

DaySpirits spiritsOf(const DayContext& c) {
  const int n = c.monthNumber();
  const int s = c.season();
  const int m = c.month.branch;
  const int g = harmonyGroup(m);
  const int ds = c.day.stem;
  const int db = c.day.branch;
  const int ys = c.year.stem;
  auto isDay = [&](const Pillar& p) { return p == c.day; };
  auto onBranch = [&](int branch) { return db == mod(branch, 12); };

  std::array<bool, kSpiritCount> on{};
  auto set = [&](Spirit sp, bool value) { on[static_cast<int>(sp)] = value; };

  const int suiDe = ys % 2 == 0 ? ys : (ys + 5) % 10;
  const int yiHou = n % 2 == 0 ? n / 2 : 6 + n / 2;

  set(Spirit::TianDe, ds == kTianDe[n]);
  set(Spirit::TianDeHe, ds == kTianDeHe[n]);
  set(Spirit::YueDe, ds == kYueDe[g]);
  set(Spirit::YueDeHe, ds == kYueDeHe[g]);
  set(Spirit::SuiDe, ds == suiDe);
  set(Spirit::SuiDeHe, ds == (suiDe + 5) % 10);
  set(Spirit::TianShe, isDay(kTianShe[s]));
  set(Spirit::TianYuan, c.day.cycle() == kTianYuan[n]);
  set(Spirit::TianEn, inTianEn(c.day.cycle()));
  set(Spirit::YueEn, ds == kYueEn[n]);
  set(Spirit::SiXiang, ds == kSiXiangStem[s] || ds == kSiXiangStem[s] + 1);
  set(Spirit::ShiDe, db == kShiDe[s]);
  set(Spirit::WangRi, onBranch(2 + 3 * s));
  set(Spirit::GuanRi, onBranch(3 + 3 * s));
  set(Spirit::ShouRi, onBranch(4 + 3 * s));
  set(Spirit::XiangRi, onBranch(5 + 3 * s));
  set(Spirit::MinRi, onBranch(6 + 3 * s));
  set(Spirit::YangDe, onBranch(10 + 2 * n));
  set(Spirit::YinDe, onBranch(9 - 2 * n));
  set(Spirit::TianXi, onBranch(m + 8));
  set(Spirit::TianYi, onBranch(m + 8));
  set(Spirit::YiMa, db == kYiMa[g]);
  set(Spirit::TianMa, onBranch(6 + 2 * n));
  set(Spirit::ShengQi, onBranch(m + 10));
  {
    static constexpr int kMuCang[4][4] = {{11, 0, -1, -1}, {2, 3, -1, -1}, {4, 10, 1, 7}, {8, 9, -1, -1}};
    set(Spirit::MuCang, std::find(std::begin(kMuCang[s]), std::end(kMuCang[s]), db) != std::end(kMuCang[s]));
  }
  set(Spirit::TianCang, onBranch(2 - n));
  set(Spirit::YueKong, ds == kYueKong[g]);
  set(Spirit::LiuHe, onBranch(13 - m));
  set(Spirit::SanHe, db != m && harmonyGroup(db) == g);
  set(Spirit::WuHe, db == 2 || db == 3);
  set(Spirit::WuFu, db == std::array{11, 2, 5, 8}[n % 4]);
  set(Spirit::YaoAn, onBranch(yiHou + 2));
  set(Spirit::YuYu, onBranch(yiHou + 3));
  set(Spirit::JinTang, onBranch(yiHou + 4));
  set(Spirit::JingAn, onBranch(yiHou + 7));
  set(Spirit::PuHu, onBranch(yiHou + 8));
  set(Spirit::FuSheng, onBranch(yiHou + 9));
  set(Spirit::ShengXin, onBranch(yiHou - 1));
  set(Spirit::YiHou, db == yiHou);
  set(Spirit::XuShi, onBranch(yiHou + 1));
  set(Spirit::JieShen, onBranch(8 + 2 * (n / 2)));
  set(Spirit::ChuShen, db == 8 || db == 9);
  {
    const int yan = mod(10 - n, 12);  // 月厌
    const bool stemBefore = mod(yan - kStemSite[ds], 12) <= 5;
    const int after = mod(db - yan, 12);
    set(Spirit::BuJiang, stemBefore && after >= 1 && after <= 5);
  }
  auto inCycles = [&](const auto& list) {
    return std::find(list.begin(), list.end(), c.day.cycle()) != list.end();
  };
  set(Spirit::MingFei, inCycles(kMingFei));
  set(Spirit::MingFeiDui, inCycles(kMingFeiDui));
  // Names the almanac gives to officer days and to 驿马.
  set(Spirit::TianWu, onBranch(m + 2));    // 满日
  set(Spirit::FuDe, onBranch(m + 2));      // 满日
  set(Spirit::ShiYin, onBranch(m + 4));    // 定日
  set(Spirit::ShiYang, onBranch(m + 10));  // 开日
  set(Spirit::JiQi, onBranch(m + 1));      // 除日
  set(Spirit::TianHou, db == kYiMa[g]);
  // 临日: the 定日 in the yang months (寅辰午申戌子), the 成日 in the yin months.
  set(Spirit::LinRi, onBranch(m + (n % 2 == 0 ? 4 : 8)));

  set(Spirit::SuiPo, onBranch(c.year.branch + 6));
  set(Spirit::YuePo, onBranch(m + 6));
  set(Spirit::DaHao, onBranch(m + 6));
  set(Spirit::XiaoHao, onBranch(m + 5));
  set(Spirit::YueJian, db == m);
  set(Spirit::YueSha, db == kYueSha[g]);
  set(Spirit::JieSha, db == kJieSha[g]);
  set(Spirit::ZaiSha, db == kZaiSha[g]);
  set(Spirit::YueHai, onBranch(7 - m));
  set(Spirit::YueXing, db == kYueXing[m]);
  set(Spirit::YueYan, onBranch(10 - n));
  set(Spirit::DiHuo, onBranch(10 - n));
  set(Spirit::TianLi, db == kTianLi[g]);
  set(Spirit::ZhiSi, db == kTianLi[g]);
  set(Spirit::DaShi, db == kDaShi[g]);
  set(Spirit::YanDui, onBranch(4 - n));
  const int t = c.termTomorrow;
  set(Spirit::SiLi, t == 5 || t == 11 || t == 17 || t == 23);
  set(Spirit::SiJue, t == 2 || t == 8 || t == 14 || t == 20);
  set(Spirit::SiFei, isDay(kSiFei[s][0]) || isDay(kSiFei[s][1]));
  set(Spirit::SiJiTaboo, isDay(kSiJiTaboo[s]));
  set(Spirit::SiQiong, isDay(kSiQiong[s]));
  set(Spirit::SiHao, isDay(kSiHao[s]));
  set(Spirit::SiJiStrike, db == kSiJiStrike[s]);
  set(Spirit::WuXu, harmonyGroup(db) == kWuXuGroup[s]);
  set(Spirit::WuLi, db == 8 || db == 9);
  set(Spirit::XueZhi, onBranch(m - 1));
  set(Spirit::XueJi, onBranch(yiHou + 1));
  set(Spirit::YouHuo, db == std::array{5, 2, 11, 8}[n % 4]);
  set(Spirit::TianZei, onBranch(13 - n));
  {
    // The day of 气往亡 for the 节 of month `month`; the 30th day from 小寒 can be 立春 itself,
    // so the count of the month before is looked at too.
    auto qiWangWang = [](int month, int since) { return since == (7 + month / 3) * (month % 3 + 1) - 1; };
    set(Spirit::WangWang, db == kWangWang[n] || qiWangWang(n, c.daysSinceJie) ||
                              qiWangWang((n + 11) % 12, c.daysSincePreviousJie));
  }
  set(Spirit::GuiJi, db == std::array{2, 0, 1}[m % 3]);  // 仲 子卯午酉, 季 辰未戌丑, 孟 寅巳申亥
  set(Spirit::ShouSi, db == kShouSi[n]);
  set(Spirit::HeKui, onBranch(11 + 7 * n));
  set(Spirit::TianGang, onBranch(5 + 7 * n));
  set(Spirit::ChongRi, db == 5 || db == 11);
  set(Spirit::FuRi, ds == kFuRi[n][0] || ds == kFuRi[n][1]);
  set(Spirit::TuFu, db == kTuFu[n]);
  set(Spirit::TianHuo, onBranch(-3 * n));
  set(Spirit::SiQi, onBranch(m + 4));
  set(Spirit::SiShen, onBranch(m + 3));
  set(Spirit::BaZhuan, std::any_of(kBaZhuan.begin(), kBaZhuan.end(), isDay));
  set(Spirit::JiuKong, db == std::array{10, 7, 4, 1}[g]);
  set(Spirit::XiaoShi, db == m);
  set(Spirit::TuFuBuilder, db == m);
  set(Spirit::YueXu, db == kYueSha[g]);
  set(Spirit::DaBai, db == kDaShi[g]);
  set(Spirit::XianChi, db == kDaShi[g]);
  set(Spirit::ZhaoYao, onBranch(4 - n));
  set(Spirit::ShangShuo, c.day.cycle() == (59 + 6 * ys) % 60);
  set(Spirit::WuMu, c.day.cycle() == kWuMu[n]);
  {
    // 九坎 and 九焦: 正月 辰 back through the 季 branches, 五月 卯 through the 仲,
    // 九月 寅 through the 孟.
    const int kan = mod(std::array{4, 3, 2}[n / 4] - 3 * (n % 4), 12);
    set(Spirit::JiuKan, db == kan);
    set(Spirit::JiuJiao, db == kan);
  }
  set(Spirit::BaFeng, inCycles(kBaFeng[s]));
  set(Spirit::ChuShuiLong, inCycles(kChuShuiLong));
  set(Spirit::DiNang, inCycles(kDiNang[n]));
  set(Spirit::WuLu, withoutLu(c, on[static_cast<int>(Spirit::TianDe)], on[static_cast<int>(Spirit::YueDe)]));
  set(Spirit::TianGou, m == 8 && db == 10);
  set(Spirit::FuShe, c.fuShe);
  {
    const int yan = mod(10 - n, 12);     // 月厌, the yin builder
    const bool buildersMeet = yan == m;  // 子午月
    const bool near = (kNearStems[db] >> ds) & 1;
    set(Spirit::YangCuo, near && !buildersMeet && db == m);
    set(Spirit::YinCuo, near && !buildersMeet && db == yan);
    set(Spirit::YinYangCuo, near && buildersMeet && db == m);
  }
  set(Spirit::TuWang, c.earthRules);
  if (c.lunarMonth >= 1 && c.lunarMonth <= 12) {
    const auto& days = kLongShortStars[c.lunarMonth - 1];
    auto onDay = [&c](int a, int b) { return c.lunarDay == a || (b > 0 && c.lunarDay == b); };
    set(Spirit::ChangXing, onDay(days[0], days[1]));
    set(Spirit::DuanXing, onDay(days[2], days[3]));
  }

  DaySpirits out{officerOf(m, db), roadSpiritOf(m, db), {}};
  for (int i = 0; i < kSpiritCount; ++i)
    if (on[i]) out.spirits.push_back(static_cast<Spirit>(i));
  return out;
}

}  // namespace lumo::almanac
