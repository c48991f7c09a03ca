#pragma once
// What a day suits (宜) and what it should avoid (忌).
//
// Each officer brings its own list of suitable and unsuitable affairs; the road spirit
// and every 神煞 of the day add to them, and so do the branch and stem taboos of 彭祖
// (寅 no 祭祀, 巳 no 出行, 午 no 上梁, 申 no 安床, 亥 no 嫁娶, 乙 no 栽种). An affair that
// anything forbids is not suitable. A day with 天德, 月德 (or their 合) or 天赦 is
// spared the lesser harms of 月煞 劫煞 灾煞 天吏 致死 大时 五虚 游祸 天贼 河魁
// 天罡.
//
// Heavy days:
//   破日 (月破)            宜 拆卸 余事勿取, 忌 诸事不宜;
//   岁破                   宜 诸事不宜, and the great affairs are forbidden;
//   四废, 受死             only 祭祀 解除 拆卸 修坟 may stay suitable, the great
//                          affairs are forbidden.
// A list of two or fewer suitable affairs ends in 余事勿取; none at all reads 诸事不宜.

#include <cstdint>
#include <string>

#include "tools/almanac/spirits.h"

namespace lumo::almanac {

// The affairs of the almanac, in the order they are listed.
enum class Activity {
  JiSi,
  QiFu,
  QiuSi,
  ZhaiJiao,
  KaiGuang,
  GuanJi,
  DingMeng,
  NaCai,
  JiaQu,
  ChuXing,
  FuRen,
  YiXi,
  RuZhai,
  AnChuang,
  JieChu,
  XiuZao,
  DongTu,
  QiJi,
  ShangLiang,
  AnMen,
  ChaiXie,
  GuaBian,
  KaiShi,
  LiJuan,
  JiaoYi,
  NaCaiWealth,
  ZaiZhong,
  PoTu,
  XiuFen,
  RuLian,
  YiJiu,
  AnZang,
};
inline constexpr int kActivityCount = static_cast<int>(Activity::AnZang) + 1;

const char* activityName(Activity activity);

// A set of activities, one bit each.
using ActivitySet = std::uint32_t;
constexpr ActivitySet bit(Activity a) {
  return ActivitySet{1} << static_cast<int>(a);
}

struct DayAdvice {
  ActivitySet suits = 0;
  ActivitySet avoids = 0;
  std::string yi;  // the 宜 line
  std::string ji;  // the 忌 line
};

DayAdvice adviceFor(const DayContext& day, const DaySpirits& spirits);

// Blank-separated names of the set, in list order.
std::string activityList(ActivitySet set);

}  // namespace lumo::almanac
