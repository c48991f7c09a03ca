#pragma once
// The five-element tally of a child's birth moment, for naming: the same chart, element
// text and tally as the BaZi report, without the report.
//
// The favourable elements are the ones the report prints (the least represented); the
// strongest are those with the highest count, which a name should not add to.

#include <optional>
#include <string>

#include "bazi/five_elements.h"
#include "core/birth_moment.h"

namespace lumo::bazi {

// Nothing when the calendar cannot chart the moment.
std::optional<ElementTally> birthElementTally(const BirthMoment& birth);

// The elements of the highest count, in tally order ("金水" when both count 3).
std::string strongestElements(const ElementTally& tally);

}  // namespace lumo::bazi
