#pragma once
// Traditional facts tied to a day's stem and branch alone.
//
// - 纳音: one element name for each pair of the sixty days (甲子乙丑 海中金 ...).
// - 胎神 (每日胎神占方): the thing the fetal god occupies comes from the stem
//   (甲己 门, 乙庚 碓磨, 丙辛 厨灶, 丁壬 仓库, 戊癸 房床) joined with the branch
//   (子午 碓, 丑未 厕, 寅申 炉, 卯酉 门, 辰戌 栖, 巳亥 床); a two-character result takes
//   "占" in front, 门+门 is 占大门 and 门+栖 is 门鸡栖. The place moves through the sixty
//   days: outside in the eight directions (six or five days each), and from 癸巳 to
//   戊申 inside the room.
// - 冲: the clashed pillar has the branch six on and the stem that the day's stem
//   overcomes (甲子 冲 戊午, 丁巳 冲 辛亥); its animal is the animal of that branch. 煞: 申子辰日 南,
//   巳酉丑日 东, 寅午戌日 北, 亥卯未日 西.
// - 彭祖百忌: one taboo for the stem and one for the branch.

#include <string>

#include "tools/almanac/pillars.h"

namespace lumo::almanac {

std::string nayin(const Pillar& day);          // "海中金"
std::string fetalGodPlace(const Pillar& day);  // "占门碓外东南"
std::string clashText(const Pillar& day);      // "冲马(戊午)煞南"
std::string pengzuTaboos(const Pillar& day);   // "甲不开仓财物耗散 子不问卜自惹祸殃"

// Branch groups of the three harmonies: 0 申子辰, 1 巳酉丑, 2 寅午戌, 3 亥卯未.
inline int harmonyGroup(int branch) {
  return branch % 4;
}

}  // namespace lumo::almanac
