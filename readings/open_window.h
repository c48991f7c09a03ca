#pragma once
// The ways a command opens a reading window (one instance slot per window class):
//   fresh modal  free the window in the slot if there is one, create a new one, exec it;
//   new modal    create a new one in the slot without freeing the old one, exec it;
//   modeless     create a new one in the slot and show it without waiting.
// Every window frees itself when closed; the slot is a QPointer, so it clears itself.

#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace lumo::readings {

template <class Window>
QPointer<Window>& windowSlot() {
  static QPointer<Window> slot;
  return slot;
}

template <class Window, class Prepare>
void execInSlot(Window* window, Prepare&& prepare) {
  windowSlot<Window>() = window;
  window->setAttribute(Qt::WA_DeleteOnClose);
  prepare(*window);
  window->exec();  // deletes the window when it closes
}

template <class Window, class Prepare = void (*)(Window&)>
void openFreshModal(
    QWidget* parent, Prepare&& prepare = [](Window&) {}) {
  delete windowSlot<Window>().data();
  execInSlot(new Window(parent), prepare);
}

template <class Window, class Prepare = void (*)(Window&)>
void openNewModal(
    QWidget* parent, Prepare&& prepare = [](Window&) {}) {
  execInSlot(new Window(parent), prepare);
}

// Shows an already built window without waiting and puts it in its slot.
template <class Window>
Window* showModeless(Window* window) {
  windowSlot<Window>() = window;
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  return window;
}

}  // namespace lumo::readings
