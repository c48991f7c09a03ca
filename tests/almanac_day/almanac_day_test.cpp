// The almanac day: the checks of the date choice, the 17 result lines, a missing day,
// a failing table, and the glossary held in the program.
#include "almanac/almanac_day.h"

#include <gtest/gtest.h>

#include <set>

#include "almanac/almanac_glossary.h"
#include "almanac_fixture.h"
#include "core/report.h"
#include "data/read_failure.h"

namespace lumo::almanac {
namespace {

std::string noticeOf(const DayChoice& choice) {
  try {
    checkChoice(choice);
  } catch (const Notice& notice) {
    return notice.what();
  }
  return {};
}

TEST(AlmanacChoice, ChecksInOrder) {
  struct Case {
    DayChoice choice;
    const char* notice;
  };
  const Case cases[] = {
      {{"", "", ""}, kNoYear},
      {{"  ", "01", "05"}, kNoYear},
      {{"2010", "", "xx"}, kNoMonth},  // the day is not looked at
      {{"2010", " ", ""}, kNoMonth},
      {{"2010", "01", ""}, kNoDay},
      {{"2010", "04", "31"}, kInvalidDate},
      {{"2010", "02", "30"}, kInvalidDate},
      {{"2011", "02", "29"}, kInvalidDate},
      {{"abcd", "01", "05"}, kInvalidDate},
      {{"2010'", "01", "05"}, kInvalidDate},
      {{"0", "01", "05"}, kInvalidDate},
      {{"2012", "02", "29"}, ""},
      {{" 2030 ", "01", "05"}, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(noticeOf(c.choice), c.notice) << c.choice.year << "|" << c.choice.month << "|" << c.choice.day;
}

TEST(AlmanacChoice, DateTextIsBuiltFromTheTrimmedFields) {
  CheckedDay day = checkChoice({" 2030 ", "01", "05"});
  EXPECT_EQ(day.text, "2030-01-05");
  EXPECT_EQ(day.date, (Date{2030, 1, 5}));
}

TEST(AlmanacChoice, ChoiceOfText) {
  struct Case {
    const char* text;
    DayChoice choice;
  };
  const Case cases[] = {{"2010-01-05", {"2010", "01", "05"}}, {"2010-01", {"2010", "01", ""}},
                        {"2010", {"2010", "", ""}},           {"-01-05", {"", "01", "05"}},
                        {"2010-1-5-7", {"2010", "1", "5-7"}}, {"", {"", "", ""}}};
  for (const Case& c : cases) {
    DayChoice got = choiceOfText(c.text);
    EXPECT_EQ(got.year, c.choice.year) << c.text;
    EXPECT_EQ(got.month, c.choice.month) << c.text;
    EXPECT_EQ(got.day, c.choice.day) << c.text;
  }
}

TEST(AlmanacEntryTest, FoundDayGivesDateLineAndSeventeenLines) {
  testing::AlmanacDatabase db;
  auto entry = readAlmanacEntry(checkChoice({"2010", "01", "05"}));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->dateLine, "2010-01-05  己丑(牛)年十一月廿一");
  const std::vector<std::string> expected{"岁次:己丑年 丁丑月 辛丑日",
                                          "",
                                          "每日胎神占方:占门厕外东南",
                                          "",
                                          "五行:壁上土 建执位",
                                          "",
                                          "冲:冲羊(乙未)煞东",
                                          "",
                                          "彭祖百忌:辛不合酱主人不尝 丑不冠带主不还乡",
                                          "",
                                          "吉神宜趋:天恩 母仓 不将",
                                          "",
                                          "宜:祭祀 祈福 嫁娶",
                                          "",
                                          "凶神宜忌:月建 小时 土府",
                                          "",
                                          "忌:动土 破土 安葬"};
  EXPECT_EQ(entry->result, expected);
  EXPECT_EQ(entry->result.size(), kResultLineCount);
}

TEST(AlmanacEntryTest, YearOutsideTheListAndOneDigitFieldsFindTheDay) {
  testing::AlmanacDatabase db;
  auto typed = readAlmanacEntry(checkChoice({"2030", "03", "01"}));
  ASSERT_TRUE(typed);
  EXPECT_EQ(typed->dateLine, "2030-03-01  庚戌(狗)年正月廿八");
  auto short_ = readAlmanacEntry(checkChoice({"2030", "3", "1"}));
  ASSERT_TRUE(short_);
  EXPECT_EQ(short_->dateLine, "2030-3-1  庚戌(狗)年正月廿八") << "the date line keeps the fields as chosen";
}

TEST(AlmanacEntryTest, MissingDayIsNoEntry) {
  testing::AlmanacDatabase db;
  EXPECT_FALSE(readAlmanacEntry(checkChoice({"2010", "01", "06"})));
  Report report;
  CommandResult result = runCommand(report, [](Report& r) { writeAlmanacDay(r, {"2010", "01", "06"}); });
  EXPECT_EQ(result.outcome, Outcome::Stopped);
  EXPECT_TRUE(report.lines.empty());
}

TEST(AlmanacEntryTest, NullFieldsReadAsEmptyText) {
  testing::AlmanacDatabase db("INSERT INTO huangdao (gn, nn) VALUES ('2011-05-05', '辛卯(兔)年四月初三');");
  auto entry = readAlmanacEntry(checkChoice({"2011", "05", "05"}));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->result.front(), "岁次:");
  EXPECT_EQ(entry->result.back(), "忌:");
}

TEST(AlmanacEntryTest, FailingTableIsReported) {
  testing::AlmanacDatabase noTable("", false);
  EXPECT_THROW(readAlmanacEntry(checkChoice({"2010", "01", "05"})), ReportedFailure);
}

TEST(AlmanacEntryTest, TableWithoutAColumnIsReported) {
  testing::AlmanacDatabase thin(
      "CREATE TABLE huangdao (gn TEXT, nn TEXT);"
      "INSERT INTO huangdao VALUES ('2010-01-05', 'x');",
      false);
  EXPECT_THROW(readAlmanacEntry(checkChoice({"2010", "01", "05"})), ReportedFailure);
}

TEST(AlmanacEntryTest, CommandWritesDateLineThenResult) {
  testing::AlmanacDatabase db;
  Report report;
  CommandResult result =
      runCommand(report, [](Report& r) { writeAlmanacDay(r, choiceOfText("2010-01-05")); });
  EXPECT_EQ(result.outcome, Outcome::Done);
  ASSERT_EQ(report.lines.size(), 1 + kResultLineCount);
  EXPECT_EQ(report.lines[0], "2010-01-05  己丑(牛)年十一月廿一");
  Report refused;
  result = runCommand(refused, [](Report& r) { writeAlmanacDay(r, choiceOfText("2010-04-31")); });
  EXPECT_EQ(result.outcome, Outcome::Notice);
  EXPECT_EQ(result.message, kInvalidDate);
}

TEST(AlmanacGlossary, TheThirtyTwoTermsFirstInOrderThenTheOthers) {
  auto lines = glossaryLines();
  ASSERT_EQ(lines.size(), 62u);
  EXPECT_EQ(lines[0], "嫁娶 ：男娶女嫁，举行结婚大典的吉日 ");
  EXPECT_EQ(lines[3], "出行 ：指外出旅行、观光游览 ");
  const std::vector<std::string> terms{"嫁娶", "祭祀", "安葬", "出行", "祈福", "动土", "安床", "开光",
                                       "纳采", "入殓", "移徙", "破土", "解除", "入宅", "修造", "栽种",
                                       "开市", "移柩", "订盟", "拆卸", "立卷", "交易", "求嗣", "上梁",
                                       "纳财", "起基", "斋醮", "赴任", "冠笄", "安门", "修坟", "挂匾"};
  auto all = glossaryTerms();
  ASSERT_EQ(all.size(), 60u);
  EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 32), terms);
  EXPECT_EQ(all[32], "会亲友");
  EXPECT_EQ(std::set<std::string>(all.begin(), all.end()).size(), all.size()) << "each term once";
  for (const std::string& line : lines) EXPECT_FALSE(line.empty());
}

}  // namespace
}  // namespace lumo::almanac

namespace lumo::almanac {
namespace {

// The built database, where the almanac calculator has filled the table.
TEST(AlmanacBuiltDatabase, EveryDayOfAYearHasAFullEntry) {
  db::dropCachedConnections();
  auto count = db::readRows(db::Failure::Empty, db::DbFile::KelBirth, "select count(*) from huangdao");
  if (count.empty() || count.integer(0, std::size_t{0}) == 0) GTEST_SKIP() << "huangdao is not built yet";
  for (int serial = serialOf(2010, 1, 1); serial <= serialOf(2010, 12, 31); ++serial) {
    Date date = dateOf(serial);
    auto entry = readAlmanacEntry(
        checkChoice({std::to_string(date.year), std::to_string(date.month), std::to_string(date.day)}));
    ASSERT_TRUE(entry) << formatDate(date);
    ASSERT_EQ(entry->result.size(), kResultLineCount);
    const std::string prefix =
        std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day) + "  ";
    ASSERT_EQ(entry->dateLine.rfind(prefix, 0), 0u) << entry->dateLine;
    ASSERT_GT(entry->dateLine.size(), prefix.size()) << "a lunar date text follows";
    for (std::size_t i = 0; i < entry->result.size(); i += 2)
      ASSERT_EQ(entry->result[i].back() == ':', false) << formatDate(date) << ": " << entry->result[i];
  }
}

}  // namespace
}  // namespace lumo::almanac
