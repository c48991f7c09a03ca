// The content of the built BaZi tables: every stem and branch has one element, every
// ordered stem pair its ten god by the cycles, all sixty pillars their 纳音, every season
// and month its remark, and every weight the tables can sum to its verse.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "bazi/stem_lookup.h"
#include "calendar/date_cn.h"
#include "core/stem_branch.h"
#include "core/utf8.h"
#include "data/read_failure.h"

namespace lumo::bazi {
namespace {

db::ResultSet rowsOf(db::DbFile file, const char* sql) {
  return db::runQuery(file, sql);
}

// Element of a stem or branch by tradition, in the order 木 火 土 金 水 (each produces the next).
int elementOfStem(int stemIndex) {
  return stemIndex / 2;
}  // 甲乙 木, 丙丁 火 …
const char* const kCycle[5] = {"木", "火", "土", "金", "水"};

TEST(Content, EveryStemAndBranchHasExactlyItsElement) {
  const char* branchElements[12] = {"水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水"};
  std::set<std::string> seen;
  db::ResultSet rows = rowsOf(db::DbFile::Tgcode, "select hz from hzwh");
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t i = 0; !nthCharacter(rows.text(r, 0), i).empty(); ++i)
      EXPECT_TRUE(seen.insert(nthCharacter(rows.text(r, 0), i)).second) << "twice: " << rows.text(r, 0);
  for (int s = 0; s < 10; ++s) {
    EXPECT_EQ(lookupElement(kStems[s]), kCycle[elementOfStem(s)]) << kStems[s];
  }
  for (int b = 0; b < 12; ++b) {
    EXPECT_EQ(lookupElement(kBranches[b]), branchElements[b]) << kBranches[b];
  }
  EXPECT_EQ(seen.size(), 22u);
}

// The ten god of `other` for the day master `self`, from the producing cycle and polarity.
std::string tenGodByRule(int self, int other) {
  static const char* const kNames[5][2] = {
      {"劫财", "比肩"}, {"伤官", "食神"}, {"正财", "偏财"}, {"正官", "七杀"}, {"正印", "偏印"}};
  int relation = (elementOfStem(other) - elementOfStem(self) + 5) % 5;  // 0 same … 4 produces me
  bool samePolarity = self % 2 == other % 2;
  return kNames[relation][samePolarity ? 1 : 0];
}

TEST(Content, AllHundredStemPairsFollowTheCycles) {
  EXPECT_EQ(rowsOf(db::DbFile::Tgcode, "select count(*) from Shishen").integer(0, std::size_t{0}), 100);
  for (int self = 0; self < 10; ++self)
    for (int other = 0; other < 10; ++other)
      EXPECT_EQ(lookupTenGod(std::string(kStems[self]) + kStems[other]), tenGodByRule(self, other))
          << kStems[self] << kStems[other];
}

TEST(Content, AllSixtyPillarsHaveTheirNayin) {
  // The element of the 纳音 of pillar pairs 0..29 (甲子乙丑 海中金 … 壬戌癸亥 大海水).
  const char* pairElements = "金火木土金火水土金木水土火木水金火木土金火水土金木水土火木水";
  EXPECT_EQ(rowsOf(db::DbFile::Tgcode, "select count(*) from jiazi").integer(0, std::size_t{0}), 60);
  std::set<std::string> names;
  for (int k = 0; k < 60; ++k) {
    std::string pillar = std::string(kStems[k % 10]) + kBranches[k % 12];
    std::string nayin = lookupNayin(pillar);
    ASSERT_EQ(nthCharacter(nayin, 3), "") << pillar << " " << nayin;
    EXPECT_EQ(nthCharacter(nayin, 2), nthCharacter(pairElements, static_cast<std::size_t>(k / 2))) << pillar;
    if (k % 2 == 1) {
      EXPECT_EQ(nayin, lookupNayin(std::string(kStems[k % 10 - 1]) + kBranches[k % 12 - 1])) << "pairs share";
    }
    names.insert(nayin);
  }
  EXPECT_EQ(names.size(), 30u);
}

TEST(Content, RemarksForEveryElementSeasonAndStemMonth) {
  db::ResultSet seasons = rowsOf(db::DbFile::Tgcode, "select wh || sj, sjrs from sjrs");
  db::ResultSet months = rowsOf(db::DbFile::Tgcode, "select tg || dz, content from qtbj");
  std::set<std::string> seasonKeys, monthKeys, texts;
  for (std::size_t r = 0; r < seasons.size(); ++r) {
    seasonKeys.insert(seasons.text(r, 0));
    EXPECT_TRUE(texts.insert(seasons.text(r, 1)).second) << seasons.text(r, 0);
  }
  for (std::size_t r = 0; r < months.size(); ++r) {
    monthKeys.insert(months.text(r, 0));
    EXPECT_TRUE(texts.insert(months.text(r, 1)).second) << months.text(r, 0);
  }
  EXPECT_EQ(seasons.size(), 20u);
  EXPECT_EQ(months.size(), 120u);
  for (const char* e : kCycle)
    for (const char* s : {"春", "夏", "秋", "冬"})
      EXPECT_TRUE(seasonKeys.count(std::string(e) + s)) << e << s;
  for (const char* stem : kStems)
    for (const char* branch : kBranches)
      EXPECT_TRUE(monthKeys.count(std::string(stem) + branch)) << stem << branch;
  EXPECT_FALSE(texts.count("")) << "no empty remark";
}

std::map<std::string, int> weights(const char* sql) {
  std::map<std::string, int> out;
  db::ResultSet rows = rowsOf(db::DbFile::Dream, sql);
  for (std::size_t r = 0; r < rows.size(); ++r)
    out[rows.text(r, 0)] = static_cast<int>(std::lround(db::valueReal(rows.value(r, 1)) * 10));
  return out;
}

TEST(Content, WeightTablesCoverEveryKey) {
  auto years = weights("select year, weight from chenggu1");
  auto months = weights("select month2, weight from chenggu2");
  auto days = weights("select day2, weight from chenggu3");
  auto hours = weights("select time, weight from chenggu4");
  for (int y = 1900; y <= 2100; ++y) ASSERT_TRUE(years.count(std::to_string(y))) << y;
  for (int y = 1900; y + 60 <= 2100; ++y)
    EXPECT_EQ(years[std::to_string(y)], years[std::to_string(y + 60)]) << "the sixty cycle: " << y;
  EXPECT_EQ(months.size(), 12u);
  EXPECT_EQ(days.size(), 30u);
  EXPECT_EQ(hours.size(), 24u);
  for (int h = 1; h <= 21; h += 2)
    EXPECT_EQ(hours[std::to_string(h)], hours[std::to_string(h + 1)]) << "one double hour: " << h;
  EXPECT_EQ(hours["23"], hours["0"]) << "23 and 0 are both 子";
  // Spot checks of the tradition: 甲子 year 1.2, first month 0.6, first day 0.5, 子 hour 1.6.
  EXPECT_EQ(years["1984"], 12);
  EXPECT_EQ(months["1"], 6);
  EXPECT_EQ(days["1"], 5);
  EXPECT_EQ(hours["0"], 16);
}

std::set<int> distinctWeights(const char* sql) {
  std::set<int> out;
  for (auto [key, tenths] : weights(sql)) out.insert(tenths);
  return out;
}

TEST(Content, EveryTotalWeightHasAVerse) {
  std::set<int> sums = {0};
  for (const char* sql : {"select year, weight from chenggu1", "select month2, weight from chenggu2",
                          "select day2, weight from chenggu3", "select time, weight from chenggu4"}) {
    std::set<int> next;
    for (int sum : sums)
      for (int w : distinctWeights(sql)) next.insert(sum + w);
    sums = next;
  }
  db::ResultSet verses = rowsOf(db::DbFile::Dream, "select weight, content, content2 from chenggu");
  std::map<std::string, std::pair<std::string, std::string>> byKey;
  for (std::size_t r = 0; r < verses.size(); ++r)
    byKey[verses.text(r, 0)] = {verses.text(r, 1), verses.text(r, 2)};
  for (int tenths : sums) {
    std::string key = std::to_string(tenths / 10) + std::to_string(tenths % 10);
    ASSERT_TRUE(byKey.count(key)) << "no verse for " << key;
    EXPECT_FALSE(byKey[key].first.empty()) << key;
    EXPECT_FALSE(byKey[key].second.empty()) << key;
  }
}

}  // namespace
}  // namespace lumo::bazi
