#include "core/manners_window.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <algorithm>

namespace lumo {
namespace {

const char* const kPlacedProperty = "lumoPlaced";
// Qt's own file dialog opens too narrow for its date column.
constexpr QSize kFileDialogSize(780, 480);
// What a title bar spends besides the caption: the icon and the three buttons.
constexpr int kTitleBarExtra = 140;

// The main window: the one visible top-level window that no other window owns.
const QWidget* mainWindow() {
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == QLatin1String("TFrmmain") && w->isVisible()) return w;
  return nullptr;
}

bool isSecondaryWindow(const QWidget* w) {
  if (!w->isWindow() || w->objectName() == QLatin1String("TFrmmain")) return false;
  Qt::WindowType type = w->windowType();
  return type == Qt::Window || type == Qt::Dialog;
}

// The window a secondary window is placed over: its owner's window, else the main window.
const QWidget* anchorOf(const QWidget* w) {
  if (const QWidget* owner = w->parentWidget(); owner && owner->window()->isVisible()) return owner->window();
  return mainWindow();
}

class WindowManners final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && isSecondaryWindow(widget) &&
        !widget->property(kPlacedProperty).toBool()) {
      widget->setProperty(kPlacedProperty, true);
      growToFit(widget);  // Qt sizes a new window to at most part of a small screen
      if (qobject_cast<QFileDialog*>(widget)) widget->resize(widget->size().expandedTo(kFileDialogSize));
      if (int wanted = std::min(captionWidth(widget), widget->maximumWidth()); widget->width() < wanted)
        widget->resize(wanted, widget->height());
      if (const QWidget* anchor = anchorOf(widget); anchor && anchor != widget) centreOver(widget, anchor);
    } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
               static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
      QWidget* top = widget->window();
      if (isSecondaryWindow(top) && !qobject_cast<QDialog*>(top)) {
        top->close();
        return true;
      }
    }
    return false;
  }
};

}  // namespace

bool loadQtChinese(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

void installWindowManners(QApplication& app) {
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lumo.svg")));
  // The desktop entry of the same name gives the task bar its icon under Wayland.
  QGuiApplication::setDesktopFileName(QStringLiteral("lumo"));
  app.installEventFilter(new WindowManners(&app));
}

void growToFit(QWidget* window) {
  QLayout* layout = window->layout();
  if (!layout) return;
  layout->invalidate();
  layout->activate();
  int width = std::max(window->width(), layout->totalMinimumSize().width());
  int height =
      layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : layout->totalSizeHint().height();
  height = std::min(std::max(height, window->height()), window->maximumHeight());
  if (width != window->width() || height != window->height()) window->resize(width, height);
}

int captionWidth(const QWidget* window) {
  return window->fontMetrics().horizontalAdvance(window->windowTitle()) + kTitleBarExtra;
}

void centreOver(QWidget* window, const QWidget* anchor) {
  QRect frame = window->frameGeometry();
  frame.moveCenter(anchor->frameGeometry().center());
  if (const QScreen* screen = anchor->screen()) {
    QRect area = screen->availableGeometry();
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
  }
  window->move(frame.topLeft());
}

}  // namespace lumo
