#pragma once
// TFrmNameCome, the surname origin window ("姓氏起源"): a list of surnames from table
// `xing` that also takes a typed surname, "开始搜索" and "关闭", and the text pane.
// Modeless; several may be open; each frees itself when closed.

#include <QWidget>
#include <memory>

#include "data/query.h"

class QComboBox;
class QPlainTextEdit;

namespace lumo {

class TFrmNameCome final : public QWidget {
  Q_OBJECT
 public:
  explicit TFrmNameCome(QWidget* parent = nullptr);
  ~TFrmNameCome() override;

  // "开始搜索" with the list's text.
  void search();
  QComboBox* surnameBox() const { return m_surnames; }
  QPlainTextEdit* textPane() const { return m_pane; }

 private:
  void fillList();
  // The window's own connection to KelBirth.dll; null when it could not be opened.
  db::Connection& connection();

  QComboBox* m_surnames = nullptr;
  QPlainTextEdit* m_pane = nullptr;
  std::unique_ptr<db::Connection> m_connection;
};

// "姓氏起源": a new origin window, shown without blocking.
TFrmNameCome* ShowSurnameOrigin(QWidget* parent);

}  // namespace lumo
