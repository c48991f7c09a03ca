#pragma once
// TMythread: the worker thread of a naming run.
//
// It opens its own connection to the naming database, reads the name set, runs
// GenerateNames, hands the recommended list of the run's names to the queue and marks
// the queue finished. The run flag is its own, set before the thread starts, so a stop that
// comes at once is never lost. Destroying the worker stops the run at its next check,
// releases a worker that waits for room in the queue and joins the thread: whatever
// the run uses outlives it. Ending a worker this way also interrupts a statement in
// progress, so that closing the window never waits for a large query.

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "generator/naming_run.h"
#include "generator/run_queue.h"
#include "generator/run_settings.h"

namespace lumo::generator {

class TMythread {
 public:
  TMythread(std::shared_ptr<const LiveSettings> settings, std::shared_ptr<RunQueue> queue);
  ~TMythread();
  TMythread(const TMythread&) = delete;
  TMythread& operator=(const TMythread&) = delete;

  // RunFlag = 0: the run ends at its next check.
  void stop() { m_runFlag.store(false); }
  // Stops the run, interrupts its statement and waits until its thread has ended.
  void finish();
  bool finished() const { return m_finished.load(); }
  RunEnd end() const { return m_end.load(); }

 private:
  void body();
  void setConnection(db::Connection* connection);

  std::shared_ptr<const LiveSettings> m_settings;
  std::shared_ptr<RunQueue> m_queue;
  std::atomic<bool> m_runFlag{true};
  std::atomic<bool> m_finished{false};
  std::atomic<RunEnd> m_end{RunEnd::Failed};
  std::mutex m_connectionMutex;
  db::Connection* m_connection = nullptr;  // the run's connection while it is open
  std::thread m_thread;                    // last: starts once everything above is set
};

}  // namespace lumo::generator
