#pragma once
// The hand-over of a run's output from the worker to the GUI thread.
//
// The worker pushes; consecutive lines of one kind are gathered into one batch, so the
// GUI thread appends thousands of names with one call. The GUI thread takes the events
// in exactly the order they were pushed. When more than `capacity` lines wait, the
// worker waits for the GUI thread to take some, which bounds memory in a large run;
// cancel() ends that waiting for good (a window that is closing no longer takes).
// The recommended list of a finished run skips the line: it waits in a slot of its own,
// so the window can show it while the last names are still being appended.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "generator/recommended_name.h"
#include "generator/run_output.h"

namespace lumo::generator {

struct RunEvent {
  enum class Kind { ClearMemo, ClearList, MemoLines, ListItems, Progress };
  Kind kind = Kind::MemoLines;
  std::vector<std::string> lines;
  std::size_t done = 0, total = 0;
};

class RunQueue final : public RunOutput {
 public:
  explicit RunQueue(std::size_t capacity = 50000) : m_capacity(capacity) {}

  void clearMemo() override;
  void clearList() override;
  void addMemoLine(std::string line) override;
  void addListItem(std::string name) override;
  void progress(std::size_t done, std::size_t total) override;
  // The worker is done: no more events follow.
  void finish();
  void setRecommended(std::vector<RecommendedName> names);
  // The recommended list once it is set, then nothing until it is set again.
  std::optional<std::vector<RecommendedName>> takeRecommended();
  bool cancelled() const;

  // Takes waiting events in order until they hold `maxLines` lines or more (batches are
  // at most 512 lines, so a take stays small).
  std::vector<RunEvent> take(std::size_t maxLines);
  // finish() was called and every event has been taken.
  bool drained() const;
  void cancel();

 private:
  void push(RunEvent::Kind kind, std::string line);
  void pushMarker(RunEvent event);

  const std::size_t m_capacity;
  mutable std::mutex m_mutex;
  std::condition_variable m_room;
  std::deque<RunEvent> m_events;
  std::size_t m_waitingLines = 0;
  bool m_finished = false;
  bool m_cancelled = false;
  std::optional<std::vector<RecommendedName>> m_recommended;
};

}  // namespace lumo::generator
