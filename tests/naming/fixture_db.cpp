#include "fixture_db.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "data/gbk.h"
#include "data/query.h"
#include "data/unscramble.h"
#include "naming/strokes.h"
#include "tests/support/schema_stamp.h"

namespace fs = std::filesystem;

namespace lumo::test {
namespace {

const char* folderOf(db::DbFile file) {
  switch (file) {
    case db::DbFile::Voduzid:
      return "Voduzid";
    case db::DbFile::KelFile:
      return "KelFile";
    case db::DbFile::KelBirth:
      return "KelBirth";
    case db::DbFile::Dream:
      return "dream";
    case db::DbFile::Tgcode:
      return "Tgcode";
  }
  return "";
}

std::string sqlText(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("''") : std::string(1, c);
  return out + "'";
}

void resetReaders() {
  db::dropCachedConnections();
  naming::ClearStrokeCache();
}

}  // namespace

std::string schemaOf(const std::string& folder) {
  std::ifstream in(fs::path(LUMO_SCHEMA_DIR) / folder / "schema.sql");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

FixtureFolder::FixtureFolder() {
  static int counter = 0;
  m_path = (fs::temp_directory_path() /
            ("lumo-naming-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
               .string();
  fs::remove_all(m_path);
  fs::create_directories(m_path);
  for (db::DbFile file : {db::DbFile::Voduzid, db::DbFile::KelFile, db::DbFile::KelBirth}) {
    exec(file, schemaOf(folderOf(file)) + lumo::testing::schemaStampSql());
  }
  db::setDataFolder(m_path);
  resetReaders();
}

FixtureFolder::~FixtureFolder() {
  db::setDataFolder("");
  resetReaders();
  std::error_code ignored;
  fs::remove_all(m_path, ignored);
}

void FixtureFolder::exec(db::DbFile file, const std::string& sql) {
  sqlite3* raw = nullptr;
  std::string target = (fs::path(m_path) / db::fileName(file)).string();
  if (sqlite3_open(target.c_str(), &raw) != SQLITE_OK) throw std::runtime_error("cannot open " + target);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(raw, sqlite3_close);
  char* error = nullptr;
  sqlite3_exec(raw, "PRAGMA synchronous=OFF; PRAGMA journal_mode=MEMORY", nullptr, nullptr, nullptr);
  if (sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "error";
    sqlite3_free(error);
    throw std::runtime_error(message + " in: " + sql);
  }
  naming::ClearStrokeCache();
}

void FixtureFolder::remove(db::DbFile file) {
  resetReaders();
  fs::remove(fs::path(m_path) / db::fileName(file));
}

void FixtureFolder::addWord(const std::string& zi, const std::string& ft, int bh, const std::string& wuhang,
                            const std::string& pinyin) {
  exec(db::DbFile::Voduzid, "INSERT INTO word (zi, ft, bh, wuhang, pinyin) VALUES (" + sqlText(zi) + "," +
                                sqlText(ft) + "," + std::to_string(bh) + "," + sqlText(wuhang) + "," +
                                sqlText(pinyin) + ")");
}

void FixtureFolder::add81(int num, const std::string& yy, const std::string& jx, const std::string& as,
                          const std::string& content) {
  exec(db::DbFile::KelFile, "INSERT INTO \"81\" VALUES (" + std::to_string(num) + "," + sqlText(yy) + "," +
                                sqlText(jx) + "," + sqlText(as) + "," + sqlText(content) + ")");
}

void FixtureFolder::addSancai(const std::string& title, int djc, const std::string& content) {
  std::string stored =
      db::ScrambleStoredText(gbk::fromUtf8(content), db::kStoredTextKey, db::kStoredTextRounds);
  exec(db::DbFile::KelFile, "INSERT INTO sancai VALUES (" + sqlText(title) + "," + std::to_string(djc) + "," +
                                sqlText(stored) + ")");
}

void FixtureFolder::addSancai2009(const std::string& title, const std::string& tag) {
  std::vector<std::string> fields{"yy", "jcy", "jx1", "cgy", "jx2", "rjgx", "jx3", "xg"};
  std::string values = sqlText(title);
  for (const auto& f : fields) values += "," + sqlText(" " + tag + "-" + f + " ");
  exec(db::DbFile::KelFile, "INSERT INTO sancai2009 VALUES (" + values + ")");
}

void FixtureFolder::addZh(int bh11, int bh12, int bh21, int bh22, int zf) {
  int lx = (bh12 ? 20 : 10) + (bh22 ? 2 : 1);
  exec(db::DbFile::Voduzid, "INSERT INTO zh VALUES (" + std::to_string(lx) + "," + std::to_string(bh11) +
                                "," + std::to_string(bh12) + "," + std::to_string(bh21) + "," +
                                std::to_string(bh22) + "," + std::to_string(zf) + ",'0',1)");
}

void FixtureFolder::addXing(const std::string& name, const std::string& intro) {
  exec(db::DbFile::KelBirth,
       "INSERT INTO xing (xingl, intro) VALUES (" + sqlText(name) + "," + sqlText(intro) + ")");
}

}  // namespace lumo::test
