// Where the databases are found: the environment, the build tree, an installed prefix.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "data/database_files.h"

namespace lumo::db {
namespace {

namespace fs = std::filesystem;

// A scratch prefix with bin/ and share/lumo/, each empty until a test fills it.
class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_root = fs::temp_directory_path() / ("lumo_prefix_" + std::to_string(::getpid()));
    fs::create_directories(bin());
    fs::create_directories(share());
  }
  void TearDown() override { fs::remove_all(m_root); }

  fs::path bin() const { return m_root / "bin"; }
  fs::path share() const { return m_root / "share" / "lumo"; }

  static void fill(const fs::path& folder, int count = 5) {
    const DbFile files[] = {DbFile::Voduzid, DbFile::KelFile, DbFile::KelBirth, DbFile::Dream,
                            DbFile::Tgcode};
    for (int i = 0; i < count; ++i) std::ofstream(folder / fileName(files[i])) << "x";
  }

  fs::path m_root;
};

TEST_F(DataFolderTest, EnvironmentWinsOverEveryFolder) {
  fill(bin());
  fill(share());
  EXPECT_EQ(resolveDataFolder("/elsewhere", bin().string()), "/elsewhere");
}

TEST_F(DataFolderTest, BuildTreeWinsOverInstalledPrefix) {
  fill(bin());
  fill(share());
  EXPECT_EQ(resolveDataFolder("", bin().string()), bin().string());
}

TEST_F(DataFolderTest, InstalledPrefixIsFoundBesideTheProgramFolder) {
  fill(share());
  EXPECT_EQ(fs::path(resolveDataFolder("", bin().string())), share());
}

TEST_F(DataFolderTest, AnIncompleteFolderDoesNotCount) {
  fill(bin(), 4);
  fill(share());
  EXPECT_EQ(fs::path(resolveDataFolder("", bin().string())), share());
}

TEST_F(DataFolderTest, NothingFoundFallsBackToTheProgramFolder) {
  fill(share(), 2);
  EXPECT_EQ(resolveDataFolder("", bin().string()), bin().string());
}

TEST(DataFolder, OverrideAndEnvironmentNameTheFolder) {
  const char* before = std::getenv("LUMO_DATA_DIR");
  std::string saved = before ? before : "";
  ::setenv("LUMO_DATA_DIR", "/from/env", 1);
  EXPECT_EQ(dataFolder(), "/from/env");
  EXPECT_EQ(databasePath(DbFile::Dream), "/from/env/dream.dll");
  setDataFolder("/from/test");
  EXPECT_EQ(dataFolder(), "/from/test");
  setDataFolder("");
  EXPECT_EQ(dataFolder(), "/from/env");
  ::setenv("LUMO_DATA_DIR", saved.c_str(), 1);
}

}  // namespace
}  // namespace lumo::db
