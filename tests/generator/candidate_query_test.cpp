// The candidate statements run against the fixture dictionary: every case checks the
// names the statement yields (and their order where px decides it), not only its text.
#include "generator/candidate_query.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/query.h"
#include "fixture_db.h"

namespace lumo::generator {
namespace {

using Names = std::vector<std::string>;

class CandidateQuery : public ::testing::Test {
 protected:
  Names rows(const Statement& s) {
    db::Connection connection(m_db.path());
    db::ResultSet result = connection.run(s.sql, s.params);
    Names out;
    for (std::size_t i = 0; i < result.size(); ++i) out.push_back(result.text(i, "mz"));
    return out;
  }
  static Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
  }
  test::FixtureDb m_db;
};

NamingOptions options(Sex sex, NameForm form = NameForm::Double, std::string surname = "王") {
  NamingOptions o;
  o.surname = std::move(surname);
  o.sex = sex;
  o.form = form;
  return o;
}

NamingOptions withElements(NamingOptions o, const std::string& ticked) {
  for (std::size_t i = 0; i < kElements.size(); ++i)
    o.elements[i] = ticked.find(kElements[i]) != std::string::npos;
  return o;
}

NamingOptions withFixed(NamingOptions o, FixedPlace place, std::string fixed) {
  o.fixedTicked = true;
  o.fixedPlace = place;
  o.fixedChar = std::move(fixed);
  return o;
}

Names tagged(const std::string& prefix, const Names& given, const std::string& tag = "(85分)") {
  Names out;
  for (const auto& g : given) out.push_back(prefix + g + tag);
  return out;
}

// Cases whose px values are all different: the order is part of the expectation.
struct OrderedCase {
  const char* what;
  NamingOptions options;
  const char* entry;
  Names expected;
};

TEST_F(CandidateQuery, ChosenSchemeRowsInRankOrder) {
  const OrderedCase cases[] = {
      {"boy, two characters: class 0 and girls' characters stay out", options(Sex::Male), "4|8-10(85分)",
       tagged("王", {"明浩", "明桐", "林浩", "林桐", "明润", "林润", "岩浩", "岩桐", "岩润"})},
      {"boy, one character: class 0 admitted, no b", options(Sex::Male, NameForm::Single), "4|8(85分)",
       tagged("王", {"明", "林", "金", "岩"})},
      {"girl, one character", options(Sex::Female, NameForm::Single), "4|8(85分)",
       tagged("王", {"林", "雨", "金", "岩"})},
      {"second count 0: the one-character select with the strict sex part", options(Sex::Male), "4|8-0(85分)",
       tagged("王", {"明", "林", "岩"})},
      {"first character fixed (px 120, id 131)", withFixed(options(Sex::Male), FixedPlace::Second, "华"),
       "4|8-10(85分)", tagged("王华", {"浩", "桐", "润"})},
      {"second character fixed: you > 0 drops the unflagged first characters",
       withFixed(options(Sex::Male), FixedPlace::Third, "华"), "4|8-10(85分)",
       tagged("王", {"明华", "林华"})},
      {"second character fixed for a girl counts nv",
       withFixed(options(Sex::Female), FixedPlace::Third, "华"), "4|8-10(85分)",
       tagged("王", {"林华", "雨华", "金华"})},
      {"fixed box ticked, field empty: one character fewer",
       withFixed(options(Sex::Male), FixedPlace::Second, ""), "4|8-10(85分)",
       tagged("王", {"浩", "桐", "润"})},
      {"empty surname", options(Sex::Male, NameForm::Double, ""), "4|8-10(90分)",
       tagged("", {"明浩", "明桐", "林浩", "林桐", "明润", "林润", "岩浩", "岩桐", "岩润"}, "(90分)")},
      {"a quote in the surname is a value", options(Sex::Male, NameForm::Single, "o'k"), "4|8(85分)",
       tagged("o'k", {"明", "林", "金", "岩"})},
      {"a %s in the fixed character is a value", withFixed(options(Sex::Male), FixedPlace::Third, "%s"),
       "4|8-10(85分)", tagged("王", {"明%s", "林%s"})},
      {"first count 0: any stroke count", withElements(options(Sex::Male, NameForm::Single), "火"),
       "4|0(77分)", tagged("王", {"明"}, "(77分)")},
  };
  for (const auto& c : cases) EXPECT_EQ(rows(BuildCandidateQuery(c.options, c.entry)), c.expected) << c.what;
}

struct SetCase {
  const char* elements;
  Names expected;
};

TEST_F(CandidateQuery, ElementBoxesForAGirl) {
  Names all = tagged("王", {"林桐", "林娟", "林钰", "林润", "雨桐", "雨娟", "雨钰", "雨润", "金桐", "金娟",
                            "金钰", "金润", "岩桐", "岩娟", "岩钰", "岩润"});
  const SetCase cases[] = {
      {"", all},
      {"金木水火土", all},
      {"金", tagged("王", {"金钰"})},
      {"金水", tagged("王", {"雨钰", "雨润", "金钰", "金润"})},
      {"金土", tagged("王", {"金娟", "金钰", "岩娟", "岩钰"})},
      {"金木水", tagged("王", {"林桐", "林钰", "林润", "雨桐", "雨钰", "雨润", "金桐", "金钰", "金润"})},
  };
  for (const auto& c : cases) {
    Statement s = BuildCandidateQuery(withElements(options(Sex::Female), c.elements), "4|8-10(85分)");
    EXPECT_EQ(sorted(rows(s)), sorted(c.expected)) << c.elements;
  }
}

TEST_F(CandidateQuery, ElementPartText) {
  auto filter = [](const std::string& ticked) {
    return CharacterFilter(withElements(options(Sex::Male), ticked));
  };
  EXPECT_EQ(filter("").find("wuhang"), std::string::npos);
  EXPECT_EQ(filter("金木水火土").find("wuhang"), std::string::npos);
  EXPECT_EQ(filter("金").rfind(" and wuhang = '金' ", 0), 0u) << "one box: no brackets";
  EXPECT_EQ(filter("金土").rfind(" and ( wuhang = '金' or wuhang = '土' ) ", 0), 0u);
  EXPECT_EQ(filter("金木水").rfind(" and ( wuhang = '金' or wuhang = '木' or wuhang = '水' ) ", 0), 0u);
}

TEST_F(CandidateQuery, GenderFlagOnlyOnTheSecondCharacter) {
  // 岩 (class 1, no flags) may stand first for a boy; 森 (the same at 10 strokes) never second.
  Names names = rows(BuildCandidateQuery(options(Sex::Male), "4|8-10(85分)"));
  EXPECT_NE(std::find(names.begin(), names.end(), "王岩浩(85分)"), names.end());
  for (const auto& name : names) EXPECT_EQ(name.find("森"), std::string::npos) << name;
  Statement two = BuildCandidateQuery(options(Sex::Male), "4|8-10(85分)");
  std::size_t flag = two.sql.find(GenderFlag(Sex::Male));
  ASSERT_NE(flag, std::string::npos);
  EXPECT_GT(flag, two.sql.find(") a , (")) << "the flag stands in b";
  EXPECT_EQ(two.sql.find(GenderFlag(Sex::Male), flag + 1), std::string::npos);
  EXPECT_EQ(
      BuildCandidateQuery(options(Sex::Male, NameForm::Single), "4|8(85分)").sql.find(GenderFlag(Sex::Male)),
      std::string::npos);
}

TEST_F(CandidateQuery, KeysAreBoundNotWritten) {
  Statement s = BuildCandidateQuery(withFixed(options(Sex::Male), FixedPlace::Second, "华"), "4|8-10(85分)");
  for (const char* text : {"王", "华", "85分"}) EXPECT_EQ(s.sql.find(text), std::string::npos) << text;
  EXPECT_EQ(s.params.size(), 3u);
}

TEST_F(CandidateQuery, BadStrokePartFailsTheBuild) {
  for (const char* entry : {"4|x-10(85分)", "4|8(85分)", "4|(85分)"})
    EXPECT_THROW(BuildCandidateQuery(options(Sex::Male), entry), BadSchemeEntry) << entry;
  EXPECT_THROW(BuildCandidateQuery(options(Sex::Male, NameForm::Single), "4|a(85分)"), BadSchemeEntry);
}

TEST_F(CandidateQuery, AutomaticGroupsUnionTheirSchemes) {
  NamingOptions boy = options(Sex::Male);
  Names both = rows(BuildCandidateQuery(boy, {"4|8-10(85分)", "4|8-10(90分)"}, 0));
  EXPECT_EQ(both.size(), 18u);
  EXPECT_EQ(std::count_if(both.begin(), both.end(), [](auto& n) { return n.ends_with("(90分)"); }), 9);
  EXPECT_EQ(rows(BuildCandidateQuery(boy, {"4|8-10(85分)", "4|8-10(85分)"}, 0)).size(), 9u)
      << "union drops doubles";
  // Automatic constants: fixed first character px 11, second base px + 5001, no id.
  Names fixed = rows(BuildCandidateQuery(withFixed(boy, FixedPlace::Second, "华"), {"4|8-10(85分)"}, 0));
  EXPECT_EQ(fixed, tagged("王华", {"浩", "桐", "润"}));
  Names single =
      rows(BuildCandidateQuery(options(Sex::Male, NameForm::Single), {"4|8(85分)", "4|10(80分)"}, 0));
  // 岩 (85分) and 浩 (80分) share px 1021, so only the set is fixed.
  EXPECT_EQ(sorted(single), sorted({"王明(85分)", "王林(85分)", "王金(85分)", "王岩(85分)", "王浩(80分)",
                                    "王桐(80分)", "王钰(80分)", "王润(80分)", "王森(80分)"}));
  EXPECT_EQ(single.front(), "王明(85分)");
}

TEST_F(CandidateQuery, AutomaticShapesMustAgree) {
  db::Connection connection(m_db.path());
  for (const Names& mixed : {Names{"4|8-10(85分)", "4|8-0(80分)"}, Names{"4|8-0(80分)", "4|8-10(85分)"}}) {
    Statement s = BuildCandidateQuery(options(Sex::Male), mixed, 0);
    EXPECT_THROW(connection.run(s.sql, s.params), db::DbError);
  }
}

TEST_F(CandidateQuery, AutomaticGroupsOfEight) {
  EXPECT_EQ(GroupCount(0), 0u);
  EXPECT_EQ(GroupCount(8), 1u);
  EXPECT_EQ(GroupCount(17), 3u);
  Names schemes(17, "4|8-10(85分)");
  schemes[16] = "4|8-10(99分)";
  auto unions = [](const Statement& s) {
    std::size_t n = 0;
    for (auto at = s.sql.find(" union "); at != std::string::npos; at = s.sql.find(" union ", at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(unions(BuildCandidateQuery(options(Sex::Male), schemes, 0)), 7u);
  Statement last = BuildCandidateQuery(options(Sex::Male), schemes, 2);
  EXPECT_EQ(unions(last), 0u);
  EXPECT_EQ(rows(last).front(), "王明浩(99分)");
  EXPECT_TRUE(BuildCandidateQuery(options(Sex::Male), schemes, 3).empty());
  int allowed = 3;
  Statement stopped = BuildCandidateQuery(options(Sex::Male), schemes, 0, [&] { return allowed-- > 0; });
  EXPECT_EQ(unions(stopped), 2u) << "no scheme enters once the flag is down";
  EXPECT_TRUE(BuildCandidateQuery(options(Sex::Male), schemes, 1, [] { return false; }).empty());
}

}  // namespace
}  // namespace lumo::generator
