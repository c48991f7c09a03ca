// 三才吉凶: nothing before an analysis, the unscrambled reading, the placeholder, a stop.
#include "naming/sancai_reading.h"

#include <gtest/gtest.h>

#include "fixture_db.h"

namespace lumo::naming {
namespace {

class SancaiReadingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.addWord("王", "王", 4);
    m_db.addWord("一", "一", 1);
    m_db.addSancai("土土木", 1, "土气厚重，根基稳固。\n晚年安乐。");
  }
  test::FixtureFolder m_db;
};

TEST_F(SancaiReadingTest, NothingWithoutAnAnalysedName) {
  Report report;
  EXPECT_FALSE(ShowSancaiReading("", "一", report));
  EXPECT_FALSE(ShowSancaiReading("王", "", report));
  EXPECT_TRUE(report.lines.empty());
}

TEST_F(SancaiReadingTest, UnscrambledReading) {
  Report report;
  ASSERT_TRUE(ShowSancaiReading("王", "一", report));
  const std::vector<std::string> expected = {"王一,您的三才为土土木,经系统分析如下:", "", "",
                                             "    土气厚重，根基稳固。", "晚年安乐。"};
  EXPECT_EQ(report.lines, expected);
}

TEST_F(SancaiReadingTest, NoRowGivesThePlaceholder) {
  m_db.exec(db::DbFile::KelFile, "DELETE FROM sancai");
  Report report;
  ASSERT_TRUE(ShowSancaiReading("王", "一", report));
  ASSERT_EQ(report.lines.size(), 4u);
  EXPECT_EQ(report.lines[3], "    无结果,请听下回分解");
}

TEST_F(SancaiReadingTest, EmptyStoredContentGivesAnEmptyText) {
  m_db.exec(db::DbFile::KelFile, "UPDATE sancai SET content = ''");
  EXPECT_EQ(SancaiContent("土土木"), "");
}

TEST_F(SancaiReadingTest, FailingReadStopsBeforeAnyLine) {
  m_db.exec(db::DbFile::KelFile, "ALTER TABLE sancai RENAME COLUMN content TO text");
  Report report;
  CommandResult result = runCommand(report, [](Report& r) { ShowSancaiReading("王", "一", r); });
  EXPECT_EQ(result.outcome, Outcome::Stopped);
  EXPECT_TRUE(report.lines.empty());
  m_db.exec(db::DbFile::KelFile, "DROP TABLE sancai");  // a missing table is reported
  result = runCommand(report, [](Report& r) { ShowSancaiReading("王", "一", r); });
  EXPECT_EQ(result.outcome, Outcome::Failed);
  EXPECT_TRUE(report.lines.empty());
}

}  // namespace
}  // namespace lumo::naming
