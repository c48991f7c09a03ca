// The naming run over the built naming database, where its dictionary is filled.
#include <gtest/gtest.h>

#include "generator/classic_names.h"
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

// Each classic gives a parent a real choice for the commonest surnames: at least 20 names
// of the listed schemes, each found in its line in its order.
TEST_F(RealData, EachClassicGivesTwentyNamesOfTheListedSchemes) {
  for (const char* surname : {"王", "李", "张", "刘", "陈"}) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
      SchemeListOptions list;
      list.naming.surname = surname;
      list.naming.sex = sex;
      std::vector<std::string> items = FillStrokeSchemes(*m_connection, list);
      std::vector<std::string> schemes(items.begin() + 1, items.end());
      for (Classic classic : {Classic::Shijing, Classic::Chuci}) {
        auto names = MatchSchemes(ClassicCandidates(*m_connection, classic, list.naming), schemes, NameForm::Double);
        EXPECT_GE(names.size(), 20u) << surname << sexText(sex) << classicText(classic);
        for (const auto& [name, tag] : names) {
          const std::string& line = name.source.line;
          std::size_t first = line.find(name.given.substr(0, 3));
          ASSERT_NE(first, std::string::npos) << name.given;
          EXPECT_NE(line.find(name.given.substr(3), first + 3), std::string::npos) << name.given << " " << line;
          EXPECT_EQ(name.source.book, classicText(classic));
        }
      }
    }
  }
}

}  // namespace
}  // namespace lumo::generator
