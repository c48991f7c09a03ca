#include "readings/gender_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "readings/gender_chart.h"
#include "readings/result_group_window.h"

namespace lumo::readings {
namespace {

// The chart rows of ages first..last: one row per age, one column per lunar month.
QTableWidget* chartTable(int first, int last, QWidget* parent) {
  auto* table = new QTableWidget(last - first + 1, 12, parent);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  QStringList months;
  for (int month = 1; month <= 12; ++month) months << QStringLiteral("%1月").arg(month);
  table->setHorizontalHeaderLabels(months);
  QStringList ages;
  for (int age = first; age <= last; ++age) ages << QStringLiteral("%1岁").arg(age);
  table->setVerticalHeaderLabels(ages);
  for (int age = first; age <= last; ++age) {
    for (int month = 1; month <= 12; ++month) {
      auto* cell = new QTableWidgetItem(qs(chartCell(age, month)));
      cell->setTextAlignment(Qt::AlignCenter);
      cell->setForeground(chartSex(age, month) == ChartSex::Boy ? QColor(0, 0, 160) : QColor(200, 0, 0));
      table->setItem(age - first, month - 1, cell);
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

}  // namespace

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrm_NanNv");
  setWindowTitle(qs(kGenderWindowCaption));
  resize(640, 560);
  m_pages = new QTabWidget(this);
  m_pages->addTab(chartTable(kChartFirstAge, kGenderPageSplitAge, m_pages), qs(kGenderPageYoung));
  m_pages->addTab(chartTable(kGenderPageSplitAge + 1, kChartLastAge, m_pages), qs(kGenderPageOlder));
  auto* advice = new QPlainTextEdit(qs(genderAdviceText()), m_pages);
  advice->setReadOnly(true);
  m_pages->addTab(advice, qs(kGenderPageAdvice));
  auto* note = new QLabel(qs(kGenderNote), this);
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pages, 1);
  layout->addWidget(note);
}

}  // namespace lumo::readings
