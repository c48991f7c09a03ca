#include "data/database_files.h"

#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace lumo::db {
namespace {

std::mutex g_folderMutex;
std::string g_folderOverride;

std::string programFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

constexpr DbFile kAllFiles[] = {DbFile::Voduzid, DbFile::KelFile, DbFile::KelBirth, DbFile::Dream,
                                DbFile::Tgcode};

bool holdsAllDatabases(const std::filesystem::path& folder) {
  std::error_code ec;
  for (DbFile file : kAllFiles)
    if (!std::filesystem::is_regular_file(folder / fileName(file), ec)) return false;
  return true;
}

}  // namespace

const char* fileName(DbFile file) {
  switch (file) {
    case DbFile::Voduzid:
      return "Voduzid.dll";
    case DbFile::KelFile:
      return "KelFile.dll";
    case DbFile::KelBirth:
      return "KelBirth.dll";
    case DbFile::Dream:
      return "dream.dll";
    case DbFile::Tgcode:
      return "Tgcode.dll";
  }
  return "";
}

std::string dataFolder() {
  {
    std::lock_guard lock(g_folderMutex);
    if (!g_folderOverride.empty()) return g_folderOverride;
  }
  const char* env = std::getenv("LUMO_DATA_DIR");
  return resolveDataFolder(env ? env : "", programFolder());
}

std::string resolveDataFolder(const std::string& envFolder, const std::string& programFolder) {
  if (!envFolder.empty()) return envFolder;
  if (holdsAllDatabases(programFolder)) return programFolder;
  auto installed = (std::filesystem::path(programFolder) / ".." / "share" / "lumo").lexically_normal();
  if (holdsAllDatabases(installed)) return installed.string();
  return programFolder;
}

std::string databasePath(DbFile file) {
  return dataFolder() + "/" + fileName(file);
}

void setDataFolder(const std::string& folder) {
  std::lock_guard lock(g_folderMutex);
  g_folderOverride = folder;
}

}  // namespace lumo::db
