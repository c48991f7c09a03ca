// Names from the classics over the fixture dictionary: the pairs of a known line, the
// run's character filter, the source kept for a name found twice, and the recommended
// list of a run restricted to a classic.
#include "generator/classic_names.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fixture_db.h"
#include "generator/classic_recommend.h"
#include "generator/generate_command.h"

namespace lumo::generator {
namespace {

// Lines over the fixture's characters (明 林 岩 浩 桐 润 森 admitted for a boy; 明 林 浩 桐 润
// flagged for him; 雨 娟 钰 金 for a girl; 坤 outside the name set; 间 月 日 中 not in it).
const char* const kLines =
    "CREATE TABLE jingdian (id INTEGER PRIMARY KEY, shu TEXT, shou INTEGER, pian TEXT, ti TEXT, ju TEXT);"
    "INSERT INTO jingdian VALUES"
    " (1, '诗经', 1, '小雅', '甲篇', '林间明雨，浩润森桐'),"
    " (2, '诗经', 1, '小雅', '甲篇', '明日坤中，林月'),"
    " (3, '诗经', 2, '周南', '乙篇', '明林娟钰'),"
    " (4, '楚辞', 1, '', '丙篇', '岩桐明金');";

class ClassicNames : public ::testing::Test {
 protected:
  ClassicNames() { m_db.exec(kLines); }

  std::vector<ClassicName> candidates(Classic classic, const NamingOptions& options) {
    db::Connection connection(m_db.path());
    return ClassicCandidates(connection, classic, options);
  }
  static std::vector<std::string> givens(const std::vector<ClassicName>& names) {
    std::vector<std::string> out;
    for (const auto& n : names) out.push_back(n.given);
    return out;
  }
  static const ClassicName& find(const std::vector<ClassicName>& names, const std::string& given) {
    auto it =
        std::find_if(names.begin(), names.end(), [&](const ClassicName& n) { return n.given == given; });
    if (it == names.end()) throw std::runtime_error("no " + given);
    return *it;
  }

  test::FixtureDb m_db;
};

TEST_F(ClassicNames, PairsOfOneLineInTheirOrderThroughTheRunsFilter) {
  NamingOptions boy;
  auto names = candidates(Classic::Shijing, boy);
  // Line 1: first characters 林 明 浩 润 森 桐, second ones flagged for a boy; 雨 is a
  // girl's character, 森 unflagged, so it only leads. Line 2 adds 明林 (closer in line 3).
  EXPECT_EQ(givens(names), (std::vector<std::string>{"林明", "林浩", "林润", "林桐", "明浩", "明润", "明桐",
                                                     "浩润", "浩桐", "润桐", "森桐", "明林"}));
  EXPECT_EQ(find(names, "浩润").strokes, (std::array<int, 2>{10, 10}));
  EXPECT_EQ(find(names, "林明").strokes, (std::array<int, 2>{8, 8}));
  EXPECT_EQ(find(names, "浩润").apart, 0);
  EXPECT_EQ(find(names, "林明").apart, 1);
  EXPECT_TRUE(find(names, "林明").oneClause);
  EXPECT_FALSE(find(names, "林浩").oneClause) << "a comma stands between them";
  EXPECT_EQ(find(names, "浩润").source.text(), "《诗经·小雅·甲篇》：林间明雨，浩润森桐");
}

TEST_F(ClassicNames, NameFoundTwiceKeepsTheLineWhereItsCharactersStandClosest) {
  auto names = candidates(Classic::Shijing, NamingOptions{});
  EXPECT_EQ(find(names, "明林").source.line, "明林娟钰");  // line 2 holds them four apart
  EXPECT_EQ(find(names, "明林").source.chapter, "周南·乙篇");
  EXPECT_EQ(find(names, "林明").source.line, "林间明雨，浩润森桐");  // only there
  EXPECT_EQ(find(names, "明林").apart, 0);
}

TEST_F(ClassicNames, ParticlesOfTheClassicsMakeNoName) {
  m_db.exec(
      "INSERT INTO word (id, zi, ft, bh, px, nan, nv, xb, wuhang, Aflag) VALUES"
      " (30, '之', '之', 4, 7, 1, 1, '1', '金', NULL), (31, '兮', '兮', 4, 8, 1, 1, '1', '金', NULL);"
      "INSERT INTO jingdian VALUES (5, '诗经', 3, '卫风', '丁篇', '执明之手，浩兮');");
  auto names = givens(candidates(Classic::Shijing, NamingOptions{}));
  EXPECT_NE(std::find(names.begin(), names.end(), "明浩"), names.end());
  for (const auto& given : names)
    EXPECT_TRUE(given.find("之") == std::string::npos && given.find("兮") == std::string::npos) << given;
}

TEST_F(ClassicNames, GirlsNamesAndTheOtherBook) {
  NamingOptions girl;
  girl.sex = Sex::Female;
  auto shijing = givens(candidates(Classic::Shijing, girl));
  EXPECT_NE(std::find(shijing.begin(), shijing.end(), "娟钰"), shijing.end());
  EXPECT_NE(std::find(shijing.begin(), shijing.end(), "林雨"), shijing.end());
  EXPECT_EQ(std::find(shijing.begin(), shijing.end(), "明林"), shijing.end()) << "明 is a boy's character";
  EXPECT_EQ(std::find(shijing.begin(), shijing.end(), "林浩"), shijing.end()) << "浩 is a boy's character";

  auto chuci = candidates(Classic::Chuci, girl);
  EXPECT_EQ(givens(chuci), (std::vector<std::string>{"岩桐", "岩金", "桐金"}));
  EXPECT_EQ(chuci[0].source.text(), "《楚辞·丙篇》：岩桐明金");
  EXPECT_TRUE(candidates(Classic::Any, girl).empty());
}

TEST_F(ClassicNames, SingleNamesAndAFixedCharacter) {
  NamingOptions single;
  single.form = NameForm::Single;
  auto names = candidates(Classic::Shijing, single);
  EXPECT_EQ(givens(names), (std::vector<std::string>{"林", "明", "浩", "润", "森", "桐",
                                                     "钰"}));  // a single name also takes the neutral 钰
  EXPECT_EQ(names[1].strokes, (std::array<int, 2>{8, 0}));
  EXPECT_EQ(names[1].source.line, "林间明雨，浩润森桐");

  NamingOptions fixed;
  fixed.fixedTicked = true;
  fixed.fixedChar = "明";
  EXPECT_EQ(givens(candidates(Classic::Shijing, fixed)),
            (std::vector<std::string>{"明浩", "明润", "明桐", "明林"}));
  fixed.fixedPlace = FixedPlace::Third;
  fixed.fixedChar = "桐";
  EXPECT_EQ(givens(candidates(Classic::Shijing, fixed)),
            (std::vector<std::string>{"林桐", "明桐", "浩桐", "润桐"}));
}

TEST_F(ClassicNames, ElementBoxesNarrowBothCharacters) {
  NamingOptions water;
  water.elements = {false, false, true, false, false};  // 水: 浩 润
  EXPECT_EQ(givens(candidates(Classic::Shijing, water)), (std::vector<std::string>{"浩润"}));
}

// The recommended list of a run over one scheme (10-10): a classic keeps only the run's
// names that its lines give, each with its line; 不限 keeps the ordinary list.
TEST_F(ClassicNames, RecommendedListHoldsTheRunsNamesFromTheClassic) {
  db::Connection connection(m_db.path());
  RunSettings settings;
  settings.options.surname = "王";
  settings.schemes = {"4|10-10(88分)"};
  CandidatePool pool("王");
  runToLines(connection, settings, &pool);
  naming::CharacterTable table;

  auto classic = recommendFromPool(pool, Classic::Shijing, settings.options, table, connection, {});
  std::vector<std::string> names;
  for (const auto& n : classic) names.push_back(n.given);
  std::sort(names.begin(), names.end());
  // Line 1 gives 林明 ... as well, but only its 10-10 names are in the run.
  EXPECT_EQ(names, (std::vector<std::string>{"森桐", "浩桐", "浩润", "润桐"}));
  for (const auto& n : classic) {
    EXPECT_EQ(n.source.text(), "《诗经·小雅·甲篇》：林间明雨，浩润森桐");
    EXPECT_EQ(n.schemeScore, 88);
  }
  auto any = recommendFromPool(pool, Classic::Any, settings.options, table, connection, {});
  EXPECT_GT(any.size(), classic.size());
  EXPECT_TRUE(std::all_of(any.begin(), any.end(), [](const RecommendedName& n) { return n.source.empty(); }));
  EXPECT_TRUE(recommendFromPool(pool, Classic::Chuci, settings.options, table, connection, {}).empty())
      << "楚辞's only line gives no 10-10 name of the run";
}

// A name quoting one clause comes before one that spans a mark, whatever their scores;
// a name the classic does not give stays off the list.
TEST_F(ClassicNames, NamesOfOneClauseComeFirst) {
  db::Connection connection(m_db.path());
  CandidatePool pool("王");
  for (const char* name : {"王林浩(98分)", "王浩润(70分)", "王桐浩(98分)"}) pool.add(name);
  naming::CharacterTable table;
  auto list = recommendFromPool(pool, Classic::Shijing, NamingOptions{}, table, connection, {});
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].given, "浩润");
  EXPECT_EQ(list[1].given, "林浩");
  EXPECT_EQ(recommendFromPool(pool, Classic::Shijing, NamingOptions{}, table, connection, {}, 1).size(), 1u);
}

// A line of death or grief gives a name only when no other line does, and such a name
// follows the others in the recommended list.
TEST_F(ClassicNames, SomberLinesComeLast) {
  m_db.exec(
      "INSERT INTO jingdian VALUES (6, '诗经', 4, '邶风', '戊篇', '浩润哀桐'),"
      " (7, '诗经', 4, '邶风', '戊篇', '森浩泣桐');");
  auto names = candidates(Classic::Shijing, NamingOptions{});
  EXPECT_FALSE(find(names, "浩润").somber) << "line 1 gives it without grief";
  EXPECT_EQ(find(names, "浩润").source.line, "林间明雨，浩润森桐");
  EXPECT_TRUE(find(names, "森浩").somber) << "only line 7 gives it";

  db::Connection connection(m_db.path());
  CandidatePool pool("王");
  for (const char* name : {"王森浩(98分)", "王林浩(70分)", "王浩润(70分)"}) pool.add(name);
  naming::CharacterTable table;
  auto list = recommendFromPool(pool, Classic::Shijing, NamingOptions{}, table, connection, {});
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].given, "浩润");
  EXPECT_EQ(list[1].given, "林浩");
  EXPECT_EQ(list[2].given, "森浩") << "its only line weeps";
}

TEST(ClassicTexts, SourceChoices) {
  for (Classic c : {Classic::Any, Classic::Shijing, Classic::Chuci}) EXPECT_EQ(ClassicOf(ClassicText(c)), c);
  EXPECT_FALSE(ClassicOf("论语"));
  EXPECT_EQ(ClassicText(Classic::Any), std::string("不限"));
}

}  // namespace
}  // namespace lumo::generator
