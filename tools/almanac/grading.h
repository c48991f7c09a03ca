#pragma once
// 宜忌等第: how heavily a harm weighs on a day, by the month it falls in, the officer day
// it falls on and the virtues beside it (the classic almanac's tables of grades).
//
// A graded harm on a day is
// - Lifted (吉足胜凶): it forbids only the few affairs it still names (by default 求医);
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
  // Affairs a lifted harm still forbids, by name; empty means 求医 alone.
  std::vector<const char*> stillForbids;
};

std::vector<GradedHarm> gradeHarms(const DayContext& day, const DaySpirits& spirits);

// The days the classic marks 诸事皆忌 by their pillar and month alone (阴阳大防 and the
// like), whatever spirits stand beside them.
bool isDayOfNothing(const DayContext& day);

// The spirits gradeHarms decides on whenever they fall on a day.
bool isGraded(Spirit spirit);

}  // namespace lumo::almanac
