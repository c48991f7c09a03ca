// TFrmQiming: the field checks, the scheme list and its triggers, the options a run
// reads, the copy button, the double-click on a high-score or recommended name, the
// explanation of a recommended name and the start from the main window's subject.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/birth_input_window.h"
#include "core/notice_box_window.h"
#include "core/report.h"
#include "core/subject.h"
#include "core/text.h"
#include "data/read_failure.h"
#include "generator/element_need.h"
#include "generator/field_checks.h"
#include "generator/name_explanation.h"
#include "generator/qiming_window.h"
#include "naming/name_analysis_window.h"

namespace lumo {
namespace {

std::string text(const QLineEdit* edit) {
  return edit->text().toStdString();
}

void openWithNameAnalysis(QWidget* parent, const NameAnalysisRequest& r) {
  ShowNameAnalysis(r, parent);
}

TFrmQiming::AnalysisOpener& analysisOpener() {
  static TFrmQiming::AnalysisOpener opener = openWithNameAnalysis;
  return opener;
}

// Keeps an edit within a byte limit of GBK, as its field allows.
void limitBytes(QLineEdit* edit, std::size_t maxBytes) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxBytes](const QString& typed) {
    QString kept = QString::fromStdString(generator::clipToGbkBytes(typed.toStdString(), maxBytes));
    if (kept != typed) edit->setText(kept);
  });
}

}  // namespace

void TFrmQiming::setAnalysisOpener(AnalysisOpener opener) {
  analysisOpener() = opener ? std::move(opener) : openWithNameAnalysis;
}

void TFrmQiming::connectTriggers() {
  limitBytes(m_xing, 4);
  limitBytes(m_fixedChar, 2);
  for (QLineEdit* field : {m_xing, m_fixedChar, m_minScore, m_threshold}) {
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &TFrmQiming::publishSettings);
  }
  for (QComboBox* box : {m_sex, m_fixedPlace, m_schemes, m_source})
    connect(box, &QComboBox::currentIndexChanged, this, &TFrmQiming::publishSettings);
  for (QCheckBox* box : m_elements) connect(box, &QCheckBox::toggled, this, &TFrmQiming::publishSettings);
  for (QCheckBox* box : {m_fixedBox, m_highBox})
    connect(box, &QCheckBox::toggled, this, &TFrmQiming::publishSettings);
  connect(m_form, &QComboBox::currentIndexChanged, this, &TFrmQiming::formChanged);
  connect(m_minBox, &QCheckBox::clicked, this, &TFrmQiming::fillStrokeSchemes);
  connect(m_start, &QPushButton::clicked, this, &TFrmQiming::startRun);
  connect(m_stop, &QPushButton::clicked, this, &TFrmQiming::stopRun);
  connect(m_copy, &QPushButton::clicked, this, &TFrmQiming::copyHighScores);
  connect(m_close, &QPushButton::clicked, this, &TFrmQiming::close);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &TFrmQiming::openAnalysis);
  connect(m_recommendList, &QListWidget::itemDoubleClicked, this, &TFrmQiming::openRecommendedAnalysis);
  connect(m_recommendList, &QListWidget::currentRowChanged, this, &TFrmQiming::explainRecommended);
  for (QComboBox* box : {m_comDate, m_year, m_month, m_day, m_hour, m_minute})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { m_birthKnown = true; });
  connect(&m_drainTimer, &QTimer::timeout, this, &TFrmQiming::drainQueue);
}

// Leaving a field is a focus change inside the window; a window that loses the focus
// as a whole (another window, a message box) leaves no field.
bool TFrmQiming::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) leftField(watched);
  }
  return QDialog::eventFilter(watched, event);
}

void TFrmQiming::leftField(QObject* field) {
  if (field == m_threshold) {
    m_threshold->setText(QString::fromStdString(generator::checkedThreshold(text(m_threshold))));
    return;
  }
  if (field == m_minScore)
    m_minScore->setText(QString::fromStdString(generator::checkedMinScore(text(m_minScore))));
  fillStrokeSchemes();
}

void TFrmQiming::formChanged() {
  bool two = m_form->currentIndex() == 0;
  if (!two) {
    m_fixedBox->setChecked(false);
    m_fixedChar->clear();
  }
  m_fixedBox->setEnabled(two);
  m_fixedPlace->setEnabled(two);
  publishSettings();
  fillStrokeSchemes();
}

generator::NamingOptions TFrmQiming::namingOptions() const {
  generator::NamingOptions o;
  o.surname = trimmed(text(m_xing));
  o.sex = m_sex->currentIndex() == 1 ? generator::Sex::Female : generator::Sex::Male;
  o.form = m_form->currentIndex() == 1 ? generator::NameForm::Single : generator::NameForm::Double;
  o.fixedTicked = m_fixedBox->isChecked();
  o.fixedPlace =
      m_fixedPlace->currentIndex() == 1 ? generator::FixedPlace::Third : generator::FixedPlace::Second;
  o.fixedChar = trimmed(text(m_fixedChar));
  for (std::size_t i = 0; i < m_elements.size(); ++i) o.elements[i] = m_elements[i]->isChecked();
  return o;
}

generator::SchemeListOptions TFrmQiming::listOptions() const {
  return {namingOptions(), m_minBox->isChecked(), trimmed(text(m_minScore))};
}

void TFrmQiming::publishSettings() {
  generator::RunSettings s;
  s.options = namingOptions();
  s.schemeText = trimmed(m_schemes->currentText().toStdString());
  for (int i = 1; i < m_schemes->count(); ++i) s.schemes.push_back(m_schemes->itemText(i).toStdString());
  s.high = {m_highBox->isChecked(), generator::ThresholdOf(text(m_threshold))};
  s.need = m_runNeed;
  s.classic = static_cast<generator::Classic>(m_source->currentIndex());
  m_settings->publish(std::move(s));
}

db::Connection& TFrmQiming::connection() {
  if (!m_connection) m_connection = std::make_unique<db::Connection>(db::DbFile::Voduzid);
  return *m_connection;
}

void TFrmQiming::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  try {
    connection();
  } catch (const db::DbError& error) {
    showError(this, QString::fromStdString(error.what()));
  }
}

void TFrmQiming::fillStrokeSchemes() {
  if (trimmed(text(m_xing)).empty()) return;
  std::vector<std::string> items;
  try {
    items = generator::FillStrokeSchemes(connection(), listOptions());
  } catch (const std::runtime_error& error) {  // ReportedFailure, or a database that cannot open
    showError(this, QString::fromStdString(error.what()));
    return;
  }
  QSignalBlocker quiet(m_schemes);
  m_schemes->clear();
  for (const auto& item : items) m_schemes->addItem(QString::fromStdString(item));
  m_schemes->setCurrentIndex(0);
  publishSettings();
}

void TFrmQiming::copyHighScores() {
  QString all;
  for (int i = 0; i < m_list->count(); ++i) all += m_list->item(i)->text() + '\n';
  QApplication::clipboard()->setText(all);
  showNotice(this, QStringLiteral("复制成功！"));
}

void TFrmQiming::openAnalysis() {
  QListWidgetItem* item = m_list->currentItem();
  if (m_list->count() == 0 || !item) return;
  openAnalysisOf(QString::fromStdString(generator::givenNameOf(item->text().toStdString(), text(m_xing))));
}

void TFrmQiming::openRecommendedAnalysis() {
  int row = m_recommendList->currentRow();
  if (row < 0 || row >= static_cast<int>(m_recommended.size())) return;
  openAnalysisOf(QString::fromStdString(m_recommended[static_cast<std::size_t>(row)].given));
}

void TFrmQiming::explainRecommended() {
  int row = m_recommendList->currentRow();
  if (row < 0 || row >= static_cast<int>(m_recommended.size())) {
    m_explain->clear();
    return;
  }
  QStringList lines;
  for (const auto& line :
       generator::explanationLines(m_recommended[static_cast<std::size_t>(row)], m_runNeed))
    lines << QString::fromStdString(line);
  m_explain->setPlainText(lines.join('\n'));
}

// The element need of the birth fields; unknown while they still hold the defaults.
generator::ElementNeed TFrmQiming::elementNeed() const {
  if (!m_birthKnown) return {};
  int year = m_year->currentText().toInt(), month = m_month->currentText().toInt();
  int day = m_day->currentText().toInt(), minute = m_minute->currentText().toInt();
  int hour = QString::fromStdString(hourNumberText(m_hour->currentText().toStdString())).toInt();
  BirthSex sex = birthSexOf(m_sex->currentText().toStdString());
  if (m_comDate->currentIndex() == 1)
    return generator::elementNeedOf(BirthMoment::ofLunar({year, month, day, false}, hour, minute, sex));
  return generator::elementNeedOf(BirthMoment::of({year, month, day}, hour, minute, sex));
}

void TFrmQiming::startWith(const NamingStart& start) {
  auto twoDigits = [](int n) { return QString::number(n).rightJustified(2, '0'); };
  const BirthMoment& b = start.birth;
  m_xing->setText(start.surname);
  m_sex->setCurrentIndex(b.sex() == BirthSex::Female ? 1 : 0);
  m_comDate->setCurrentIndex(0);
  m_year->setCurrentText(QString::number(b.date().year));
  m_month->setCurrentText(twoDigits(b.date().month));
  m_day->setCurrentText(twoDigits(b.date().day));
  m_hour->setCurrentText(QString::fromStdString(b.hourItem()));
  m_minute->setCurrentText(twoDigits(b.minute()));
  m_birthKnown = true;
  publishSettings();
  fillStrokeSchemes();
}

void TFrmQiming::openAnalysisOf(const QString& given) {
  NameAnalysisRequest r = m_birth->input();
  r.surname = m_xing->text().trimmed().toStdString();
  r.sex = m_sex->currentText().trimmed().toStdString();
  r.given = given.toStdString();
  analysisOpener()(this, r);
}

}  // namespace lumo
