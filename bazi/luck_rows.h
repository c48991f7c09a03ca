#pragma once
// The great-luck table of the BaZi report below the natal chart: the age row, the 始于
// row, the ten 流年 rows and the ten 小运 row pairs.
//
// With a = startAge and L the lunar year of the birth date, rows i < a carry an extra first
// column for the years before the first great-luck pillar; the other rows begin with
// thirteen blanks, the width in GBK bytes of a label, a pillar and three blanks, so their
// columns stay under the same pillars. The minor-luck pillar of life year m steps from the
// hour pillar in the direction of the great luck.

#include <string>
#include <vector>

namespace lumo::bazi {

struct BaziChart;

// The stem and branch of lunar year y (its year name without the animal); "" before 1864.
std::string yearPillarName(int year);
// Minor-luck pillar of life year m (MP(0) is the hour pillar).
std::string minorLuckPillar(const BaziChart& chart, int m);
// Life year m with at least two digits and "岁": 3 -> "03岁".
std::string ageText(int m);

std::string ageRow(const BaziChart& chart);
std::string startYearRow(const BaziChart& chart);
std::vector<std::string> yearlyRows(const BaziChart& chart, int lunarYear);
std::vector<std::string> minorLuckRows(const BaziChart& chart);

}  // namespace lumo::bazi
