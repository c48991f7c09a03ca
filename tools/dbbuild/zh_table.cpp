// Table `zh`: the score of every stroke combination, computed by the scoring code.
//
// Kinds: 11 (one surname character, one given), 12 (one and two), 21 (two and one),
// 22 (two and two); surname characters count 1..30 strokes, given characters 1..24.
// zf is the computed name score (five grid weights plus the 三才 points of sancai.djc in
// the built KelFile.dll) rounded half up, so a name found here scores what the report
// would have computed, rounded.
//
// xb, which sex the combination suits. By tradition the strong "leader" numbers 21, 23,
// 29, 33 and 39 are avoided in a woman's 人格 and 总格 (they are said to make her life
// hard and lonely); no number is avoided for a man. The naming window's statements read
// xb differently per kind, so the rows are laid out to make each combination appear
// exactly once in every search it belongs to:
//   11, 12  no sex condition is applied: one row, '0' when fit for both, else '男';
//   21      the search admits xb = the sex or '0': one row, '0' or '男' as above;
//   22      the default search matches '男' or '女' exactly and the fixed-character search
//           the sex or '0': a row '男' always, and a second row '女' when fit for a girl
//           (never '0', which would double the combination in the fixed search).
//
// jxjx, the grade class, smaller first. The hundreds digit and above give the class of
// the three grids that shape a life: 1 when 人格, 地格 and 总格 are all lucky numbers, 2
// when none of them is unlucky, 3 otherwise. The last part is 100 - zf, so within a class
// a higher score sorts first and `order by jxjx asc, zf asc` lists the best schemes first:
//   jxjx = class * 1000 + (100 - zf).
#include "tools/dbbuild/zh_table.h"

#include <sqlite3.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "naming/grid_math.h"

namespace lumo::dbbuild {
namespace {

using naming::Grids;

constexpr int kMaxSurnameStrokes = 30;
constexpr int kMaxGivenStrokes = 24;

using SancaiGrades = std::map<std::string, long long>;

SancaiGrades readSancaiGrades(const char* kelFilePath) {
  sqlite3* raw = nullptr;
  if (sqlite3_open_v2(kelFilePath, &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    sqlite3_close(raw);
    throw std::runtime_error(std::string("cannot open ") + kelFilePath);
  }
  std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(raw, sqlite3_close);
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(raw, "SELECT title, djc FROM sancai", -1, &stmt, nullptr) != SQLITE_OK)
    throw std::runtime_error(std::string("sancai: ") + sqlite3_errmsg(raw));
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(stmt, sqlite3_finalize);
  SancaiGrades grades;
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    auto* title = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    if (title && !grades.count(title)) grades[title] = sqlite3_column_int64(stmt, 1);
  }
  return grades;
}

bool fitForGirl(const Grids& g) {
  for (int n : {g[naming::kRen], g[naming::kZong]})
    if (n == 21 || n == 23 || n == 29 || n == 33 || n == 39) return false;
  return true;
}

int gradeClass(const Grids& g) {
  using naming::NumberClass;
  NumberClass classes[3] = {naming::ClassOfNumber(g[naming::kRen]), naming::ClassOfNumber(g[naming::kDi]),
                            naming::ClassOfNumber(g[naming::kZong])};
  bool allLucky = true, noneUnlucky = true;
  for (NumberClass c : classes) {
    allLucky = allLucky && c == NumberClass::Lucky;
    noneUnlucky = noneUnlucky && (c == NumberClass::Lucky || c == NumberClass::Mixed);
  }
  return allLucky ? 1 : noneUnlucky ? 2 : 3;
}

class ZhWriter {
 public:
  ZhWriter(sqlite3* db, SancaiGrades grades) : m_db(db), m_grades(std::move(grades)) {
    const char* sql = "INSERT INTO zh (lx, bh11, bh12, bh21, bh22, zf, xb, jxjx) VALUES (?,?,?,?,?,?,?,?)";
    if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
      throw std::runtime_error(std::string("zh: ") + sqlite3_errmsg(db));
  }
  ~ZhWriter() { sqlite3_finalize(m_stmt); }
  ZhWriter(const ZhWriter&) = delete;
  ZhWriter& operator=(const ZhWriter&) = delete;

  // All rows of one combination.
  void add(int kind, int bh11, int bh12, int bh21, int bh22) {
    Grids grids = naming::GridsOfStrokes(naming::StrokesOfKind(kind, bh11, bh12, bh21, bh22));
    auto it = m_grades.find(naming::SancaiOf(grids));
    double points = it == m_grades.end() ? naming::kNoSancaiPoints : naming::SancaiPointsOfGrade(it->second);
    int zf = naming::RoundedScore(naming::ScoreOfGrids(grids, points));
    int jxjx = gradeClass(grids) * 1000 + (100 - zf);
    int keys[5] = {kind, bh11, bh12, bh21, bh22};
    bool girl = fitForGirl(grids);
    if (kind == 22) {
      insert(keys, zf, "男", jxjx);
      if (girl) insert(keys, zf, "女", jxjx);
    } else {
      insert(keys, zf, girl ? "0" : "男", jxjx);
    }
  }

 private:
  void insert(const int (&keys)[5], int zf, const char* xb, int jxjx) {
    sqlite3_reset(m_stmt);
    for (int i = 0; i < 5; ++i) sqlite3_bind_int(m_stmt, i + 1, keys[i]);
    sqlite3_bind_int(m_stmt, 6, zf);
    sqlite3_bind_text(m_stmt, 7, xb, -1, SQLITE_STATIC);
    sqlite3_bind_int(m_stmt, 8, jxjx);
    if (sqlite3_step(m_stmt) != SQLITE_DONE)
      throw std::runtime_error(std::string("zh: ") + sqlite3_errmsg(m_db));
  }

  sqlite3* m_db;
  SancaiGrades m_grades;
  sqlite3_stmt* m_stmt = nullptr;
};

}  // namespace

void buildZhTable(sqlite3* voduzid, const char* kelFilePath) {
  ZhWriter zh(voduzid, readSancaiGrades(kelFilePath));
  for (int s1 = 1; s1 <= kMaxSurnameStrokes; ++s1) {
    for (int g1 = 1; g1 <= kMaxGivenStrokes; ++g1) {
      zh.add(11, s1, 0, g1, 0);
      for (int g2 = 1; g2 <= kMaxGivenStrokes; ++g2) zh.add(12, s1, 0, g1, g2);
      for (int s2 = 1; s2 <= kMaxSurnameStrokes; ++s2) {
        zh.add(21, s1, s2, g1, 0);
        for (int g2 = 1; g2 <= kMaxGivenStrokes; ++g2) zh.add(22, s1, s2, g1, g2);
      }
    }
  }
}

}  // namespace lumo::dbbuild
