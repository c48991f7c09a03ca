#pragma once
// The five-element section of the BaZi report: the seasonal remark on the day master, the
// 调候 remark for its birth month, the tally of the elements over the eight characters and
// the favourable element (喜用神).
//
// The favourable element is the least represented element: every element with the lowest
// count, in the order 金 木 水 火 土. The season follows the Gregorian birth month (1-3
// spring … 10-12 winter), not the month pillar. The two remarks come from Tgcode.dll; a
// failing or empty read gives an empty remark and the line keeps its fixed words.

#include <array>
#include <string>
#include <string_view>

#include "core/report.h"

namespace lumo::bazi {

struct BaziChart;

// The five elements in tally order.
extern const char* const kElements[5];  // 金 木 水 火 土

struct ElementTally {
  std::array<int, 5> counts{};  // by kElements
  std::string text;             // "金:占2个 25, 木:占2个 25, … 土:占1个 12.5."
  std::string favourable;       // e.g. "火土"
};

// Remark for an element (金 … 土) in a season (春 夏 秋 冬).
std::string lookupSeasonRemark(std::string_view element, std::string_view season);
// 调候 remark for a day master stem born in a month branch.
std::string lookupTiaohou(std::string_view stem, std::string_view branch);

// Counts each element character of the element text (other characters count for none);
// each share is count / 8 × 100 in shortest decimal form.
ElementTally tallyElements(std::string_view elementText);
// The elements of the lowest count 0, 1, 2, 3 or 4, in tally order; "" if none is that low.
std::string favourableElement(const std::array<int, 5>& counts);

// The season character (春 夏 秋 冬) of a Gregorian month 1..12.
std::string seasonOf(int month);

// The four lines: season, 穷通宝鉴, tally and favourable element. Returns the tally.
ElementTally writeFiveElementSection(const BaziChart& chart, std::string_view elementText, Report& report);

}  // namespace lumo::bazi
