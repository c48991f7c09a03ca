#pragma once
// TFormOnther: the seven omen pages in a page control, with the "说明：" note below.

#include <QDialog>

class QTabWidget;

namespace lumo::readings {

class TFormOnther final : public QDialog {
  Q_OBJECT
 public:
  explicit TFormOnther(QWidget* parent = nullptr);
  QTabWidget* pages() const { return m_pages; }

 private:
  QTabWidget* m_pages = nullptr;
};

// ShowOmen: a new omen window with `caption` on page `page` (0..6), shown without blocking.
TFormOnther* ShowOmen(const QString& caption, int page, QWidget* parent);

}  // namespace lumo::readings
