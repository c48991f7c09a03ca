#include "app/notice_box.h"

#include <QMessageBox>

namespace lumo {
namespace {
std::function<void(const QString&, const QString&)> g_recorder;
}

void setMessageRecorder(std::function<void(const QString&, const QString&)> recorder) {
  g_recorder = std::move(recorder);
}

void showNotice(QWidget* parent, const QString& text) {
  if (g_recorder) return g_recorder("notice", text);
  QMessageBox::information(parent, QStringLiteral("提示"), text);
}

void showError(QWidget* parent, const QString& text) {
  if (g_recorder) return g_recorder("error", text);
  QMessageBox::critical(parent, QStringLiteral("错误"), text);
}

}  // namespace lumo
