#pragma once
// The scheme list of the naming window (CBCode): the stroke combinations of table `zh`
// that suit the surname's stroke counts, best first, as scheme entries.
//
// Both functions run over the window's own connection and report database errors
// (they throw ReportedFailure, which the window shows in the error box).

#include <string>
#include <vector>

#include "data/query.h"
#include "generator/naming_options.h"

namespace lumo::generator {

// Stroke count of one character: its simplified form first, then its traditional form;
// 0 when neither is known. The character is a bound value, used as given.
int LookupStrokes(db::Connection& connection, const std::string& character);

struct SchemeListOptions {
  NamingOptions naming;         // surname, sex, name form, fixed character
  bool minTicked = true;        // CBFeeXX
  std::string minScore = "70";  // ZuidiFee, trimmed
};

// The items of the scheme list: "电脑全自动", then one entry per `zh` row in the order
// jxjx, zf ascending. At most 40 rows for one given character, 20 for two, 80 when a
// fixed character with a known stroke count narrows the list. A minimum score that is
// not a number throws ReportedFailure.
std::vector<std::string> FillStrokeSchemes(db::Connection& connection, const SchemeListOptions& options);

}  // namespace lumo::generator
