#include "bazi/chart_setup.h"

#include <cmath>
#include <cstdio>

#include "bazi/places.h"
#include "bazi/solar_time.h"
#include "core/report.h"

namespace lumo::bazi {
namespace {

std::string fixed(double value, const char* format) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string placeLine(const Place& p) {
  std::string name = p.province == p.city ? p.city : p.province + " " + p.city;
  return "出生地：" + name + "（东经" + fixed(p.longitude, "%.2f") + "度，北纬" + fixed(p.latitude, "%.2f") +
         "度）";
}

std::string rulesLine(const ChartRules& r) {
  return std::string("排盘规则：") + (r.preciseTerms ? "节气按天文交节时刻" : "节气按固定日期") + "，" +
         (r.ziMidnight ? "0点换日，23点为夜子时（时干从次日）" : "23点至0点按当日子时");
}

}  // namespace

std::string clockText(double serial) {
  long long minutes = std::llround(serial * 1440.0);
  Date d = dateOf(static_cast<double>(minutes / 1440));
  char text[48];
  std::snprintf(text, sizeof text, "%04d年%02d月%02d日%02lld点%02lld分", d.year, d.month, d.day,
                minutes % 1440 / 60, minutes % 60);
  return text;
}

ChartSetup chartSetupOf(const BirthMoment& birth, const ChartOptions& options) {
  ChartSetup s;
  s.rules = {options.preciseTerms, options.ziMidnight};
  const Date& date = birth.date();
  s.moment = chartMomentOf(date.year, date.month, date.day, birth.hour(), birth.minute());
  std::optional<Place> place;
  if (!options.place.empty() && !(place = findPlace(options.place)))
    throw Notice("找不到出生地“" + options.place + "”，请从列表中选择省份和城市。");
  if (options.solarTime && !place) throw Notice("请选择出生地!");
  if (place) s.headerLines.push_back(placeLine(*place));
  if (options.solarTime) {
    SolarTimeShift shift = solarTimeShift(s.moment.beijing, place->longitude);
    // The day and hour pillars follow whole minutes of the corrected clock.
    s.moment.local = std::floor((s.moment.beijing + shift.total() / 1440.0) * 1440.0 + 1e-6) / 1440.0;
    s.headerLines.push_back("排盘时间：真太阳时" + clockText(s.moment.local) + "（经度时差" +
                            fixed(shift.longitudeMinutes, "%+.1f") + "分，均时差" +
                            fixed(shift.equationMinutes, "%+.1f") + "分）");
  } else {
    s.headerLines.push_back("排盘时间：北京时间" + clockText(s.moment.beijing));
  }
  s.headerLines.push_back(rulesLine(s.rules));
  return s;
}

}  // namespace lumo::bazi
