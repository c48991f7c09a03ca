#pragma once
// The input panel of the main window: surname, given name, sex, calendar kind and the
// birth moment, one row of fields with their caption labels.

#include "core/birth_input_window.h"

namespace lumo {

class InputPanel final : public BirthInputRow {
  Q_OBJECT
 public:
  explicit InputPanel(QWidget* parent = nullptr);
  void clearNames();
  void focusSurname();
};

// The name fields' key filter: characters below code 127 other than Backspace and Enter
// are dropped, so only Chinese characters can be typed.
bool nameKeyAccepted(int key, const QString& text);

}  // namespace lumo
