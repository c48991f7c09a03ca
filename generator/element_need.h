#pragma once
// The element need of a child for naming, from the BaZi tally of its birth moment.

#include <optional>

#include "bazi/birth_elements.h"
#include "generator/name_quality.h"

namespace lumo::generator {

// Empty (unknown) without a birth moment or for a date the calendar cannot chart.
ElementNeed elementNeedOf(const std::optional<BirthMoment>& birth);

}  // namespace lumo::generator
