// TFrmQiming: starting, stopping and ending runs, and showing their output.
//
// The worker's names wait in a RunQueue; a timer on the GUI thread shows them in
// batches for at most a few milliseconds a tick, so even the largest run leaves the
// event loop free between ticks.
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

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

QStringList listOf(const std::vector<std::string>& lines) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines.size()));
  for (const auto& line : lines) out << QString::fromStdString(line);
  return out;
}

}  // namespace

TFrmQiming::~TFrmQiming() { endWorker(false); }

bool TFrmQiming::running() const { return m_worker != nullptr; }

void TFrmQiming::startRun() {
  endWorker(true);  // a new run first ends the previous one
  m_runNeed = elementNeed();
  showRecommended({});
  publishSettings();
  m_queue = std::make_shared<generator::RunQueue>();
  m_progress->setRange(0, 1);
  m_progress->setValue(0);
  m_worker = std::make_unique<generator::TMythread>(m_settings, m_queue);
  m_drainTimer.start(kDrainIntervalMs);
}

void TFrmQiming::stopRun() {
  m_stop->setEnabled(false);
  if (m_worker) m_worker->stop();
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
    endWorker(true);
    emit runFinished();
    return;
  }
  m_drainTimer.setInterval(backlog ? 0 : kDrainIntervalMs);
}

void TFrmQiming::applyEvents(std::vector<generator::RunEvent> events) {
  using Kind = generator::RunEvent::Kind;
  for (auto& e : events) {
    switch (e.kind) {
      case Kind::ClearMemo: m_memo->clear(); break;
      case Kind::ClearList: m_list->clear(); break;
      case Kind::MemoLines: appendLines(m_memo, e.lines); break;
      case Kind::ListItems: m_list->addItems(listOf(e.lines)); break;
      case Kind::Progress:
        m_progress->setRange(0, static_cast<int>(std::max<std::size_t>(e.total, 1)));
        m_progress->setValue(static_cast<int>(e.done));
        break;
    }
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
