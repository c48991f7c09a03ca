#pragma once
// The five-element tally of a child's birth moment, for naming: the same chart, element
// text and tally as the BaZi report, without the report.
//
// The favourable elements are the ones the report prints (the least represented); the
// strongest are those with the highest count, which a name should not add to.

#include <optional>
#include <string>

#include "bazi/five_elements.h"

namespace lumo::bazi {

struct BirthTime {
  int year = 0, month = 0, day = 0;
  bool lunar = false;  // year, month and day of a non-leap lunar month
  int hour = 0;        // clock hour 0..23
  std::string sex = "男";
};

// Nothing for a date that does not exist or lies outside the lunar calendar.
std::optional<ElementTally> birthElementTally(const BirthTime& birth);

// The elements of the highest count, in tally order ("金水" when both count 3).
std::string strongestElements(const ElementTally& tally);

}  // namespace lumo::bazi
