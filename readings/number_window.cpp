#include "readings/number_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/notice_box_window.h"
#include "core/report.h"
#include "readings/digit_filter.h"
#include "readings/result_group.h"

namespace lumo::readings {

NumberWindow::NumberWindow(NumberForm form, QWidget* parent) : QDialog(parent), m_form(form) {
  const NumberFormTexts& texts = numberFormTexts(form);
  setObjectName(form == NumberForm::QQ ? "TFrmQQhm" : "TFrm_onther");
  setWindowTitle(qs(texts.windowCaption));
  m_field = new QLineEdit(this);
  m_field->setObjectName("edtmun");
  m_field->setMaxLength(kNumberFieldLength);
  new DigitKeyFilter(m_field, [this] { runReading(); });
  auto* calc = new QPushButton(QStringLiteral("测算"), this);
  calc->setObjectName("btnCalc");
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName("btnClose");
  for (auto* button : {calc, close}) button->setAutoDefault(false);
  connect(calc, &QPushButton::clicked, this, &NumberWindow::runReading);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* input = new QHBoxLayout;
  input->addWidget(new QLabel(qs(texts.fieldLabel), this));
  input->addWidget(m_field, 1);
  input->addWidget(calc);
  input->addWidget(close);
  m_results = new ResultGroup({{qs(texts.numberCaption), "lblNumber"},
                               {qs(kStateCaption), "lblState"},
                               {qs(kLuckCaption), "lblLuck"},
                               {qs(kDetailCaption), "lblDetail"}},
                              this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(input);
  layout->addWidget(m_results, 1);
}

void NumberWindow::runReading() {
  try {
    m_results->showLines(readNumberForm(m_form, m_field->text().toStdString()));
  } catch (const Notice& notice) {
    showNotice(this, QString::fromStdString(notice.what()));
  }
}

}  // namespace lumo::readings
