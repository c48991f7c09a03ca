#include "readings/omen_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "readings/omens.h"
#include "readings/open_window.h"
#include "readings/result_group_window.h"

namespace lumo::readings {

TFormOnther::TFormOnther(QWidget* parent) : QDialog(parent) {
  setObjectName("TFormOnther");
  resize(560, 460);
  m_pages = new QTabWidget(this);
  m_pages->setObjectName("PageControl1");
  for (int page = 0; page < kOmenPages; ++page) {
    auto* text = new QPlainTextEdit(qs(omenPageText(page)), m_pages);
    text->setReadOnly(true);
    m_pages->addTab(text, qs(omenPageTitle(page)));
  }
  auto* note = new QLabel(qs(omenNoteText()), this);
  note->setObjectName("lblNote");
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_pages, 1);
  layout->addWidget(note);
}

TFormOnther* ShowOmen(const QString& caption, int page, QWidget* parent) {
  auto* window = new TFormOnther(parent);
  window->setWindowTitle(caption);
  if (page >= 0 && page < kOmenPages) window->pages()->setCurrentIndex(page);
  return showModeless(window);
}

}  // namespace lumo::readings
