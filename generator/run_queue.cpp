#include "generator/run_queue.h"

#include <algorithm>
#include <utility>

namespace lumo::generator {
namespace {
// Lines gathered into one event; the GUI thread takes whole events.
constexpr std::size_t kBatchLines = 512;
}  // namespace

void RunQueue::push(RunEvent::Kind kind, std::string line) {
  std::unique_lock lock(m_mutex);
  m_room.wait(lock, [this] { return m_cancelled || m_waitingLines < m_capacity; });
  if (m_events.empty() || m_events.back().kind != kind || m_events.back().lines.size() >= kBatchLines)
    m_events.push_back(RunEvent{kind, {}, 0, 0});
  m_events.back().lines.push_back(std::move(line));
  ++m_waitingLines;
}

void RunQueue::pushMarker(RunEvent event) {
  std::lock_guard lock(m_mutex);
  if (event.kind == RunEvent::Kind::Progress && !m_events.empty() && m_events.back().kind == event.kind)
    m_events.back() = std::move(event);  // only the latest progress matters
  else
    m_events.push_back(std::move(event));
}

void RunQueue::clearMemo() {
  pushMarker({RunEvent::Kind::ClearMemo, {}, 0, 0});
}
void RunQueue::clearList() {
  pushMarker({RunEvent::Kind::ClearList, {}, 0, 0});
}
void RunQueue::addMemoLine(std::string line) {
  push(RunEvent::Kind::MemoLines, std::move(line));
}
void RunQueue::addListItem(std::string name) {
  push(RunEvent::Kind::ListItems, std::move(name));
}
void RunQueue::progress(std::size_t done, std::size_t total) {
  pushMarker({RunEvent::Kind::Progress, {}, done, total});
}

void RunQueue::finish() {
  std::lock_guard lock(m_mutex);
  m_finished = true;
}

std::vector<RunEvent> RunQueue::take(std::size_t maxLines) {
  std::vector<RunEvent> out;
  {
    std::lock_guard lock(m_mutex);
    std::size_t taken = 0;
    while (!m_events.empty() && taken < maxLines) {
      taken += m_events.front().lines.size();
      out.push_back(std::move(m_events.front()));
      m_events.pop_front();
    }
    m_waitingLines -= std::min(taken, m_waitingLines);
  }
  m_room.notify_all();
  return out;
}

void RunQueue::setRecommended(std::vector<RecommendedName> names) {
  std::lock_guard lock(m_mutex);
  m_recommended = std::move(names);
}

std::optional<std::vector<RecommendedName>> RunQueue::takeRecommended() {
  std::lock_guard lock(m_mutex);
  return std::exchange(m_recommended, std::nullopt);
}

bool RunQueue::cancelled() const {
  std::lock_guard lock(m_mutex);
  return m_cancelled;
}

bool RunQueue::drained() const {
  std::lock_guard lock(m_mutex);
  return m_finished && m_events.empty();
}

void RunQueue::cancel() {
  {
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
  }
  m_room.notify_all();
}

}  // namespace lumo::generator
