// cmake --install into a temporary prefix: the files it lays down, and the installed
// lumo-cli finding its databases as ../share/lumo from any working folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/support/shell_run.h"

namespace lumo {
namespace {

namespace fs = std::filesystem;
using testing::shellQuoted;
using testing::shellRun;

class InstallTree : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_prefix = fs::temp_directory_path() / ("lumo_install_" + std::to_string(::getpid()));
    fs::remove_all(s_prefix);
    s_install = shellRun(shellQuoted(LUMO_CMAKE) + " --install " + shellQuoted(LUMO_BUILD_DIR) +
                         " --prefix " + shellQuoted(s_prefix.string()) + " 2>&1");
  }
  static void TearDownTestSuite() { fs::remove_all(s_prefix); }

  static std::string read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  static inline fs::path s_prefix;
  static inline testing::ShellRun s_install;
};

TEST_F(InstallTree, LaysDownProgramsDataDesktopEntryIconsAndManPage) {
  ASSERT_EQ(s_install.status, 0) << s_install.out;
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(s_prefix))
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), s_prefix).string());
  const std::string id = LUMO_APP_ID;
  std::set<std::string> expected = {"bin/lumo",
                                    "bin/lumo-cli",
                                    "share/lumo/Voduzid.dll",
                                    "share/lumo/KelFile.dll",
                                    "share/lumo/KelBirth.dll",
                                    "share/lumo/dream.dll",
                                    "share/lumo/Tgcode.dll",
                                    "share/applications/" + id + ".desktop",
                                    "share/metainfo/" + id + ".metainfo.xml",
                                    "share/icons/hicolor/scalable/apps/" + id + ".svg",
                                    "share/man/man1/lumo-cli.1.gz"};
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    expected.insert("share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/" +
                    id + ".png");
  EXPECT_EQ(files, expected);
}

TEST_F(InstallTree, InstalledCliFindsItsDatabasesFromAnyFolder) {
  ASSERT_EQ(s_install.status, 0) << s_install.out;
  // LUMO_DATA_DIR is unset, and the working folder is not the program's.
  std::string cli = shellQuoted((s_prefix / "bin" / "lumo-cli").string());
  auto run = shellRun("cd / && env -u LUMO_DATA_DIR " + cli + " strokes 王明");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("王\t4"), std::string::npos) << run.out;
}

TEST_F(InstallTree, DesktopEntryStartsTheProgramWithItsIcon) {
  ASSERT_EQ(s_install.status, 0) << s_install.out;
  std::string entry = read(s_prefix / "share/applications" / (std::string(LUMO_APP_ID) + ".desktop"));
  EXPECT_NE(entry.find("\nExec=lumo\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=" LUMO_APP_ID "\n"), std::string::npos);
  EXPECT_NE(entry.find("\nName[zh_CN]=Lumo生辰八字取名软件\n"), std::string::npos);
  EXPECT_NE(entry.find("\nCategories="), std::string::npos);
  std::string metainfo = read(s_prefix / "share/metainfo" / (std::string(LUMO_APP_ID) + ".metainfo.xml"));
  EXPECT_NE(metainfo.find("<release version=\"" LUMO_VERSION "\""), std::string::npos);
  EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" LUMO_APP_ID ".desktop</launchable>"),
            std::string::npos);
}

}  // namespace
}  // namespace lumo
