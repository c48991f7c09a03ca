// The query layer against a missing file, a missing table and hostile keys, through each
// of the four failure modes.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/report.h"
#include "core/text.h"
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
  ResultSet rows = readRows(Failure::Reported, DbFile::Voduzid, "select bh, zi from word where ft = ?",
                            {std::string("劉")});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows.integer(0, "bh"), 15);
  EXPECT_EQ(rows.text(0, std::size_t{1}), "刘");
}

TEST_F(QueryFailure, HostileKeysAreValues) {
  for (const char* key : {"'", "' or '1'='1", "%", "_", "\\", "o'k"}) {
    ResultSet rows =
        readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi = ?", {std::string(key)});
    EXPECT_EQ(rows.size(), std::string(key) == "o'k" ? 1u : 0u) << key;
  }
  ResultSet like =
      readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi like ?", {std::string("%")});
  EXPECT_EQ(like.size(), 3u);  // a pattern is a pattern only where the statement says like
}

// A key without a row and a statement the file cannot run keep the reader's own way.
TEST_F(QueryFailure, NoRowAndBadStatementInEachMode) {
  for (const char* sql : {"select bh from word where zi = 'none'", "select nosuchcolumn from word"}) {
    EXPECT_TRUE(readRows(Failure::Zero, DbFile::Voduzid, sql).empty()) << sql;
    EXPECT_TRUE(readRows(Failure::Empty, DbFile::Voduzid, sql).empty()) << sql;
  }
  EXPECT_TRUE(
      readRows(Failure::SilentStop, DbFile::Voduzid, "select bh from word where zi = 'none'").empty());
  EXPECT_THROW(readRows(Failure::SilentStop, DbFile::Voduzid, "select nosuchcolumn from word"),
               CommandStopped);
  try {
    readRows(Failure::Reported, DbFile::Voduzid, "select nosuchcolumn from word");
    FAIL();
  } catch (const ReportedFailure& e) {
    EXPECT_NE(std::string(e.what()).find("nosuchcolumn"), std::string::npos) << "the database's own message";
  }
}

// A missing table, a missing, empty, garbage or truncated file and a FIFO are reported in
// every mode, naming the file: a 0 or an empty text would make a wrong report look whole.
TEST_F(QueryFailure, DamagedDataIsReportedInEveryMode) {
  auto expectReported = [](DbFile file, const char* sql, const char* what) {
    for (Failure mode : {Failure::Zero, Failure::Empty, Failure::SilentStop, Failure::Reported}) {
      try {
        readRows(mode, file, sql);
        ADD_FAILURE() << what << " was not reported";
      } catch (const ReportedFailure& e) {
        EXPECT_NE(std::string(e.what()).find(fileName(file)), std::string::npos) << e.what();
      }
    }
  };
  expectReported(DbFile::Voduzid, "select bh from nosuchtable", "missing table");
  expectReported(DbFile::KelFile, "select 1", "missing file");
  EXPECT_FALSE(std::filesystem::exists(m_dir / "KelFile.dll")) << "no new file is created";

  auto write = [&](const char* name, const std::string& bytes) {
    dropCachedConnections();
    std::ofstream(m_dir / name, std::ios::binary) << bytes;
  };
  write("dream.dll", "");
  expectReported(DbFile::Dream, "select weight from chenggu", "empty file");
  write("dream.dll", std::string(4096, 'x'));
  expectReported(DbFile::Dream, "select weight from chenggu", "garbage");
  std::ifstream whole(m_dir / "Voduzid.dll", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(whole)), {});
  write("Tgcode.dll", bytes.substr(0, 100));
  expectReported(DbFile::Tgcode, "select bh from word", "truncated file");
  ASSERT_EQ(::mkfifo((m_dir / "KelBirth.dll").c_str(), 0600), 0);
  expectReported(DbFile::KelBirth, "select 1", "FIFO");  // refused at once, never opened
}

TEST_F(QueryFailure, SilentStopKeepsTheLinesWritten) {
  Report report;
  CommandResult result = runCommand(report, [](Report& r) {
    r.add("header");
    readRows(Failure::SilentStop, DbFile::Voduzid, "select nosuchcolumn from word");
    r.add("never");
  });
  EXPECT_EQ(result.outcome, Outcome::Stopped);
  EXPECT_EQ(report.lines, std::vector<std::string>{"header"});
}

TEST_F(QueryFailure, CommandOutcomes) {
  Report report;
  EXPECT_EQ(runCommand(report, [](Report&) { throw Notice("姓不能为空!"); }).message, "姓不能为空!");
  EXPECT_EQ(
      runCommand(report, [](Report&) { readRows(Failure::Reported, DbFile::KelFile, "select 1"); }).outcome,
      Outcome::Failed);
}

TEST_F(QueryFailure, FreshConnectionsGiveTheSameResults) {
  setFreshConnectionPerQuery(true);
  auto fresh =
      readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi = ?", {std::string("王")});
  setFreshConnectionPerQuery(false);
  auto cached =
      readRows(Failure::Reported, DbFile::Voduzid, "select bh from word where zi = ?", {std::string("王")});
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
