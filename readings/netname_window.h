#pragma once
// TFrmWangming ("网名与性格"): the name field edtmun (18 characters, Latin letters shown in
// upper case), "测算" or Enter shows "你的网名：" and "你的性格：" lines.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace lumo::readings {

class TFrmWangming final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmWangming(QWidget* parent = nullptr);
  QLineEdit* field() const { return m_field; }
  QLabel* nameLine() const { return m_name; }
  QLabel* personalityLine() const { return m_personality; }
  void runReading();

 private:
  QLineEdit* m_field = nullptr;
  QLabel* m_name = nullptr;
  QLabel* m_personality = nullptr;
};

}  // namespace lumo::readings
