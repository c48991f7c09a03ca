// The recommended list over the fixture dictionary: the pool, the variety rule, the
// ranking, and the explanation of known names.
#include "generator/recommend.h"

#include <gtest/gtest.h>

#include <map>

#include "fixture_db.h"
#include "generator/generate_command.h"
#include "generator/name_explanation.h"
#include "naming/character_info.h"

namespace lumo::generator {
namespace {

class Recommend : public ::testing::Test {
 protected:
  RecommendedName describe(const std::string& given, const ElementNeed& need = {}) {
    return describeName(m_table, m_connection, "王", given, 85, need);
  }
  test::FixtureDb m_db;
  db::Connection m_connection{db::DbFile::Voduzid};
  naming::CharacterTable m_table;
};

TEST_F(Recommend, PoolReadsTheRunsNames) {
  CandidatePool pool("欧阳");
  pool.add("欧阳明浩(85分)");
  pool.add("欧阳林(100分)");
  pool.add("王明浩(85分)");  // another surname: not this run's
  pool.add("欧阳");          // no given name
  ASSERT_EQ(pool.size(), 2u);
  EXPECT_EQ(pool.given(0), "明浩");
  EXPECT_EQ(pool.schemeScore(0), 85);
  EXPECT_EQ(pool.given(1), "林");
  EXPECT_EQ(pool.schemeScore(1), 100);
}

TEST_F(Recommend, NameSetIsReadOnceWithMeanings) {
  m_table.loadNameSet(m_connection);
  const naming::CharFacts* ming = m_table.find("明");
  ASSERT_NE(ming, nullptr);
  EXPECT_EQ(ming->reading, "míng");
  EXPECT_EQ(ming->syllable.tone, 2);
  EXPECT_EQ(ming->gloss, "光亮，看得清楚");
  EXPECT_EQ(m_table.find("王"), nullptr) << "flagged characters are not in the name set";
  EXPECT_EQ(m_table.get(m_connection, "王").reading, "wáng") << "but are read on demand";
  EXPECT_EQ(m_table.get(m_connection, "黃").strokes, 12);
  EXPECT_EQ(m_table.get(m_connection, "鑫").strokes, 0) << "unknown";
}

TEST_F(Recommend, AtMostThreeNamesShareACharacter) {
  CandidatePool pool("王");
  for (const char* first : {"明", "林", "金", "雨", "岩"})
    for (const char* second : {"浩", "桐", "润", "钰", "娟"})
      pool.add(std::string("王") + first + second + "(85分)");
  m_table.loadNameSet(m_connection);
  auto names = recommendNames(pool, m_table, m_connection, {}, 50);
  ASSERT_FALSE(names.empty());
  std::map<std::string, int> uses;
  for (const auto& n : names)
    for (const auto& c : naming::charactersOf(n.given)) ++uses[c];
  for (const auto& [c, count] : uses) EXPECT_LE(count, kMaxNamesPerCharacter) << c;
  for (std::size_t i = 1; i < names.size(); ++i)
    EXPECT_GE(names[i - 1].quality.total, names[i].quality.total);
  EXPECT_LE(names.size(), 5u * 3) << "each first character at most three times";
  EXPECT_GE(names.size(), 10u);
}

TEST_F(Recommend, BrokenRulesAndFlagsKeepANameOff) {
  CandidatePool pool("王");
  pool.add("王坤浩(90分)");  // 坤 is flagged in the fixture
  pool.add("王明(90分)");    // wáng míng: both 阳平
  pool.add("王林浩(90分)");
  m_table.loadNameSet(m_connection);
  auto names = recommendNames(pool, m_table, m_connection, {}, 50);
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].fullName(), "王林浩");
}

TEST_F(Recommend, FavourableElementRanksFirst) {
  CandidatePool pool("王");
  pool.add("王林浩(85分)");  // 木 水
  pool.add("王林润(85分)");  // 木 水
  pool.add("王明润(85分)");  // 火 水
  m_table.loadNameSet(m_connection);
  auto withoutBirth = recommendNames(pool, m_table, m_connection, {}, 3);
  auto withBirth = recommendNames(pool, m_table, m_connection, {"火", "水"}, 3);
  ASSERT_EQ(withBirth.size(), 3u);
  EXPECT_EQ(withBirth[0].fullName(), "王明润") << "火 wanted, 水 already strongest";
  EXPECT_EQ(withBirth[0].quality.element, 10);
  EXPECT_EQ(withBirth[1].quality.element, 5);
  EXPECT_EQ(withoutBirth[0].quality.element, 10);
}

// The era marks of table shidai: a dated character falls behind, and in a girl's list a
// both-sex character that reads masculine falls behind too; a boy's list keeps it.
TEST_F(Recommend, DatedAndOtherSexCharactersRankLower) {
  m_db.exec(
      "CREATE TABLE shidai (zi TEXT PRIMARY KEY, era TEXT, lean TEXT);"
      "INSERT INTO shidai VALUES ('林', '', '男'), ('金', '旧', ''), ('桐', '新', ''), ('润', '', '女');");
  m_table.loadNameSet(m_connection);
  using Era = naming::CharFacts::Era;
  using Lean = naming::CharFacts::Lean;
  EXPECT_EQ(m_table.find("金")->era, Era::Dated);
  EXPECT_EQ(m_table.find("桐")->era, Era::Fresh);
  EXPECT_EQ(m_table.find("林")->lean, Lean::Masculine);
  EXPECT_EQ(m_table.find("润")->lean, Lean::Feminine);
  EXPECT_EQ(m_table.find("雨")->era, Era::Neutral) << "unmarked";

  auto popularity = [&](Sex sex, const char* name) {
    CandidatePool pool("王", sex);
    pool.add(std::string(name) + "(85分)");
    auto list = recommendNames(pool, m_table, m_connection, {}, 1);
    return list.empty() ? -1 : list[0].quality.popularity;
  };
  struct Case {
    Sex sex;
    const char* name;
    int popularity;
  } cases[] = {
      {Sex::Female, "王林浩", (13 + 25) / 2},  // 林 reads masculine in a girl's name
      {Sex::Male, "王林浩", 25},
      {Sex::Female, "王金桐", (5 + 25) / 2},  // 金 dated; 桐 fresh, already at 25
      {Sex::Male, "王明润", (25 + 13) / 2},   // 润 reads feminine in a boy's name
      {Sex::Female, "王明润", 25},
  };
  for (const auto& c : cases) EXPECT_EQ(popularity(c.sex, c.name), c.popularity) << c.name << sexText(c.sex);

  CandidatePool pool("王", Sex::Female);
  pool.add("王林浩(85分)");
  pool.add("王明浩(85分)");
  auto list = recommendNames(pool, m_table, m_connection, {}, 2);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].given, "明浩");
  EXPECT_EQ(pool.sex(), Sex::Female);
}

TEST_F(Recommend, ExplanationOfKnownNames) {
  RecommendedName name = describe("明浩", {"火", "金"});
  EXPECT_EQ(fullReading(name), "wáng míng hào");
  EXPECT_EQ(tonePattern(name), "阳平、阳平、去声");
  EXPECT_EQ(givenElements(name), "火水");
  EXPECT_EQ(glossList(name), "明:光亮，看得清楚；浩:水大而广，比喻胸怀宽广");
  EXPECT_EQ(elementFitSentence(name, {"火", "金"}), "八字喜火，名中“明”正合所喜。");
  std::vector<std::string> rows = {"王\twáng\t王\t4\t土\t姓氏", "明\tmíng\t明\t8\t火\t光亮，看得清楚",
                                   "浩\thào\t浩\t10\t水\t水大而广，比喻胸怀宽广"};
  EXPECT_EQ(characterRows(name), rows);
  std::vector<std::string> lines = explanationLines(name, {"火", "金"});
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0],
            "王明浩（wáng míng hào）  推荐分 " + std::to_string(name.quality.total) + "，五格数理 85 分");
  EXPECT_EQ(lines[1], "明（míng，繁简同形，8画，五行属火）：光亮，看得清楚。");
  EXPECT_EQ(lines[2], "    日月同辉为明，常用于“明亮”“聪明”。");
  EXPECT_EQ(lines[3], "浩（hào，繁简同形，10画，五行属水）：水大而广，比喻胸怀宽广。");
  EXPECT_EQ(lines[5], "声调阳平、阳平、去声，以去声收尾，干脆有力。");

  RecommendedName jade = describe("钰");
  EXPECT_EQ(characterRows(jade)[1], "钰\tyù\t鈺\t10\t金\t珍宝");
  EXPECT_EQ(elementFitSentence(jade, {}), "未填出生时间，不论八字；名字用字五行为金。");
  EXPECT_EQ(elementFitSentence(jade, {"火土", "金"}),
            "八字喜火、土，名中没有所喜之字；“钰”属金，八字中此行已旺。");
  EXPECT_EQ(elementFitSentence(describe("林浩"), {"火", "金"}),
            "八字喜火，名字用字五行为木、水，不补所喜，也不添所旺。");
  EXPECT_EQ(recommendationRow(jade),
            "王钰\t" + std::to_string(jade.quality.total) + "\t85\twáng yù\t金\t钰:珍宝\t");
}

TEST(NameSourceText, BookChapterAndLine) {
  NameSource source{"诗经", "小雅·鹿鸣", "呦呦鹿鸣，食野之苹"};
  EXPECT_EQ(source.text(), "《诗经·小雅·鹿鸣》：呦呦鹿鸣，食野之苹");
  EXPECT_EQ(NameSource{}.text(), "");
}

}  // namespace
}  // namespace lumo::generator
