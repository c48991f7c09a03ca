// TFrmQiming: starting, stopping and ending runs, and showing their output.
//
// The worker's names wait in a RunQueue; a timer on the GUI thread shows them in
// batches for at most a few milliseconds a tick, so even the largest run leaves the
// event loop free between ticks.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include "core/notice_box_window.h"
#include "generator/qiming_window.h"

namespace lumo {
namespace {

constexpr int kDrainIntervalMs = 15;
// A tick shows batches until this much time has passed, then lets the event loop run;
// while a backlog remains the next tick comes at once.
constexpr qint64 kTickBudgetMs = 8;
constexpr std::size_t kLinesPerTake = 512;
constexpr int kStopPauseMs = 2000;

QString joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const auto& line : lines) {
    if (!all.empty()) all += '\n';
    all += line;
  }
  return QString::fromStdString(all);
}

// Appends at the end without moving the view: the pane keeps showing its first lines
// while a run fills it, and no scrolling is paid for at every batch.
void appendLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
  QTextCursor end(memo->document());
  end.movePosition(QTextCursor::End);
  QString text = joined(lines);
  if (!memo->document()->isEmpty()) text.prepend('\n');
  end.insertText(text);
}

// Names in a line of the all-names pane: each one ends with its score in brackets.
std::size_t namesIn(const std::string& line) {
  std::size_t count = 0;
  for (char c : line) count += c == ')';
  return count;
}

bool isChineseSurname(const QString& surname) {
  for (QChar c : surname)
    if (c.script() != QChar::Script_Han) return false;
  return !surname.isEmpty();
}

QStringList listOf(const std::vector<std::string>& lines) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines.size()));
  for (const auto& line : lines) out << QString::fromStdString(line);
  return out;
}

}  // namespace

TFrmQiming::~TFrmQiming() {
  endWorker(false);
}

bool TFrmQiming::running() const {
  return m_worker != nullptr;
}

// A run needs a surname of Chinese characters; without one it would find nothing.
bool TFrmQiming::checkSurname() {
  QString surname = m_xing->text().trimmed();
  if (isChineseSurname(surname)) return true;
  showNotice(this,
             surname.isEmpty()
                 ? QStringLiteral("请先在“姓氏”框中输入姓氏：一到两个汉字，例如“李”或“欧阳”。")
                 : QStringLiteral("“%1”不是汉字姓氏：请在“姓氏”框中输入一到两个汉字，例如“李”或“欧阳”。")
                       .arg(surname));
  m_xing->setFocus();
  return false;
}

void TFrmQiming::startRun() {
  if (!checkSurname()) return;
  endWorker(true);  // a new run first ends the previous one
  try {
    m_runNeed = elementNeed();
  } catch (const std::exception& e) {
    // The element fit reads the BaZi tables; a damaged file ends the command, not the program.
    showError(this, QStringLiteral("无法按出生时间配五行：") + QString::fromUtf8(e.what()));
    return;
  }
  showRecommended({});
  publishSettings();
  m_queue = std::make_shared<generator::RunQueue>();
  m_progress->setRange(0, 1);
  m_progress->setValue(0);
  m_progress->setTextVisible(true);
  m_namesShown = 0;
  m_stopAsked = false;
  m_status->setText(QStringLiteral("正在起名……"));
  m_worker = std::make_unique<generator::TMythread>(m_settings, m_queue);
  m_drainTimer.start(kDrainIntervalMs);
}

void TFrmQiming::stopRun() {
  m_stop->setEnabled(false);
  if (m_worker) {
    m_stopAsked = true;
    m_worker->stop();
  }
  QTimer::singleShot(kStopPauseMs, this, [this] { m_stop->setEnabled(true); });
}

void TFrmQiming::drainQueue() {
  if (!m_queue) return;
  bool ended = m_worker && m_worker->finished();
  QElapsedTimer clock;
  clock.start();
  if (auto names = m_queue->takeRecommended()) showRecommended(std::move(*names));
  bool backlog = false;
  do {
    auto events = m_queue->take(kLinesPerTake);
    backlog = !events.empty();
    applyEvents(std::move(events));
  } while (backlog && clock.elapsed() < kTickBudgetMs);
  if (ended && m_queue->drained()) {
    generator::RunEnd end = m_worker->end();
    endWorker(true);
    reportEnd(m_stopAsked && end == generator::RunEnd::Finished ? generator::RunEnd::Stopped : end);
    emit runFinished();
    return;
  }
  m_drainTimer.setInterval(backlog ? 0 : kDrainIntervalMs);
}

// The pane and the list take each batch with one call apiece: the pane lays out its last
// screenful again after every insertion, so many small insertions cost far more than one.
// The two widgets are independent, so gathering keeps each one's order.
void TFrmQiming::applyEvents(std::vector<generator::RunEvent> events) {
  using Kind = generator::RunEvent::Kind;
  std::vector<std::string> memoLines, listItems;
  auto flush = [&] {
    if (!memoLines.empty()) appendLines(m_memo, memoLines);
    if (!listItems.empty()) m_list->addItems(listOf(listItems));
    memoLines.clear();
    listItems.clear();
  };
  for (auto& e : events) {
    switch (e.kind) {
      case Kind::ClearList:
        listItems.clear();
        m_list->clear();
        break;
      case Kind::ClearMemo:
        memoLines.clear();
        m_memo->clear();
        m_namesShown = 0;
        break;
      case Kind::MemoLines:
        for (auto& line : e.lines) {
          m_namesShown += namesIn(line);
          memoLines.push_back(std::move(line));
        }
        break;
      case Kind::ListItems:
        for (auto& item : e.lines) listItems.push_back(std::move(item));
        break;
      case Kind::Progress:
        m_progress->setRange(0, static_cast<int>(std::max<std::size_t>(e.total, 1)));
        m_progress->setValue(static_cast<int>(e.done));
        break;
    }
  }
  flush();
}

void TFrmQiming::reportEnd(generator::RunEnd end) {
  switch (end) {
    case generator::RunEnd::Finished:
      m_status->setText(
          QStringLiteral("共生成 %1 个名字，高分名字 %2 个").arg(m_namesShown).arg(m_list->count()));
      break;
    case generator::RunEnd::Stopped:
      m_status->setText(QStringLiteral("已停止：已生成 %1 个名字").arg(m_namesShown));
      break;
    case generator::RunEnd::Failed:
      m_status->setText(QStringLiteral("起名出错而中止：已生成 %1 个名字").arg(m_namesShown));
      break;
  }
}

// Stops, interrupts and joins the worker; with `showPending` what it produced and the
// window has not shown yet is shown (a closing window drops it).
void TFrmQiming::endWorker(bool showPending) {
  m_drainTimer.stop();
  if (m_worker) m_worker->finish();
  m_worker.reset();
  if (m_queue && showPending) {
    applyEvents(m_queue->take(SIZE_MAX));
    if (auto names = m_queue->takeRecommended()) showRecommended(std::move(*names));
  }
  m_queue.reset();
}

void TFrmQiming::showRecommended(std::vector<generator::RecommendedName> names) {
  m_recommended = std::move(names);
  QSignalBlocker quiet(m_recommendList);
  m_recommendList->clear();
  for (const auto& name : m_recommended)
    m_recommendList->addItem(QString::fromStdString(name.fullName()) + QStringLiteral("    推荐分 ") +
                             QString::number(name.quality.total));
  m_explain->clear();
}

void TFrmQiming::done(int result) {
  endWorker(false);
  m_connection.reset();
  QDialog::done(result);
}

void showNamingWindow(QWidget* parent, const std::optional<NamingStart>& start) {
  static QPointer<TFrmQiming> slot;
  if (!slot) {
    slot = new TFrmQiming(parent);
    if (start) slot->startWith(*start);
  }
  slot->exec();
  delete slot.data();
}

}  // namespace lumo
