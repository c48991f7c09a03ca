// The naming run over the built naming database, where its dictionary is filled.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "generator/classic_recommend.h"
#include "generator/generate_command.h"
#include "generator/name_guard.h"
#include "generator/name_lines.h"
#include "generator/pinyin.h"

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
      std::size_t surnameBytes = GbkLength(surname);
      for (std::size_t i = 0; i < lines.list.size(); i += 97) {
        const std::string& name = lines.list[i];
        EXPECT_EQ(name.rfind(surname, 0), 0u) << name;
        EXPECT_EQ(GbkLength(name.substr(0, name.find('('))), surnameBytes + 4) << name;
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
        if (auto parsed = parseSchemeEntry(entry, NameForm::Double))
          strokes.emplace(parsed->first, parsed->second);
      CandidatePool pool(surname);
      runToLines(*m_connection, s, &pool);
      for (Classic classic : {Classic::Shijing, Classic::Chuci}) {
        auto names = recommendFromPool(pool, classic, s.options, table, *m_connection, {});
        EXPECT_GE(names.size(), 20u) << surname << sexText(sex) << ClassicText(classic);
        for (const auto& name : names) {
          const std::string& line = name.source.line;
          std::string first = name.given.substr(0, 3), second = name.given.substr(3);
          std::size_t at = line.find(first);
          ASSERT_NE(at, std::string::npos) << name.given;
          EXPECT_NE(line.find(second, at + 3), std::string::npos) << name.given << " " << line;
          EXPECT_EQ(name.source.book, ClassicText(classic));
          EXPECT_TRUE(
              strokes.count({LookupStrokes(*m_connection, first), LookupStrokes(*m_connection, second)}))
              << name.given;
        }
      }
    }
  }
}

// The names of one whole automatic run, every one of them.
std::vector<std::string> wholeRun(db::Connection& connection, const char* surname, Sex sex) {
  SchemeListOptions list;
  list.naming.surname = surname;
  list.naming.sex = sex;
  std::vector<std::string> items = FillStrokeSchemes(connection, list);
  RunSettings s;
  s.options = list.naming;
  s.schemes.assign(items.begin() + 1, items.end());
  s.high.threshold = 0;
  return runToLines(connection, s).list;
}

std::string utf8Of(char32_t c) {
  std::string out;
  out += static_cast<char>(0xE0 | (c >> 12));
  out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (c & 0x3F));
  return out;
}

// The large runs checked against the rules of the name set, read from the tables
// directly: no repeated surname, no other common surname that the review did not keep,
// no doubled character in a boy's name, no character of the other sex's class, and no
// span of the name that sounds like an unlucky word (at most one tone changed).
TEST_F(RealData, WholeRunsKeepTheRules) {
  db::Connection& c = *m_connection;
  std::map<std::string, std::pair<std::string, std::string>> chars;  // zi -> (xb, duyin) of the name set
  auto rows = c.run("select zi, xb, duyin from word where Aflag is null");
  for (std::size_t i = 0; i < rows.size(); ++i)
    chars[rows.text(i, std::size_t{0})] = {rows.text(i, std::size_t{1}), rows.text(i, std::size_t{2})};
  std::set<std::string> common, doubled;
  std::map<std::string, std::string> surnameReading;
  auto xing = c.run("select xing, duyin, changjian from xingdu");
  for (std::size_t i = 0; i < xing.size(); ++i) {
    surnameReading[xing.text(i, std::size_t{0})] = xing.text(i, std::size_t{1});
    if (xing.integer(i, std::size_t{2}) == 1) common.insert(xing.text(i, std::size_t{0}));
  }
  auto dbl = c.run("select zi from diezi");
  for (std::size_t i = 0; i < dbl.size(); ++i) doubled.insert(dbl.text(i, std::size_t{0}));
  std::multimap<std::string, std::vector<std::string>> unlucky;  // toneless -> syllables
  auto words = c.run("select duyin from xieyin");
  for (std::size_t i = 0; i < words.size(); ++i)
    unlucky.emplace(toneless(words.text(i, std::size_t{0})), syllablesOf(words.text(i, std::size_t{0})));

  for (const char* surname : {"李", "欧阳"}) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
      std::vector<std::string> names = wholeRun(c, surname, sex);
      ASSERT_GE(names.size(), 1000u) << surname;
      std::vector<std::string> sounds = syllablesOf(surnameReading[surname]);
      std::size_t surnameLength = sounds.size();
      int broken = 0;
      for (const std::string& name : names) {
        std::string body = name.substr(0, name.find('('));
        std::vector<std::string> given;
        for (char32_t g : codePointsOf(body.substr(std::string(surname).size()))) given.push_back(utf8Of(g));
        std::vector<std::string> heard = sounds;
        for (const auto& g : given) {
          bool ok = std::string(surname).find(g) == std::string::npos &&
                    !(common.count(g) && !chars.count(g)) && chars.count(g) &&
                    chars[g].first != (sex == Sex::Male ? "女" : "男");
          if (!ok && ++broken < 5) ADD_FAILURE() << name << ": " << g;
          heard.push_back(chars[g].second);
        }
        if (given.size() == 2 && given[0] == given[1] && (sex == Sex::Male || !doubled.count(given[0])))
          if (++broken < 5) ADD_FAILURE() << name << ": doubled";
        for (std::size_t end = surnameLength + 1; end <= heard.size(); ++end)
          for (std::size_t start = 0; start + 2 <= end; ++start) {
            std::string key;
            for (std::size_t i = start; i < end; ++i) key += (i > start ? " " : "") + toneless(heard[i]);
            auto [from, to] = unlucky.equal_range(key);
            for (auto it = from; it != to; ++it) {
              int changed = 0;
              for (std::size_t i = start; i < end; ++i) {
                int a = toneOf(it->second[i - start]), b = toneOf(heard[i]);
                changed += a != 0 && b != 0 && a != b;
              }
              if (changed <= 1 && ++broken < 5) ADD_FAILURE() << name << " sounds like " << key;
            }
          }
      }
      EXPECT_EQ(broken, 0) << surname;
    }
  }
}

// Every stroke scheme listed for the commonest surnames gives at least one name in the
// whole run. 吴's schemes with a one-stroke first character have only 一 to offer, so a
// guard word that refuses 吴一 (吴一凡 is an ordinary name) empties them.
TEST_F(RealData, EveryListedSchemeOfTheCommonSurnamesYieldsANameInTheWholeRun) {
  db::Connection& c = *m_connection;
  std::map<char32_t, int> strokes;
  auto strokesOf = [&](char32_t z) {
    auto [it, added] = strokes.emplace(z, 0);
    if (added) it->second = LookupStrokes(c, utf8Of(z));
    return it->second;
  };
  for (const char* surname : {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "周", "吴", "欧阳"}) {
    for (Sex sex : {Sex::Male, Sex::Female}) {
      SchemeListOptions list;
      list.naming.surname = surname;
      list.naming.sex = sex;
      std::vector<std::string> items = FillStrokeSchemes(c, list);
      std::set<std::pair<char32_t, char32_t>> pairs;
      std::size_t bytes = std::string(surname).size();
      for (const std::string& name : wholeRun(c, surname, sex)) {
        std::vector<char32_t> given = codePointsOf(name.substr(bytes, name.find('(') - bytes));
        if (given.size() == 2) pairs.emplace(given[0], given[1]);
      }
      std::set<std::pair<int, int>> yielded;
      for (const auto& [a, b] : pairs) yielded.emplace(strokesOf(a), strokesOf(b));
      for (std::size_t i = 1; i < items.size(); ++i) {
        auto scheme = parseSchemeEntry(items[i], NameForm::Double);
        ASSERT_TRUE(scheme) << items[i];
        EXPECT_TRUE(yielded.count({scheme->first, scheme->second}))
            << surname << sexText(sex) << " " << items[i];
      }
    }
  }
}

}  // namespace
}  // namespace lumo::generator
