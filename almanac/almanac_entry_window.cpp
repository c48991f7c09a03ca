#include "almanac/almanac_entry_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "core/notice_box_window.h"

namespace lumo {

void showAlmanacEntry(QWidget* window, const almanac::DayChoice& choice, QLabel* dateLine,
                      QPlainTextEdit* pane) {
  auto qs = [](const std::string& text) { return QString::fromStdString(text); };
  std::optional<almanac::AlmanacEntry> entry;
  try {
    entry = almanac::readAlmanacEntry(almanac::checkChoice(choice));
  } catch (const Notice& notice) {
    return showNotice(window, qs(notice.what()));
  } catch (const ReportedFailure& failure) {
    return showError(window, qs(failure.what()));
  }
  if (!entry) return;
  dateLine->setText(qs(entry->dateLine));
  pane->clear();
  for (const std::string& line : entry->result) pane->appendPlainText(qs(line));
  pane->moveCursor(QTextCursor::Start);
}

}  // namespace lumo
