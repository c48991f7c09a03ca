#include "readings/number_window.h"

#include "readings/result_group_window.h"

namespace lumo::readings {
namespace {

ReadingWindowLook lookOf(NumberForm form) {
  const NumberFormTexts& texts = numberFormTexts(form);
  return {form == NumberForm::QQ ? "TFrmQQhm" : "TFrm_onther", qs(texts.windowCaption), qs(texts.fieldLabel),
          qs(texts.numberCaption), kNumberFieldLength};
}

}  // namespace

NumberWindow::NumberWindow(NumberForm form, QWidget* parent)
    : ReadingWindow(lookOf(form), parent), m_form(form) {}

std::vector<ResultLine> NumberWindow::read(std::string_view fieldText) const {
  return readNumberForm(m_form, fieldText);
}

}  // namespace lumo::readings
