#pragma once
// A small naming database in a temporary folder: the tables `word` and `zh` with the
// columns of the real one and a handful of rows whose results are worked out by hand
// in the tests. Installing it points the data folder there.

#include <filesystem>
#include <string>

namespace lumo::generator::test {

class FixtureDb {
 public:
  FixtureDb();   // creates the tables and the standard rows, and installs the folder
  ~FixtureDb();  // restores the data folder and removes the files
  FixtureDb(const FixtureDb&) = delete;
  FixtureDb& operator=(const FixtureDb&) = delete;

  // Runs SQL on the fixture file (to add rows for one test).
  void exec(const std::string& sql) const;
  std::string path() const { return (m_dir / "Voduzid.dll").string(); }
  // Copies a real database file (from the folder LUMO_DATA_DIR names, the build's) beside
  // the fixture, for the tests that also read the BaZi tables.
  void copyRealFile(const std::string& name) const;

 private:
  std::filesystem::path m_dir;
};

// The standard word rows (id zi ft bh px nan nv xb wuhang Aflag):
//   1 王 4 (Aflag 1, nan 0 nv 0: the first row, whose flags a fixed character takes)
//   2 欧 (歐) 15, 3 阳 (陽) 17, both Aflag 1; 4 黄 bh 0, 5 黃 whose ft 黄 counts 12
//   bh 8:  10 明 男 火 px1 nan1 | 11 林 1 木 px2 nan1 nv1 | 12 雨 女 水 px3 nv1
//          13 金 0 金 px4 nv1   | 14 坤 男 土 Aflag 1     | 15 岩 1 土 px6 (no flags)
//   bh 10: 20 浩 男 水 px1 nan1 | 21 桐 1 木 px2 nan1 nv1 | 22 娟 女 土 px3 nv1
//          23 钰 (鈺) 0 金 px4 nv1 | 24 润 (潤) 1 水 px5 nan1 nv1 | 25 森 1 木 px9 (no flags)
extern const char* const kWordRows;
// Tone-marked readings of those characters and the meanings of the name characters
// 明 林 雨 金 浩 桐 娟 钰 润 (a note for 明 only).
extern const char* const kMeaningRows;

}  // namespace lumo::generator::test
