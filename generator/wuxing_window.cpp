#include "generator/wuxing_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/notice_box_window.h"
#include "core/report.h"
#include "data/read_failure.h"
#include "generator/element_lookup.h"
#include "generator/field_checks.h"

namespace lumo {
namespace {

constexpr std::size_t kFieldBytes = 10;  // five GBK characters

QLineEdit* byteLimitedEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& typed) {
    QString kept = QString::fromStdString(generator::clipToGbkBytes(typed.toStdString(), kFieldBytes));
    if (kept != typed) edit->setText(kept);
  });
  return edit;
}

// Why the input cannot be looked up, or empty when it can: only Chinese characters have
// an element in the dictionary.
QString refusalOf(const QString& typed) {
  QString text = typed.trimmed();
  if (text.isEmpty()) return QStringLiteral("请在“输入字”框中输入一到五个汉字，再点“查看”。");
  for (QChar c : text)
    if (c.script() != QChar::Script_Han)
      return QStringLiteral("“%1”不是汉字：只能查汉字的五行，请输入一到五个汉字，例如“明月”。").arg(c);
  return {};
}

}  // namespace

TFrmWuxing::TFrmWuxing(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmWuxing");
  setWindowTitle(QStringLiteral("五行查询(最多可以输入5个字)"));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("输入字："), this), 0, 0);
  grid->addWidget(m_input = byteLimitedEdit("Wuxing", this), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("查看结果："), this), 1, 0);
  grid->addWidget(m_result = byteLimitedEdit("Reswu", this), 1, 1);
  auto* buttons = new QHBoxLayout;
  auto* look = new QPushButton(QStringLiteral("查看"), this);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  look->setObjectName("BtnLook");
  close->setObjectName("BtnClose");
  buttons->addWidget(look);
  buttons->addWidget(close);
  grid->addLayout(buttons, 2, 0, 1, 2);
  connect(look, &QPushButton::clicked, this, &TFrmWuxing::lookUp);
  connect(close, &QPushButton::clicked, this, &TFrmWuxing::close);
}

TFrmWuxing::~TFrmWuxing() = default;

void TFrmWuxing::lookUp() {
  if (QString refusal = refusalOf(m_input->text()); !refusal.isEmpty()) {
    showNotice(this, refusal);
    m_input->setFocus();
    return;
  }
  try {
    if (!m_connection) m_connection = std::make_unique<db::Connection>(db::DbFile::Voduzid);
    auto result = generator::ElementsOfText(*m_connection, m_input->text().toStdString());
    if (result) m_result->setText(QString::fromStdString(generator::clipToGbkBytes(*result, kFieldBytes)));
  } catch (const std::runtime_error& error) {  // ReportedFailure, or a file that cannot open
    showError(this, QString::fromStdString(error.what()));
  }
}

void showElementWindow(QWidget* parent) {
  TFrmWuxing window(parent);
  window.exec();
}

}  // namespace lumo
