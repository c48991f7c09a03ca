#include "readings/pair_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/manners_window.h"
#include "core/notice_box_window.h"
#include "core/report.h"
#include "readings/digit_filter_window.h"
#include "readings/qq_pair.h"
#include "readings/result_group_window.h"

namespace lumo::readings {
namespace {

QLineEdit* qqField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setMaxLength(kQQFieldLength);
  new DigitKeyFilter(field, {});
  return field;
}

}  // namespace

TFormQQpeidui::TFormQQpeidui(QWidget* parent) : QDialog(parent) {
  setObjectName("TFormQQpeidui");
  setWindowTitle(qs(kPairWindowCaption));
  m_own = qqField(this, "edtMyQQ");
  m_other = qqField(this, "edtOtherQQ");
  auto* calc = new QPushButton(QStringLiteral("测算"), this);
  calc->setObjectName("btnCalc");
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName("btnClose");
  for (auto* button : {calc, close}) button->setAutoDefault(false);
  connect(calc, &QPushButton::clicked, this, &TFormQQpeidui::runReading);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("我的QQ："), m_own);
  fields->addRow(QStringLiteral("对方QQ："), m_other);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(calc);
  buttons->addWidget(close);
  auto* group = new QGroupBox(qs(kResultGroup), this);
  m_result = new QLabel(group);
  m_result->setObjectName("lblResult");
  m_result->setWordWrap(true);
  m_result->setMinimumSize(360, 120);
  m_result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  (new QVBoxLayout(group))->addWidget(m_result);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->addWidget(group, 1);
}

void TFormQQpeidui::runReading() {
  if (auto refusal = CheckPairInput(m_own->text().toStdString(), m_other->text().toStdString())) {
    showNotice(this, QString::fromStdString(refusal->message));
    (refusal->field == PairField::Own ? m_own : m_other)->setFocus();
    return;
  }
  try {
    m_result->setText(QString::fromStdString(
        PairQQ(m_own->text().trimmed().toStdString(), m_other->text().trimmed().toStdString())));
    growToFit(this);
  } catch (const ReportedFailure& failure) {
    showError(this, QString::fromStdString(failure.what()));
  }
}

}  // namespace lumo::readings
