// Grids, 三才 grade, score and number texts over fixture tables, with each failure mode.
#include "naming/grids.h"

#include <gtest/gtest.h>

#include "core/report.h"
#include "data/read_failure.h"
#include "fixture_db.h"

namespace lumo::naming {
namespace {

class Grids_ : public ::testing::Test {
 protected:
  void SetUp() override {
    m_db.addWord("一", "一", 1);
    m_db.addWord("三", "三", 3);
    m_db.addWord("王", "王", 4);
    m_db.addWord("欧", "歐", 15);
    m_db.addWord("阳", "陽", 17);
  }
  test::FixtureFolder m_db;
};

TEST_F(Grids_, GridNumbersLookUpEachCharacter) {
  EXPECT_EQ(GridNumbers("王", "一"), (Grids{5, 2, 5, 5, 2}));
  EXPECT_EQ(SancaiOf(GridNumbers("王", "一")), "土土木");
  EXPECT_EQ(GridNumbers("欧阳", "王一"), (Grids{32, 5, 21, 37, 17}));
  EXPECT_EQ(GridNumbers("欧阳", "王"), (Grids{32, 5, 21, 36, 16}));
  EXPECT_EQ(GridNumbers("王", "三一"), (Grids{5, 4, 7, 8, 2}));
  // An unknown single surname still has 天格 1.
  EXPECT_EQ(GridNumbers("陈", "一")[kTian], 1);
}

TEST_F(Grids_, SancaiGradeByRowAndGrade) {
  const std::pair<int, double> grades[] = {{1, 20}, {2, 18}, {3, 16}, {4, 15}, {5, 14},
                                           {6, 13}, {7, 12}, {0, -1}, {8, -1}};
  const char* titles[] = {"木木木", "木木火", "木木土", "木木金", "木木水",
                          "木火木", "木火火", "木火土", "木火金"};
  for (int i = 0; i < 9; ++i) m_db.addSancai(titles[i], grades[i].first);
  for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(SancaiGrade(titles[i]), grades[i].second) << titles[i];
  EXPECT_DOUBLE_EQ(SancaiGrade("水水水"), -1);  // no row
  EXPECT_DOUBLE_EQ(SancaiGrade("木'木"), -1);   // a quote finds nothing
  m_db.exec(db::DbFile::KelFile, "UPDATE sancai SET djc = NULL WHERE title = '木木木'");
  EXPECT_DOUBLE_EQ(SancaiGrade("木木木"), -1);
}

TEST_F(Grids_, FailingSancaiReadStopsSilentlyAndMissingDataIsReported) {
  m_db.exec(db::DbFile::KelFile, "ALTER TABLE sancai RENAME COLUMN djc TO grade");
  EXPECT_THROW(SancaiGrade("木木木"), CommandStopped);
  m_db.exec(db::DbFile::KelFile, "DROP TABLE sancai");
  EXPECT_THROW(SancaiGrade("木木木"), ReportedFailure);
  m_db.exec(db::DbFile::KelFile, "DROP TABLE \"81\"");
  EXPECT_THROW(NumberText(1, 0), ReportedFailure);
  m_db.remove(db::DbFile::KelFile);
  EXPECT_THROW(SancaiGrade("木木木"), ReportedFailure);
}

TEST_F(Grids_, ScoreFromTheTableOrComputed) {
  m_db.addSancai("土土木", 1);
  // 王一: grids 5 2 5 5 2 -> 10 + 7 + 30 + 20 + 7 + 20 = 94.
  EXPECT_DOUBLE_EQ(NameScore("王", "一"), 94);
  m_db.addZh(4, 0, 1, 0, 91);
  EXPECT_DOUBLE_EQ(NameScore("王", "一"), 91);
  // The slots of a double given name and a compound surname.
  m_db.addZh(4, 0, 3, 1, 66);
  EXPECT_DOUBLE_EQ(NameScore("王", "三一"), 66);
  m_db.addZh(15, 17, 4, 1, 77);
  EXPECT_DOUBLE_EQ(NameScore("欧阳", "王一"), 77);
  // A stored 0 means no score; a missing table is reported, not scored without it.
  m_db.exec(db::DbFile::Voduzid, "UPDATE zh SET zf = 0 WHERE bh11 = 4 AND bh21 = 1");
  EXPECT_DOUBLE_EQ(NameScore("王", "一"), 94);
  m_db.exec(db::DbFile::Voduzid, "DROP TABLE zh");
  EXPECT_THROW(NameScore("王", "一"), ReportedFailure);
}

TEST_F(Grids_, AllUnluckyWithoutSancaiRowScoresFiftyFive) {
  EXPECT_EQ(GridNumbers("一", "三"), (Grids{2, 4, 4, 4, 2}));
  EXPECT_DOUBLE_EQ(NameScore("一", "三"), 55);
  EXPECT_EQ(Verdict(NameScore("一", "三")), Verdict(0));
}

TEST_F(Grids_, NumberTextFieldsAndPlaceholders) {
  m_db.add81(1, " 太极之数 ", "（大吉）", "宜开创", "长文");
  EXPECT_EQ(NumberText(1, 0), " 太极之数 ");  // untrimmed
  EXPECT_EQ(NumberText(1, 1), "（大吉）");
  EXPECT_EQ(NumberText(1, 2), "宜开创");
  EXPECT_EQ(NumberText(1, 3), "长文");
  EXPECT_EQ(NumberText(1, 4), "");
  EXPECT_EQ(NumberText(1, -1), "");
  EXPECT_EQ(NumberText(2, 0), " ");
  EXPECT_EQ(NumberText(82, 2), " ");
  EXPECT_EQ(NumberText(82, 7), " ");  // no row wins over a bad index
}

}  // namespace
}  // namespace lumo::naming
