#include "fixture_db.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "data/database_files.h"
#include "data/query.h"
#include "tests/support/schema_stamp.h"

namespace lumo::generator::test {
namespace {

const char* const kSchema =
    "CREATE TABLE word (id INTEGER PRIMARY KEY, zi TEXT NOT NULL, ft TEXT, bh INTEGER, px INTEGER,"
    " nan INTEGER, nv INTEGER, xb TEXT, wuhang TEXT, Aflag TEXT, pinyin TEXT, duyin TEXT);"
    "CREATE TABLE xingdu (xing TEXT PRIMARY KEY, pinyin TEXT, duyin TEXT, wuhang TEXT, changjian INTEGER);"
    "CREATE TABLE xieyin (ci TEXT, duyin TEXT, lei TEXT);"
    "CREATE TABLE diezi (zi TEXT PRIMARY KEY);"
    "CREATE TABLE ziyi (zi TEXT PRIMARY KEY, yi TEXT NOT NULL, shuoming TEXT);"
    "CREATE TABLE zh (lx INTEGER, bh11 INTEGER, bh12 INTEGER, bh21 INTEGER, bh22 INTEGER,"
    " zf INTEGER, xb TEXT, jxjx INTEGER);";

}  // namespace

const char* const kWordRows =
    "INSERT INTO word (id, zi, ft, bh, px, nan, nv, xb, wuhang, Aflag) VALUES"
    " (1, '王', '王', 4, 100, 0, 0, '0', '土', '1'),"
    " (2, '欧', '歐', 15, 101, 0, 0, '0', '土', '1'),"
    " (3, '阳', '陽', 17, 102, 0, 0, '0', '土', '1'),"
    " (4, '黄', '黃', 0, 103, 0, 0, '0', '土', '1'),"
    " (5, '黃', '黄', 12, 104, 0, 0, '0', '土', '1'),"
    " (10, '明', '明', 8, 1, 1, 0, '男', '火', NULL),"
    " (11, '林', '林', 8, 2, 1, 1, '1', '木', NULL),"
    " (12, '雨', '雨', 8, 3, 0, 1, '女', '水', NULL),"
    " (13, '金', '金', 8, 4, 0, 1, '0', '金', NULL),"
    " (14, '坤', '坤', 8, 5, 1, 0, '男', '土', '1'),"
    " (15, '岩', '岩', 8, 6, 0, 0, '1', '土', NULL),"
    " (20, '浩', '浩', 10, 1, 1, 0, '男', '水', NULL),"
    " (21, '桐', '桐', 10, 2, 1, 1, '1', '木', NULL),"
    " (22, '娟', '娟', 10, 3, 0, 1, '女', '土', NULL),"
    " (23, '钰', '鈺', 10, 4, 0, 1, '0', '金', NULL),"
    " (24, '润', '潤', 10, 5, 1, 1, '1', '水', NULL),"
    " (25, '森', '森', 10, 9, 0, 0, '1', '木', NULL);";

const char* const kMeaningRows =
    "UPDATE word SET duyin = CASE zi WHEN '王' THEN 'wáng' WHEN '明' THEN 'míng' WHEN '林' THEN 'lín'"
    " WHEN '雨' THEN 'yǔ' WHEN '金' THEN 'jīn' WHEN '岩' THEN 'yán' WHEN '浩' THEN 'hào' WHEN '桐' THEN "
    "'tóng'"
    " WHEN '娟' THEN 'juān' WHEN '钰' THEN 'yù' WHEN '润' THEN 'rùn' WHEN '森' THEN 'sēn' END;"
    "INSERT INTO ziyi VALUES ('明', '光亮，看得清楚', '日月同辉为明，常用于“明亮”“聪明”。'),"
    " ('林', '成片的树木', NULL), ('雨', '天上落下的水', NULL), ('金', '金子，比喻珍贵', NULL),"
    " ('浩', '水大而广，比喻胸怀宽广', NULL), ('桐', '梧桐树', NULL), ('娟', '秀美', NULL),"
    " ('钰', '珍宝', NULL), ('润', '滋润，温润', NULL);";

FixtureDb::FixtureDb() {
  // A new folder every time: a folder left behind by a crashed run, under a process id
  // that has come round again, must not hand this fixture its old tables.
  std::string folder = (std::filesystem::temp_directory_path() / "lumo-generator-XXXXXX").string();
  if (!::mkdtemp(folder.data())) throw std::runtime_error("cannot make the fixture folder");
  m_dir = folder;
  exec(kSchema);
  exec(lumo::testing::schemaStampSql());
  exec(kWordRows);
  exec(kMeaningRows);
  db::setDataFolder(m_dir.string());
  db::dropCachedConnections();
}

FixtureDb::~FixtureDb() {
  db::dropCachedConnections();
  db::setDataFolder("");
  std::error_code ec;
  std::filesystem::remove_all(m_dir, ec);
}

void FixtureDb::copyRealFile(const std::string& name) const {
  const char* real = std::getenv("LUMO_DATA_DIR");
  if (!real || !*real) throw std::runtime_error("LUMO_DATA_DIR does not name the built databases");
  std::filesystem::copy_file(std::filesystem::path(real) / name, m_dir / name,
                             std::filesystem::copy_options::overwrite_existing);
  db::dropCachedConnections();
}

void FixtureDb::exec(const std::string& sql) const {
  sqlite3* raw = nullptr;
  if (sqlite3_open(path().c_str(), &raw) != SQLITE_OK) throw std::runtime_error("cannot open fixture");
  char* error = nullptr;
  int rc = sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, &error);
  std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(raw);
  if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + message);
}

}  // namespace lumo::generator::test
