#include "bazi/boundary_notes.h"

#include <cmath>
#include <optional>

#include "bazi/chart_setup.h"
#include "bazi/jie_moments.h"
#include "bazi/report_text.h"
#include "calendar/date_serial.h"

namespace lumo::bazi {
namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kTermWindow = 120 * kMinute;
constexpr double kHourWindow = 30 * kMinute;
// The fixed boundary days (month * 100 + day) of the twelve 节, 小寒 first.
constexpr int kFixedJieDays[12] = {106, 204, 306, 405, 505, 606, 707, 808, 908, 1008, 1107, 1208};
const char* const kBranchHours[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

// A boundary point: its name and the moment, on the clock it is measured on.
struct Point {
  std::string name;
  double at = 0;
  bool onLocalClock = false;
};

std::optional<Point> nearJie(double beijing, bool precise) {
  std::vector<Point> candidates;
  if (precise) {
    for (const JieMoment* m : {jieAtOrBefore(beijing), jieAfter(beijing)})
      if (m) candidates.push_back({jieName(m->jie) + "交节（" + clockText(m->serial) + "）", m->serial});
  } else {
    Date d = dateOf(beijing);
    for (int year : {d.year - 1, d.year, d.year + 1})
      for (int jie = 0; jie < 12; ++jie) {
        double at = serialOf(year, kFixedJieDays[jie] / 100, kFixedJieDays[jie] % 100);
        candidates.push_back({jieName(jie) + "（" + clockText(at) + "起）", at});
      }
  }
  for (const Point& p : candidates)
    if (std::fabs(p.at - beijing) <= kTermWindow + 1e-9) return p;
  return std::nullopt;
}

// The double-hour starts and midnights within the window of the local clock.
std::vector<Point> nearHours(double local) {
  std::vector<Point> points;
  double midnight = std::floor(local + 1e-9);
  for (int hour = -1; hour <= 25; ++hour) {
    if (hour % 2 == 0 && hour % 24 != 0) continue;
    double at = midnight + hour / 24.0;
    if (std::fabs(at - local) > kHourWindow + 1e-9) continue;
    int clock = (hour + 24) % 24;
    std::string name =
        clock == 0 ? std::string("零点换日") : std::string(kBranchHours[(clock + 1) / 2 % 12]) + "时之始";
    points.push_back({name + "（" + std::to_string(clock) + "点）", at, true});
  }
  return points;
}

std::string changedPillars(const BaziChart& a, const BaziChart& b) {
  const bool differs[4] = {a.yearStem != b.yearStem || a.yearBranch != b.yearBranch,
                           a.monthStem != b.monthStem || a.monthBranch != b.monthBranch,
                           a.dayStem != b.dayStem || a.dayBranch != b.dayBranch,
                           a.hourStem != b.hourStem || a.hourBranch != b.hourBranch};
  const char* const names[4] = {"年柱", "月柱", "日柱", "时柱"};
  std::string text;
  for (int i = 0; i < 4; ++i)
    if (differs[i]) text += (text.empty() ? "" : "、") + std::string(names[i]);
  return text;
}

// The moment just across a point: the point itself when the birth is before it, one
// minute before it otherwise. A 节 moves only the China's-time clock; an hour both.
ChartMoment across(const ChartMoment& m, const Point& p) {
  double clock = p.onLocalClock ? m.local : m.beijing;
  double shift = (clock < p.at ? p.at : p.at - kMinute) - clock;
  return {m.beijing + shift, p.onLocalClock ? m.local + shift : m.local};
}

}  // namespace

std::vector<BoundaryNote> boundaryNotes(const ChartMoment& m, const std::string& sex, const ChartRules& rules,
                                        const BaziChart& chart) {
  std::vector<Point> points;
  if (auto jie = nearJie(m.beijing, rules.preciseTerms)) points.push_back(*jie);
  for (const Point& p : nearHours(m.local)) points.push_back(p);
  std::vector<BoundaryNote> notes;
  for (const Point& p : points) {
    auto other = computeBaziChart(across(m, p), sex, rules);
    if (!other) continue;
    std::string changed = changedPillars(chart, *other);
    if (changed.empty()) continue;
    double clock = p.onLocalClock ? m.local : m.beijing;
    notes.push_back({p.name, p.onLocalClock ? "30分钟" : "2小时", changed, clock < p.at, *other});
  }
  return notes;
}

std::string pillarsText(const BaziChart& c) {
  return c.yearStemChar + c.yearBranchChar + kB3 + c.monthStemChar + c.monthBranchChar + kB3 + c.dayStemChar +
         c.dayBranchChar + kB3 + c.hourStemChar + c.hourBranchChar;
}

void writeBoundaryNotes(const std::vector<BoundaryNote>& notes, Report& report) {
  for (const BoundaryNote& n : notes) {
    report.add("边界提示：出生时刻在" + n.point + "前后" + n.window + "之内，" + n.pillars + "未定；" +
               (n.otherIsLater ? "在此之后" : "在此之前") + "出生的八字为：");
    report.add("八字：" + pillarsText(n.other));
  }
}

}  // namespace lumo::bazi
