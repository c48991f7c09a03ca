// The query layer against a missing file, a missing table and hostile keys, through each
// of the four failure modes.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "data/read_failure.h"

namespace lumo::db {
namespace {

class QueryFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() / ("lumo-query-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open((m_dir / "Voduzid.dll").c_str(), &raw), SQLITE_OK);
    sqlite3_exec(raw,
                 "CREATE TABLE word (zi TEXT, ft TEXT, bh INTEGER);"
                 "INSERT INTO word VALUES ('王', '王', 4), ('刘', '劉', 15), ('o''k', 'x', 9);",
                 nullptr, nullptr, nullptr);
    sqlite3_close(raw);
    setDataFolder(m_dir.string());
    dropCachedConnections();
  }
  void TearDown() override {
    dropCachedConnections();
    setDataFolder("");
    std::filesystem::remove_all(m_dir);
  }
  std::filesystem::path m_dir;
};

TEST_F(QueryFailure, ReadsRowsByNameAndPosition) {
  ResultSet rows = readRows(Failure::Reported, DbFile::Voduzid, "select bh, zi from word where ft = ?", {std::string("劉")});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.integer(0, "bh"), 15);
  EXPECT_EQ(rows.text(0, std::size_t{1}), "刘");
}

TEST_F(QueryFailure, HostileKeysAreValues) {
  for (const char* key : {"'", "' or '1'='1", "%", "_", "\\", "o'k"}) {
    ResultSet rows = readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi = ?", {std::string(key)});
    EXPECT_EQ(rows.size(), std::string(key) == "o'k" ? 1u : 0u) << key;
  }
  ResultSet like = readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi like ?", {std::string("%")});
  EXPECT_EQ(like.size(), 3u);  // a pattern is a pattern only where the statement says like
}

TEST_F(QueryFailure, MissingTableInEachMode) {
  const char* sql = "select bh from nosuchtable";
  EXPECT_TRUE(readRows(Failure::Zero, DbFile::Voduzid, sql).empty());
  EXPECT_TRUE(readRows(Failure::Empty, DbFile::Voduzid, sql).empty());
  EXPECT_THROW(readRows(Failure::SilentStop, DbFile::Voduzid, sql), CommandStopped);
  try {
    readRows(Failure::Reported, DbFile::Voduzid, sql);
    FAIL();
  } catch (const ReportedFailure& e) {
    EXPECT_NE(std::string(e.what()).find("nosuchtable"), std::string::npos) << "the database's own message";
  }
}

TEST_F(QueryFailure, MissingFileIsAFailureNotANewFile) {
  EXPECT_TRUE(readRows(Failure::Zero, DbFile::KelFile, "select 1").empty());
  EXPECT_THROW(readRows(Failure::Reported, DbFile::KelFile, "select 1"), ReportedFailure);
  EXPECT_FALSE(std::filesystem::exists(m_dir / "KelFile.dll"));
}

TEST_F(QueryFailure, SilentStopKeepsTheLinesWritten) {
  Report report;
  CommandResult result = runCommand(report, [](Report& r) {
    r.add("header");
    readRows(Failure::SilentStop, DbFile::KelFile, "select 1");
    r.add("never");
  });
  EXPECT_EQ(result.outcome, Outcome::Stopped);
  EXPECT_EQ(report.lines, std::vector<std::string>{"header"});
}

TEST_F(QueryFailure, CommandOutcomes) {
  Report report;
  EXPECT_EQ(runCommand(report, [](Report&) { throw Notice("姓不能为空!"); }).message, "姓不能为空!");
  EXPECT_EQ(runCommand(report, [](Report&) { readRows(Failure::Reported, DbFile::KelFile, "select 1"); }).outcome,
            Outcome::Failed);
}

TEST_F(QueryFailure, FreshConnectionsGiveTheSameResults) {
  setFreshConnectionPerQuery(true);
  auto fresh = readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi = ?", {std::string("王")});
  setFreshConnectionPerQuery(false);
  auto cached = readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi = ?", {std::string("王")});
  EXPECT_EQ(fresh.integer(0, "bh"), cached.integer(0, "bh"));
}

TEST(Values, Conversions) {
  EXPECT_EQ(valueInt(Value{std::string(" 12 ")}), 12);
  EXPECT_EQ(valueInt(Value{}), 0);
  EXPECT_EQ(valueText(Value{1.5}), "1.5");
  EXPECT_DOUBLE_EQ(valueReal(Value{std::string("0.6")}), 0.6);
  EXPECT_EQ(trimmed("  a b \t"), "a b");
}

}  // namespace
}  // namespace lumo::db
