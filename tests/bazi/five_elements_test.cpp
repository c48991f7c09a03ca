// The element tally, the favourable element and the section's four lines.
#include "bazi/five_elements.h"

#include <gtest/gtest.h>

#include "bazi/bazi_chart.h"
#include "bazi/stem_lookup.h"
#include "bazi_fixture.h"
#include "core/report.h"
#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

using testing::FixtureFolder;

TEST(Tally, CountsSharesAndFavourableElement) {
  struct Case {
    const char* elements;
    const char* text;
    const char* favourable;
  } cases[] = {
      {"金金   木木   水水   火土", "金:占2个 25, 木:占2个 25, 水:占2个 25, 火:占1个 12.5, 土:占1个 12.5.",
       "火土"},
      {"金金   木木   土土   金木", "金:占3个 37.5, 木:占3个 37.5, 水:占0个 0, 火:占0个 0, 土:占2个 25.",
       "水火"},
      {"土土   土土   土土   土土", "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占8个 100.",
       "金木水火"},
      {"金木   水火   土金   木水", "金:占2个 25, 木:占2个 25, 水:占2个 25, 火:占1个 12.5, 土:占1个 12.5.",
       "火土"},
      {"木   火火   土土   金水", "金:占1个 12.5, 木:占1个 12.5, 水:占1个 12.5, 火:占2个 25, 土:占2个 25.",
       "金木水"},
      {"", "金:占0个 0, 木:占0个 0, 水:占0个 0, 火:占0个 0, 土:占0个 0.", "金木水火土"},
      {"金x   木?   甲子", "金:占1个 12.5, 木:占1个 12.5, 水:占0个 0, 火:占0个 0, 土:占0个 0.", "水火土"},
  };
  for (const auto& c : cases) {
    ElementTally tally = tallyElements(c.elements);
    EXPECT_EQ(tally.text, c.text) << c.elements;
    EXPECT_EQ(tally.favourable, c.favourable) << c.elements;
  }
}

TEST(Tally, ShareOfEveryCount) {
  const char* shares[9] = {"0", "12.5", "25", "37.5", "50", "62.5", "75", "87.5", "100"};
  for (int n = 0; n <= 8; ++n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "水";
    EXPECT_NE(
        tallyElements(text).text.find(std::string("水:占") + std::to_string(n) + "个 " + shares[n] + ","),
        std::string::npos)
        << n;
  }
}

TEST(Favourable, LowestCountUpToFour) {
  EXPECT_EQ(favourableElement({1, 1, 2, 2, 2}), "金木");
  EXPECT_EQ(favourableElement({2, 2, 2, 1, 1}), "火土");
  EXPECT_EQ(favourableElement({3, 2, 3, 0, 0}), "火土");
  EXPECT_EQ(favourableElement({4, 4, 4, 4, 4}), "金木水火土");
  EXPECT_EQ(favourableElement({5, 5, 5, 5, 5}), "") << "no count is 4 or less";
}

TEST(Season, FollowsTheGregorianMonth) {
  const char* seasons[13] = {"", "春", "春", "春", "夏", "夏", "夏", "秋", "秋", "秋", "冬", "冬", "冬"};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(seasonOf(m), seasons[m]) << m;
}

class SectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder.addFile(
        db::DbFile::Tgcode,
        "CREATE TABLE hzwh (hz TEXT, wh TEXT);"
        "INSERT INTO hzwh VALUES ('甲乙寅卯', '木'), ('丙丁巳午', '火'), ('戊己辰戌丑未', '土'),"
        " ('庚辛申酉', '金'), ('壬癸亥子', '水');"
        "CREATE TABLE sjrs (wh TEXT, sj TEXT, sjrs TEXT);"
        "INSERT INTO sjrs VALUES ('火', '春', ' 春火有母 '), ('火', '夏', '夏火炎上');"
        "CREATE TABLE jiazi (jiazi TEXT, layin TEXT); CREATE TABLE Shishen (jiazi TEXT, ShiShen TEXT);"
        "CREATE TABLE qtbj (tg TEXT, dz TEXT, content TEXT);"
        "INSERT INTO qtbj VALUES ('丙', '卯', '卯月丙火，取壬为用。 ');");
  }
  std::vector<std::string> section(int y, int m, int d) {
    auto chart = computeBaziChart(y, m, d, "男", 0, testing::noTerms);
    Report report;
    writeFiveElementSection(*chart, "火火   木木   火土   金水", report);
    return report.lines;
  }
  FixtureFolder m_folder;
};

// 2024-03-23 and 2024-04-02 are both 丙 days of the 卯 month; the season line still follows
// the Gregorian month.
TEST_F(SectionTest, SeasonByGregorianMonthNotByMonthPillar) {
  for (int m : {3, 4}) {
    auto chart = computeBaziChart(2024, m, m == 3 ? 23 : 2, "男", 0, testing::noTerms);
    ASSERT_EQ(chart->dayMaster + chart->monthBranchChar, "丙卯");
  }
  EXPECT_EQ(section(2024, 3, 23)[0], "四季用神：日主天干火生于春季，春火有母。");
  auto april = section(2024, 4, 2);
  ASSERT_EQ(april.size(), 4u);
  EXPECT_EQ(april[0], "四季用神：日主天干火生于夏季，夏火炎上。");
  EXPECT_EQ(april[1], "穷通宝鉴调候用神：丙火生于卯月，卯月丙火，取壬为用。");
  EXPECT_EQ(april[2],
            "八字五行个数：金:占1个 12.5, 木:占2个 25, 水:占1个 12.5, 火:占3个 37.5, 土:占1个 12.5.");
  EXPECT_EQ(april[3], "喜用神：金水土，建议你名字五行带：金水土最佳。");
}

TEST_F(SectionTest, MissingRemarksKeepTheFixedWords) {
  auto chart = computeBaziChart(2024, 12, 31, "男", 0, testing::noTerms);
  std::string element = lookupElement(chart->dayMaster);
  ASSERT_FALSE(element.empty());
  auto lines = section(2024, 12, 31);
  EXPECT_EQ(lines[0], "四季用神：日主天干" + element + "生于冬季，。");
  EXPECT_EQ(lines[1], "穷通宝鉴调候用神：" + chart->dayMaster + element + "生于子月，");
}

// Without Tgcode.dll the section would recommend 金木水火土 from nothing: reported instead.
TEST(SectionWithoutDatabase, IsReported) {
  FixtureFolder empty;
  Report report;
  EXPECT_THROW(
      {
        auto chart = computeBaziChart(2024, 7, 1, "男", 0, testing::noTerms);
        writeFiveElementSection(*chart, "", report);
      },
      ReportedFailure);
  EXPECT_TRUE(report.lines.empty());
}

}  // namespace
}  // namespace lumo::bazi
