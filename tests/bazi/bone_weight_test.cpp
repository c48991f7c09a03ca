// The bone-weight reading over a fixture dream.dll: exact sums in 钱, keys, lines, and the
// silent stop when a weight table cannot be read.
#include "bazi/bone_weight.h"

#include <gtest/gtest.h>

#include "bazi_fixture.h"
#include "core/report.h"
#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

using testing::FixtureFolder;

const char* kWeights =
    "CREATE TABLE chenggu1 (year TEXT PRIMARY KEY, weight REAL);"
    "CREATE TABLE chenggu2 (month2 TEXT PRIMARY KEY, weight REAL);"
    "CREATE TABLE chenggu3 (day2 TEXT PRIMARY KEY, weight REAL);"
    "CREATE TABLE chenggu4 (time TEXT PRIMARY KEY, weight REAL);"
    "CREATE TABLE chenggu (weight TEXT PRIMARY KEY, content TEXT, content2 TEXT);"
    "INSERT INTO chenggu1 VALUES ('1980', 1.2), ('1981', 0.6), ('1982', 1.5), ('1983', '0.7');"
    "INSERT INTO chenggu2 VALUES ('1', 0.9), ('2', 1.7), ('3', 1.5);"
    "INSERT INTO chenggu3 VALUES ('1', 1.6), ('2', 0.8), ('3', 1.0);"
    "INSERT INTO chenggu4 VALUES ('0', 0.6), ('23', 0.1), ('12', 1.0);"
    "INSERT INTO chenggu VALUES ('43', ' 四两三钱诗 ', ' 四两三钱解 '), ('32', '三两二诗', '三两二解'),"
    " ('50', '五两诗', '五两解'), ('37', '三两七诗', '三两七解');";

class BoneWeightTest : public ::testing::Test {
 protected:
  void SetUp() override { m_folder.addFile(db::DbFile::Dream, kWeights); }
  FixtureFolder m_folder;
};

TEST_F(BoneWeightTest, FourThreeReadsAllThreeLines) {
  EXPECT_EQ(boneWeightTenths("1980", "1", "1", "0"), 43);
  EXPECT_EQ(readBoneWeight("1980", "1", "1", 0, "0"), "你的骨重为：4两3钱");
  EXPECT_EQ(readBoneWeight("1980", "1", "1", 1, "0"), "骨重诗评：四两三钱诗");
  EXPECT_EQ(readBoneWeight("1980", "1", "1", 2, "0"), "骨重解评：四两三钱解");
  EXPECT_EQ(readBoneWeight("1980", "1", "1", 3, "0"), "");
}

// 0.6 + 1.7 + 0.8 + 0.1 in binary floating point is 3.1999999999999997.
TEST_F(BoneWeightTest, SumsExactlyInWholeQian) {
  EXPECT_EQ(boneWeightTenths("1981", "2", "2", "23"), 32);
  EXPECT_EQ(readBoneWeight("1981", "2", "2", 0, "23"), "你的骨重为：3两2钱");
  EXPECT_EQ(readBoneWeight("1981", "2", "2", 1, "23"), "骨重诗评：三两二诗");
}

TEST_F(BoneWeightTest, WholeLiangHasNoQianPart) {
  EXPECT_EQ(boneWeightTenths("1982", "3", "3", "12"), 50);
  EXPECT_EQ(readBoneWeight("1982", "3", "3", 0, "12"), "你的骨重为：5两");
}

TEST_F(BoneWeightTest, HourTwentyThreeAndZeroAreDifferentKeys) {
  EXPECT_EQ(boneWeightTenths("1980", "1", "1", "23"), 38);
  EXPECT_EQ(boneWeightTenths("1980", "1", "1", "0"), 43);
}

TEST_F(BoneWeightTest, MissingRowsCountZeroAndAnUnknownKeyGivesEmptyLines) {
  EXPECT_EQ(boneWeightTenths("1899", "1", "1", "0"), 31) << "no year row";
  for (int line = 0; line < 3; ++line) EXPECT_EQ(readBoneWeight("1899", "1", "1", line, "0"), "") << line;
  EXPECT_EQ(boneWeightTenths("1983", "1", "1", "0"), 38) << "a weight stored as text reads as its number";
}

TEST_F(BoneWeightTest, QuotedKeysAreValues) {
  EXPECT_EQ(boneWeightTenths("1980' or '1'='1", "1", "1", "0"), 31);
}

TEST(BoneWeightFailure, AStatementFaultStopsSilentlyAndMissingDataIsReported) {
  FixtureFolder folder;
  EXPECT_THROW(readBoneWeight("1980", "1", "1", 0, "0"), ReportedFailure) << "no dream.dll";
  folder.addFile(
      db::DbFile::Dream,
      "CREATE TABLE chenggu1 (year TEXT, weight REAL); CREATE TABLE chenggu2 (month2 TEXT, weight REAL);"
      "CREATE TABLE chenggu3 (day2 TEXT, weight REAL); CREATE TABLE chenggu4 (time TEXT, weight REAL);");
  EXPECT_THROW(readBoneWeight("1980", "1", "1", 0, "0"), ReportedFailure) << "no chenggu table";
  folder.addFile(db::DbFile::Dream, "CREATE TABLE chenggu (weight TEXT);");
  EXPECT_THROW(readBoneWeight("1980", "1", "1", 0, "0"), CommandStopped) << "chenggu without its texts";
}

TEST(BoneWeightKey, LiangDigitsThenQianDigit) {
  const std::pair<int, const char*> cases[] = {{43, "43"}, {50, "50"}, {32, "32"},  {21, "21"},
                                               {71, "71"}, {9, "09"},  {105, "105"}};
  for (auto [tenths, key] : cases) EXPECT_EQ(boneWeightKey(tenths), key) << tenths;
}

}  // namespace
}  // namespace lumo::bazi
