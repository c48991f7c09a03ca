#pragma once
// Items of the windows' number drop-downs (years, months, days, minutes).

#include <QStringList>

namespace lumo {

// The numbers from..to in decimal, left-padded with zeros to `width` digits (0: no padding).
QStringList numberItems(int from, int to, int width = 0);

}  // namespace lumo
