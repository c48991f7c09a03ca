#pragma once
// What every window of the program shares: Qt's own dialogs and menus in Chinese, the
// program's icon, secondary windows placed over the main window, Esc closing a window.

class QApplication;
class QWidget;

namespace lumo {

// Loads Qt's Chinese translations; false when the translation files are not installed
// (Qt's dialogs then stay in English, nothing else changes).
bool loadQtChinese(QApplication& app);

// Sets the program's icon for every window and installs the filter that centres each
// secondary window over the main window when it first opens and closes a non-dialog
// window on Esc (dialogs close on Esc by themselves).
void installWindowManners(QApplication& app);

// Grows `window` (never shrinks it) until its layout has the height it needs at its
// width, so wrapped labels show every line; call it after changing their texts.
void growToFit(QWidget* window);

// The width a window needs for the window manager to show its whole caption.
int captionWidth(const QWidget* window);

// Centres `window` over `anchor`, kept inside the screen's available area.
void centreOver(QWidget* window, const QWidget* anchor);

}  // namespace lumo
