#pragma once
// TFormQQpeidui ("QQ号码缘分配对"): the own and the other QQ number, "测算" runs the four
// checks in order (each refusal shows its message and puts the focus into its field),
// then shows the pairing text. Enter does not run the reading here.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace lumo::readings {

class TFormQQpeidui final : public QDialog {
  Q_OBJECT
 public:
  explicit TFormQQpeidui(QWidget* parent = nullptr);
  QLineEdit* ownField() const { return m_own; }
  QLineEdit* otherField() const { return m_other; }
  QLabel* result() const { return m_result; }
  void runReading();

 private:
  QLineEdit* m_own = nullptr;
  QLineEdit* m_other = nullptr;
  QLabel* m_result = nullptr;
};

}  // namespace lumo::readings
