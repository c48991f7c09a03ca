#pragma once
// The recommended list of a run when its names are to come from a classic.
//
// The run's pool holds every name it proposed: the names of its stroke schemes that
// passed the guards. With a classic chosen, the list keeps only those of the pool that
// the classic's lines give (classic_names.h), each with its source line: first the names
// whose two characters stand in one clause of the line, then those that span a mark,
// each group ranked by the same quality score, at most three names to a given character
// over the whole list. Without a classic it is the ordinary recommended list.

#include <cstddef>
#include <vector>

#include "data/query.h"
#include "generator/classic_names.h"
#include "generator/recommend.h"

namespace lumo::generator {

// Throws db::DbError when the classics cannot be read.
std::vector<RecommendedName> recommendFromPool(const CandidatePool& pool, Classic classic,
                                               const NamingOptions& options, naming::CharacterTable& table,
                                               db::Connection& connection, const ElementNeed& need,
                                               std::size_t count = kRecommendedCount);

}  // namespace lumo::generator
