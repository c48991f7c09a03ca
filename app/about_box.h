#pragma once
// "关于系统": the program's name, version, what it does, and the licences of what it
// ships with, closed with OK or Esc.

#include <QDialog>

namespace lumo {

class AboutBox final : public QDialog {
 public:
  explicit AboutBox(QWidget* parent);
};

}  // namespace lumo
