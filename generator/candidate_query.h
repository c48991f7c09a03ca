#pragma once
// The candidate statements of automatic naming.
//
// For one stroke scheme a single statement over table `word` yields complete names in
// one column `mz` (surname, given characters, score tag), already in ranking order.
// Two given characters are a cross join of a first-character select `a` and a
// second-character select `b`; `px` is the order key and `you` counts the characters
// flagged for the chosen sex, so a two-character name needs at least one of them.
// The automatic run joins up to eight schemes with "union" into one statement.
//
// The surname, the fixed character and the score tag are bound parameters, never part
// of the SQL text: a quote or a "%s" in them is a value like any other.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/query.h"
#include "generator/naming_options.h"

namespace lumo::generator {

// A chosen scheme (one picked in the list) or the automatic run ("电脑全自动"): the two
// differ only in the rank offsets and ids of the sub-selects.
enum class Variant { Chosen, Automatic };

struct Statement {
  std::string sql;
  std::vector<db::Param> params;  // bound to the ? placeholders in order
  bool empty() const { return sql.empty(); }
};

// The name select of one scheme, before wrapping.
struct SchemeSelect {
  Statement select;
  bool twoCharacters = false;  // sub-select b present
};

// Thrown when a stroke part of an entry is not a number; the run then ends silently.
struct BadSchemeEntry {};

// The character filter: the element part followed by the sex part.
std::string CharacterFilter(const NamingOptions& options);
// The gender flag, applied to the second given character only.
std::string GenderFlag(Sex sex);

// The unwrapped name select of one scheme entry. Throws BadSchemeEntry.
SchemeSelect BuildSchemeSelect(const NamingOptions& options, const std::string& entry, Variant variant);

// The statement of a chosen scheme: its select, wrapped and ordered. Throws BadSchemeEntry.
Statement BuildCandidateQuery(const NamingOptions& options, const std::string& entry);

// Number of automatic groups for `schemeCount` schemes: eight to a group.
std::size_t GroupCount(std::size_t schemeCount);

// The statement of automatic group `group` (0-based) of `schemes` (the list items after
// "电脑全自动"). `keepGoing` is asked before each scheme is added; when it says no, no
// further scheme enters. An empty statement means the group is skipped. Throws
// BadSchemeEntry.
Statement BuildCandidateQuery(const NamingOptions& options, const std::vector<std::string>& schemes,
                              std::size_t group, const std::function<bool()>& keepGoing = {});

}  // namespace lumo::generator
