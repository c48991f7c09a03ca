#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/record_file.h"

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
  auto lines = readRecordFile(path);  // 打开记录 reads it back as it was
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

TEST(RecordFile, ExtensionAppendedOnlyWhenMissing) {
  EXPECT_EQ(withTxtExtension("王明"), "王明.txt");
  EXPECT_EQ(withTxtExtension("王明.txt"), "王明.txt");
  EXPECT_EQ(withTxtExtension("王明.TXT"), "王明.TXT");
  EXPECT_EQ(withTxtExtension("a.txt.bak"), "a.txt.bak.txt");
}

}  // namespace
}  // namespace lumo
