#pragma once
// Small reference databases made for one test in a temporary folder, with the real
// schemas; the readers are pointed at them while the fixture lives.

#include <sqlite3.h>

#include <string>

#include "data/database_files.h"

namespace lumo::test {

class FixtureFolder {
 public:
  FixtureFolder();
  ~FixtureFolder();
  FixtureFolder(const FixtureFolder&) = delete;
  FixtureFolder& operator=(const FixtureFolder&) = delete;

  const std::string& path() const { return m_path; }
  // Runs statements on one fixture database (read-write).
  void exec(db::DbFile file, const std::string& sql);
  void remove(db::DbFile file);

  void addWord(const std::string& zi, const std::string& ft, int bh, const std::string& wuhang = "木",
               const std::string& pinyin = "");
  void add81(int num, const std::string& yy, const std::string& jx, const std::string& as,
             const std::string& content = "");
  // `content` is given plain and stored scrambled, as the builder stores it.
  void addSancai(const std::string& title, int djc, const std::string& content = "");
  void addSancai2009(const std::string& title, const std::string& tag);
  void addZh(int bh11, int bh12, int bh21, int bh22, int zf);
  void addXing(const std::string& name, const std::string& intro);

 private:
  std::string m_path;
};

// The real schema text of one database folder (resources/db/<name>/schema.sql).
std::string schemaOf(const std::string& folder);

}  // namespace lumo::test
