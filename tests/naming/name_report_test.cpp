// The name analysis report: input checks, birth header, body lines and where it stops.
#include "naming/name_report.h"

#include <gtest/gtest.h>

#include "calendar/clock.h"
#include "fixture_db.h"
#include "naming/grids.h"

namespace lumo::naming {
namespace {

using Lines = std::vector<std::string>;

PanelInput panel(const std::string& surname, const std::string& given) {
  PanelInput in;
  in.surname = surname;
  in.given = given;
  return in;
}

class NameReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setToday(Date{2024, 6, 1});
    m_db.addWord("王", "王", 4);
    m_db.addWord("一", "一", 1);
    m_db.exec(db::DbFile::Voduzid,
              "UPDATE word SET duyin = 'yī' WHERE zi = '一';"
              "INSERT INTO ziyi VALUES ('一', '数目的开始，也指专一', NULL)");
    m_db.add81(5, "五行俱全", "（大吉）", "福寿", "c5");
    m_db.add81(2, "两仪", "（凶）", "动摇", "c2");
    m_db.addSancai("土土木", 1);
    m_db.addSancai2009("土土木", "T");
  }
  void TearDown() override { setToday(std::nullopt); }

  CommandResult run(const PanelInput& in, Lines& lines, const std::string& closing = kWindowClosingLine) {
    Report report;
    Subject record;
    CommandResult result = runCommand(report, [&](Report& r) { AnalyseName(in, record, closing, r); });
    lines = report.lines;
    return result;
  }

  const Lines kHeader = {"王一,您今年:44岁", "您出生公历: 1980年01月01日0点0分", "农历:己未(羊年)十一月十四",
                         "生肖:羊", "星座:摩羯座"};
  test::FixtureFolder m_db;
};

TEST_F(NameReportTest, EveryLineOfAOneAndOneName) {
  const std::string sep = kNameSeparator;
  Lines expected = kHeader;
  Lines body = {
      "综合评分: 94分",
      sep,
      "【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。",
      "五行俱全（大吉）",
      "【人格5的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。",
      "五行俱全（大吉）",
      "【地格2的解析】：地格数又称前运，影响人生（49岁）以前的命运。",
      "两仪（凶）",
      "【总格5的解析】：总格又称后运，影响人生（50岁）以后的命运。 ",
      "五行俱全（大吉）",
      "【外格2的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。",
      "两仪（凶）",
      sep,
      "【三才数理分析】：您的姓名三才配置为：土土木。它具有如下数理诱导力，据此会对人生产生一定的影响。",
      "T-yy",
      "【对基础运的影响】：T-jcyT-jx1",
      "【对成功运的影响】：T-cgyT-jx2",
      "【对人际关系的影响】：T-rjgxT-jx3",
      "【对性格的影响】：T-xg",
      sep,
      "【天格5数理暗示】：",
      "福寿",
      "【人格5数理暗示】：",
      "福寿",
      "【地格2数理暗示】：",
      "动摇",
      "【总格5数理暗示】：",
      "福寿",
      "【外格2数理暗示】：",
      "动摇",
      sep,
      Verdict(94),
      "【系统综合评分】: 94分",
      "",
      kWindowClosingLine,
      "",
      "【名字用字】",
      "王（读音不详，繁简同形，4画，五行属木）：姓氏。",
      "一（yī，繁简同形，1画，五行属木）：数目的开始，也指专一。",
  };
  expected.insert(expected.end(), body.begin(), body.end());
  Lines lines;
  EXPECT_EQ(run(panel("王", "一"), lines).outcome, Outcome::Done);
  EXPECT_EQ(lines, expected);
  run(panel(" 王 ", " 一 "), lines, kMainClosingLine);  // names are trimmed
  EXPECT_EQ(lines.front(), kHeader.front());
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[lines.size() - 5], kMainClosingLine) << "the character section follows either closing line";
}

TEST_F(NameReportTest, WithoutSancai2009RowTheSevenLinesAreLeftOut) {
  Lines full, partial;
  run(panel("王", "一"), full);
  m_db.exec(db::DbFile::KelFile, "DELETE FROM sancai2009");
  EXPECT_EQ(run(panel("王", "一"), partial).outcome, Outcome::Done);
  EXPECT_EQ(partial.size() + 7, full.size());
  for (const auto& line : partial) EXPECT_EQ(line.find("三才数理分析"), std::string::npos);
}

TEST_F(NameReportTest, FailingSancai2009ReadIsReported) {
  m_db.exec(db::DbFile::KelFile, "DROP TABLE sancai2009");
  Lines lines;
  EXPECT_EQ(run(panel("王", "一"), lines).outcome, Outcome::Failed);
  ASSERT_EQ(lines.size(), 17u);  // header, score, separator and the five grid pairs stay
  EXPECT_EQ(lines.back(), "两仪（凶）");
}

TEST_F(NameReportTest, SilentStopKeepsTheLinesWritten) {
  // A statement the file cannot run stops silently; the score needs the 三才 grade, so
  // the report stops before it.
  m_db.exec(db::DbFile::KelFile, "ALTER TABLE sancai RENAME COLUMN djc TO grade");
  Lines lines;
  EXPECT_EQ(run(panel("王", "一"), lines).outcome, Outcome::Stopped);
  EXPECT_EQ(lines, kHeader);
}

TEST_F(NameReportTest, MissingTableOrFileIsReportedNamingTheFile) {
  m_db.exec(db::DbFile::KelFile, "DROP TABLE \"81\"");
  Lines lines;
  CommandResult result = run(panel("王", "一"), lines);
  EXPECT_EQ(result.outcome, Outcome::Failed);
  EXPECT_NE(result.message.find("KelFile.dll"), std::string::npos) << result.message;
  ASSERT_EQ(lines.size(), 8u) << "the lines before the failing read stay";
  EXPECT_EQ(lines[7], "【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。");

  m_db.remove(db::DbFile::KelFile);
  EXPECT_EQ(run(panel("王", "一"), lines).outcome, Outcome::Failed);
  EXPECT_EQ(lines, kHeader);
}

TEST_F(NameReportTest, InputChecksInOrder) {
  struct Case {
    PanelInput in;
    const char* notice;
  };
  auto with = [](auto change) {
    PanelInput in = panel("王", "一");
    change(in);
    return in;
  };
  const Case cases[] = {
      {with([](PanelInput& p) {
         p.surname = "  ";
         p.given = "";
       }),
       "姓不能为空!"},
      {with([](PanelInput& p) {
         p.given = " ";
         p.year = "";
       }),
       "名不能为空!"},
      {with([](PanelInput& p) {
         p.year = "";
         p.month = "";
       }),
       "请选择出生年!"},
      {with([](PanelInput& p) { p.month = " "; }), "请选择出生月!"},
      {with([](PanelInput& p) { p.day = ""; }), "请选择出生日!"},
      {with([](PanelInput& p) { p.hour = ""; }), "请选择出生小时!"},
  };
  for (const auto& c : cases) {
    Lines lines;
    CommandResult result = run(c.in, lines);
    EXPECT_EQ(result.outcome, Outcome::Notice);
    EXPECT_EQ(result.message, c.notice);
    EXPECT_TRUE(lines.empty());
  }
  Lines lines;
  PanelInput badDay = with([](PanelInput& p) {
    p.month = "2";
    p.day = "30";
  });
  EXPECT_EQ(run(badDay, lines).outcome, Outcome::Notice);
  EXPECT_TRUE(lines.empty());
  PanelInput badYear = with([](PanelInput& p) { p.year = "19x0"; });
  EXPECT_EQ(run(badYear, lines).outcome, Outcome::Failed);
  EXPECT_TRUE(lines.empty());
}

TEST_F(NameReportTest, LunarInputHeaderAndTypedTimes) {
  PanelInput in = panel("王", "一");
  in.calendarIndex = 1;
  in.hour = "亥 22";
  in.minute = " 05 ";
  Lines lines;
  run(in, lines);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[1], "您出生公历: 1980年02月16日22点05分");
  EXPECT_EQ(lines[2], "农历:庚申(猴年)一月初一");
  EXPECT_EQ(lines[3], "生肖:猴");
}

TEST_F(NameReportTest, AgeCountsCalendarYearsOnly) {
  setToday(Date{2024, 1, 1});
  PanelInput in = panel("王", "一");
  in.year = "2023";
  in.month = "12";
  in.day = "31";
  Lines lines;
  run(in, lines);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "王一,您今年:1岁");
  EXPECT_EQ(lines[1], "您出生公历: 2023年12月31日0点0分");
}

}  // namespace
}  // namespace lumo::naming
