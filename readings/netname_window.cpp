#include "readings/netname_window.h"

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
#include "readings/letters.h"
#include "readings/result_group_window.h"

namespace lumo::readings {
namespace {

// Typed Latin letters become capitals in the field itself, keeping the caret.
void upperCaseLetters(QLineEdit* field) {
  QString text = field->text();
  QString upper = text;
  for (QChar& c : upper)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
  if (upper == text) return;
  int caret = field->cursorPosition();
  field->setText(upper);
  field->setCursorPosition(caret);
}

}  // namespace

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmWangming");
  setWindowTitle(qs(kNetNameWindowCaption));
  m_field = new QLineEdit(this);
  m_field->setObjectName("edtmun");
  m_field->setMaxLength(kNetNameFieldLength);
  connect(m_field, &QLineEdit::textEdited, this, [this] { upperCaseLetters(m_field); });
  new EnterKeyFilter(m_field, [this] { runReading(); });
  auto* calc = new QPushButton(QStringLiteral("测算"), this);
  calc->setObjectName("btnCalc");
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName("btnClose");
  for (auto* button : {calc, close}) button->setAutoDefault(false);
  connect(calc, &QPushButton::clicked, this, &TFrmWangming::runReading);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* input = new QHBoxLayout;
  input->addWidget(new QLabel(QStringLiteral("输入网名："), this));
  input->addWidget(m_field, 1);
  input->addWidget(calc);
  input->addWidget(close);
  auto* group = new QGroupBox(qs(kResultGroup), this);
  m_name = new QLabel(group);
  m_name->setObjectName("lblName");
  m_name->setWordWrap(true);
  m_personality = new QLabel(group);
  m_personality->setObjectName("lblPersonality");
  m_personality->setWordWrap(true);
  m_personality->setMinimumWidth(360);
  auto* lines = new QVBoxLayout(group);
  lines->addWidget(m_name);
  lines->addWidget(m_personality);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(input);
  layout->addWidget(group, 1);
}

void TFrmWangming::runReading() {
  std::vector<ResultLine> lines;
  try {
    lines = ReadNetName(m_field->text().toStdString());
  } catch (const Notice& notice) {
    showNotice(this, QString::fromStdString(notice.what()));
    return;
  } catch (const std::exception&) {
    m_name->setText(qs(kNetNameCaption) + m_field->text().trimmed());
    m_personality->setText(qs(kNetNameRetry));
    growToFit(this);
    return;
  }
  m_name->setText(qs(lines[0].joined()));
  m_personality->setText(qs(lines[1].joined()));
  growToFit(this);
}

}  // namespace lumo::readings
