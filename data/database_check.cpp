#include "data/database_check.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "data/read_failure.h"
#include "tools/dbbuild/builder.h"

namespace lumo::db {
namespace {

using Handle = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

unsigned bigEndian(const unsigned char* bytes, int count) {
  unsigned value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

// What the file itself shows before SQLite reads it: kind, size and header.
std::optional<std::string> checkFileItself(const std::string& path) {
  // O_NONBLOCK: opening a FIFO with no writer returns at once instead of waiting.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return "文件不存在";
    return std::string("无法打开（") + std::strerror(errno) + "）";
  }
  std::unique_ptr<int, void (*)(int*)> closer(&fd, [](int* f) { ::close(*f); });
  struct stat info {};
  if (::fstat(fd, &info) != 0) return std::string("无法读取（") + std::strerror(errno) + "）";
  if (!S_ISREG(info.st_mode)) return "不是普通文件";
  if (info.st_size == 0) return "文件为空";
  unsigned char header[100];
  ssize_t got = ::pread(fd, header, sizeof header, 0);
  if (got < 0) return std::string("无法读取（") + std::strerror(errno) + "）";
  if (got < static_cast<ssize_t>(sizeof header) || std::memcmp(header, "SQLite format 3", 16) != 0)
    return "不是数据库文件";
  unsigned pageSize = bigEndian(header + 16, 2);
  if (pageSize == 1) pageSize = 65536;
  // The page count in the header holds when its "valid for" counter matches the change
  // counter; then a shorter file has lost its end.
  unsigned long long pages = bigEndian(header + 28, 4);
  bool countValid = bigEndian(header + 92, 4) == bigEndian(header + 24, 4);
  if (countValid && pages > 0 && pageSize * pages > static_cast<unsigned long long>(info.st_size))
    return "文件不完整（已截断）";
  return std::nullopt;
}

std::optional<std::string> singleText(sqlite3* db, const char* sql, const std::string& param,
                                      std::string& out) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) return std::string(sqlite3_errmsg(db));
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
  if (!param.empty())
    sqlite3_bind_text(stmt, 1, param.data(), static_cast<int>(param.size()), SQLITE_TRANSIENT);
  int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) {
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    out = text ? text : "";
    return std::nullopt;
  }
  if (rc == SQLITE_DONE) {
    out.clear();
    return std::nullopt;
  }
  return std::string(sqlite3_errmsg(db));
}

}  // namespace

const std::vector<DbFile>& allDatabaseFiles() {
  static const std::vector<DbFile> files = {DbFile::Voduzid, DbFile::KelFile, DbFile::KelBirth, DbFile::Dream,
                                            DbFile::Tgcode};
  return files;
}

const std::vector<std::string>& expectedTables(DbFile file) {
  static const std::vector<std::string> voduzid = {"word", "zh", "ziyi", "xingdu", "xieyin", "diezi"};
  static const std::vector<std::string> kelFile = {"81", "sancai", "sancai2009"};
  static const std::vector<std::string> kelBirth = {"Noter", "QQpd", "huangdao", "xing"};
  static const std::vector<std::string> dream = {"chenggu",  "chenggu1", "chenggu2",
                                                 "chenggu3", "chenggu4", "shouji"};
  static const std::vector<std::string> tgcode = {"hzwh", "Shishen", "jiazi", "sjrs", "qtbj"};
  switch (file) {
    case DbFile::Voduzid:
      return voduzid;
    case DbFile::KelFile:
      return kelFile;
    case DbFile::KelBirth:
      return kelBirth;
    case DbFile::Dream:
      return dream;
    case DbFile::Tgcode:
      return tgcode;
  }
  return voduzid;
}

std::optional<std::string> checkDatabaseFile(DbFile file, const std::string& path) {
  if (auto problem = checkFileItself(path)) return problem;
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  Handle db(raw, sqlite3_close);
  if (rc != SQLITE_OK)
    return std::string("无法打开（") + (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)) + "）";
  std::string version;
  if (auto error = singleText(db.get(), "select value from meta where key = 'schema_version'", "", version)) {
    if (std::strncmp(error->c_str(), "no such table", 13) == 0) return "缺少 meta 表，不是本程序的数据库";
    return "无法读取（" + *error + "）";
  }
  std::string wanted = std::to_string(dbbuild::kSchemaVersion);
  if (version != wanted) return "数据库版本为“" + version + "”，本程序需要版本 " + wanted;
  for (const std::string& table : expectedTables(file)) {
    std::string name;
    if (auto error = singleText(db.get(), "select name from sqlite_master where type = 'table' and name = ?",
                                table, name))
      return "无法读取（" + *error + "）";
    if (name.empty()) return "缺少表 " + table;
  }
  // The first row of each table: its root page must read. A full integrity check takes
  // seconds on the dictionary, too long for every start of lumo-cli; a page damaged
  // deeper inside is reported by the query layer when a reader meets it.
  for (const std::string& table : expectedTables(file)) {
    std::string ignored;
    if (auto error = singleText(db.get(), ("select 1 from \"" + table + "\" limit 1").c_str(), "", ignored))
      return "文件已损坏（" + *error + "）";
  }
  return std::nullopt;
}

std::vector<FileProblem> checkDatabaseFiles(const std::vector<DbFile>& files) {
  std::vector<FileProblem> problems;
  for (DbFile file : files) {
    std::string path = databasePath(file);
    if (auto reason = checkDatabaseFile(file, path)) problems.push_back({file, path, *reason});
  }
  return problems;
}

std::string describe(const FileProblem& problem) {
  return damagedDataMessage(fileName(problem.file), problem.reason + "（" + problem.path + "）");
}

}  // namespace lumo::db
