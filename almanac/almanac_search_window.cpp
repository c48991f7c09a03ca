#include "almanac/almanac_search_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "almanac/almanac_day.h"
#include "almanac/almanac_entry_window.h"
#include "almanac/almanac_glossary.h"
#include "almanac/almanac_search.h"
#include "calendar/clock.h"
#include "calendar/date_cn.h"
#include "core/notice_box_window.h"
#include "core/stem_branch.h"

namespace lumo {
namespace {

QString qs(const std::string& text) {
  return QString::fromStdString(text);
}

QDateEdit* dateEdit(QWidget* parent, const char* name, const QDate& date) {
  auto* edit = new QDateEdit(date, parent);
  edit->setObjectName(name);
  edit->setDisplayFormat("yyyy-MM-dd");
  edit->setCalendarPopup(true);
  edit->setDateRange(QDate(1901, 1, 1), QDate(2100, 12, 31));
  return edit;
}

std::string dateText(const QDateEdit* edit) {
  return edit->date().toString("yyyy-MM-dd").toStdString();
}

}  // namespace

TFormZeri::TFormZeri(QWidget* parent, const std::string& zodiac) : QWidget(parent, Qt::Window) {
  setObjectName("TFormZeri");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("择吉日"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildChoiceRow());

  auto* lists = new QHBoxLayout;
  auto* found = new QGroupBox(QStringLiteral("吉日："), this);
  auto* foundLayout = new QVBoxLayout(found);
  m_count = new QLabel(found);
  m_count->setObjectName("CountLabel");
  m_days = new QListWidget(found);
  m_days->setObjectName("DayList");
  foundLayout->addWidget(m_count);
  foundLayout->addWidget(m_days);
  auto* entry = new QGroupBox(QStringLiteral("当日黄历："), this);
  auto* entryLayout = new QVBoxLayout(entry);
  m_dateLine = new QLabel(entry);
  m_dateLine->setObjectName("DateLine");
  m_entry = new QPlainTextEdit(entry);
  m_entry->setObjectName("EntryBox");
  m_entry->setReadOnly(true);
  entryLayout->addWidget(m_dateLine);
  entryLayout->addWidget(m_entry);
  lists->addWidget(found, 3);
  lists->addWidget(entry, 2);
  layout->addLayout(lists, 1);
  connect(m_days, &QListWidget::currentRowChanged, this, [this](int row) { showDay(row); });

  int animal = m_zodiac->findText(qs(zodiac));
  m_zodiac->setCurrentIndex(animal < 0 ? 0 : animal);
  resize(900, 520);
}

QWidget* TFormZeri::buildChoiceRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_activity = new QComboBox(row);
  m_activity->setObjectName("ActivityBox");
  for (const std::string& term : almanac::glossaryTerms()) m_activity->addItem(qs(term));
  const Date now = today();
  const QDate first(now.year, now.month, now.day);
  m_from = dateEdit(row, "FromDate", first);
  m_to = dateEdit(row, "ToDate", first.addMonths(3));
  m_zodiac = new QComboBox(row);
  m_zodiac->setObjectName("ZodiacBox");
  m_zodiac->addItem(QString());  // no filter
  for (const char* animal : kAnimals) m_zodiac->addItem(QString::fromUtf8(animal));
  auto* find = new QPushButton(QStringLiteral("查找"), row);
  find->setObjectName("BtnSearch");
  auto* close = new QPushButton(QStringLiteral("关闭"), row);
  close->setObjectName("BtnClose");
  connect(find, &QPushButton::clicked, this, [this] { search(); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  const std::pair<const char*, QWidget*> fields[] = {
      {"事项：", m_activity}, {"从", m_from}, {"到", m_to}, {"本人生肖：", m_zodiac}};
  for (const auto& [caption, field] : fields) {
    layout->addWidget(new QLabel(QString::fromUtf8(caption), row));
    layout->addWidget(field);
  }
  layout->addStretch(1);
  layout->addWidget(find);
  layout->addWidget(close);
  return row;
}

void TFormZeri::search() {
  almanac::SearchRequest request{m_activity->currentText().toStdString(), dateText(m_from), dateText(m_to),
                                 m_zodiac->currentText().toStdString()};
  std::vector<almanac::GoodDay> days;
  try {
    days = almanac::findGoodDays(almanac::checkSearch(request));
  } catch (const Notice& notice) {
    return showNotice(this, qs(notice.what()));
  } catch (const ReportedFailure& failure) {
    return showError(this, qs(failure.what()));
  }
  m_dates.clear();
  m_days->clear();
  m_dateLine->clear();
  m_entry->clear();
  for (const almanac::GoodDay& day : days) {
    m_dates.push_back(day.date);
    m_days->addItem(qs(day.line()));
  }
  m_count->setText(days.empty() ? QStringLiteral("这段日子里没有宜%1的日子").arg(qs(request.activity))
                                : QStringLiteral("共%1天宜%2").arg(days.size()).arg(qs(request.activity)));
}

void TFormZeri::showDay(int row) {
  if (row < 0 || row >= static_cast<int>(m_dates.size())) return;
  showAlmanacEntry(this, almanac::choiceOfText(m_dates[row]), m_dateLine, m_entry);
}

}  // namespace lumo
