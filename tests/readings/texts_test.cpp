// Note articles, omen pages and the boy-or-girl chart.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/report.h"
#include "data/read_failure.h"
#include "fixture_db.h"
#include "readings/gender_chart.h"
#include "readings/notes.h"
#include "readings/omens.h"

namespace lumo::readings {
namespace {

TEST(Notes, RowMissingRowAndHostileCode) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::KelBirth,
                 "CREATE TABLE Noter (Cid TEXT PRIMARY KEY, Tite TEXT, content TEXT);"
                 "INSERT INTO Noter VALUES ('XM011', ' 取名规则 ', '  第一段\n第二段  ');"
                 "INSERT INTO Noter VALUES ('x''y', '引号', '有引号');");
  NoteArticle found = readNote("XM011");
  EXPECT_TRUE(found.found);
  EXPECT_EQ(found.title, "取名规则");
  EXPECT_EQ(found.content, "第一段\n第二段");
  for (const char* code : {"XM999", "", "XM011' or '1'='1", "%"}) {
    SCOPED_TRACE(code);
    NoteArticle none = readNote(code);
    EXPECT_FALSE(none.found);
    EXPECT_EQ(none.title, "算命");
    EXPECT_EQ(none.content, "");
  }
  EXPECT_EQ(readNote("x'y").title, "引号");  // a quote is part of the key, nothing more
}

TEST(Notes, AStatementFaultStopsSilentlyAndAMissingTableIsReported) {
  testing::FixtureFolder folder;
  folder.addFile(db::DbFile::KelBirth, "CREATE TABLE other (x TEXT);");
  EXPECT_THROW(readNote("a1"), ReportedFailure);
  folder.addFile(db::DbFile::KelBirth, "CREATE TABLE Noter (Cid TEXT);");
  EXPECT_THROW(readNote("a1"), CommandStopped);
}

TEST(Notes, TheSevenArticlesAreInTheBuiltTable) {
  std::set<std::string_view> codes;
  for (const auto& command : kNoteCommands) {
    SCOPED_TRACE(std::string(command.code));
    codes.insert(command.code);
    NoteArticle article = readNote(command.code);
    ASSERT_TRUE(article.found);
    EXPECT_NE(article.title, "算命");
    EXPECT_GE(std::count(article.content.begin(), article.content.end(), '\n'), 2) << "several paragraphs";
    EXPECT_GE(article.content.size(), 600u);
  }
  EXPECT_EQ(codes.size(), 7u);
  EXPECT_EQ(kNoteCommands[2].caption, "姓名学知识与取名 ");  // the trailing blank is the caption's
}

TEST(Omens, PagesOpenAsTraditionArrangesThem) {
  EXPECT_EQ(omenPageText(0).rfind("凌晨1点-凌晨3点", 0), 0u);
  EXPECT_EQ(omenPageText(4).rfind("子时：左有贵人，右有饮食。", 0), 0u);
  EXPECT_EQ(omenNoteText().rfind("说明：子时为23点-1点", 0), 0u);
  EXPECT_NE(omenNoteText().find("亥时为21点-23点"), std::string_view::npos);
  const char* hours[] = {"子时", "丑时", "寅时", "卯时", "辰时", "巳时",
                         "午时", "未时", "申时", "酉时", "戌时", "亥时"};
  for (int page = 1; page < kOmenPages; ++page) {
    SCOPED_TRACE(page);
    std::string_view text = omenPageText(page);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n') + 1, 12);
    for (const char* hour : hours) EXPECT_NE(text.find(hour), std::string_view::npos) << hour;
  }
  std::string_view sneeze = omenPageText(0);
  EXPECT_EQ(std::count(sneeze.begin(), sneeze.end(), '\n') + 1, 12);  // twelve two-hour periods
  EXPECT_EQ(omenPageText(-1), "");
  EXPECT_EQ(omenPageText(7), "");
  EXPECT_EQ(omenPageTitle(7), "");
}

TEST(Omens, CommandsCaptionsAndPages) {
  for (int page = 0; page < kOmenPages; ++page) EXPECT_EQ(kOmenCommands[page].page, page);
  EXPECT_EQ(kOmenCommands[4].command, "眼跳测占卜");
  EXPECT_EQ(kOmenCommands[4].caption, "眼跳测吉凶");
  EXPECT_EQ(kOmenCommands[0].caption, "打喷嚏占卜吉凶");
}

TEST(GenderChart, CellsOfTheTraditionalChart) {
  struct Cell {
    int age, month;
    const char* sex;
  };
  const Cell cells[] = {
      {18, 1, "女"},  {18, 2, "男"},  {18, 12, "男"}, {21, 1, "男"}, {21, 2, "女"},  {21, 12, "女"},
      {30, 11, "男"}, {31, 12, "男"}, {32, 1, "男"},  {44, 1, "男"}, {44, 12, "女"}, {43, 12, "男"},
      {17, 1, ""},    {45, 1, ""},    {18, 0, ""},    {18, 13, ""},
  };
  for (const auto& c : cells) {
    SCOPED_TRACE(std::to_string(c.age) + "/" + std::to_string(c.month));
    EXPECT_EQ(chartCell(c.age, c.month), c.sex);
  }
  int boys = 0;
  for (int age = kChartFirstAge; age <= kChartLastAge; ++age)
    for (int month = 1; month <= 12; ++month) boys += chartSex(age, month) == ChartSex::Boy;
  EXPECT_GT(boys, 100);
  EXPECT_LT(boys, 224);
  EXPECT_EQ(kGenderNote.rfind("说明：此表年龄为母亲虚岁年龄", 0), 0u);
}

}  // namespace
}  // namespace lumo::readings
