#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "tools/almanac/activities.h"
#include "tools/almanac/writer.h"

namespace lumo::almanac {
namespace {

std::vector<std::string> words(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

std::set<std::string> glossaryTerms() {
  std::set<std::string> terms;
  std::ifstream in(LUMO_ALMANAC_GLOSSARY);
  for (std::string line; std::getline(in, line);) {
    auto colon = line.find(" ：");
    if (colon != std::string::npos) terms.insert(line.substr(0, colon));
  }
  return terms;
}

class FullTable : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rows_ = new std::vector<AlmanacRow>(almanacRows()); }
  static void TearDownTestSuite() { delete rows_; }
  static const AlmanacRow& row(int y, int m, int d) {
    return (*rows_)[serialOf(y, m, d) - serialOf(kFirstDay)];
  }
  static std::vector<AlmanacRow>* rows_;
};
std::vector<AlmanacRow>* FullTable::rows_ = nullptr;

TEST_F(FullTable, OneRowForEveryDay) {
  ASSERT_EQ(rows_->size(), 73049u);
  EXPECT_EQ(rows_->front().gn, "1901-01-01");
  EXPECT_EQ(rows_->back().gn, "2100-12-31");
  for (size_t i = 0; i < rows_->size(); ++i)
    ASSERT_EQ((*rows_)[i].gn, formatDate(dateOf(serialOf(kFirstDay) + static_cast<int>(i))));
}

TEST_F(FullTable, NoFieldIsEmptyOrBreaksTheFile) {
  for (const AlmanacRow& r : *rows_)
    for (const std::string* f :
         {&r.gn, &r.nn, &r.suici, &r.tszf, &r.wuhang, &r.cong, &r.pzbj, &r.jsyq, &r.yi, &r.xsyq, &r.ji}) {
      ASSERT_FALSE(f->empty()) << r.gn;
      ASSERT_EQ(f->find_first_of("\t\n\r\\"), std::string::npos) << r.gn;
      ASSERT_NE(f->front(), ' ');
      ASSERT_NE(f->back(), ' ');
    }
}

TEST_F(FullTable, AdviceUsesTheGlossaryAndNeverContradictsItself) {
  std::set<std::string> glossary = glossaryTerms();
  ASSERT_EQ(glossary.size(), static_cast<size_t>(activityCount()));
  for (int i = 0; i < activityCount(); ++i) EXPECT_TRUE(glossary.count(activityName(i))) << activityName(i);
  for (const AlmanacRow& r : *rows_) {
    std::set<std::string> yi;
    for (const std::string& w : words(r.yi)) {
      if (w == "诸事不宜" || w == "余事勿取") continue;
      ASSERT_TRUE(glossary.count(w)) << r.gn << " " << w;
      yi.insert(w);
    }
    for (const std::string& w : words(r.ji)) {
      if (w == "诸事不宜" || w == "无") continue;
      ASSERT_TRUE(glossary.count(w)) << r.gn << " " << w;
      ASSERT_FALSE(yi.count(w)) << r.gn << " " << w;
    }
  }
}

TEST_F(FullTable, DayPillarAdvancesAndTheOfficerRepeatsTwelveTimesAYear) {
  int repeats = 0;
  for (size_t i = 1; i < rows_->size(); ++i) {
    const AlmanacRow& a = (*rows_)[i - 1];
    const AlmanacRow& b = (*rows_)[i];
    ASSERT_NE(a.suici.substr(a.suici.size() - 9), b.suici.substr(b.suici.size() - 9));
    std::string officerA = words(a.wuhang)[1], officerB = words(b.wuhang)[1];
    if (officerA == officerB) {
      ++repeats;
      // Only on the first day of a month, when the month pillar changes too.
      ASSERT_NE(words(a.suici)[1], words(b.suici)[1]) << b.gn;
    }
  }
  EXPECT_EQ(repeats, 200 * 12);
}

TEST_F(FullTable, KnownDays) {
  const AlmanacRow& newYear = row(2023, 1, 22);
  EXPECT_EQ(newYear.nn, "癸卯年(兔) 正月初一");
  EXPECT_EQ(newYear.suici, "壬寅年 癸丑月 庚辰日");  // still 壬寅 until 立春
  EXPECT_EQ(row(2020, 5, 23).nn, "庚子年(鼠) 闰四月初一");
  EXPECT_EQ(row(2023, 12, 20).nn.substr(row(2023, 12, 20).nn.size() - 12), "冬月初八");
  EXPECT_EQ(row(1901, 1, 1).nn, "庚子年(鼠) 冬月十一");
  const AlmanacRow& founding = row(1949, 10, 1);
  EXPECT_EQ(founding.suici, "己丑年 癸酉月 甲子日");
  EXPECT_EQ(founding.tszf, "占门碓外东南");
  EXPECT_EQ(founding.cong, "冲马(戊午)煞南");
  EXPECT_EQ(founding.wuhang, "海中金 平日");
  EXPECT_EQ(row(2000, 1, 1).suici, "己卯年 丙子月 戊午日");
  const AlmanacRow& dingSi = row(2026, 2, 12);
  EXPECT_EQ(dingSi.suici, "丙午年 庚寅月 丁巳日");
  EXPECT_EQ(dingSi.cong, "冲猪(辛亥)煞东");
  EXPECT_EQ(dingSi.tszf, "仓库床外正东");
  EXPECT_EQ(row(2026, 1, 5).tszf, "占大门外正西");  // 己卯
  EXPECT_EQ(row(2026, 1, 5).cong, "冲鸡(癸酉)煞西");
  EXPECT_NE(row(2024, 2, 3).xsyq.find("四绝"), std::string::npos);   // 立春 2024-02-04
  EXPECT_NE(row(2024, 3, 19).xsyq.find("四离"), std::string::npos);  // 春分 2024-03-20
}

// The spirits of days as the common almanacs print them (the year's own spirits stay
// in the year's table).
TEST_F(FullTable, SpiritsOfKnownDays) {
  EXPECT_EQ(row(2024, 9, 21).jsyq, "时德 民日 阳德 玉宇 司命");
  EXPECT_EQ(row(2024, 12, 17).jsyq, "四相 民日 五合 鸣吠对 玉堂");
  const std::string hard = row(2024, 12, 17).xsyq;
  for (const char* s : {"天罡", "死神", "月刑", "天吏", "致死", "天贼"})
    EXPECT_NE(hard.find(s), std::string::npos) << s << " in " << hard;
  EXPECT_EQ(row(2018, 10, 18).jsyq, "天恩 四相 母仓 玉宇 不将");  // no 岁德合
  EXPECT_EQ(row(2025, 6, 30).jsyq, "官日 阳德 金堂 鸣吠 司命");   // no 岁德
  EXPECT_EQ(row(2017, 12, 6).xsyq.find("岁破"), std::string::npos);
  // 2024-12-17 (子月 平日 with 月刑 and 天吏, no virtue) is one of the classic's days on
  // which nothing at all is done (诸事皆忌), though 四相 would seek worship.
  EXPECT_EQ(row(2024, 12, 17).yi, "诸事不宜");
  EXPECT_EQ(row(2024, 12, 17).ji, "诸事不宜");
}

TEST_F(FullTable, TsvHasAHeaderAndElevenColumnsALine) {
  std::vector<AlmanacRow> some(rows_->begin(), rows_->begin() + 40);
  std::ostringstream out;
  writeTsv(out, some);
  std::istringstream in(out.str());
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "gn\tnn\tsuici\ttszf\twuhang\tcong\tpzbj\tjsyq\tyi\txsyq\tji");
  int lines = 0;
  while (std::getline(in, line)) {
    ++lines;
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 10);
  }
  EXPECT_EQ(lines, 40);
}

TEST(AlmanacRows, RefusesDaysOutsideTheTable) {
  EXPECT_THROW(almanacRows({1900, 12, 31}, {1901, 1, 1}), std::invalid_argument);
  EXPECT_THROW(almanacRows({2100, 12, 31}, {2101, 1, 1}), std::invalid_argument);
  EXPECT_THROW(almanacRows({2000, 2, 1}, {2000, 1, 31}), std::invalid_argument);
  EXPECT_EQ(almanacRows({2000, 2, 28}, {2000, 3, 1}).size(), 3u);
}

}  // namespace
}  // namespace lumo::almanac
