#include "generator/naming_worker.h"

#include <chrono>

#include "data/query.h"
#include "generator/classic_recommend.h"

namespace lumo::generator {
namespace {

// A dictionary without the meanings table still runs; it only recommends nothing.
bool readNameSet(db::Connection& connection, naming::CharacterTable& table) {
  try {
    table.loadNameSet(connection);
    return true;
  } catch (const db::DbError&) {
    return false;
  }
}

}  // namespace

TMythread::TMythread(std::shared_ptr<const LiveSettings> settings, std::shared_ptr<RunQueue> queue)
    : m_settings(std::move(settings)), m_queue(std::move(queue)), m_thread([this] { body(); }) {}

TMythread::~TMythread() {
  finish();
}

void TMythread::finish() {
  stop();
  m_queue->cancel();
  // Interrupting is repeated until the thread ends: a statement that was about to start
  // when the first interrupt came is caught by the next one.
  while (!m_finished.load()) {
    {
      std::lock_guard lock(m_connectionMutex);
      if (m_connection) m_connection->interrupt();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (m_thread.joinable()) m_thread.join();
}

void TMythread::body() {
  try {
    db::Connection connection(db::DbFile::Voduzid);
    setConnection(&connection);
    RunSettings start = m_settings->snapshot();
    naming::CharacterTable table;
    bool canRecommend = readNameSet(connection, table);
    CandidatePool pool(start.options.surname, start.options.sex);
    PoolingOutput output(*m_queue, pool);
    m_end.store(GenerateNames(connection, *m_settings, m_runFlag, output));
    if (canRecommend && !m_queue->cancelled())
      m_queue->setRecommended(
          recommendFromPool(pool, start.classic, start.options, table, connection, start.need));
    setConnection(nullptr);
  } catch (const std::exception&) {
    // A database that cannot be opened ends the run like any other failure: silently.
  }
  setConnection(nullptr);
  m_queue->finish();
  m_finished.store(true);
}

void TMythread::setConnection(db::Connection* connection) {
  std::lock_guard lock(m_connectionMutex);
  m_connection = connection;
}

}  // namespace lumo::generator
