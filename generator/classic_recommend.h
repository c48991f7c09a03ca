#pragma once
// The recommended list of a run when its names are to come from a classic.
//
// The run's pool holds every name it proposed: the names of its stroke schemes that
// passed the guards. With a classic chosen, the list keeps only those of the pool that
// the classic's lines give (classic_names.h) and ranks them by the same quality score,
// each with its source line; without one it is the ordinary recommended list.

#include <cstddef>
#include <vector>

#include "generator/classic_names.h"
#include "generator/recommend.h"

namespace lumo::generator {

// Throws db::DbError when the classics cannot be read.
std::vector<RecommendedName> recommendFromPool(const CandidatePool& pool, Classic classic,
                                               const NamingOptions& options, naming::CharacterTable& table,
                                               db::Connection& connection, const ElementNeed& need,
                                               std::size_t count = kRecommendedCount);

}  // namespace lumo::generator
