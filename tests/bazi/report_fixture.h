#pragma once
// Running the whole BaZi report in tests: a panel input, the lines and how the command
// ended, with the current date fixed to 2024-06-01.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bazi/bazi_report.h"
#include "calendar/clock.h"
#include "core/stem_branch.h"

namespace lumo::bazi::testing {

struct ReportRun {
  std::vector<std::string> lines;
  CommandResult result;
  Subject subject;
};

inline PanelInput panel(const char* date, const char* hour, const char* sex = "男", int calendar = 0) {
  PanelInput in;
  in.surname = " 张 ";
  in.sex = sex;
  in.calendarIndex = calendar;
  std::string d = date;
  auto a = d.find('-'), b = d.rfind('-');
  in.year = d.substr(0, a), in.month = d.substr(a + 1, b - a - 1), in.day = d.substr(b + 1);
  in.hour = hour;
  in.minute = "30";
  return in;
}

inline ReportRun run(const PanelInput& in) {
  ReportRun r;
  Report report;
  r.result = runCommand(report, [&](Report& lines) { showBaziReport(in, r.subject, lines); });
  r.lines = report.lines;
  return r;
}

// Position of a pillar in the sixty cycle (甲子 = 0); -1 if the text is no pillar.
inline int cycleIndex(const std::string& pillar) {
  for (int k = 0; k < 60; ++k)
    if (pillarOfNumbers(k % 10 + 1, k % 12 + 1) == pillar) return k;
  return -1;
}

class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override { setToday(Date{2024, 6, 1}); }
  void TearDown() override { setToday(std::nullopt); }
};

}  // namespace lumo::bazi::testing
