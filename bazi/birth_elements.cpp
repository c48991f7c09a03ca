#include "bazi/birth_elements.h"

#include <algorithm>

#include "bazi/bazi_chart.h"
#include "bazi/natal_lines.h"

namespace lumo::bazi {

std::optional<ElementTally> birthElementTally(const BirthMoment& birth) {
  const Date& date = birth.date();
  if (birth.lunar().year == 0) return std::nullopt;
  auto chart = computeBaziChart(date.year, date.month, date.day, birth.sexText(), birth.hour());
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
