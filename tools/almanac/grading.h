#pragma once
// 宜忌等第: how heavily a harm weighs on a day, by the month it falls in, the officer day
// it falls on and the virtues beside it (the classic almanac's tables of grades).
//
// A graded harm on a day is
// - Lifted (吉足胜凶): it forbids only the few affairs it still names (mostly healing);
// - Balanced (吉凶相抵): what it forbids is kept out of 宜 but not written under 忌;
// - Usual (如常例): it forbids what the rule table says, virtue or not;
// - Ruinous (诸事皆忌): the day suits nothing and avoids everything.
// Harms without a grade on a day follow the rule table alone.

#include <vector>

#include "tools/almanac/spirits.h"

namespace lumo::almanac {

enum class Grade { Lifted, Balanced, Usual, Ruinous };

struct GradedHarm {
  Spirit harm;
  Grade grade;
  // Affairs a lifted harm still forbids, by name.
  std::vector<const char*> stillForbids;
};

std::vector<GradedHarm> gradeHarms(const DayContext& day, const DaySpirits& spirits);

// How an officer day's own prohibitions stand on a day (the classic's notes under 建 满
// 平 收 闭):
// - AsListed: the officer forbids what the rule table lists under it;
// - Governed: a graded monthly harm on the same day decides (从…论): where the harm is
//   set aside the officer forbids nothing, where it balances the officer only
//   withholds, otherwise both forbid as listed;
// - NotAtAll: it forbids nothing (a 满日 that is 守日 or 相日, beside 月德 天德合 月德合
//   月恩 or 四相);
// - Balanced: what it forbids is kept out of 宜 but not written under 忌 (a 闭日 that
//   is 王日 in 子午卯酉月, beside 德 赦 or 愿);
// - Healing: it forbids healing alone (the 平日 of 亥月, 相日 with 时德 and 六合; the
//   收日 of 辰未月 beside 天德 月德 or a 合);
// - BuildsOnlyEarth: beside 天德 月德 天德合 月德合 天赦 月恩 or 四相, a 建日 forbids
//   only the works of earth and wood.
enum class OfficerRule { AsListed, Governed, NotAtAll, Balanced, Healing, BuildsOnlyEarth };
OfficerRule officerRuleFor(const DayContext& day, const DaySpirits& spirits);
// The monthly harms whose grade decides for the officer day they fall on.
bool governsOfficerDays(Spirit spirit);

// The days the classic marks 诸事皆忌 by their pillar and month alone (阴阳大防 and the
// like), whatever spirits stand beside them.
bool isDayOfNothing(const DayContext& day);

// 岁薄 and 逐阵: the two builders are about to meet or have just parted; the day keeps
// its own 忌 but nothing that 月厌 forbids is written under 宜.
bool followsTheYinBuilder(const DayContext& day);

// The days where the virtues, their 合, 天赦 and 天愿 meet: nothing is forbidden.
bool forbidsNothing(const DayContext& day);

// The spirits gradeHarms decides on whenever they fall on a day.
bool isGraded(Spirit spirit);

}  // namespace lumo::almanac
