#pragma once
// What a day suits (宜) and what it should avoid (忌), by the rules of the classic almanac.
//
// The rules are data (tools/almanac/data/yongshi.tsv): for every affair the marks it
// seeks and the marks it shuns, a mark being a spirit, an officer day, or a stem or
// branch day. An affair suits a day that carries a mark it seeks and none it shuns; it
// is avoided (written under 忌) on a day that carries a mark it shuns, except for the
// officer days that the table lets only withhold an affair from 宜.
//
// How they combine (《钦定协纪辨方书》 卷十 «宜忌» and «宜忌等第»):
// - a day of virtue (天德 月德 or their 合, 天赦, 天愿) sets aside the lesser harms
//   that the table names (吉足胜凶: the day follows what it suits); 五墓 yields to 月德
//   alone;
// - the monthly harms are graded by month, officer day and virtue (grading.h);
// - the 忌 line reads 诸事不宜 on three kinds of day only:
//   - a day of nothing (诸事皆忌): a ruinous grade, or one of the single days the
//     classic names (阴阳大防 and the like); nothing suits;
//   - a 破日: all is forbidden but the affairs 月破 does not touch (祭祀 解除 沐浴 求医
//     扫舍 平治道涂 拆卸 捕捉 畋猎 取渔 入学), which stay in 宜 when a spirit seeks them;
//   - 上朔, 四离 and 四绝 (余事皆忌), virtue or not: only the small affairs of worship,
//     cleansing and mending (祭祀 解除 沐浴 理发 扫舍 修饰垣墙 平治道涂 塞穴 拆卸 伐木)
//     stay open;
//   on every other day 忌 lists what is forbidden, however long the list;
// - on 阳错 阴错 and 阴阳俱错 (a builder doubled on itself) a virtue counts as the builder
//   and not as virtue, and neither kindness nor virtue softens the 建日 or 月厌;
// - on the eight days where virtue, 合, 天赦 and 天愿 meet (二月甲戌 …) nothing is
//   forbidden; on 岁薄 and 逐阵 nothing 月厌 forbids is written under 宜;
// - by the Moon: 朔 (初一), 上弦, 望, 下弦 and 十五 forbid healing, 十二 and 十五 cutting the hair (人神);
//   on the 月忌 days (初五 十四 廿三) and the 晦日 only the small affairs are written
//   under 宜;
// - felling suits only from 立冬 to 立春, the hunt from 霜降 to 立春, fishing from 雨水 to
//   立夏; beside 四忌 or 四穷 breaking the ground and opening graves do not suit;
// - on 天狗 (申月戌日) and on 寅日 worship is forbidden and prayers for blessing and
//   children are not marked suitable;
// - on 春分 夏至 秋分 冬至 the great affairs (office, marriage, moving, trade, the hunt;
//   on 冬至 felling too) are not marked suitable;
// - a day that suits nothing reads 诸事不宜; two or fewer suitable affairs end in
//   余事勿取.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/almanac/spirits.h"

namespace lumo::almanac {

// Affairs are numbered in the almanac's listing order, as the rule table gives them.
int activityCount();
const std::string& activityName(int activity);
int activityIndex(std::string_view name);  // -1 for a name the table lacks

// A set of affairs, one bit each (the table holds fewer than 64).
using ActivitySet = std::uint64_t;
inline ActivitySet bit(int activity) {
  return ActivitySet{1} << activity;
}

struct DayAdvice {
  ActivitySet suits = 0;
  ActivitySet avoids = 0;
  bool nothingSuits = false;  // 宜 reads 诸事不宜
  bool allAvoided = false;    // the 忌 line reads 诸事不宜
  std::string yi;             // the 宜 line
  std::string ji;             // the 忌 line
};

DayAdvice adviceFor(const DayContext& day, const DaySpirits& spirits);

// Blank-separated names of the set, in listing order.
std::string activityList(ActivitySet set);

// The rule table's text, parsed; throws std::runtime_error on a malformed line or an
// unknown mark name, with the line's number.
struct AffairRule {
  std::string name;
  std::vector<std::string> seeks, shuns;  // marks after the groups are opened
};
std::vector<AffairRule> parseRules(std::string_view text);

}  // namespace lumo::almanac
