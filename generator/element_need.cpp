#include "generator/element_need.h"

namespace lumo::generator {

ElementNeed elementNeedOf(const std::optional<BirthMoment>& birth) {
  if (!birth) return {};
  auto tally = bazi::birthElementTally(*birth);
  if (!tally) return {};
  return {tally->favourable, bazi::strongestElements(*tally)};
}

}  // namespace lumo::generator
