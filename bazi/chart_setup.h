#pragma once
// Turns the birth moment and the report's options into the chart's two clocks and rules,
// and the header lines that tell the reader which time and rules the chart used.

#include <string>
#include <vector>

#include "bazi/bazi_chart.h"
#include "calendar/date_serial.h"
#include "core/birth_moment.h"
#include "core/chart_options.h"

namespace lumo::bazi {

struct ChartSetup {
  ChartMoment moment;
  ChartRules rules;
  std::vector<std::string> headerLines;  // 出生地 (with a place), 排盘时间, 排盘规则
};

// Throws Notice for a place that the list does not know and for the solar time
// without a place.
ChartSetup chartSetupOf(const BirthMoment& birth, const ChartOptions& options);

// "yyyy年MM月dd日HH点mm分" of a serial, rounded to the minute.
std::string clockText(double serial);

}  // namespace lumo::bazi
