#pragma once
// Test helpers of the BaZi tests: database files made in a temporary folder, and the
// solar-term stand-ins that put 节 days at chosen distances from a birth date.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>

#include "bazi/bazi_chart.h"
#include "calendar/date_serial.h"
#include "data/database_files.h"
#include "data/query.h"

namespace lumo::bazi::testing {

// Points the data store at a fresh folder for its lifetime; the built databases afterwards.
class FixtureFolder {
 public:
  FixtureFolder() {
    static int counter = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("lumo_bazi_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
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

// Solar terms that fall exactly on the given day serials (all named 立春, a 节 term).
inline TermOfDay jieOn(std::set<int> serials, std::string name = "立春") {
  return [serials = std::move(serials), name](double serial) {
    return serials.count(static_cast<int>(serial)) ? name : std::string();
  };
}

// No solar term on any day: the starting age falls back to the month table's count.
inline std::string noTerms(double) { return {}; }

}  // namespace lumo::bazi::testing
