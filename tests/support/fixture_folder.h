#pragma once
// A temporary folder of fixture databases for one test: the data store points at it for
// the fixture's lifetime and at the built databases again afterwards.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "data/database_files.h"
#include "data/query.h"

namespace lumo::testing {

class FixtureFolder {
 public:
  FixtureFolder() {
    static int counter = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("lumo_fixture_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(m_dir);
    db::setDataFolder(m_dir.string());
    db::dropCachedConnections();
  }
  ~FixtureFolder() {
    db::dropCachedConnections();
    db::setDataFolder("");
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
  }
  FixtureFolder(const FixtureFolder&) = delete;
  FixtureFolder& operator=(const FixtureFolder&) = delete;

  const std::filesystem::path& path() const { return m_dir; }

  // Creates (or extends) one database file with the statements.
  void addFile(db::DbFile file, const std::string& sql) {
    sqlite3* handle = nullptr;
    std::string path = (m_dir / db::fileName(file)).string();
    if (sqlite3_open(path.c_str(), &handle) != SQLITE_OK) throw std::runtime_error("cannot create " + path);
    char* error = nullptr;
    int rc = sqlite3_exec(handle, sql.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(handle);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + message);
    db::dropCachedConnections();
  }

 private:
  std::filesystem::path m_dir;
};

}  // namespace lumo::testing
