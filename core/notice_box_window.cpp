#include "core/notice_box_window.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace lumo {
namespace {
std::function<void(const QString&, const QString&)> g_recorder;

// A message box sized by its text alone may be narrower than its caption, which the
// window manager then cuts to "..."; a spacer row keeps it wide enough for both.
void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    int width = box.fontMetrics().horizontalAdvance(caption) * 2 + 160;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
  box.exec();
}

}  // namespace

void setMessageRecorder(std::function<void(const QString&, const QString&)> recorder) {
  g_recorder = std::move(recorder);
}

void showNotice(QWidget* parent, const QString& text) {
  if (g_recorder) return g_recorder("notice", text);
  showBox(parent, QMessageBox::Information, QStringLiteral("提示"), text);
}

void showError(QWidget* parent, const QString& text) {
  if (g_recorder) return g_recorder("error", text);
  showBox(parent, QMessageBox::Critical, QStringLiteral("错误"), text);
}

}  // namespace lumo
