// Surname origins: list order, and the three outcomes of a search.
#include "naming/surname_origin.h"

#include <gtest/gtest.h>

#include "core/report.h"
#include "data/read_failure.h"
#include "fixture_db.h"

namespace lumo::naming {
namespace {

class SurnameOriginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.addXing("张", " 张姓出自黄帝之孙挥。\n望出清河。 ");
    m_db.addXing(" 王 ", "王姓源出姬姓。");
    m_db.addXing("欧阳", "欧阳出自越王无疆之后。");
    m_db.addXing("安", "安姓源自西域安息国。");
  }
  test::FixtureFolder m_db;
};

TEST_F(SurnameOriginTest, ListIsTrimmedInGbkOrder) {
  db::Connection connection(db::DbFile::KelBirth);
  // GBK orders the common characters by pinyin: an, ou, wang, zhang.
  const std::vector<std::string> expected = {"安", "欧阳", "王", "张"};
  EXPECT_EQ(SurnameList(connection), expected);
}

TEST_F(SurnameOriginTest, SearchOutcomes) {
  db::Connection connection(db::DbFile::KelBirth);
  struct Case {
    const char* typed;
    OriginSearch::Action action;
    const char* text;
  };
  const Case cases[] = {
      {"张", OriginSearch::Show, "张姓出自黄帝之孙挥。\n望出清河。"},
      {" 欧阳 ", OriginSearch::Show, "欧阳出自越王无疆之后。"},  // a compound surname is one key
      {"欧", OriginSearch::Keep, ""},
      {"不存在", OriginSearch::Keep, ""},
      {"王'", OriginSearch::Keep, ""},
      {"   ", OriginSearch::Clear, ""},
      {"", OriginSearch::Clear, ""},
  };
  for (const auto& c : cases) {
    OriginSearch found = SearchOrigin(connection, c.typed);
    EXPECT_EQ(found.action, c.action) << c.typed;
    EXPECT_EQ(found.text, c.text) << c.typed;
  }
  EXPECT_EQ(OriginLines("张姓出自黄帝之孙挥。\r\n望出清河。"),
            (std::vector<std::string>{"张姓出自黄帝之孙挥。", "望出清河。"}));
}

TEST_F(SurnameOriginTest, FailingReadsAreReported) {
  db::Connection connection(db::DbFile::KelBirth);
  m_db.exec(db::DbFile::KelBirth, "DROP TABLE xing");
  EXPECT_THROW(SurnameList(connection), ReportedFailure);
  EXPECT_THROW(SearchOrigin(connection, "张"), ReportedFailure);
  EXPECT_NO_THROW(SearchOrigin(connection, ""));  // an empty field reads nothing
}

}  // namespace
}  // namespace lumo::naming
