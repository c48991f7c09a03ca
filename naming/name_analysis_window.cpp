// The name analysis window: fields, immediate analysis, print, save, PDF export and exit.
#include "naming/name_analysis_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QValidator>

#include "core/form_items.h"
#include "core/notice_box_window.h"
#include "core/report_output_window.h"
#include "data/gbk.h"
#include "naming/name_report.h"
#include "naming/report_save.h"

namespace lumo {
namespace {

TFrmNameMain::SaveChooser g_saveChooser;

// At most 4 GBK bytes may be typed into a name field (two Chinese characters).
class GbkLengthValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return gbk::byteLength(input.toStdString()) <= 4 ? Acceptable : Invalid;
  }
};

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, const QString& text,
                    bool editable = true) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(editable);
  box->addItems(items);
  if (editable)
    box->setEditText(text);
  else
    box->setCurrentText(text);
  return box;
}

SaveChoice chooseSavePath(QWidget* parent, const QString& proposed) {
  if (g_saveChooser) return {g_saveChooser(parent, proposed), TextEncoding::Gbk};
  return chooseTextSave(parent, proposed);
}

std::string text(const QLineEdit* edit) {
  return edit->text().toStdString();
}
std::string text(const QComboBox* box) {
  return box->currentText().toStdString();
}

}  // namespace

void TFrmNameMain::setSaveChooser(SaveChooser chooser) {
  g_saveChooser = std::move(chooser);
}

TFrmNameMain::TFrmNameMain(const NameAnalysisInput& in, QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmNameMain");
  setWindowTitle(QStringLiteral("姓名分析"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buildFields());
  layout->addWidget(new QLabel(QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！"), this));
  m_pane = new QTextEdit(this);
  m_pane->setObjectName("RzMemo1");
  m_pane->setReadOnly(true);
  m_pane->setAcceptRichText(false);
  m_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(m_pane, 1);
  layout->addWidget(buildButtons());

  m_nameA->setText(in.surname);
  m_nameB->setText(in.given);
  m_sex->setCurrentIndex(in.sex == QStringLiteral("男") ? 0 : 1);
  m_comDate->setCurrentIndex(in.calendarIndex == 1 ? 1 : 0);
  m_year->setEditText(in.year);
  m_month->setEditText(in.month);
  m_day->setEditText(in.day);
  m_hour->setEditText(in.hour);
  m_minute->setEditText(in.minute);

  resize(720, 560);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

QWidget* TFrmNameMain::buildFields() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  auto label = [&](const char* caption) { row->addWidget(new QLabel(QString::fromUtf8(caption), box)); };
  auto nameEdit = [&](const char* name) {
    auto* edit = new QLineEdit(box);
    edit->setObjectName(name);
    edit->setValidator(new GbkLengthValidator(edit));
    edit->setFixedWidth(56);
    return edit;
  };
  QStringList hours;
  for (const char* item : kHourItems) hours << QString::fromUtf8(item);
  label("姓");
  row->addWidget(m_nameA = nameEdit("NameA"));
  label("名");
  row->addWidget(m_nameB = nameEdit("NameB"));
  label("性别");
  row->addWidget(m_sex = comboBox(box, "Sex", {"男", "女"}, "男", false));
  row->addWidget(m_comDate = comboBox(box, "ComDate", {"公历", "农历"}, "公历", false));
  row->addWidget(m_year = comboBox(box, "SYear", numberItems(1900, 2040, 0), "1980"));
  label("年");
  row->addWidget(m_month = comboBox(box, "SMonth", numberItems(1, 12, 0), "1"));
  label("月");
  row->addWidget(m_day = comboBox(box, "Sday", numberItems(1, 31, 0), "1"));
  label("日");
  row->addWidget(m_hour = comboBox(box, "Shour", hours, "子 0"));
  label("时");
  row->addWidget(m_minute = comboBox(box, "RzComboBox8", numberItems(0, 59, 2), "0"));
  label("分");
  row->addStretch();
  return box;
}

QWidget* TFrmNameMain::buildButtons() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->addStretch();
  auto button = [&](const char* caption, auto slot) {
    auto* b = new QPushButton(QString::fromUtf8(caption), box);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    row->addWidget(b);
  };
  button("姓名分析", [this] { analyse(); });
  button("打印", [this] {
    if (naming::hasReportText(m_pane->toPlainText().toStdString())) printReportLines(this, paneLines());
  });
  button("保存", [this] { save(); });
  button("导出PDF", [this] { exportPdf(); });
  button("退出", [this] { close(); });
  return box;
}

PanelInput TFrmNameMain::fieldInput() const {
  PanelInput in;
  in.surname = text(m_nameA);
  in.given = text(m_nameB);
  in.sex = text(m_sex);
  in.calendarIndex = m_comDate->currentIndex();
  in.year = text(m_year);
  in.month = text(m_month);
  in.day = text(m_day);
  in.hour = text(m_hour);
  in.minute = text(m_minute);
  return in;
}

void TFrmNameMain::analyse() {
  Report report;
  CommandResult result = runCommand(report, [&](Report& r) {
    naming::AnalyseName(fieldInput(), m_record, naming::kWindowClosingLine, r);
  });
  if (result.outcome == Outcome::Notice) return showNotice(this, QString::fromStdString(result.message));
  // A date that cannot be read fails before the header: the pane keeps what it showed.
  if (!report.lines.empty()) {
    QStringList lines;
    for (const auto& line : report.lines) lines << QString::fromStdString(line);
    m_pane->setPlainText(lines.join('\n'));
    m_pane->moveCursor(QTextCursor::Start);
  }
  if (result.outcome == Outcome::Failed) showError(this, QString::fromStdString(result.message));
}

QStringList TFrmNameMain::paneLines() const {
  return m_pane->toPlainText().split('\n');
}

void TFrmNameMain::save() {
  if (!naming::hasReportText(m_pane->toPlainText().toStdString())) return;
  QString proposed = QString::fromStdString(naming::proposedSaveName(text(m_nameA), text(m_nameB)));
  SaveChoice chosen = chooseSavePath(this, proposed);
  if (chosen.path.isEmpty()) return;
  // The write is all or nothing; say so when it did not happen rather than end silently.
  std::string reason;
  if (naming::saveReport(chosen.path.toStdString(), toStdLines(paneLines()), reason, chosen.encoding).empty())
    showError(this, QStringLiteral("文件保存失败：") + chosen.path + "\n" + QString::fromStdString(reason));
}

void TFrmNameMain::exportPdf() {
  if (!naming::hasReportText(m_pane->toPlainText().toStdString())) return;
  exportReportPdf(this, QString::fromStdString(naming::proposedSaveName(text(m_nameA), text(m_nameB))),
                  paneLines());
}

void TFrmNameMain::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_shownOnce) return;
  m_shownOnce = true;
  if (!m_nameA->text().isEmpty() && !m_nameB->text().isEmpty()) analyse();
  m_nameA->setFocus();
}

void ShowNameAnalysis(const QString& surname, const QString& sex, const QString& year, const QString& given,
                      int calendarIndex, const QString& minute, const QString& hour, const QString& day,
                      const QString& month, QWidget* parent) {
  TFrmNameMain window({surname, sex, year, given, calendarIndex, minute, hour, day, month}, parent);
  window.exec();
}

}  // namespace lumo
