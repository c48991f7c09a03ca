#include "app/input_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace lumo {
namespace {

class NameEdit final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!nameKeyAccepted(event->key(), event->text())) return event->ignore();
    QLineEdit::keyPressEvent(event);
  }
};

// Surname and given name: at most four characters, typed only (no ASCII).
QLineEdit* nameEdit(QWidget* parent) {
  auto* edit = new NameEdit(parent);
  edit->setMaxLength(4);
  edit->setFixedWidth(52);
  return edit;
}

BirthInputLook mainWindowLook() {
  BirthInputLook look;
  look.surnameCaption = QStringLiteral("姓");
  look.surnameName = "NameA";
  look.givenCaption = QStringLiteral("名");
  look.givenName = "NameB";
  look.sexCaption = QStringLiteral("姓别");
  look.sexName = "Sex";
  look.lastYear = 2019;
  look.minuteName = "CBFen";
  look.editableNumbers = true;
  look.nameEdit = nameEdit;
  return look;
}

}  // namespace

bool nameKeyAccepted(int key, const QString& text) {
  if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  if (text.isEmpty()) return true;  // navigation and modifier keys carry no text
  return text.at(0).unicode() >= 127;
}

InputPanel::InputPanel(QWidget* parent) : BirthInputRow(mainWindowLook(), parent) {
  row()->setContentsMargins(4, 2, 4, 2);
  row()->setSpacing(3);
  sex()->setFixedWidth(44);
  calendar()->setFixedWidth(56);
  year()->setFixedWidth(58);
  for (QComboBox* box : {month(), day(), minute()}) box->setFixedWidth(42);
  hour()->setFixedWidth(62);
}

void InputPanel::clearNames() {
  surname()->clear();
  given()->clear();
}

void InputPanel::focusSurname() {
  surname()->setFocus();
}

}  // namespace lumo
