#include "readings/digit_filter_window.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace lumo::readings {
namespace {

bool isEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Enter runs `onEnter` (if any) and is consumed; true when the event was Enter.
bool handleEnter(QEvent* event, const std::function<void()>& onEnter) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (!isEnter(key)) return false;
  if (onEnter) onEnter();
  return true;
}

}  // namespace

DigitKeyFilter::DigitKeyFilter(QLineEdit* field, std::function<void()> onEnter)
    : QObject(field), m_onEnter(std::move(onEnter)) {
  field->installEventFilter(this);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (handleEnter(event, m_onEnter)) return true;
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape) return false;  // Esc closes the window
  const QString text = key->text();
  if (text.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return false;  // navigation, Delete, shortcuts: the field's own business
  bool digit = text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');
  return !digit;
}

EnterKeyFilter::EnterKeyFilter(QLineEdit* field, std::function<void()> onEnter)
    : QObject(field), m_onEnter(std::move(onEnter)) {
  field->installEventFilter(this);
}

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (handleEnter(event, m_onEnter)) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace lumo::readings
