// The Tgcode.dll lookups over small fixture databases: bound keys, trimming, the fetal
// origin's trailing blank, and failures absorbed as empty texts.
#include <gtest/gtest.h>

#include "bazi/stem_lookup.h"
#include "bazi_fixture.h"
#include "core/report.h"
#include "core/stem_branch.h"
#include "core/utf8.h"
#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

using testing::FixtureFolder;

const char* kTgcode =
    "CREATE TABLE hzwh (hz TEXT, wh TEXT);"
    "INSERT INTO hzwh VALUES ('甲乙寅卯', ' 木 '), ('丙丁巳午', '火'), ('戊己辰戌丑未', '土'),"
    " ('庚辛申酉', '金'), ('壬癸亥子', '水');"
    "CREATE TABLE Shishen (jiazi TEXT PRIMARY KEY, ShiShen TEXT);"
    "INSERT INTO Shishen VALUES ('甲丙', ' 食神 '), ('甲甲', '比肩');"
    "CREATE TABLE jiazi (jiazi TEXT PRIMARY KEY, layin TEXT);"
    "INSERT INTO jiazi VALUES ('丙寅', '炉中火 '), ('甲子', '海中金');";

TEST(Lookups, FindTrimmedValuesByBoundKeys) {
  FixtureFolder folder;
  folder.addFile(db::DbFile::Tgcode, kTgcode);
  EXPECT_EQ(lookupTenGod("甲丙"), "食神");
  EXPECT_EQ(lookupTenGod("甲甲"), "比肩");
  EXPECT_EQ(lookupTenGod("丙甲"), "") << "the pair is ordered";
  EXPECT_EQ(lookupNayin("甲子"), "海中金");
  EXPECT_EQ(lookupElement("寅"), "木");
  EXPECT_EQ(lookupElement(" 子 "), "水");
  EXPECT_EQ(lookupElement("未"), "土");
}

TEST(Lookups, FetalOriginFindsItsNayinWhateverBlanksFollow) {
  FixtureFolder folder;
  folder.addFile(db::DbFile::Tgcode, kTgcode);
  for (const char* pillar : {"丙寅", "丙寅 ", "丙寅   ", " 丙寅"})
    EXPECT_EQ(lookupNayin(pillar), "炉中火") << pillar;
}

TEST(Lookups, QuotesAndWildcardsInAKeyFindNothing) {
  FixtureFolder folder;
  folder.addFile(db::DbFile::Tgcode, kTgcode);
  EXPECT_EQ(lookupTenGod("甲'丙"), "");
  EXPECT_EQ(lookupNayin("丙寅' or '1'='1"), "");
  EXPECT_EQ(lookupElement("'"), "");
  EXPECT_EQ(lookupElement("%"), "") << "a percent sign is matched literally";
  EXPECT_EQ(lookupElement("_"), "");
  EXPECT_EQ(lookupElement(""), "") << "an empty character would match every row";
  EXPECT_EQ(lookupElement("金"), "") << "only stems and branches have rows";
}

// Empty texts here would make a report without ten gods, elements and 纳音 look whole.
TEST(Lookups, AMissingDatabaseOrTableIsReported) {
  FixtureFolder folder;  // no Tgcode.dll at all
  EXPECT_THROW(lookupTenGod("甲丙"), ReportedFailure);
  EXPECT_THROW(lookupNayin("丙寅 "), ReportedFailure);
  EXPECT_THROW(lookupElement("甲"), ReportedFailure);
  folder.addFile(db::DbFile::Tgcode, "CREATE TABLE other (x TEXT);");
  EXPECT_THROW(lookupTenGod("甲丙"), ReportedFailure) << "a missing table as well";
}

TEST(JieTerms, TheTwelveJieAndNothingElse) {
  for (const char* jie :
       {"立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪", "小寒"})
    EXPECT_TRUE(isJieTerm(jie)) << jie;
  for (const char* other : {"雨水", "春分", "谷雨", "小满", "夏至", "大暑", "处暑", "秋分", "霜降", "小雪",
                            "冬至", "大寒", "", " ", "立春节", "春"})
    EXPECT_FALSE(isJieTerm(other)) << other;
  EXPECT_TRUE(isJieTerm(" 立春 ")) << "blanks are trimmed";
}

TEST(Vocabulary, HiddenStemsAndCharacters) {
  EXPECT_EQ(hiddenStemsOfIndex(0), "癸");
  EXPECT_EQ(hiddenStemsOfIndex(6), "己丁");
  EXPECT_EQ(hiddenStemsOfIndex(-1), "壬甲");
  EXPECT_EQ(nthCharacter("己丁", 1), "丁");
  EXPECT_EQ(nthCharacter("己丁", 2), "");
  EXPECT_EQ(stemOfNumber(0), "癸");
  EXPECT_EQ(branchOfNumber(12), "亥");
  EXPECT_TRUE(isYangStemNumber(1));
  EXPECT_FALSE(isYangStemNumber(0));
  EXPECT_FALSE(isYangStemNumber(-8)) << "negative numbers wrap: -8 is 乙";
}

}  // namespace
}  // namespace lumo::bazi
