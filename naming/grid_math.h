#pragma once
// The arithmetic of name numerology, from stroke counts to grids, points and verdict.
//
// Nothing here reads a database: the stroke counts and the 三才 grade come in as numbers,
// so the report code and the database builder (which precomputes table `zh`) share one
// set of rules. Grid numbers are never reduced; a number outside 1..81 belongs to no
// number class and earns no points.

#include <array>
#include <string>

namespace lumo::naming {

// Grid indexes; the index is also the grid's weight class in the score.
enum Grid { kTian = 0, kDi = 1, kRen = 2, kZong = 3, kWai = 4 };
using Grids = std::array<int, 5>;

// The stroke counts a name part contributes, and its shape.
// A single part (below 3 GBK bytes) puts its whole count in `first`; `second` is 0.
// `secondWide` is the count of bytes 3..6 taken as one key, which 总格 uses; for parts of
// at most 4 bytes it equals `second`.
struct PartStrokes {
  bool twoCharacters = false;
  int first = 0;
  int second = 0;
  int secondWide = 0;
};

struct NameStrokes {
  PartStrokes surname;
  PartStrokes given;
  bool bothTwoBytes = false;  // both parts exactly 2 GBK bytes: 外格 is fixed at 2
};

// The stroke combination of table `zh` kind 11, 12, 21 or 22 (surname characters, given
// characters); counts of absent characters are ignored.
NameStrokes StrokesOfKind(int kind, int bh11, int bh12, int bh21, int bh22);

// The five grids by the table of the four shapes.
Grids GridsOfStrokes(const NameStrokes& strokes);

// 木 火 土 金 水 by the last decimal digit (1,2 木; 3,4 火; 5,6 土; 7,8 金; 9,0 水).
std::string GridElement(int number);
// Elements of 天格, 人格 and 地格 joined, e.g. 木火土.
std::string SancaiOf(int tian, int ren, int di);
inline std::string SancaiOf(const Grids& g) {
  return SancaiOf(g[kTian], g[kRen], g[kDi]);
}

enum class NumberClass { Lucky, Mixed, Unlucky, None };
// The comma-framed lists ",1,3,...,"; membership is a search for ",n,".
extern const char* const kLuckyList;
extern const char* const kMixedList;
extern const char* const kUnluckyList;
NumberClass ClassOfNumber(int number);

// Points of a grid number in the grid with that index; 0 outside 1..81.
double GridWeight(int number, int gridIndex);
// Points of a 三才 grade `djc` 1..7 (20, 18, 16, 15, 14, 13, 12); -1 for any other value.
double SancaiPointsOfGrade(long long djc);
constexpr double kNoSancaiPoints = -1;

// Five grid weights plus the 三才 points, added in index order.
double ScoreOfGrids(const Grids& grids, double sancaiPoints);
// The score rounded half up, as table `zh` stores it.
int RoundedScore(double score);
// Shortest decimal form: 85.5, 100, 77.
std::string ScoreText(double score);

// The verdict line of the first band that holds the score (90, 80, 70, 60, below).
std::string Verdict(double score);

}  // namespace lumo::naming
