// The scheme list from table `zh` and the window's stroke lookup, over the fixture.
#include "generator/stroke_schemes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/report.h"
#include "data/read_failure.h"
#include "fixture_db.h"

namespace lumo::generator {
namespace {

class StrokeSchemes : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string sql = "INSERT INTO zh VALUES ";
    auto row = [&](int lx, int b11, int b12, int b21, int b22, int zf, const char* xb, int jxjx) {
      sql += "(" + std::to_string(lx) + "," + std::to_string(b11) + "," + std::to_string(b12) + "," +
             std::to_string(b21) + "," + std::to_string(b22) + "," + std::to_string(zf) + ",'" + xb + "'," +
             std::to_string(jxjx) + "),";
    };
    for (int b21 = 1; b21 <= 26; ++b21) {  // 王 (4) with one given character, both sexes
      row(11, 4, 0, b21, 0, 60 + b21, "男", b21 % 3);
      row(11, 4, 0, b21, 0, 60 + b21, "女", b21 % 3);
    }
    for (int b21 = 1; b21 <= 24; ++b21) row(12, 4, 0, b21, 10, 70 + b21 % 7, "男", 1);
    row(12, 4, 0, 8, 25, 99, "男", 0);  // second count 25 is never listed
    row(12, 4, 0, 8, 12, 88, "0", 0);   // the best grade comes first
    for (const char* xb : {"男", "女", "0"}) row(22, 15, 17, 8, 10, 80, xb, 1);
    row(21, 15, 17, 8, 0, 81, "女", 1);
    row(21, 15, 17, 9, 0, 82, "0", 1);
    sql.back() = ';';
    m_db.exec(sql);
    m_connection = std::make_unique<db::Connection>(m_db.path());
  }

  std::vector<std::string> list(SchemeListOptions o) { return FillStrokeSchemes(*m_connection, o); }

  static SchemeListOptions options(const std::string& surname, NameForm form, Sex sex = Sex::Male) {
    SchemeListOptions o;
    o.naming.surname = surname;
    o.naming.form = form;
    o.naming.sex = sex;
    o.minTicked = false;
    return o;
  }

  test::FixtureDb m_db;
  std::unique_ptr<db::Connection> m_connection;
};

TEST_F(StrokeSchemes, LookupStrokes) {
  struct Case {
    const char* character;
    int strokes;
  } cases[] = {{"王", 4}, {"陽", 17}, {"阳", 17}, {"黄", 12},
               {"x", 0},  {"", 0},    {"'", 0},   {"' or '1'='1", 0}};
  for (const auto& c : cases) EXPECT_EQ(LookupStrokes(*m_connection, c.character), c.strokes) << c.character;
  m_db.exec("DROP TABLE word");
  db::Connection broken(m_db.path());
  EXPECT_THROW(LookupStrokes(broken, "王"), ReportedFailure);
}

TEST_F(StrokeSchemes, OneCharacterSurnameOneGiven) {
  auto items = list(options("王", NameForm::Single));
  ASSERT_EQ(items.size(), 41u) << "\"电脑全自动\" and at most 40 rows";
  EXPECT_EQ(items[0], "电脑全自动");
  EXPECT_EQ(items[1], "4|3(63分)") << "jxjx 0 first, then zf ascending";
  EXPECT_EQ(items[2], "4|3(63分)");
  EXPECT_EQ(items[3], "4|6(66分)");
  for (const auto& item : items)
    if (item != "电脑全自动") {
      EXPECT_LT(std::stoi(item.substr(2)), 25) << item;
    }
}

TEST_F(StrokeSchemes, OneCharacterSurnameTwoGiven) {
  auto items = list(options("王", NameForm::Double));
  ASSERT_EQ(items.size(), 21u);
  EXPECT_EQ(items[1], "4|8-12(88分)") << "no sex condition for a one-character surname";
  for (const auto& item : items) EXPECT_EQ(item.find("-25"), std::string::npos);
}

TEST_F(StrokeSchemes, MinimumScore) {
  SchemeListOptions o = options("王", NameForm::Double);
  o.minTicked = true;
  o.minScore = "76";
  auto items = list(o);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[1], "4|8-12(88分)");
  std::sort(items.begin() + 2, items.end());  // equal grade and score: any order
  EXPECT_EQ(items, std::vector<std::string>(
                       {"电脑全自动", "4|8-12(88分)", "4|13-10(76分)", "4|20-10(76分)", "4|6-10(76分)"}));
  o.minScore = "";
  EXPECT_EQ(list(o).size(), 21u) << "an empty minimum adds no condition";
  o.minTicked = false;
  o.minScore = "abc";
  EXPECT_EQ(list(o).size(), 21u);
  o.minTicked = true;
  EXPECT_THROW(list(o), ReportedFailure);
}

TEST_F(StrokeSchemes, FixedCharacterNarrowsTheList) {
  SchemeListOptions o = options("王", NameForm::Double);
  o.naming.fixedTicked = true;
  o.naming.fixedChar = "明";  // 8 strokes, first given character
  EXPECT_EQ(list(o), std::vector<std::string>({"电脑全自动", "4|8-12(88分)", "4|8-10(71分)"}));
  o.naming.fixedPlace = FixedPlace::Third;
  o.naming.fixedChar = "浩";  // 10 strokes, second given character
  EXPECT_EQ(list(o).size(), 25u) << "top 80 of the 24 rows with bh22 = 10";
  o.naming.fixedChar = "";
  EXPECT_EQ(list(o).size(), 21u) << "an empty fixed field does not narrow";
  o.naming.fixedTicked = false;
  o.naming.fixedChar = "浩";
  EXPECT_EQ(list(o).size(), 21u) << "nor does a character typed while the box is unticked";
}

TEST_F(StrokeSchemes, TwoCharacterSurnameBySex) {
  EXPECT_EQ(list(options("欧阳", NameForm::Double, Sex::Female)),
            std::vector<std::string>({"电脑全自动", "15-17|8-10(80分)"}))
      << "the two-character search matches the sex exactly";
  EXPECT_EQ(list(options("欧阳", NameForm::Single, Sex::Female)),
            std::vector<std::string>({"电脑全自动", "15-17|8(81分)", "15-17|9(82分)"}));
  EXPECT_EQ(list(options("欧阳", NameForm::Single, Sex::Male)),
            std::vector<std::string>({"电脑全自动", "15-17|9(82分)"}));
}

TEST_F(StrokeSchemes, UnknownSurnameListsOnlyTheAutomaticItem) {
  EXPECT_EQ(list(options("x", NameForm::Double)), std::vector<std::string>({"电脑全自动"}));
  EXPECT_EQ(list(options("o'k", NameForm::Double)), std::vector<std::string>({"电脑全自动"}));
}

}  // namespace
}  // namespace lumo::generator
