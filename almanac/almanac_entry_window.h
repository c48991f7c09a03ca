#pragma once
// Shows one day's almanac entry in a window: the date line in a label and the result
// lines in a pane, as the almanac day window and the good-day search both show it.

#include "almanac/almanac_day.h"

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace lumo {

// Reads the chosen day and fills the label and the pane. A refused choice shows the
// notice box, a failed read the error box; the label and pane are then left as they were.
void showAlmanacEntry(QWidget* window, const almanac::DayChoice& choice, QLabel* dateLine,
                      QPlainTextEdit* pane);

}  // namespace lumo
