#pragma once
// Names drawn from the classics: 诗经 and 楚辞, line by line (table `jingdian`).
//
// A candidate is two characters of one line in their order (one character for a single
// given name), each fit for a generated name by the same character filter as the naming
// run (name set, elements, sex, at least the second flagged for the sex), so a classic
// name is always one the run itself could propose. Each keeps the line it comes from;
// where a name occurs in several lines, the one holding its characters closest together
// is kept (in one clause rather than across a mark, then fewer characters between), the
// first of those in the book's order; a line of death, mourning, grief or illness is taken
// only when no other line gives the name. The particles of the classics (之 兮 于 ...)
// are left out.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/query.h"
#include "generator/naming_options.h"
#include "generator/recommended_name.h"

namespace lumo::generator {

// "不限", "诗经", "楚辞".
const char* ClassicText(Classic classic);
// The source of one of those texts; empty for any other text.
std::optional<Classic> ClassicOf(std::string_view text);

struct ClassicName {
  std::string given;             // one or two characters
  std::array<int, 2> strokes{};  // stroke counts of the given characters (0: none)
  NameSource source;             // 诗经, 小雅·鹿鸣 (part and title), the line
  int apart = 0;                 // characters between the two in the line (0: together)
  bool oneClause = true;         // no punctuation mark between the two
  bool somber = false;           // the line speaks of death, mourning, grief or illness
};

// Every candidate of one classic (not Any) for the options' sex, form, elements and
// fixed character, in the order of their lines. Throws db::DbError.
std::vector<ClassicName> ClassicCandidates(db::Connection& connection, Classic classic,
                                           const NamingOptions& options);

}  // namespace lumo::generator
