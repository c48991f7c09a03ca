#pragma once
// The notice box ("提示", information icon, one OK button) and the error box, with a seam
// for tests: when a recorder is installed, boxes are recorded instead of shown.

#include <QString>
#include <functional>

class QWidget;

namespace lumo {

void showNotice(QWidget* parent, const QString& text);
void showError(QWidget* parent, const QString& text);

// Tests: every box goes to `recorder` (kind "notice" or "error") and none is shown.
void setMessageRecorder(std::function<void(const QString& kind, const QString& text)> recorder);

}  // namespace lumo
