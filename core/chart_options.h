#pragma once
// The birth-time options of the BaZi report. All off and no place give the report of the
// fixed rules, line for line; any of them adds the header lines that say how the chart
// was reckoned and the boundary notes (boundary_notes.h).

#include <string>

namespace lumo::bazi {

struct ChartOptions {
  std::string place;          // birthplace as findPlace reads it; "" for none
  bool solarTime = false;     // chart the day and hour by the birthplace's true solar time
  bool preciseTerms = false;  // the 节 at their true moments
  bool ziMidnight = false;    // the day turns at 0:00; 23:00-23:59 is the late 子 hour
  bool any() const { return !place.empty() || solarTime || preciseTerms || ziMidnight; }
};

}  // namespace lumo::bazi
