#pragma once
// The key filter of the number fields: of the keys that type a character, only the
// digits 0 to 9, backspace and Enter pass; Enter runs the window's reading when the
// window asks for it and is swallowed otherwise (it never presses a dialog button).
// Keys that type nothing (arrows, Delete, Home) and Esc are left to the field and window.

#include <QObject>
#include <functional>

class QLineEdit;

namespace lumo::readings {

class DigitKeyFilter : public QObject {
  Q_OBJECT
 public:
  // Installs itself on `field`; `onEnter` may be empty.
  DigitKeyFilter(QLineEdit* field, std::function<void()> onEnter);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> m_onEnter;
};

// Installs the Enter key handling alone (for fields that take any character).
class EnterKeyFilter : public QObject {
  Q_OBJECT
 public:
  EnterKeyFilter(QLineEdit* field, std::function<void()> onEnter);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> m_onEnter;
};

}  // namespace lumo::readings
