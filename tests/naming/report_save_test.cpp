// Saving the report: proposed name, extension rule, GBK bytes, all-or-nothing write.
#include "naming/report_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace lumo::naming {
namespace {

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class ReportSave : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("lumo-save-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  fs::path m_dir;
};

TEST(SaveName, ProposedFromTheName) {
  EXPECT_EQ(proposedSaveName(" 王", "小明 "), "王小明");
  for (const char* bad : {"王*", "王/", "王<", "王>", "王?", "王\\", "王|"})
    EXPECT_EQ(proposedSaveName(bad, "明"), "*.txt");
  EXPECT_EQ(proposedSaveName("王:", "明"), "王:明");
  EXPECT_FALSE(hasReportText(" \n\t "));
  EXPECT_TRUE(hasReportText(" 王 "));
}

TEST_F(ReportSave, WritesGbkAndAddsTheExtensionOnlyWhenMissing) {
  std::vector<std::string> lines{"王一,您今年:44岁", "", "综合评分: 94分"};
  std::string written = saveReport((m_dir / "王一").string(), lines);
  EXPECT_EQ(written, (m_dir / "王一.txt").string());
  EXPECT_EQ(bytesOf(written),
            "\xCD\xF5\xD2\xBB,\xC4\xFA\xBD\xF1\xC4\xEA:44\xCB\xEA\r\n\r\n"
            "\xD7\xDB\xBA\xCF\xC6\xC0\xB7\xD6: 94\xB7\xD6\r\n");
  EXPECT_EQ(saveReport((m_dir / "b.txt").string(), lines), (m_dir / "b.txt").string());
  EXPECT_EQ(saveReport((m_dir / "c.TXT").string(), lines), (m_dir / "c.TXT").string());
  EXPECT_FALSE(fs::exists(m_dir / "b.txt.txt"));
  EXPECT_EQ(saveReport((m_dir / "d.text").string(), lines), (m_dir / "d.text.txt").string());
}

TEST_F(ReportSave, OverwriteReplacesTheWholeFile) {
  fs::path target = m_dir / "a.txt";
  saveReport(target.string(), {"一行很长很长的旧内容", "第二行"});
  saveReport(target.string(), {"新"});
  EXPECT_EQ(bytesOf(target), "\xD0\xC2\r\n");
}

TEST_F(ReportSave, FailingWriteLeavesNoFile) {
  fs::path missingFolder = m_dir / "no-such-folder" / "a";
  EXPECT_EQ(saveReport(missingFolder.string(), {"x"}), "");
  fs::create_directories(m_dir / "taken.txt");  // a folder stands where the file would go
  EXPECT_EQ(saveReport((m_dir / "taken").string(), {"x"}), "");
  EXPECT_TRUE(fs::is_directory(m_dir / "taken.txt"));
  for (const auto& entry : fs::directory_iterator(m_dir))
    EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace lumo::naming
