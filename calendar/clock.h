#pragma once
// The one source of "today": ages, the date picker and the almanac's default day read it.
// Tests and `lumo-cli --today` fix it; otherwise it is the system's local date.

#include <optional>

#include "calendar/date_serial.h"

namespace lumo {

Date today();
void setToday(std::optional<Date> fixed);

}  // namespace lumo
