// The name analysis window: fields, immediate analysis, print, save, PDF export and exit.
#include "naming/name_analysis_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QValidator>

#include "core/birth_input_window.h"
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

QLineEdit* nameEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setValidator(new GbkLengthValidator(edit));
  edit->setFixedWidth(56);
  return edit;
}

BirthInputLook analysisLook(const NameAnalysisRequest& request) {
  BirthInputLook look;
  look.surnameCaption = QStringLiteral("姓");
  look.surnameName = "NameA";
  look.givenCaption = QStringLiteral("名");
  look.givenName = "NameB";
  look.sexCaption = QStringLiteral("性别");
  look.sexName = "Sex";
  look.minuteDigits = 2;
  look.minuteName = "RzComboBox8";
  look.editableNumbers = true;
  look.defaults = request;
  look.defaults.sex = request.sex == "男" ? "男" : "女";
  look.nameEdit = nameEdit;
  return look;
}

SaveChoice chooseSavePath(QWidget* parent, const QString& proposed) {
  if (g_saveChooser) return {g_saveChooser(parent, proposed), TextEncoding::Gbk};
  return chooseTextSave(parent, proposed);
}

std::string text(const QLineEdit* edit) {
  return edit->text().toStdString();
}

}  // namespace

void TFrmNameMain::setSaveChooser(SaveChooser chooser) {
  g_saveChooser = std::move(chooser);
}

TFrmNameMain::TFrmNameMain(const NameAnalysisRequest& in, QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmNameMain");
  setWindowTitle(QStringLiteral("姓名分析"));
  auto* layout = new QVBoxLayout(this);
  m_fields = new BirthInputRow(analysisLook(in), this);
  layout->addWidget(m_fields);
  layout->addWidget(new QLabel(QStringLiteral("请填写姓名和生日信息，最后点姓名分析测算！"), this));
  m_pane = new QTextEdit(this);
  m_pane->setObjectName("RzMemo1");
  m_pane->setReadOnly(true);
  m_pane->setAcceptRichText(false);
  m_pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(m_pane, 1);
  layout->addWidget(buildButtons());

  m_nameA = m_fields->surname();
  m_nameB = m_fields->given();
  m_nameA->setText(QString::fromStdString(in.surname));
  m_nameB->setText(QString::fromStdString(in.given));

  resize(720, 560);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
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

void TFrmNameMain::analyse() {
  Report report;
  CommandResult result = lumo::runCommand(report, [&](Report& r) {
    naming::AnalyseName(m_fields->input(), m_record, naming::kWindowClosingLine, r);
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

void ShowNameAnalysis(const NameAnalysisRequest& request, QWidget* parent) {
  TFrmNameMain window(request, parent);
  window.exec();
}

}  // namespace lumo
