#pragma once
// TFrm_SJcs ("手机号码测算"): the number field edtmun (11 digits at most), "测算" or Enter
// runs the reading, the four result labels and the fixed note. Shown with a number
// already in the field, the window reads it at once.

#include <QDialog>

class QLineEdit;

namespace lumo::readings {

class ResultGroup;

class TFrm_SJcs final : public QDialog {
  Q_OBJECT
 public:
  explicit TFrm_SJcs(QWidget* parent = nullptr);
  QLineEdit* field() const { return m_field; }
  ResultGroup* results() const { return m_results; }
  void runReading();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* m_field = nullptr;
  ResultGroup* m_results = nullptr;
  bool m_shownOnce = false;
};

}  // namespace lumo::readings
