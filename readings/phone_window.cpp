#include "readings/phone_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/notice_box_window.h"
#include "core/report.h"
#include "readings/digit_filter.h"
#include "readings/phone_reading.h"
#include "readings/result_group.h"

namespace lumo::readings {
namespace {

QLabel* wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TFrm_SJcs::TFrm_SJcs(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrm_SJcs");
  setWindowTitle(qs(kPhoneWindowCaption));
  m_field = new QLineEdit(this);
  m_field->setObjectName("edtmun");
  m_field->setMaxLength(kPhoneFieldLength);
  new DigitKeyFilter(m_field, [this] { runReading(); });
  auto* calc = new QPushButton(QStringLiteral("测算"), this);
  calc->setObjectName("btnCalc");
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName("btnClose");
  for (auto* button : {calc, close}) button->setAutoDefault(false);
  connect(calc, &QPushButton::clicked, this, &TFrm_SJcs::runReading);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* input = new QHBoxLayout;
  input->addWidget(new QLabel(QStringLiteral("输入号码："), this));
  input->addWidget(m_field, 1);
  input->addWidget(calc);
  input->addWidget(close);
  m_results = new ResultGroup({{qs(kPhoneNumberCaption), "lblNumber"},
                               {qs(kStateCaption), "lblState"},
                               {qs(kLuckCaption), "lblLuck"},
                               {qs(kDetailCaption), "lblDetail"}},
                              this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(input);
  layout->addWidget(wrapped(QStringLiteral("请注意：手机号码是11位，请正确输入。"), this));
  layout->addWidget(m_results, 1);
  layout->addWidget(
      wrapped(QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运"
                             "势命运的意义是一样的。"
                             "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"),
              this));
}

void TFrm_SJcs::runReading() {
  try {
    m_results->showLines(readPhone(m_field->text().toStdString()));
  } catch (const Notice& notice) {
    showNotice(this, QString::fromStdString(notice.what()));
  } catch (const CommandStopped&) {
    // the table could not be read: the labels stay as they were, without a message
  } catch (const ReportedFailure& failure) {  // the database file or table is missing
    showError(this, QString::fromStdString(failure.what()));
  }
}

void TFrm_SJcs::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_shownOnce) return;
  m_shownOnce = true;
  if (!m_field->text().trimmed().isEmpty()) runReading();
}

}  // namespace lumo::readings
