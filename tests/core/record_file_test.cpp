#include "core/record_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumo {
namespace {

namespace fs = std::filesystem;

TEST(RecordFile, WritesGbkAndReadsItBack) {
  fs::path dir = fs::temp_directory_path() / ("lumo-record-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string path = (dir / "王明.txt").string();
  ASSERT_TRUE(writeRecordFile(path, {"姓名", "", "综合评分: 85分"}));
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str().substr(0, 4), "\xD0\xD5\xC3\xFB");  // 姓名 in GBK
  auto lines = readRecordFile(path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"姓名", "", "综合评分: 85分"}));
  fs::remove_all(dir);
}

TEST(RecordFile, Utf8ChoiceWritesUtf8WithLineFeeds) {
  fs::path dir = fs::temp_directory_path() / ("lumo-record-utf8-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string path = (dir / "王明.txt").string();
  ASSERT_TRUE(writeRecordFile(path, {"姓名", "", "综合评分: 85分"}, TextEncoding::Utf8));
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), "姓名\n\n综合评分: 85分\n");  // no byte-order mark, no CR
  auto lines = readRecordFile(path);                   // 打开记录 reads it back as it was
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (std::vector<std::string>{"姓名", "", "综合评分: 85分"}));
  EXPECT_FALSE(fs::exists(path + ".part"));
  fs::remove_all(dir);
}

TEST(RecordFile, FailedWriteLeavesNoFile) {
  std::string path = "/nonexistent-folder/x.txt";
  EXPECT_FALSE(writeRecordFile(path, {"a"}));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_FALSE(fs::exists(path + ".part"));
  EXPECT_FALSE(readRecordFile(path));
}

class RecordSave : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("lumo-record-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  static std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  // Only the named files are left in the folder: no temporary file survives.
  void expectOnly(std::vector<std::string> names) {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(m_dir)) found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(found, names);
  }
  fs::path m_dir;
};

TEST_F(RecordSave, PlantedLinksAreNeverFollowed) {
  fs::path victim = m_dir / "victim";
  std::ofstream(victim) << "keep";
  fs::create_symlink(victim, m_dir / "a.txt.part");  // where the old fixed temporary name lay
  WriteResult written = saveRecordFile((m_dir / "a.txt").string(), {"新"});
  ASSERT_TRUE(written.ok) << written.reason;
  EXPECT_EQ(bytesOf(victim), "keep");
  EXPECT_EQ(bytesOf(m_dir / "a.txt"), "\xD0\xC2\r\n");
  // A link in place of the target is replaced by the file; what it pointed at stays.
  fs::create_symlink(victim, m_dir / "b.txt");
  ASSERT_TRUE(saveRecordFile((m_dir / "b.txt").string(), {"新"}).ok);
  EXPECT_FALSE(fs::is_symlink(m_dir / "b.txt"));
  EXPECT_EQ(bytesOf(victim), "keep");
  expectOnly({"victim", "a.txt.part", "a.txt", "b.txt"});
}

TEST_F(RecordSave, KeepsTheModeAndRefusesAReadOnlyTarget) {
  fs::path target = m_dir / "a.txt";
  std::ofstream(target) << "old";
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(saveRecordFile(target.string(), {"新"}).ok);
  struct stat info {};
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  ::chmod(target.c_str(), 0444);
  WriteResult written = saveRecordFile(target.string(), {"另一份"});
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.reason, "文件为只读，不能覆盖");
  EXPECT_EQ(bytesOf(target), "\xD0\xC2\r\n");
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0444u);
  expectOnly({"a.txt"});
}

TEST_F(RecordSave, UnencodableCharactersAreRefusedByName) {
  WriteResult written = saveRecordFile((m_dir / "a.txt").string(), {"王明", "评分😀 한국 😀", "?"});
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.reason, "报告中有GBK编码无法保存的字符：😀 한 국");
  expectOnly({});
}

TEST_F(RecordSave, AFullDiskIsReportedAndLeavesNothing) {
  // A file-size limit makes write() fail part-way as a full disk does.
  struct rlimit old {};
  ::getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 16;
  auto previous = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::vector<std::string> lines(100, "一行报告文字");
  WriteResult written = saveRecordFile((m_dir / "a.txt").string(), lines);
  ::setrlimit(RLIMIT_FSIZE, &old);
  ::signal(SIGXFSZ, previous);
  EXPECT_FALSE(written.ok);
  EXPECT_EQ(written.reason.rfind("写入失败", 0), 0u) << written.reason;
  expectOnly({});
}

TEST(RecordFile, ExtensionAppendedOnlyWhenMissing) {
  EXPECT_EQ(withTxtExtension("王明"), "王明.txt");
  EXPECT_EQ(withTxtExtension("王明.txt"), "王明.txt");
  EXPECT_EQ(withTxtExtension("王明.TXT"), "王明.TXT");
  EXPECT_EQ(withTxtExtension("a.txt.bak"), "a.txt.bak.txt");
}

}  // namespace
}  // namespace lumo
