// lumo-cli generate and wuxing over the fixture database: the printed lines and the
// exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "fixture_db.h"

namespace lumo::generator {
namespace {

struct Output {
  std::vector<std::string> lines;
  int status = -1;
};

std::string quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

class GeneratorCli : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.exec(
        "INSERT INTO zh VALUES (12,4,0,8,10,85,'男',0),(12,4,0,8,10,60,'男',1),(11,4,0,8,0,75,'男',1);");
  }
  Output run(const std::vector<std::string>& args) {
    std::string command =
        "LUMO_DATA_DIR=" + quoted(std::filesystem::path(m_db.path()).parent_path().string()) + " " +
        quoted(LUMO_CLI);
    for (const auto& a : args) command += " " + quoted(a);
    command += " 2>/dev/null";
    Output out;
    FILE* pipe = popen(command.c_str(), "r");
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    out.status = WEXITSTATUS(pclose(pipe));
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = text.find('\n', at);
      out.lines.push_back(text.substr(at, end - at));
      at = end == std::string::npos ? text.size() : end + 1;
    }
    return out;
  }
  test::FixtureDb m_db;
};

TEST_F(GeneratorCli, ChosenSchemePrintsListPaneAndHighScores) {
  Output out = run({"generate", "王", "--scheme", "4|8-10(85分)", "--fixed", "3:华"});
  std::vector<std::string> expected = {
      "电脑全自动",   "4|8-10(85分)", "", "王明华(85分)    王林华(85分)    ", "",
      "王明华(85分)", "王林华(85分)"};
  EXPECT_EQ(out.lines, expected);
  EXPECT_EQ(out.status, 0);
}

TEST_F(GeneratorCli, OptionsReachTheRun) {
  Output none = run({"generate", "王", "--min", "none", "--high", "none", "--form", "单字名"});
  EXPECT_EQ(none.lines.size(), 5u) << "one-character schemes; the automatic run lists nothing";
  EXPECT_EQ(none.lines[1], "4|8(75分)");
  EXPECT_EQ(none.lines[3].find("王明(75分)"), 0u);
  EXPECT_TRUE(none.lines[4].empty());
  Output girl = run({"generate", "王", "--sex", "女", "--elements", "金", "--scheme", "4|8-10(85分)"});
  EXPECT_EQ(girl.lines.back(), "王金钰(85分)");
  Output high = run({"generate", "王", "--scheme", "4|8-10(85分)", "--high", "86"});
  EXPECT_TRUE(high.lines.back().empty()) << "85 is below the threshold";
}

TEST_F(GeneratorCli, EmptySurnameAndRefusedOptions) {
  EXPECT_EQ(run({"generate", ""}).lines, std::vector<std::string>({"电脑全自动", "", ""}));
  EXPECT_NE(run({"generate", "王", "--sex", "x"}).status, 0);
  EXPECT_NE(run({"generate", "王", "--fixed", "4:华"}).status, 0);
  EXPECT_NE(run({"generate", "王", "--elements", "金银"}).status, 0);
}

TEST_F(GeneratorCli, RecommendedNamesFromAClassicWithTheirSource) {
  m_db.exec(
      "CREATE TABLE jingdian (id INTEGER PRIMARY KEY, shu TEXT, shou INTEGER, pian TEXT, ti TEXT, ju TEXT);"
      "INSERT INTO jingdian VALUES (1, '诗经', 1, '小雅', '甲篇', '林间明雨，浩润森桐'),"
      " (2, '楚辞', 1, '', '乙篇', '明月岩中');");
  Output out = run({"generate", "王", "--scheme", "4|8-10(85分)", "--recommend", "3", "--source", "诗经"});
  ASSERT_EQ(out.status, 0);
  std::vector<std::string> rows(out.lines.end() - 3, out.lines.end());
  for (const auto& row : rows) {
    EXPECT_EQ(row.substr(row.rfind('\t') + 1), "《诗经·小雅·甲篇》：林间明雨，浩润森桐") << row;
    std::string given = row.substr(3, 6);  // after 王, before the tab
    EXPECT_NE(std::string("林明").find(given.substr(0, 3)), std::string::npos) << row << ": strokes 8 first";
  }
  Output chuci = run({"generate", "王", "--scheme", "4|8-10(85分)", "--recommend", "3", "--source", "楚辞"});
  EXPECT_TRUE(chuci.lines.back().empty()) << "楚辞 gives no name of the scheme: the list stays empty";
  Output any = run({"generate", "王", "--scheme", "4|8-10(85分)", "--recommend", "3"});
  EXPECT_EQ(any.lines.back().back(), '\t') << "no source without a classic";
  EXPECT_NE(run({"generate", "王", "--recommend", "3", "--source", "论语"}).status, 0);
}

TEST_F(GeneratorCli, Wuxing) {
  EXPECT_EQ(run({"wuxing", "娟浩"}).lines, std::vector<std::string>({"土水"}));
  EXPECT_EQ(run({"wuxing", "明某林雨金岩浩"}).lines, std::vector<std::string>({"火木水金"}));
  m_db.exec("DROP TABLE word");
  EXPECT_EQ(run({"wuxing", "明"}).status, 3) << "a missing table is refused at start";
}

TEST_F(GeneratorCli, RecommendPrintsTheBestNamesAfterTheSections) {
  Output plain = run({"generate", "王", "--scheme", "4|8-10(85分)"});
  Output out = run({"generate", "王", "--scheme", "4|8-10(85分)", "--recommend", "3"});
  ASSERT_EQ(out.status, 0);
  ASSERT_EQ(out.lines.size(), plain.lines.size() + 4) << "an empty line and three names";
  EXPECT_TRUE(std::equal(plain.lines.begin(), plain.lines.end(), out.lines.begin()));
  EXPECT_EQ(out.lines[plain.lines.size()], "");
  for (std::size_t i = plain.lines.size() + 1; i < out.lines.size(); ++i) {
    const std::string& row = out.lines[i];
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 6) << row;
    EXPECT_EQ(row.rfind("王", 0), 0u) << row;
    EXPECT_NE(row.find("\t85\twáng "), std::string::npos) << row;
    EXPECT_EQ(row.back(), '\t') << "the source column is empty";
  }
  std::vector<std::string> bornArgs = {"generate",    "王",    "--scheme", "4|8-10(85分)",
                                       "--recommend", "3",     "--date",   "2024-5-1",
                                       "--hour",      "午 11", "--minute", "30"};
  EXPECT_NE(run(bornArgs).status, 0) << "the element fit needs the BaZi tables: without them it is a failure";
  // With the real BaZi tables beside the fixture dictionary.
  namespace fs = std::filesystem;
  fs::copy_file(fs::path(LUMO_CLI).parent_path() / "Tgcode.dll",
                fs::path(m_db.path()).parent_path() / "Tgcode.dll", fs::copy_options::overwrite_existing);
  Output born = run(bornArgs);
  EXPECT_EQ(born.status, 0);
  EXPECT_EQ(born.lines.size(), out.lines.size());
  Output lunar =
      run({"generate", "王", "--recommend", "3", "--date", "2023-2-30", "--hour", "午 11", "--lunar"});
  EXPECT_EQ(lunar.status, 0) << "a lunar date that the calendar converts";
  Output bad = run({"generate", "王", "--recommend", "3", "--date", "2024-2-30", "--hour", "午 11"});
  EXPECT_NE(bad.status, 0) << "a day that does not exist is refused";
}

TEST_F(GeneratorCli, ExplainPrintsCharactersReadingAndTones) {
  Output out = run({"explain", "王", "明浩"});
  std::vector<std::string> expected = {"王\twáng\t王\t4\t土\t姓氏", "明\tmíng\t明\t8\t火\t光亮，看得清楚",
                                       "浩\thào\t浩\t10\t水\t水大而广，比喻胸怀宽广", "wáng míng hào",
                                       "阳平、阳平、去声"};
  EXPECT_EQ(out.lines, expected);
  EXPECT_EQ(out.status, 0);
  Output unknown = run({"explain", "王", "鑫"});
  ASSERT_EQ(unknown.lines.size(), 4u);
  EXPECT_EQ(unknown.lines[1], "鑫\t\t鑫\t0\t\t") << "an unknown character keeps its columns";
  EXPECT_EQ(unknown.lines[3], "阳平、?");
}

}  // namespace
}  // namespace lumo::generator
