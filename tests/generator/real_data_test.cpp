// The naming run over the built naming database, where its dictionary is filled.
#include <gtest/gtest.h>

#include <set>

#include "generator/classic_recommend.h"
#include "generator/generate_command.h"
#include "generator/name_lines.h"

namespace lumo::generator {
namespace {

class RealData : public ::testing::Test {
 protected:
  void SetUp() override {
    m_connection = std::make_unique<db::Connection>(db::DbFile::Voduzid);
    if (m_connection->run("select count(*) from word where Aflag is null").integer(0, std::size_t{0}) == 0)
      GTEST_SKIP() << "the dictionary has no name characters";
  }
  std::unique_ptr<db::Connection> m_connection;
};

TEST_F(RealData, EveryListedSchemeYieldsWellFormedNames) {
  for (const char* surname : {"王", "李", "欧阳"}) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
      SchemeListOptions list;
      list.naming.surname = surname;
      list.naming.sex = sex;
      std::vector<std::string> items = FillStrokeSchemes(*m_connection, list);
      ASSERT_GT(items.size(), 1u) << surname;
      RunSettings s;
      s.options = list.naming;
      s.schemes.assign(items.begin() + 1, items.end());
      s.high.threshold = 0;
      RunLines lines = runToLines(*m_connection, s);
      ASSERT_FALSE(lines.list.empty()) << surname << " ran into a failure";
      std::size_t surnameBytes = gbkLength(surname);
      for (std::size_t i = 0; i < lines.list.size(); i += 97) {
        const std::string& name = lines.list[i];
        EXPECT_EQ(name.rfind(surname, 0), 0u) << name;
        EXPECT_EQ(gbkLength(name.substr(0, name.find('('))), surnameBytes + 4) << name;
      }
      EXPECT_EQ((lines.list.size() + 5) / 6, lines.memo.size()) << "every name stands in the pane";
    }
  }
}

// Each classic gives a parent a real choice for the commonest surnames: at least 20
// recommended names, each found in its line in its order, its strokes one of the schemes.
TEST_F(RealData, EachClassicGivesTwentyRecommendedNamesOfTheListedSchemes) {
  naming::CharacterTable table;
  table.loadNameSet(*m_connection);
  for (const char* surname : {"王", "李", "张", "刘", "陈"}) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
      SchemeListOptions list;
      list.naming.surname = surname;
      list.naming.sex = sex;
      std::vector<std::string> items = FillStrokeSchemes(*m_connection, list);
      RunSettings s;
      s.options = list.naming;
      s.schemes.assign(items.begin() + 1, items.end());
      std::set<std::pair<int, int>> strokes;
      for (const auto& entry : s.schemes)
        if (auto parsed = parseSchemeEntry(entry, NameForm::Double)) strokes.emplace(parsed->first, parsed->second);
      CandidatePool pool(surname);
      runToLines(*m_connection, s, &pool);
      for (Classic classic : {Classic::Shijing, Classic::Chuci}) {
        auto names = recommendFromPool(pool, classic, s.options, table, *m_connection, {});
        EXPECT_GE(names.size(), 20u) << surname << sexText(sex) << classicText(classic);
        for (const auto& name : names) {
          const std::string& line = name.source.line;
          std::string first = name.given.substr(0, 3), second = name.given.substr(3);
          std::size_t at = line.find(first);
          ASSERT_NE(at, std::string::npos) << name.given;
          EXPECT_NE(line.find(second, at + 3), std::string::npos) << name.given << " " << line;
          EXPECT_EQ(name.source.book, classicText(classic));
          EXPECT_TRUE(strokes.count({LookupStrokes(*m_connection, first), LookupStrokes(*m_connection, second)}))
              << name.given;
        }
      }
    }
  }
}

}  // namespace
}  // namespace lumo::generator
