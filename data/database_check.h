#pragma once
// The start-up check of the reference databases.
//
// A file passes when it is a regular file (a FIFO or a device is refused without being
// opened for reading, so nothing blocks), is an SQLite database as long as its header
// says and as long as its header promises, carries in `meta` the schema version this
// program was built for, and holds every table the program reads, whose first page reads.
// It takes milliseconds: a page damaged deeper inside is reported by the query layer
// (read_failure.h) when a reader meets it.

#include <optional>
#include <string>
#include <vector>

#include "data/database_files.h"

namespace lumo::db {

struct FileProblem {
  DbFile file;
  std::string path;
  std::string reason;  // e.g. "文件不存在", "缺少表 word"
};

const std::vector<DbFile>& allDatabaseFiles();
// The tables the program reads from the file.
const std::vector<std::string>& expectedTables(DbFile file);

// Why the file at `path` cannot serve as `file`; nullopt when it is sound.
std::optional<std::string> checkDatabaseFile(DbFile file, const std::string& path);
// The problems of `files` in the data folder, in the order given.
std::vector<FileProblem> checkDatabaseFiles(const std::vector<DbFile>& files);

// "数据库文件 Voduzid.dll 缺失或已损坏：文件不存在（<path>）"
std::string describe(const FileProblem& problem);

}  // namespace lumo::db
