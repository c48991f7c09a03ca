#pragma once
// The star sign of the subject, by inclusive day ranges of the date's own year.
// "金牛座 " keeps its trailing blank; a date with a time of day past midnight of the
// last day of a range belongs to no range and gives "".

#include <string>

namespace lumo {

std::string StarSign(double serial);

}  // namespace lumo
