// 择日: the checks of a search, whole-word matching of 宜 and 忌, the clash animal, the
// search over a small table, and the search against every day of a computed year.
#include "almanac/almanac_search.h"

#include <gtest/gtest.h>

#include <sstream>

#include "almanac/almanac_day.h"
#include "almanac_fixture.h"
#include "tools/almanac/writer.h"

namespace lumo::almanac {
namespace {

std::string noticeOf(const SearchRequest& request) {
  try {
    checkSearch(request);
  } catch (const Notice& notice) {
    return notice.what();
  }
  return {};
}

TEST(SearchChecks, RefusalsInOrderAndTheTenYearLimit) {
  struct Case {
    SearchRequest request;
    std::string notice;
  };
  const Case cases[] = {
      {{"", "2026-1-1", "2026-2-1", ""}, kNoActivity},
      {{"结婚", "bad", "2026-2-1", ""}, "未知的事项“结婚”，请选用黄历名词解释中的事项!"},
      {{"嫁娶", "", "2026-2-1", ""}, kBadFrom},
      {{"嫁娶", "2026-2-30", "2026-3-1", ""}, kBadFrom},
      {{"嫁娶", "2026-1-1", "2026-13-1", ""}, kBadTo},
      {{"嫁娶", "2026-3-1", "2026-2-28", ""}, kReversedRange},
      {{"嫁娶", "2026-1-1", "2036-1-1", ""}, kRangeTooLong},
      {{"嫁娶", "2026-1-1", "2035-12-31", ""}, ""},  // ten years exactly
      {{"嫁娶", "2024-2-29", "2034-2-28", ""}, ""},  // from a leap day: up to 2034-02-28
      {{"嫁娶", "2024-2-29", "2034-3-1", ""}, kRangeTooLong},
      {{"嫁娶", "2026-5-1", "2026-5-1", ""}, ""},  // one day
      {{" 嫁娶 ", "2026-1-1", "2026-2-1", " 猪 "}, ""},
      {{"嫁娶", "2026-1-1", "2026-2-1", "猫"}, "未知的生肖“猫”!"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(noticeOf(c.request), c.notice)
        << c.request.activity << " " << c.request.from << " " << c.request.to;
}

TEST(SearchMatching, WholeWordsAndTheForbiddingList) {
  EXPECT_TRUE(suits("祭祀 嫁娶 安葬", "动土", "嫁娶"));
  EXPECT_FALSE(suits("祭祀 嫁娶", "嫁娶 动土", "嫁娶"));  // 忌 wins
  EXPECT_FALSE(suits("会亲友", "", "亲友"));              // no part of a word
  EXPECT_FALSE(suits("诸事不宜", "嫁娶", "嫁娶"));
  EXPECT_FALSE(suits("拆卸 余事勿取", "诸事不宜", "嫁娶"));
  EXPECT_TRUE(suits("拆卸 余事勿取", "诸事不宜", "拆卸"));
  EXPECT_EQ(clashAnimal("冲猪(辛亥)煞东"), "猪");
  EXPECT_EQ(clashAnimal("冲马(戊午)煞南"), "马");
  EXPECT_EQ(clashAnimal("煞东"), "");
}

std::string row(const char* date, const char* pillar, const char* clash, const char* yi, const char* ji) {
  std::ostringstream sql;
  sql << "INSERT INTO huangdao VALUES ('" << date << "', '丙午年(马) 正月初一', '丙午年 庚寅月 " << pillar
      << "日', '占门碓外东南', '海中金 建日', '" << clash << "', '甲 子', '天德 月德', '" << yi
      << "', '月煞', '" << ji << "');";
  return sql.str();
}

class SmallTable : public ::testing::Test {
 protected:
  testing::AlmanacDatabase m_db{row("2026-03-01", "甲子", "冲马(戊午)煞南", "祭祀 嫁娶", "动土") +
                                row("2026-03-02", "乙丑", "冲羊(己未)煞东", "嫁娶 纳采", "嫁娶") +
                                row("2026-03-03", "丙寅", "冲猴(庚申)煞北", "纳采 嫁娶", "安葬") +
                                row("2026-03-04", "丁卯", "冲鸡(辛酉)煞西", "诸事不宜", "嫁娶") +
                                row("2026-04-01", "丙申", "冲虎(庚寅)煞南", "嫁娶", "无")};
  std::vector<std::string> dates(const SearchRequest& r) {
    std::vector<std::string> out;
    for (const GoodDay& d : findGoodDays(checkSearch(r))) out.push_back(d.date);
    return out;
  }
};

TEST_F(SmallTable, ListsTheSuitableDaysOfTheRangeOnly) {
  EXPECT_EQ(dates({"嫁娶", "2026-3-1", "2026-3-31", ""}),
            (std::vector<std::string>{"2026-03-01", "2026-03-03"}));
  EXPECT_EQ(dates({"嫁娶", "2026-3-2", "2026-4-1", ""}),
            (std::vector<std::string>{"2026-03-03", "2026-04-01"}));
  EXPECT_TRUE(dates({"安葬", "2026-3-1", "2026-4-30", ""}).empty());
}

TEST_F(SmallTable, TheZodiacLeavesOutTheDaysThatClashIt) {
  EXPECT_EQ(dates({"嫁娶", "2026-3-1", "2026-4-30", "猴"}),
            (std::vector<std::string>{"2026-03-01", "2026-04-01"}));
  EXPECT_EQ(dates({"嫁娶", "2026-3-1", "2026-4-30", "鼠"}).size(), 3u);  // 鼠 is clashed on none
}

TEST_F(SmallTable, CommandLinesCarryDateTabLunarPillarClashAndSpirits) {
  Report report;
  writeGoodDays(report, {"纳采", "2026-3-1", "2026-3-31", ""});
  ASSERT_EQ(report.lines.size(), 2u);  // 03-02 and 03-03
  EXPECT_EQ(report.lines[1], "2026-03-03\t丙午年(马) 正月初一 丙寅 冲猴(庚申)煞北 天德 月德");
  Report refused;
  EXPECT_EQ(runCommand(refused,
                       [](Report& r) {
                         writeGoodDays(r, {"纳采", "2026-3-1", "2040-1-1", ""});
                       })
                .outcome,
            Outcome::Notice);
  EXPECT_TRUE(refused.lines.empty());
}

// A computed year in the table: the search lists exactly the days whose entry, as the
// day view shows it, suits the affair.
std::string computedYear(int year) {
  std::string sql;
  for (const AlmanacRow& r : almanacRows({year, 1, 1}, {year, 12, 31})) {
    sql += "INSERT INTO huangdao VALUES ('" + r.gn + "','" + r.nn + "','" + r.suici + "','" + r.tszf + "','" +
           r.wuhang + "','" + r.cong + "','" + r.pzbj + "','" + r.jsyq + "','" + r.yi + "','" + r.xsyq +
           "','" + r.ji + "');";
  }
  return sql;
}

TEST(SearchOverAYear, AgreesWithTheDayView) {
  testing::AlmanacDatabase db(computedYear(2026));
  for (const char* activity : {"嫁娶", "安葬", "拆卸", "祭祀"}) {
    std::vector<std::string> listed;
    for (const GoodDay& d : findGoodDays(checkSearch({activity, "2026-1-1", "2026-12-31", ""})))
      listed.push_back(d.date);
    std::vector<std::string> viewed;
    for (int s = serialOf(2026, 1, 1); s <= serialOf(2026, 12, 31); ++s) {
      auto entry = readAlmanacEntry(checkChoice(choiceOfText(formatDate(dateOf(s)))));
      ASSERT_TRUE(entry);
      const std::string yi = entry->result[12].substr(std::string("宜:").size());
      const std::string ji = entry->result[16].substr(std::string("忌:").size());
      if (suits(yi, ji, activity)) viewed.push_back(formatDate(dateOf(s)));
    }
    EXPECT_EQ(listed, viewed) << activity;
    EXPECT_FALSE(listed.empty()) << activity;
  }
}

}  // namespace
}  // namespace lumo::almanac
