// lumo-cli generate and wuxing over the fixture database: the printed lines and the
// exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

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
    m_db.exec("INSERT INTO zh VALUES (12,4,0,8,10,85,'男',0),(12,4,0,8,10,60,'男',1),(11,4,0,8,0,75,'男',1);");
  }
  Output run(const std::vector<std::string>& args) {
    std::string command = "LUMO_DATA_DIR=" + quoted(std::filesystem::path(m_db.path()).parent_path().string()) +
                          " " + quoted(LUMO_CLI);
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
  std::vector<std::string> expected = {"电脑全自动", "4|8-10(85分)", "", "王明华(85分)    王林华(85分)    ", "",
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

TEST_F(GeneratorCli, Wuxing) {
  EXPECT_EQ(run({"wuxing", "娟浩"}).lines, std::vector<std::string>({"土水"}));
  EXPECT_EQ(run({"wuxing", "明某林雨金岩浩"}).lines, std::vector<std::string>({"火木水金"}));
  m_db.exec("DROP TABLE word");
  EXPECT_EQ(run({"wuxing", "明"}).status, 3) << "a missing table is refused at start";
}

}  // namespace
}  // namespace lumo::generator
