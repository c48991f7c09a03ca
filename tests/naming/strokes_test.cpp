// Stroke lookups (zi then ft, failures read 0) and the GBK cutting of name parts.
#include "naming/strokes.h"

#include <gtest/gtest.h>

#include "core/report.h"
#include "data/query.h"
#include "data/read_failure.h"
#include "fixture_db.h"
#include "naming/character_info.h"

namespace lumo::naming {
namespace {

class Strokes : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.addWord("王", "王", 4, "土", "wang");
    m_db.addWord("刘", "劉", 15, "金", "liu");
    m_db.addWord("欧", "歐", 15, "土", "ou");
    m_db.addWord("阳", "陽", 17, "土", "yang");
    m_db.addWord("于", "於", 0, "土", "yu");  // zi row without a count
    m_db.addWord("於", "于", 8, "土", "yu");
    m_db.addWord("", "", 9);  // must not be found by an empty key
    m_db.exec(db::DbFile::Voduzid, "UPDATE word SET bh = NULL WHERE zi = ''");
  }
  test::FixtureFolder m_db;
};

TEST_F(Strokes, LooksUpSimplifiedThenTraditional) {
  struct Case {
    const char* character;
    int strokes;
  };
  const Case cases[] = {
      {"王", 4},   // by zi
      {"劉", 15},  // only as ft
      {"于", 8},   // its zi row has 0: the row whose ft is 于 counts
      {"陳", 0},   // unknown
      {"", 0},     // empty key
      {"王 ", 0},  // the argument is not trimmed
      {"王'", 0},  // a quote is a value, not SQL
      {"' or '1'='1", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(StrokeCount(c.character), c.strokes) << "[" << c.character << "]";
}

// A missing dictionary is reported, never read as 0 strokes (which would score every name
// wrongly), and the failure is not remembered once the file is back.
TEST_F(Strokes, MissingDatabaseIsReportedAndNotRemembered) {
  m_db.remove(db::DbFile::Voduzid);
  EXPECT_THROW(StrokeCount("王"), ReportedFailure);
  EXPECT_THROW(StrokesOfName("王", "王"), ReportedFailure);
  m_db.exec(db::DbFile::Voduzid, test::schemaOf("Voduzid"));
  m_db.addWord("王", "王", 4);
  db::dropCachedConnections();
  EXPECT_EQ(StrokeCount("王"), 4);
}

TEST_F(Strokes, CacheFollowsTheDataFolder) {
  EXPECT_EQ(StrokeCount("王"), 4);
  test::FixtureFolder other;
  other.addWord("王", "王", 5);
  EXPECT_EQ(StrokeCount("王"), 5);
  SetStrokeCacheEnabled(false);
  other.exec(db::DbFile::Voduzid, "UPDATE word SET bh = 6");
  EXPECT_EQ(StrokeCount("王"), 6);
  SetStrokeCacheEnabled(true);
}

TEST(NameParts, CutByGbkBytes) {
  struct Case {
    const char* part;
    bool two;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {"王", false, "王", ""},
      {"欧阳", true, "欧", "阳"},
      {"a", false, "a", ""},
      {"ab", false, "ab", ""},                         // 2 bytes: one "character"
      {"王a", true, "王", "a"},                        // 3 bytes: two characters
      {"a王", true, "a\xEF\xBF\xBD", "\xEF\xBF\xBD"},  // the cut falls inside 王
      {"", false, "", ""},
      {"欧阳修", true, "欧", "阳"},  // longer parts: the first two characters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTwoCharacterPart(c.part), c.two) << c.part;
    EXPECT_EQ(CharacterAt(c.part, 1), c.first) << c.part;
    EXPECT_EQ(CharacterAt(c.part, 2), c.second) << c.part;
  }
  EXPECT_EQ(CharacterAt("欧阳", 3), "");
  EXPECT_EQ(WideSecondKey("欧阳修"), "阳修");
}

TEST_F(Strokes, NameStrokesOfEachShape) {
  NameStrokes single = StrokesOfName("王", "刘");
  EXPECT_TRUE(single.bothTwoBytes);
  EXPECT_EQ(single.surname.first, 4);
  EXPECT_EQ(single.given.first, 15);
  NameStrokes compound = StrokesOfName("欧阳", "王刘");
  EXPECT_FALSE(compound.bothTwoBytes);
  EXPECT_EQ(compound.surname.first, 15);
  EXPECT_EQ(compound.surname.second, 17);
  EXPECT_EQ(compound.given.second, 15);
  EXPECT_EQ(compound.given.secondWide, 15);
  NameStrokes longer = StrokesOfName("欧阳王", "王");
  EXPECT_EQ(longer.surname.second, 17);
  EXPECT_EQ(longer.surname.secondWide, 0);  // "阳王" is looked up as one key
}

TEST_F(Strokes, CharacterLines) {
  auto lines = strokeLines("刘劉x于");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "刘\t15\t劉\t金\tliu\tL\t");
  EXPECT_EQ(lines[1], "劉\t15\t劉\t金\tliu\tL\t");
  EXPECT_EQ(lines[2], "x\t0\t\t\t\t\t");
  EXPECT_EQ(lines[3], "于\t8\t于\t土\tyu\tY\t");
}

// Read as a surname, a character takes its surname reading, and the element that
// follows it; a compound surname is read as a whole.
TEST_F(Strokes, SurnameReadings) {
  m_db.exec(
      db::DbFile::Voduzid,
      "INSERT INTO word (zi, ft, bh, wuhang, pinyin, duyin) VALUES"
      " ('单', '單', 12, '火', 'dan', 'dān'), ('尉', '尉', 11, '土', 'wei', 'wèi'),"
      " ('迟', '遲', 19, '金', 'chi', 'chí'), ('晟', '晟', 11, '火', 'sheng', 'shèng');"
      "INSERT INTO xingdu VALUES ('单', 'shan', 'shàn', '金', 1), ('尉迟', 'yu chi', 'yù chí', '土金', 0),"
      " ('尉', 'wei', 'wèi', '土', 0)");
  ClearStrokeCache();
  EXPECT_EQ(strokeLines("单晟"),
            (std::vector<std::string>{"单\t12\t單\t火\tdan\tD\tdān", "晟\t11\t晟\t火\tsheng\tS\tshèng"}));
  EXPECT_EQ(strokeLines("单", ReadingOf::Surname),
            (std::vector<std::string>{"单\t12\t單\t金\tshan\tS\tshàn"}));
  EXPECT_EQ(strokeLines("尉迟", ReadingOf::Surname),
            (std::vector<std::string>{"尉\t11\t尉\t土\tyu\tY\tyù", "迟\t19\t遲\t金\tchi\tC\tchí"}));
  EXPECT_EQ(strokeLines("尉", ReadingOf::Surname), (std::vector<std::string>{"尉\t11\t尉\t土\twei\tW\twèi"}));
  // A character that is no known surname keeps its own reading; an unknown one stays empty.
  EXPECT_EQ(strokeLines("晟x", ReadingOf::Surname),
            (std::vector<std::string>{"晟\t11\t晟\t火\tsheng\tS\tshèng", "x\t0\t\t\t\t\t"}));
}

}  // namespace
}  // namespace lumo::naming
