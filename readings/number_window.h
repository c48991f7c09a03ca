#pragma once
// TFrmQQhm ("QQ号码测试") and TFrm_onther ("任意号码分析"): one number field, "测算"
// and "关闭", and the four result labels. Both behave alike; a refused number shows its
// message and leaves the labels as they were.

#include <QDialog>

#include "readings/number_reading.h"

class QLineEdit;

namespace lumo::readings {

class ResultGroup;

class NumberWindow : public QDialog {
  Q_OBJECT
 public:
  NumberWindow(NumberForm form, QWidget* parent);
  QLineEdit* field() const { return m_field; }
  ResultGroup* results() const { return m_results; }
  // "测算"
  void runReading();

 private:
  NumberForm m_form;
  QLineEdit* m_field = nullptr;
  ResultGroup* m_results = nullptr;
};

class TFrmQQhm final : public NumberWindow {
  Q_OBJECT
 public:
  explicit TFrmQQhm(QWidget* parent = nullptr) : NumberWindow(NumberForm::QQ, parent) {}
};

class TFrm_onther final : public NumberWindow {
  Q_OBJECT
 public:
  explicit TFrm_onther(QWidget* parent = nullptr) : NumberWindow(NumberForm::Any, parent) {}
};

}  // namespace lumo::readings
