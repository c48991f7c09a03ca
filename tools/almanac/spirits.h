#pragma once
// The spirits that rule a day: the twelve officers (建除), the twelve yellow and black
// road spirits (黄道黑道) and the common spirits of year, month and day (神煞).
//
// Officers: 建 falls on the day whose branch is the month branch, then 除 满 平 定 执 破
// 危 成 收 开 闭 follow day by day. Because the month changes on the day of a 节, the
// officer of that day repeats the one of the day before.
//
// Road spirits: 青龙 明堂 天刑 朱雀 金匮 天德 (written 宝光) 白虎 玉堂 天牢 玄武 司命 勾陈 in turn;
// 青龙 stands on 子 in the 寅申 months, 寅 in 卯酉, 辰 in 辰戌, 午 in 巳亥, 申 in 子午 and
// 戌 in 丑未. 青龙 明堂 金匮 宝光 玉堂 司命 are the yellow road.
//
// The 神煞 are given by the month (numbered from the 寅 month), its season
// (寅卯辰 spring, 巳午未 summer, 申酉戌 autumn, 亥子丑 winter), its branch group, for
// 岁德, 岁破 and 上朔 by the almanac year, for 四离 and 四绝 by the term of the next
// day, and for 往亡 also by the days counted from the 节. Several spirits are other
// names of an officer day or of another spirit; the almanac lists them all, so they are
// kept as spirits of their own.
// The rules of each are in spirits.cpp.

#include <string>
#include <vector>

#include "tools/almanac/pillars.h"

namespace lumo::almanac {

enum class Officer { Jian, Chu, Man, Ping, Ding, Zhi, Po, Wei, Cheng, Shou, Kai, Bi };
inline constexpr int kOfficerCount = 12;

Officer officerOf(int monthBranch, int dayBranch);
const char* officerName(Officer officer);  // "建"

enum class RoadSpirit {
  QingLong,
  MingTang,
  TianXing,
  ZhuQue,
  JinKui,
  TianDe,
  BaiHu,
  YuTang,
  TianLao,
  XuanWu,
  SiMing,
  GouChen
};

RoadSpirit roadSpiritOf(int monthBranch, int dayBranch);
const char* roadSpiritName(RoadSpirit spirit);
bool isYellowRoad(RoadSpirit spirit);

// Lucky spirits first, then unlucky ones; the order is the order of display.
enum class Spirit {
  // lucky
  TianDe,
  TianDeHe,
  YueDe,
  YueDeHe,
  SuiDe,
  SuiDeHe,
  TianShe,
  TianYuan,
  TianEn,
  YueEn,
  SiXiang,
  ShiDe,
  WangRi,
  GuanRi,
  ShouRi,
  XiangRi,
  MinRi,
  YangDe,
  YinDe,
  TianXi,
  TianYi,
  YiMa,
  TianMa,
  ShengQi,
  MuCang,
  TianCang,
  YueKong,
  LiuHe,
  SanHe,
  WuHe,
  WuFu,
  YaoAn,
  YuYu,
  JinTang,
  JingAn,
  PuHu,
  FuSheng,
  ShengXin,
  YiHou,
  XuShi,
  JieShen,
  ChuShen,
  BuJiang,
  MingFei,
  MingFeiDui,
  TianWu,
  FuDe,
  LinRi,
  ShiYin,
  ShiYang,
  JiQi,
  TianHou,
  // unlucky
  SuiPo,
  YuePo,
  DaHao,
  XiaoHao,
  YueJian,
  YueSha,
  JieSha,
  ZaiSha,
  YueHai,
  YueXing,
  YueYan,
  DiHuo,
  TianLi,
  ZhiSi,
  DaShi,
  YanDui,
  SiLi,
  SiJue,
  SiFei,
  SiJiTaboo,
  SiQiong,
  SiHao,
  SiJiStrike,
  WuXu,
  WuLi,
  XueZhi,
  XueJi,
  YouHuo,
  TianZei,
  WangWang,
  GuiJi,
  ShouSi,
  HeKui,
  TianGang,
  ChongRi,
  FuRi,
  TuFu,
  TianHuo,
  SiQi,
  SiShen,
  BaZhuan,
  JiuKong,
  XiaoShi,
  TuFuBuilder,
  YueXu,
  DaBai,
  XianChi,
  ZhaoYao,
  ShangShuo,
  WuMu,
  JiuKan,
  JiuJiao,
  BaFeng,
  ChuShuiLong,
  DiNang,
  WuLu,
  ChangXing,
  DuanXing,
  TianGou,
  // the days of 伏 and 社, which forbid bathing; a day of the year rather than a spirit
  FuShe,
  YangCuo,
  YinCuo,
  YinYangCuo,
  // not a spirit but a season: the earth rules the 18 days before each 立 (土王用事)
  TuWang,
};
inline constexpr int kSpiritCount = static_cast<int>(Spirit::TuWang) + 1;

const char* spiritName(Spirit spirit);
bool isLucky(Spirit spirit);
// The year's spirits (岁德 岁德合 岁破) weigh on the day's affairs but belong to the
// year's table, 土王用事 is a season and 伏社 a feast of the year; none is in the day's
// list of spirits.
bool isKeptOffDayList(Spirit spirit);

// What decides the spirits of a day.
struct DayContext {
  Pillar year, month, day;
  int termTomorrow = -1;  // the solar term (0 小寒 .. 23 冬至) of the next day, or -1
  int termToday = -1;     // the solar term of the day itself, or -1
  // The lunar month (1..12; a leap month has its base month's number) and day (1..30),
  // 0 when not known.
  int lunarMonth = 0;
  int lunarDay = 0;
  bool lunarLastDay = false;  // the last day of its lunar month (晦日)
  int zhongQi = -1;           // the latest 中气 (odd term) on or before the day, or -1
  bool quarterMoon = false;   // 上弦, 望 or 下弦 falls on the day
  bool earthRules = false;    // one of the 18 days before 立春 立夏 立秋 立冬 (土王用事)
  // The day opens 初伏 中伏 or 末伏, or is 春社 or 秋社 (counted in writer.cpp).
  bool fuShe = false;
  // Days since the 节 that opened the month (0 on the 节 day), and since the 节 of the
  // month before; -1 when not known.
  int daysSinceJie = -1;
  int daysSincePreviousJie = -1;
  int monthNumber() const { return (month.branch + 10) % 12; }  // 0 寅 .. 11 丑
  int season() const { return monthNumber() / 3; }              // 0 spring .. 3 winter
};

DayContext contextOf(const DayPillars& pillars, int termTomorrow = -1, int termToday = -1);

struct DaySpirits {
  Officer officer;
  RoadSpirit road;
  std::vector<Spirit> spirits;  // in display order
  bool has(Spirit s) const;
};

DaySpirits spiritsOf(const DayContext& day);

}  // namespace lumo::almanac
