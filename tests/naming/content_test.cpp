// Invariants of the built reference tables that name numerology reads: 81, sancai,
// sancai2009, zh, xing (and a few well-known stroke counts of word).
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <memory>
#include <set>
#include <unordered_map>

#include "data/gbk.h"
#include "data/query.h"
#include "data/unscramble.h"
#include "naming/grid_math.h"
#include "naming/strokes.h"

namespace lumo::naming {
namespace {

const char* const kElements[5] = {"木", "火", "土", "金", "水"};

std::vector<std::string> allSancaiTitles() {
  std::vector<std::string> titles;
  for (auto a : kElements)
    for (auto b : kElements)
      for (auto c : kElements) titles.push_back(std::string(a) + b + c);
  return titles;
}

std::map<std::string, long long> sancaiGrades() {
  db::ResultSet rows = db::runQuery(db::DbFile::KelFile, "SELECT title, djc FROM sancai");
  std::map<std::string, long long> grades;
  for (std::size_t i = 0; i < rows.size(); ++i) grades[rows.text(i, "title")] = rows.integer(i, "djc");
  return grades;
}

TEST(Content81, GradesAgreeWithTheNumberLists) {
  db::ResultSet rows = db::runQuery(db::DbFile::KelFile, "SELECT * FROM \"81\" ORDER BY num");
  ASSERT_EQ(rows.size(), 81u);
  const std::map<std::string, NumberClass> byGrade = {{"（大吉）", NumberClass::Lucky},
                                                      {"（吉）", NumberClass::Lucky},
                                                      {"（半吉）", NumberClass::Mixed},
                                                      {"（凶）", NumberClass::Unlucky},
                                                      {"（大凶）", NumberClass::Unlucky}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    int num = static_cast<int>(rows.integer(i, "num"));
    EXPECT_EQ(num, static_cast<int>(i) + 1);
    auto grade = byGrade.find(rows.text(i, "jx"));
    ASSERT_NE(grade, byGrade.end()) << num << ": " << rows.text(i, "jx");
    EXPECT_EQ(grade->second, ClassOfNumber(num)) << num;
    for (const char* column : {"yy", "as", "content"})
      EXPECT_GE(rows.text(i, column).size(), 30u) << num << column;
  }
}

int elementIndex(const std::string& element) {
  for (int i = 0; i < 5; ++i)
    if (element == kElements[i]) return i;
  return -1;
}

TEST(ContentSancai, AllConfigurationsGradedByTradition) {
  auto grades = sancaiGrades();
  ASSERT_EQ(grades.size(), 125u);
  for (const auto& title : allSancaiTitles()) {
    ASSERT_TRUE(grades.count(title)) << title;
    long long djc = grades[title];
    EXPECT_TRUE(djc >= 1 && djc <= 7) << title;
    // In the cycle 木 火 土 金 水, i produces i+1 and overcomes i+2.
    int t = elementIndex(title.substr(0, 3)), r = elementIndex(title.substr(3, 3)),
        d = elementIndex(title.substr(6, 3));
    bool flowing = (t + 1) % 5 == r && (r + 1) % 5 == d;  // 天生人, 人生地
    bool pressed = (t + 2) % 5 == r && (d + 2) % 5 == r;  // 天克人, 地克人
    if (flowing) {
      EXPECT_LE(djc, 2) << title;
    }
    if (pressed) {
      EXPECT_GE(djc, 6) << title;
    }
  }
}

TEST(ContentSancai, StoredReadingsUnscrambleToText) {
  db::ResultSet rows = db::runQuery(db::DbFile::KelFile, "SELECT title, content FROM sancai");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string stored = rows.text(i, "content");
    std::string text =
        gbk::toUtf8(db::UnscrambleStoredText(stored, db::kStoredTextKey, db::kStoredTextRounds));
    EXPECT_GE(text.size(), 60u) << rows.text(i, "title");
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << rows.text(i, "title");
  }
}

TEST(ContentSancai2009, EveryConfigurationHasItsTexts) {
  db::ResultSet rows = db::runQuery(db::DbFile::KelFile, "SELECT * FROM sancai2009");
  ASSERT_EQ(rows.size(), 125u);
  std::set<std::string> titles;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    titles.insert(rows.text(i, "title"));
    for (const char* column : {"yy", "jcy", "cgy", "rjgx", "xg"}) EXPECT_FALSE(rows.text(i, column).empty());
    for (const char* column : {"jx1", "jx2", "jx3"}) {
      std::string grade = rows.text(i, column);
      EXPECT_TRUE(grade.find("吉") != std::string::npos || grade.find("凶") != std::string::npos) << grade;
    }
  }
  std::vector<std::string> all = allSancaiTitles();
  EXPECT_EQ(titles, std::set<std::string>(all.begin(), all.end()));
}

// Every row of zh, streamed (about a million rows).
template <class Visit>
void forEachZhRow(Visit&& visit) {
  sqlite3* raw = nullptr;
  ASSERT_EQ(
      sqlite3_open_v2(db::databasePath(db::DbFile::Voduzid).c_str(), &raw, SQLITE_OPEN_READONLY, nullptr),
      SQLITE_OK);
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(raw, sqlite3_close);
  sqlite3_stmt* stmt = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(raw, "SELECT lx,bh11,bh12,bh21,bh22,zf,xb,jxjx FROM zh", -1, &stmt, nullptr),
            SQLITE_OK);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    int v[8];
    for (int i = 0; i < 8; ++i) v[i] = sqlite3_column_int(stmt, i);
    std::string xb = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 6));
    visit(v, xb);
  }
  sqlite3_finalize(stmt);
}

bool strongForAWoman(const Grids& g) {
  for (int n : {g[kRen], g[kZong]})
    if (n == 21 || n == 23 || n == 29 || n == 33 || n == 39) return true;
  return false;
}

TEST(ContentZh, EveryScoreIsTheComputedOneRounded) {
  auto grades = sancaiGrades();
  std::map<int, long> rowsPerKind;
  long mismatches = 0, badSex = 0;
  forEachZhRow([&](const int* v, const std::string& xb) {
    ++rowsPerKind[v[0]];
    Grids g = GridsOfStrokes(StrokesOfKind(v[0], v[1], v[2], v[3], v[4]));
    auto it = grades.find(SancaiOf(g));
    double points = it == grades.end() ? kNoSancaiPoints : SancaiPointsOfGrade(it->second);
    if (v[5] != RoundedScore(ScoreOfGrids(g, points)) && mismatches++ < 5)
      ADD_FAILURE() << "zf " << v[5] << " for " << v[0] << ":" << v[1] << "," << v[2] << "," << v[3] << ","
                    << v[4];
    bool girlRow = xb == "女" || xb == "0";
    if (girlRow && strongForAWoman(g)) ++badSex;
    if (v[0] == 22 && xb == "0") ++badSex;  // would double the fixed-character search
  });
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(badSex, 0);
  EXPECT_EQ(rowsPerKind[11], 30 * 24);
  EXPECT_EQ(rowsPerKind[12], 30 * 24 * 24);
  EXPECT_EQ(rowsPerKind[21], 30 * 30 * 24);
  EXPECT_GT(rowsPerKind[22], 30 * 30 * 24 * 24);
  EXPECT_LT(rowsPerKind[22], 2 * 30 * 30 * 24 * 24);
}

// How many rows each search of the naming window finds per combination. One-character
// surnames are searched without a sex condition; kind 21 admits xb = the sex or '0'; kind
// 22 matches the sex exactly, or the sex or '0' with a fixed character. Each search must
// find a combination at most once, and a man's search every combination.
TEST(ContentZh, EachSearchFindsACombinationOnce) {
  struct Counts {
    int man = 0, woman = 0, both = 0;
  };
  std::unordered_map<long long, Counts> combinations;
  forEachZhRow([&](const int* v, const std::string& xb) {
    long long key = ((((static_cast<long long>(v[0]) * 100 + v[1]) * 100 + v[2]) * 100 + v[3]) * 100) + v[4];
    Counts& c = combinations[key];
    (xb == "男" ? c.man : xb == "女" ? c.woman : c.both) += 1;
  });
  long faults = 0;
  for (const auto& [key, c] : combinations) {
    int kind = static_cast<int>(key / 100000000);
    bool ok = true;
    if (kind == 11 || kind == 12) ok = c.man + c.woman + c.both == 1;
    if (kind == 21) ok = c.man + c.both == 1 && c.woman + c.both <= 1;
    if (kind == 22) ok = c.man == 1 && c.woman <= 1 && c.both == 0;
    if (!ok && faults++ < 5)
      ADD_FAILURE() << "combination " << key << ": " << c.man << "/" << c.woman << "/" << c.both;
  }
  EXPECT_EQ(faults, 0);
  EXPECT_EQ(combinations.size(), 30u * 24 + 30 * 24 * 24 + 30 * 30 * 24 + 30 * 30 * 24 * 24);
}

TEST(ContentZh, BestSchemesComeFirst) {
  // The scheme list of a one-character surname of 7 strokes with two given characters.
  db::ResultSet rows = db::runQuery(db::DbFile::Voduzid,
                                    "SELECT bh11,bh12,bh21,bh22,zf,jxjx FROM zh WHERE lx = 12 AND bh11 = 7 "
                                    "ORDER BY jxjx ASC, zf ASC LIMIT 20");
  ASSERT_EQ(rows.size(), 20u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    Grids g = GridsOfStrokes(StrokesOfKind(12, 7, 0, static_cast<int>(rows.integer(i, "bh21")),
                                           static_cast<int>(rows.integer(i, "bh22"))));
    for (Grid k : {kRen, kDi, kZong}) EXPECT_EQ(ClassOfNumber(g[k]), NumberClass::Lucky) << i;
    if (i > 0) {
      EXPECT_LE(rows.integer(i, "zf"), rows.integer(i - 1, "zf")) << i;
    }
  }
  EXPECT_GE(rows.integer(0, "zf"), 95);
}

TEST(ContentXing, CommonSurnamesWithOrigins) {
  db::ResultSet rows = db::runQuery(db::DbFile::KelBirth, "SELECT xingl, intro FROM xing");
  EXPECT_GE(rows.size(), 300u);
  std::set<std::string> names;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_TRUE(names.insert(rows.text(i, "xingl")).second) << "twice: " << rows.text(i, "xingl");
    EXPECT_GE(rows.text(i, "intro").size(), 60u) << rows.text(i, "xingl");
  }
  for (const char* name : {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "欧阳", "司马", "诸葛",
                           "上官", "东方", "慕容"})
    EXPECT_TRUE(names.count(name)) << name;
}

TEST(ContentWord, WellKnownNumerologyCounts) {
  ClearStrokeCache();
  const std::pair<const char*, int> cases[] = {{"王", 4},  {"李", 7},  {"张", 11}, {"刘", 15}, {"陈", 16},
                                               {"江", 7},  {"郭", 15}, {"四", 4},  {"五", 5},  {"九", 9},
                                               {"十", 10}, {"劉", 15}, {"欧", 15}, {"阳", 17}};
  for (auto [character, strokes] : cases) EXPECT_EQ(StrokeCount(character), strokes) << character;
}

}  // namespace
}  // namespace lumo::naming
