#include "almanac/almanac_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "almanac/almanac_day.h"
#include "almanac/almanac_entry_window.h"
#include "almanac/almanac_glossary.h"
#include "almanac/almanac_search_window.h"
#include "core/notice_box_window.h"

namespace lumo {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

// A drop-down of two-digit numbers first..last; nothing chosen at start.
QComboBox* numberBox(QWidget* parent, const char* name, int first, int last, int digits) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (int n = first; n <= last; ++n) box->addItem(QStringLiteral("%1").arg(n, digits, 10, QChar('0')));
  box->setCurrentIndex(-1);
  return box;
}

}  // namespace

TFormHuangdao::TFormHuangdao(QWidget* parent, std::string zodiac)
    : QWidget(parent, Qt::Window), m_zodiac(std::move(zodiac)) {
  setObjectName("TFormHuangdao");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("黄道吉日"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildChoiceRow());
  layout->addWidget(buildDateRow());
  auto* groups = new QHBoxLayout;
  groups->addWidget(buildResultGroup(), 1);
  groups->addWidget(buildGlossaryGroup(), 1);
  layout->addLayout(groups, 1);
  resize(680, 460);
}

QWidget* TFormHuangdao::buildChoiceRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("选择黄历："), row));
  m_year = numberBox(row, "SYear", 2008, 2019, 4);
  m_year->setEditable(true);
  m_year->setMinimumWidth(72);
  m_year->setCurrentIndex(-1);
  m_year->setEditText(QString());
  m_month = numberBox(row, "SMonth", 1, 12, 2);
  m_day = numberBox(row, "Sday", 1, 31, 2);
  const std::pair<QComboBox*, const char*> fields[] = {{m_year, "年"}, {m_month, "月"}, {m_day, "日"}};
  for (const auto& [box, unit] : fields) {
    layout->addWidget(box);
    layout->addWidget(new QLabel(QString::fromUtf8(unit), row));
  }
  auto* calculate = new QPushButton(QStringLiteral("测算"), row);
  calculate->setObjectName("BtnCalculate");
  auto* close = new QPushButton(QStringLiteral("关闭"), row);
  close->setObjectName("BtnClose");
  connect(calculate, &QPushButton::clicked, this, [this] { this->calculate(); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* search = new QPushButton(QStringLiteral("择吉日"), row);
  search->setObjectName("BtnZeri");
  connect(search, &QPushButton::clicked, this, [this] { (new TFormZeri(parentWidget(), m_zodiac))->show(); });
  layout->addStretch(1);
  layout->addWidget(calculate);
  layout->addWidget(search);
  layout->addWidget(close);
  return row;
}

QWidget* TFormHuangdao::buildDateRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("当日统览："), row));
  m_dateLine = new QLabel(row);
  m_dateLine->setObjectName("DateLine");
  layout->addWidget(m_dateLine, 1);
  return row;
}

QWidget* TFormHuangdao::buildResultGroup() {
  auto* group = new QGroupBox(QStringLiteral("测算结果："), this);
  auto* layout = new QVBoxLayout(group);
  m_result = new QPlainTextEdit(group);
  m_result->setObjectName("ResultBox");
  layout->addWidget(m_result);
  return group;
}

QWidget* TFormHuangdao::buildGlossaryGroup() {
  auto* group = new QGroupBox(QStringLiteral("黄历名词解释："), this);
  auto* layout = new QVBoxLayout(group);
  auto* glossary = new QPlainTextEdit(group);
  glossary->setObjectName("GlossaryBox");
  glossary->setReadOnly(true);
  for (const std::string& line : almanac::glossaryLines()) glossary->appendPlainText(qs(line));
  glossary->moveCursor(QTextCursor::Start);
  layout->addWidget(glossary);
  return group;
}

void TFormHuangdao::calculate() {
  almanac::DayChoice choice{m_year->currentText().toStdString(), m_month->currentText().toStdString(),
                            m_day->currentText().toStdString()};
  showAlmanacEntry(this, choice, m_dateLine, m_result);
}

}  // namespace lumo
