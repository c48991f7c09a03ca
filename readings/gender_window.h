#pragma once
// TFrm_NanNv ("生男生女"): the traditional chart in two pages of tables (mother's lunar age
// 18 to 31 and 32 to 44 by conception month), a page of advice, and the note below.

#include <QDialog>

class QTabWidget;

namespace lumo::readings {

class TFrm_NanNv final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrm_NanNv(QWidget* parent = nullptr);
  QTabWidget* pages() const { return m_pages; }

 private:
  QTabWidget* m_pages = nullptr;
};

}  // namespace lumo::readings
