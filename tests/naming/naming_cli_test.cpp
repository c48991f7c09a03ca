// lumo-cli name / sancai / origin / strokes run as a program over a fixture folder: the
// lines it prints and its exit status for a finished report, a notice, a silent stop and
// an error.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "calendar/clock.h"
#include "fixture_db.h"
#include "naming/name_report.h"

namespace lumo::naming {
namespace {

struct CliRun {
  int status = -1;
  std::vector<std::string> out;
  std::string err;
};

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string slurp(FILE* file) {
  std::string text;
  std::array<char, 4096> buffer;
  for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;)
    text.append(buffer.data(), n);
  return text;
}

class NamingCli : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.addWord("王", "王", 4, "土", "wang");
    m_db.addWord("一", "一", 1, "土", "yi");
    m_db.add81(5, "五行俱全", "（大吉）", "福寿");
    m_db.add81(2, "两仪", "（凶）", "动摇");
    m_db.addSancai("土土木", 1, "土气厚重。");
    m_db.addXing("欧阳", "欧阳出自越王无疆之后。\n望出渤海。");
  }

  // Arguments are passed through the shell in single quotes (none of ours holds one).
  CliRun run(const std::string& arguments) {
    std::string errFile = m_db.path() + "/stderr.txt";
    std::string command =
        "LUMO_DATA_DIR='" + m_db.path() + "' '" LUMO_CLI_PATH "' " + arguments + " 2>'" + errFile + "'";
    CliRun r;
    FILE* pipe = popen(command.c_str(), "r");
    r.out = splitLines(slurp(pipe));
    int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* err = std::fopen(errFile.c_str(), "rb")) {
      r.err = slurp(err);
      std::fclose(err);
    }
    return r;
  }

  test::FixtureFolder m_db;
};

TEST_F(NamingCli, NamePrintsTheMainWindowReport) {
  setToday(Date{2024, 6, 1});
  PanelInput in;
  in.surname = "王";
  in.given = "一";
  Report expected;
  Subject record;
  AnalyseName(in, record, kMainClosingLine, expected);
  setToday(std::nullopt);

  CliRun r = run("name '王' '一' --date 1980-1-1 --hour '子 0' --minute 0 --today 2024-06-01");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, expected.lines);
  CliRun lunar = run("--today 2024-06-01 name '王' '一' --date 1980-1-1 --lunar --minute 7");
  ASSERT_GE(lunar.out.size(), 2u);
  EXPECT_EQ(lunar.out[1], "您出生公历: 1980年02月16日0点7分");
}

TEST_F(NamingCli, NoticeSilentStopAndError) {
  CliRun notice = run("name ' ' '一'");
  EXPECT_EQ(notice.status, 2);
  EXPECT_TRUE(notice.out.empty());
  EXPECT_EQ(notice.err, "姓不能为空!\n");

  // A statement the file cannot run: the lines written so far, status 0.
  m_db.exec(db::DbFile::KelFile, "ALTER TABLE \"81\" RENAME COLUMN num TO n2");
  CliRun stopped = run("name '王' '一' --today 2024-06-01");
  EXPECT_EQ(stopped.status, 0);
  ASSERT_EQ(stopped.out.size(), 8u);  // header, score, separator, the first heading
  EXPECT_EQ(stopped.out[0], "王一,您今年:44岁");
  EXPECT_TRUE(stopped.err.empty());

  CliRun badDate = run("name '王' '一' --date 1980-2-30");
  EXPECT_EQ(badDate.status, 2);
  EXPECT_TRUE(badDate.out.empty());
  EXPECT_EQ(badDate.err, "公历1980年2月只有29天!\n");
  CliRun badYear = run("name '王' '一' --date 19x0-2-3");
  EXPECT_EQ(badYear.status, 1);
  EXPECT_TRUE(badYear.out.empty());
  EXPECT_FALSE(badYear.err.empty());
}

TEST_F(NamingCli, SancaiOriginAndStrokes) {
  CliRun sancai = run("sancai '王' '一'");
  EXPECT_EQ(sancai.status, 0);
  EXPECT_EQ(sancai.out,
            (std::vector<std::string>{"王一,您的三才为土土木,经系统分析如下:", "", "", "    土气厚重。"}));

  CliRun origin = run("origin '欧阳'");
  EXPECT_EQ(origin.status, 0);
  EXPECT_EQ(origin.out, (std::vector<std::string>{"欧阳出自越王无疆之后。", "望出渤海。"}));
  CliRun unknown = run("origin '欧'");
  EXPECT_EQ(unknown.status, 0);
  EXPECT_TRUE(unknown.out.empty());

  CliRun strokes = run("strokes '王x一'");
  EXPECT_EQ(strokes.status, 0);
  EXPECT_EQ(strokes.out, (std::vector<std::string>{"王\t4\t王\t土\twang\tW\t", "x\t0\t\t\t\t\t",
                                                   "一\t1\t一\t土\tyi\tY\t"}));
  CliRun surname = run("strokes --surname '王'");
  EXPECT_EQ(surname.status, 0);
  EXPECT_EQ(surname.out, (std::vector<std::string>{"王\t4\t王\t土\twang\tW\t"}))
      << "no surname reading: as a name";

  m_db.exec(db::DbFile::KelBirth, "DROP TABLE xing");
  CliRun failed = run("origin '欧阳'");
  EXPECT_EQ(failed.status, 3) << "refused at start";
  EXPECT_NE(failed.err.find("缺少表 xing"), std::string::npos) << failed.err;
}

}  // namespace
}  // namespace lumo::naming
