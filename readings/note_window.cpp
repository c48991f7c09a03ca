#include "readings/note_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <memory>

#include "core/notice_box_window.h"
#include "core/report.h"
#include "readings/notes.h"
#include "readings/open_window.h"
#include "readings/result_group_window.h"

namespace lumo::readings {

TFrmNote::TFrmNote(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmNote");
  setWindowTitle(qs(kNoteDefaultTitle));
  resize(640, 480);
  auto* strip = new QHBoxLayout;
  // Printing is not offered: the two buttons stay visible but disabled.
  for (const char* caption : {"打印", "设置.."}) {
    auto* button = new QPushButton(QString::fromUtf8(caption), this);
    button->setEnabled(false);
    strip->addWidget(button);
  }
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName("btnClose");
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  strip->addWidget(close);
  strip->addStretch(1);
  m_pane = new QTextEdit(this);
  m_pane->setObjectName("RichEdit1");
  m_pane->setReadOnly(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(strip);
  layout->addWidget(m_pane, 1);
}

void TFrmNote::load(const QString& code) {
  m_code = code;
  NoteArticle article = readNote(code.toStdString());
  m_pane->clear();
  if (article.found) m_pane->setPlainText(QString::fromStdString(article.content));
  setWindowTitle(QString::fromStdString(article.title));
}

TFrmNote* ShowNote(const QString& code, QWidget* parent) {
  auto window = std::make_unique<TFrmNote>(parent);
  try {
    window->load(code);
  } catch (const CommandStopped&) {
    return nullptr;
  } catch (const ReportedFailure& failure) {  // the database file or table is missing
    showError(parent, QString::fromStdString(failure.what()));
    return nullptr;
  }
  if (QScreen* screen = QGuiApplication::primaryScreen())
    window->move(screen->availableGeometry().center() - window->rect().center());
  return showModeless(window.release());
}

}  // namespace lumo::readings
