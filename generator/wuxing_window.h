#pragma once
// TFrmWuxing ("五行查询(最多可以输入5个字)"): the elements of up to five typed characters.
// "查看" writes them side by side into the result field; "关闭" closes the window.

#include <QDialog>
#include <memory>

#include "data/query.h"

class QLineEdit;

namespace lumo {

class TFrmWuxing final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmWuxing(QWidget* parent = nullptr);
  ~TFrmWuxing() override;

  void lookUp();  // "查看"

 private:
  QLineEdit* m_input = nullptr;
  QLineEdit* m_result = nullptr;
  std::unique_ptr<db::Connection> m_connection;  // opened at the first lookup
};

// A new window each time, shown modally and freed when it closes.
void showElementWindow(QWidget* parent);

}  // namespace lumo
