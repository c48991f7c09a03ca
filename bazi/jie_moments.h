#pragma once
// The true moments of the twelve 节, 1899-2101, in China's time (UTC+8).
//
// The table is computed at build time from the almanac's astronomy (the Sun's apparent
// longitude reaching 285°, 315°, ... 255°) and compiled into the program; it is read
// once, on first use, and never changes. Moments are day serials with the time of day as
// the fraction, rounded to the second.

#include <span>
#include <string>

namespace lumo::bazi {

struct JieMoment {
  int year = 0;       // Gregorian year of the moment
  int jie = 0;        // 0 小寒, 1 立春, 2 惊蛰, ... 11 大雪
  double serial = 0;  // China's time
};

// Every moment of the table in time order.
std::span<const JieMoment> jieMoments();

// The name of 节 number 0..11 ("小寒" ... "大雪").
std::string jieName(int jie);

// The last 节 at or before `serial`, and the first one after it; nullptr past either end
// of the table.
const JieMoment* jieAtOrBefore(double serial);
const JieMoment* jieAfter(double serial);

// The cyclic month branch that a 节 opens: 小寒 丑 (2), 立春 寅 (3), ... 大雪 子 (1).
int monthBranchOfJie(int jie);

}  // namespace lumo::bazi
