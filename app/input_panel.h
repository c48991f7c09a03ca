#pragma once
// The input panel of the main window: surname, given name, sex, calendar kind and the
// birth moment, one row of fields with their caption labels.

#include <QWidget>

#include "core/subject.h"

class QComboBox;
class QLineEdit;

namespace lumo {

class InputPanel final : public QWidget {
  Q_OBJECT
 public:
  explicit InputPanel(QWidget* parent = nullptr);
  PanelInput input() const;
  void clearNames();
  void focusSurname();

 private:
  QLineEdit* m_nameA;
  QLineEdit* m_nameB;
  QComboBox* m_sex;
  QComboBox* m_comDate;
  QComboBox* m_year;
  QComboBox* m_month;
  QComboBox* m_day;
  QComboBox* m_hour;
  QComboBox* m_minute;
};

// The name fields' key filter: characters below code 127 other than Backspace and Enter
// are dropped, so only Chinese characters can be typed.
bool nameKeyAccepted(int key, const QString& text);

}  // namespace lumo
