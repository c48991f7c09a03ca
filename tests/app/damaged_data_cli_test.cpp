// lumo-cli over a copy of the built databases with one file damaged in each way: the
// subcommand that reads it is refused at start with the file and the reason on standard
// error, exit status 3 and no report; the check and the refusal never block.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "data/database_check.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;
using db::DbFile;

struct CliRun {
  int status = -1;
  std::string out, err;
};

std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), {});
}

class DamagedDataCli : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* built = std::getenv("LUMO_DATA_DIR");
    ASSERT_TRUE(built) << "the tests run with LUMO_DATA_DIR at the built databases";
    m_built = built;
    // Beside the built files, so that links to them work (the files are large).
    m_dir = m_built.parent_path() / ("damaged-data-" + std::to_string(::getpid()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    for (DbFile file : db::allDatabaseFiles()) restore(file);
  }

  // Puts the sound file back: a link to the built one, which no test writes through.
  void restore(DbFile file) {
    fs::path path = m_dir / db::fileName(file);
    fs::remove(path);
    std::error_code linked;
    fs::create_hard_link(m_built / db::fileName(file), path, linked);
    if (linked) fs::copy_file(m_built / db::fileName(file), path);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // A subcommand that reads the file (and nothing it needs otherwise).
  static std::string commandFor(DbFile file) {
    switch (file) {
      case DbFile::Voduzid:
        return "strokes 王";
      case DbFile::KelFile:
        return "name 王 明";
      case DbFile::KelBirth:
        return "origin 王";
      case DbFile::Dream:
        return "phone 13800138000";
      case DbFile::Tgcode:
        return "bazi 王 --date 1980-1-1";
    }
    return "";
  }

  CliRun run(const std::string& arguments) {
    // timeout: a blocking open would hang the test instead of failing it.
    std::string command = "cd '" + m_dir.string() + "' && LUMO_DATA_DIR=. timeout 20 '" LUMO_CLI_PATH "' " +
                          arguments + " >out.txt 2>err.txt";
    int raw = std::system(command.c_str());
    CliRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(m_dir / "out.txt");
    r.err = slurp(m_dir / "err.txt");
    return r;
  }

  void replace(DbFile file, const std::string& bytes) {
    fs::remove(m_dir / db::fileName(file));
    std::ofstream(m_dir / db::fileName(file), std::ios::binary) << bytes;
  }

  // Changes a copy of its own, never the linked built file.
  void execOn(DbFile file, const std::string& sql) {
    fs::remove(m_dir / db::fileName(file));
    fs::copy_file(m_built / db::fileName(file), m_dir / db::fileName(file));
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open((m_dir / db::fileName(file)).c_str(), &handle), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(handle);
  }

  fs::path m_built, m_dir;
};

TEST_F(DamagedDataCli, EachDamageOfEachFileIsRefusedWithExitThree) {
  for (DbFile file : db::allDatabaseFiles()) {
    std::string name = db::fileName(file);
    fs::path path = m_dir / name;
    ASSERT_EQ(run(commandFor(file)).status, 0) << name << " reads fine while sound";
    std::string sound = slurp(path);

    struct Damage {
      const char* what;
      std::function<void()> apply;
      const char* reason;
    };
    const Damage damages[] = {
        {"missing", [&] { fs::remove(path); }, "文件不存在"},
        {"empty", [&] { replace(file, ""); }, "文件为空"},
        {"garbage", [&] { replace(file, std::string(8192, '\x5a')); }, "不是数据库文件"},
        {"truncated", [&] { replace(file, sound.substr(0, sound.size() / 2)); }, "文件不完整（已截断）"},
        {"dropped table", [&] { execOn(file, "DROP TABLE \"" + db::expectedTables(file).front() + "\""); },
         "缺少表 "},
        {"old schema", [&] { execOn(file, "UPDATE meta SET value = '1'"); }, "本程序需要版本"},
        {"FIFO",
         [&] {
           fs::remove(path);
           ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
         },
         "不是普通文件"},
    };
    for (const Damage& damage : damages) {
      damage.apply();
      CliRun r = run(commandFor(file));
      EXPECT_EQ(r.status, 3) << name << " " << damage.what;
      EXPECT_EQ(r.out, "") << name << " " << damage.what << ": no report from missing data";
      EXPECT_NE(r.err.find(name), std::string::npos) << damage.what << ": " << r.err;
      EXPECT_NE(r.err.find(damage.reason), std::string::npos) << name << " " << damage.what << ": " << r.err;
      restore(file);
    }
  }
}

TEST_F(DamagedDataCli, OnlyTheSubcommandsThatReadTheFileAreRefused) {
  fs::remove(m_dir / "Tgcode.dll");
  EXPECT_EQ(run("bazi 王 --date 1980-1-1").status, 3);
  EXPECT_EQ(run("name 王 明").status, 0);
  EXPECT_EQ(run("month 1980-1").status, 0);
  EXPECT_EQ(run("subject --surname 王 --given 明").status, 0);
}

}  // namespace
}  // namespace lumo
