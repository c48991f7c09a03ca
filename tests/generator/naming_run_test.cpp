// GenerateNames over the fixture: what reaches the pane and the list, the run flag, the
// failures that end a run, and the worker thread's stop and close.
#include "generator/naming_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "fixture_db.h"
#include "generator/naming_worker.h"

namespace lumo::generator {
namespace {

struct Recorder final : RunOutput {
  std::vector<std::string> memo, list;
  std::vector<std::pair<std::size_t, std::size_t>> progresses;
  std::function<void(std::size_t names)> onName;
  std::function<void()> onProgress;
  std::size_t names = 0;
  void clearMemo() override { memo.clear(); }
  void clearList() override { list.clear(); }
  void addMemoLine(std::string line) override { memo.push_back(std::move(line)); }
  void addListItem(std::string name) override {
    list.push_back(std::move(name));
    if (onName) onName(++names);
  }
  void progress(std::size_t done, std::size_t total) override {
    progresses.emplace_back(done, total);
    if (onProgress) onProgress();
  }
};

// Schemes with distinct tags, so a union keeps all their rows.
std::vector<std::string> schemes(std::size_t count) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < count; ++i) out.push_back("4|8-10(" + std::to_string(80 + i) + "分)");
  return out;
}

RunSettings boy(std::string scheme = kAutomaticScheme) {
  RunSettings s;
  s.options.surname = "王";
  s.schemeText = std::move(scheme);
  return s;
}

class NamingRun : public ::testing::Test {
 protected:
  RunEnd run(const RunSettings& settings) {
    db::Connection connection(m_db.path());
    LiveSettings live(settings);
    m_live = &live;
    RunEnd end = GenerateNames(connection, live, m_flag, m_out);
    m_live = nullptr;
    return end;
  }
  test::FixtureDb m_db;
  std::atomic<bool> m_flag{true};
  Recorder m_out;
  LiveSettings* m_live = nullptr;
};

TEST_F(NamingRun, ChosenSchemeFillsPaneAndList) {
  EXPECT_EQ(run(boy("4|8-10(85分)")), RunEnd::Finished);
  ASSERT_EQ(m_out.memo.size(), 2u) << "one full line and the last, incomplete one";
  EXPECT_EQ(m_out.memo[0].rfind("王明浩(85分)    王明桐(85分)    ", 0), 0u);
  EXPECT_EQ(m_out.memo[1], "王岩浩(85分)    王岩桐(85分)    王岩润(85分)    ");
  EXPECT_EQ(m_out.list.size(), 9u);
  EXPECT_TRUE(m_out.progresses.empty()) << "a chosen scheme shows no progress";
}

TEST_F(NamingRun, ThresholdAndUntickedList) {
  RunSettings s = boy("4|8-10(76分)");
  EXPECT_EQ(run(s), RunEnd::Finished);
  EXPECT_TRUE(m_out.list.empty()) << "76 is below 77";
  s.schemeText = "4|8-10(100分)";
  s.high.enabled = false;
  run(s);
  EXPECT_TRUE(m_out.list.empty());
  EXPECT_EQ(m_out.memo.size(), 2u);
}

TEST_F(NamingRun, BadEntryEndsTheRunKeepingTheOldList) {
  m_out.list = {"王明华(90分)"};
  m_out.memo = {"old"};
  EXPECT_EQ(run(boy("4|x-10(85分)")), RunEnd::Failed);
  EXPECT_TRUE(m_out.memo.empty()) << "the pane is cleared first";
  EXPECT_EQ(m_out.list, std::vector<std::string>({"王明华(90分)"}));
}

TEST_F(NamingRun, AutomaticRunGroupsAndProgress) {
  RunSettings s = boy();
  s.schemes = schemes(9);
  EXPECT_EQ(run(s), RunEnd::Finished);
  EXPECT_EQ(m_out.list.size(), 81u);
  EXPECT_EQ(m_out.memo.size(), 14u);  // 81 names: 13 full lines and 3 waiting names
  using P = std::pair<std::size_t, std::size_t>;
  EXPECT_EQ(m_out.progresses, std::vector<P>({{0, 9}, {8, 9}, {9, 9}}));
}

TEST_F(NamingRun, AutomaticRunWithoutSchemesShowsNothing) {
  EXPECT_EQ(run(boy()), RunEnd::Finished);
  EXPECT_TRUE(m_out.memo.empty());
  EXPECT_TRUE(m_out.list.empty());
}

TEST_F(NamingRun, MixedShapesEndTheRunKeepingEarlierGroups) {
  RunSettings s = boy();
  s.schemes = schemes(8);
  s.schemes.push_back("4|8-10(70分)");
  s.schemes.push_back("4|8-0(70分)");
  EXPECT_EQ(run(s), RunEnd::Failed);
  EXPECT_EQ(m_out.list.size(), 72u);
}

TEST_F(NamingRun, StopDuringAutomaticRunCompletesTheBlock) {
  RunSettings s = boy();
  s.schemes = schemes(16);  // two groups of 72 rows: n = 8
  m_out.onName = [&](std::size_t names) {
    if (names == 3) m_flag.store(false);
  };
  EXPECT_EQ(run(s), RunEnd::Stopped);
  EXPECT_EQ(m_out.list.size(), 9u) << "the block of nine completes, no further scheme is read";
  ASSERT_EQ(m_out.memo.size(), 2u);
  EXPECT_EQ(m_out.progresses.back().first, 8u) << "the skipped group is not counted as done";
}

TEST_F(NamingRun, EachGroupReadsTheOptionsAsTheyStand) {
  RunSettings s = boy();
  s.schemes = schemes(9);
  m_out.onProgress = [&] {
    if (m_out.progresses.size() != 2) return;
    RunSettings changed = m_live->snapshot();
    changed.options.sex = Sex::Female;  // the second group runs for a girl
    m_live->publish(changed);
  };
  run(s);
  ASSERT_EQ(m_out.list.size(), 72u + 16u);
  EXPECT_NE(std::find(m_out.list.begin(), m_out.list.end(), "王雨娟(88分)"), m_out.list.end());
}

// A fixture large enough that a run lasts: `count` characters of 8 and of 10 strokes.
void addManyCharacters(const test::FixtureDb& db, int count) {
  std::string sql = "INSERT INTO word (id, zi, ft, bh, px, nan, nv, xb, wuhang) VALUES ";
  for (int i = 0; i < 2 * count; ++i) {
    char32_t cp = 0x5000 + i;
    std::string zi = {char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))};
    sql += "(" + std::to_string(1000 + i) + ",'" + zi + "','" + zi + "'," + (i < count ? "8" : "10") + "," +
           std::to_string(10 + i) + ",1,1,'1','木'),";
  }
  sql.back() = ';';
  db.exec(sql);
}

std::size_t drainAll(RunQueue& queue, std::vector<RunEvent>& events) {
  std::size_t lines = 0;
  for (auto& e : queue.take(1u << 30)) {
    lines += e.lines.size();
    events.push_back(std::move(e));
  }
  return lines;
}

TEST_F(NamingRun, WorkerHandsEventsOverInOrder) {
  auto live = std::make_shared<LiveSettings>(boy("4|8-10(85分)"));
  auto queue = std::make_shared<RunQueue>();
  std::vector<RunEvent> events;
  {
    TMythread worker(live, queue);
    while (!queue->drained()) {
      drainAll(*queue, events);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_TRUE(worker.finished());
    EXPECT_EQ(worker.end(), RunEnd::Finished);
  }
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[0].kind, RunEvent::Kind::ClearMemo);
  EXPECT_EQ(events[1].kind, RunEvent::Kind::ClearList);
  std::vector<std::string> list;
  for (const auto& e : events)
    if (e.kind == RunEvent::Kind::ListItems) list.insert(list.end(), e.lines.begin(), e.lines.end());
  EXPECT_EQ(list.front(), "王明浩(85分)");
  EXPECT_EQ(list.back(), "王岩润(85分)");
}

TEST_F(NamingRun, ClosingDuringARunStopsAndJoins) {
  addManyCharacters(m_db, 300);  // 90,000 names per scheme
  RunSettings s = boy();
  s.schemes = schemes(20);
  for (int pass = 0; pass < 3; ++pass) {
    auto live = std::make_shared<LiveSettings>(s);
    auto queue = std::make_shared<RunQueue>(200);  // small: the worker soon waits for room
    auto started = std::chrono::steady_clock::now();
    {
      TMythread worker(live, queue);
      std::this_thread::sleep_for(std::chrono::milliseconds(50 * pass));
      std::vector<RunEvent> events;
      if (pass == 2) drainAll(*queue, events);
    }  // closing: the worker is stopped and joined here
    auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, std::chrono::seconds(2))
        << "pass " << pass << ": the statement is interrupted, not awaited";
  }
}

TEST_F(NamingRun, StopEndsAWorkerAtItsNextCheck) {
  addManyCharacters(m_db, 100);
  RunSettings s = boy();
  s.schemes = schemes(20);
  auto live = std::make_shared<LiveSettings>(s);
  auto queue = std::make_shared<RunQueue>();
  TMythread worker(live, queue);
  std::vector<RunEvent> events;
  std::size_t names = 0;
  while (names < 30 && !queue->drained()) names += drainAll(*queue, events);
  worker.stop();
  while (!queue->drained()) {
    drainAll(*queue, events);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  EXPECT_EQ(worker.end(), RunEnd::Stopped);
}

}  // namespace
}  // namespace lumo::generator

namespace lumo::generator {
namespace {

// The guards drop names inside the run; the names that remain keep their order.
TEST_F(NamingRun, GuardsDropNamesAndKeepTheOrderOfTheRest) {
  ASSERT_EQ(run(boy("4|8-10(85分)")), RunEnd::Finished);
  std::vector<std::string> all = m_out.list;
  ASSERT_EQ(all.size(), 9u);
  m_db.exec(
      "UPDATE word SET duyin = 'míng' WHERE zi = '明';"
      "UPDATE word SET duyin = 'rùn' WHERE zi = '润';"
      "UPDATE word SET duyin = 'tóng' WHERE zi = '桐';"
      "INSERT INTO xingdu VALUES ('王', 'wang', 'wáng', '土', 1), ('林', 'lin', 'lín', '木', 1);"
      "INSERT INTO xieyin VALUES ('亡命', 'wáng mìng', '死亡');");
  m_out = Recorder{};
  ASSERT_EQ(run(boy("4|8-10(85分)")), RunEnd::Finished);
  std::vector<std::string> kept;
  // 王明 wáng míng sounds like 亡命 wáng mìng; 林 is a common surname but also a name
  // character, so its names stay.
  for (const auto& name : all)
    if (name.rfind("王明", 0) != 0) kept.push_back(name);
  EXPECT_EQ(m_out.list, kept);
  EXPECT_LT(m_out.list.size(), all.size());
}

}  // namespace
}  // namespace lumo::generator
