#include "readings/reading_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/notice_box_window.h"
#include "core/report.h"
#include "readings/digit_filter_window.h"
#include "readings/result_group_window.h"

namespace lumo::readings {

ReadingWindow::ReadingWindow(const ReadingWindowLook& look, QWidget* parent) : QDialog(parent) {
  setObjectName(look.objectName);
  setWindowTitle(look.caption);
  m_field = new QLineEdit(this);
  m_field->setObjectName("edtmun");
  m_field->setMaxLength(look.fieldLength);
  new DigitKeyFilter(m_field, [this] { runReading(); });
  auto* calc = new QPushButton(QStringLiteral("测算"), this);
  calc->setObjectName("btnCalc");
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName("btnClose");
  for (auto* button : {calc, close}) button->setAutoDefault(false);
  connect(calc, &QPushButton::clicked, this, &ReadingWindow::runReading);
  connect(close, &QPushButton::clicked, this, &QDialog::close);

  auto* input = new QHBoxLayout;
  input->addWidget(new QLabel(look.fieldLabel, this));
  input->addWidget(m_field, 1);
  input->addWidget(calc);
  input->addWidget(close);
  m_results = new ResultGroup({{look.numberCaption, "lblNumber"},
                               {qs(kStateCaption), "lblState"},
                               {qs(kLuckCaption), "lblLuck"},
                               {qs(kDetailCaption), "lblDetail"}},
                              this);
  m_columns = new QVBoxLayout(this);
  m_columns->addLayout(input);
  m_columns->addWidget(m_results, 1);
}

void ReadingWindow::runReading() {
  try {
    m_results->showLines(read(m_field->text().toStdString()));
  } catch (const Notice& notice) {
    showNotice(this, QString::fromStdString(notice.what()));
  } catch (const CommandStopped&) {
    // the table could not be read: the labels stay as they were, without a message
  } catch (const ReportedFailure& failure) {  // the database file or table is missing
    showError(this, QString::fromStdString(failure.what()));
  }
}

}  // namespace lumo::readings
