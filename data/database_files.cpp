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

}  // namespace

const char* fileName(DbFile file) {
  switch (file) {
    case DbFile::Voduzid: return "Voduzid.dll";
    case DbFile::KelFile: return "KelFile.dll";
    case DbFile::KelBirth: return "KelBirth.dll";
    case DbFile::Dream: return "dream.dll";
    case DbFile::Tgcode: return "Tgcode.dll";
  }
  return "";
}

std::string dataFolder() {
  {
    std::lock_guard lock(g_folderMutex);
    if (!g_folderOverride.empty()) return g_folderOverride;
  }
  if (const char* env = std::getenv("LUMO_DATA_DIR"); env && *env) return env;
  return programFolder();
}

std::string databasePath(DbFile file) { return dataFolder() + "/" + fileName(file); }

void setDataFolder(const std::string& folder) {
  std::lock_guard lock(g_folderMutex);
  g_folderOverride = folder;
}

}  // namespace lumo::db
