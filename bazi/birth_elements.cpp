#include "bazi/birth_elements.h"

#include <algorithm>

#include "bazi/bazi_chart.h"
#include "bazi/natal_lines.h"
#include "calendar/date_cn.h"
#include "calendar/date_serial.h"

namespace lumo::bazi {

std::optional<ElementTally> birthElementTally(const BirthTime& birth) {
  Date date{birth.year, birth.month, birth.day};
  if (birth.lunar) {
    LunarDate lunar{birth.year, birth.month, birth.day, false};
    if (!IsValidLunarDate(lunar)) return std::nullopt;
    date = dateOf(LunarToSolar(lunar));
  }
  if (!isValidDate(date.year, date.month, date.day) || SolarToLunar(serialOf(date)).year == 0)
    return std::nullopt;
  if (birth.hour < 0 || birth.hour > 23) return std::nullopt;
  auto chart = computeBaziChart(date.year, date.month, date.day, birth.sex, birth.hour);
  if (!chart) return std::nullopt;
  return tallyElements(elementText(*chart));
}

std::string strongestElements(const ElementTally& tally) {
  int most = *std::max_element(tally.counts.begin(), tally.counts.end());
  std::string out;
  if (most == 0) return out;
  for (std::size_t e = 0; e < tally.counts.size(); ++e)
    if (tally.counts[e] == most) out += kElements[e];
  return out;
}

}  // namespace lumo::bazi
