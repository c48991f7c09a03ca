#pragma once
// TFrmQQhm ("QQ号码测试") and TFrm_onther ("任意号码分析"): the reading window of one
// number form, with no notes.

#include "readings/number_reading.h"
#include "readings/reading_window.h"

namespace lumo::readings {

class NumberWindow : public ReadingWindow {
  Q_OBJECT
 public:
  NumberWindow(NumberForm form, QWidget* parent);

 private:
  std::vector<ResultLine> read(std::string_view fieldText) const override;

  NumberForm m_form;
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
