#include "tools/dbbuild/builder.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "data/gbk.h"
#include "data/tsv.h"
#include "data/unscramble.h"
#include "tools/dbbuild/zh_table.h"

namespace fs = std::filesystem;

namespace lumo::dbbuild {
namespace {

using Db = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

void exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(message);
  }
}

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

// The one scrambled column: kept plain in the source, stored as the program reads it.
bool isScrambled(const std::string& table, const std::string& column) {
  return table == "sancai" && column == "content";
}

void loadTable(sqlite3* db, const std::string& table, const fs::path& file) {
  tsv::Table source = tsv::readFile(file.string());
  std::string sql = "INSERT INTO \"" + table + "\" (";
  std::string marks;
  for (std::size_t i = 0; i < source.columns.size(); ++i) {
    sql += (i ? "," : "") + ("\"" + source.columns[i] + "\"");
    marks += i ? ",?" : "?";
  }
  sql += ") VALUES (" + marks + ")";
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
    throw std::runtime_error(file.string() + ": " + sqlite3_errmsg(db));
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
  for (const auto& row : source.rows) {
    sqlite3_reset(stmt);
    for (std::size_t i = 0; i < row.size(); ++i) {
      int index = static_cast<int>(i + 1);
      if (!row[i]) {
        sqlite3_bind_null(stmt, index);
        continue;
      }
      std::string value = *row[i];
      if (isScrambled(table, source.columns[i]))
        value = db::ScrambleStoredText(gbk::fromUtf8(value), db::kStoredTextKey, db::kStoredTextRounds);
      sqlite3_bind_text(stmt, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    }
    if (sqlite3_step(stmt) != SQLITE_DONE)
      throw std::runtime_error(file.string() + ": " + sqlite3_errmsg(db));
  }
}

// "QQpd.tsv" and "QQpd-part2.tsv" both load into QQpd.
std::string tableOf(const fs::path& file) {
  std::string stem = file.stem().string();
  return stem.substr(0, stem.find('-'));
}

void buildOne(const BuildOptions& options, const std::string& name) {
  fs::path folder = fs::path(options.sourceFolder) / name;
  fs::path target = fs::path(options.outputFolder) / (name + ".dll");
  fs::path building = fs::path(options.outputFolder) / (name + ".dll.building");
  fs::remove(building);
  sqlite3* raw = nullptr;
  if (sqlite3_open(building.c_str(), &raw) != SQLITE_OK)
    throw std::runtime_error("cannot create " + building.string());
  Db db(raw, sqlite3_close);
  exec(db.get(), "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN");
  exec(db.get(), readText(folder / "schema.sql"));
  exec(db.get(),
       "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT);"
       "INSERT INTO meta VALUES ('schema_version', '" +
           std::to_string(kSchemaVersion) + "')");
  std::vector<fs::path> sources;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".tsv") sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  for (const auto& file : sources) loadTable(db.get(), tableOf(file), file);
  if (name == "KelBirth" && !options.huangdaoTsv.empty())
    loadTable(db.get(), "huangdao", options.huangdaoTsv);
  if (name == "Voduzid") {
    std::string kelFile = (fs::path(options.outputFolder) / "KelFile.dll").string();
    buildZhTable(db.get(), kelFile.c_str());
  }
  exec(db.get(), "COMMIT");
  db.reset();
  fs::rename(building, target);
}

}  // namespace

void buildAll(const BuildOptions& options) {
  fs::create_directories(options.outputFolder);
  // KelFile first: the stroke-combination scores of Voduzid read its 三才 grades.
  for (const char* name : {"KelFile", "KelBirth", "dream", "Tgcode", "Voduzid"}) {
    try {
      buildOne(options, name);
    } catch (const std::exception& e) {
      fs::remove(fs::path(options.outputFolder) / (std::string(name) + ".dll.building"));
      throw std::runtime_error(std::string(name) + ": " + e.what());
    }
  }
}

}  // namespace lumo::dbbuild
