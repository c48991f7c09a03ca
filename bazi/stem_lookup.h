#pragma once
// Single-row lookups in Tgcode.dll for the chart and the report: the ten god of a stem
// pair, the 纳音 of a pillar and the element of a character.
//
// Every key is bound as a parameter. A failing query counts as no row (the "empty" way of
// absorbing a database error), and no row gives "". Nothing is cached: each call runs its
// own query.

#include <string>
#include <string_view>

namespace lumo::bazi {

// Ten god of a two-stem key, the day master first ("甲丙" -> 食神).
std::string lookupTenGod(std::string_view key);

// 纳音 of a pillar; blanks around the two characters do not matter ("丙寅 " finds 丙寅).
std::string lookupNayin(std::string_view pillar);

// Element (金 木 水 火 土) of a stem or branch character, from the hzwh row whose hz
// contains it; "" for an empty character or no row.
std::string lookupElement(std::string_view character);

}  // namespace lumo::bazi
