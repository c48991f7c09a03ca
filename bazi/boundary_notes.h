#pragma once
// The boundary notes of the BaZi report: a birth close to a point where a pillar changes
// may have been charted on the wrong side of it by a clock that is a little off, or by a
// tool that puts the point elsewhere. For each such point the report names the pillars
// that change there and prints the chart of the other side.
//
// The points and their windows: a 节 (立春 included) within 2 hours, in China's time, at
// its true moment with the precise terms and at 00:00 of its fixed day without them; the
// start of a double hour (1:00, 3:00, ... 23:00) or midnight within 30 minutes on the
// clock that the day and hour pillars follow.

#include <string>
#include <vector>

#include "bazi/bazi_chart.h"
#include "core/report.h"

namespace lumo::bazi {

struct BoundaryNote {
  std::string point;    // the boundary, e.g. "立春交节（2024年02月04日16点27分）"
  std::string window;   // "2小时" or "30分钟"
  std::string pillars;  // the pillars that differ, e.g. "年柱、月柱"
  bool otherIsLater = false;
  BaziChart other;  // the chart on the other side
};

// The notes for a moment and its chart, in time order of their points; a point where no
// pillar changes gives no note.
std::vector<BoundaryNote> boundaryNotes(const ChartMoment& moment, const std::string& sex,
                                        const ChartRules& rules, const BaziChart& chart);

// The four pillars as the chart line shows them after "八字：".
std::string pillarsText(const BaziChart& chart);

// Two lines per note: what is uncertain, then "八字：" and the other chart's pillars.
void writeBoundaryNotes(const std::vector<BoundaryNote>& notes, Report& report);

}  // namespace lumo::bazi
