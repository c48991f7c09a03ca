// Grids, number classes, points and verdict: pure functions of stroke counts.
#include "naming/grid_math.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace lumo::naming {

const char* const kLuckyList =
    ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,68,81,";
const char* const kMixedList = ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
const char* const kUnluckyList =
    ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,76,77,78,79,80,";

NameStrokes StrokesOfKind(int kind, int bh11, int bh12, int bh21, int bh22) {
  NameStrokes s;
  s.surname.twoCharacters = kind / 10 == 2;
  s.given.twoCharacters = kind % 10 == 2;
  s.surname.first = bh11;
  s.given.first = bh21;
  if (s.surname.twoCharacters) s.surname.second = s.surname.secondWide = bh12;
  if (s.given.twoCharacters) s.given.second = s.given.secondWide = bh22;
  s.bothTwoBytes = kind == 11;
  return s;
}

Grids GridsOfStrokes(const NameStrokes& n) {
  const PartStrokes& s = n.surname;
  const PartStrokes& g = n.given;
  Grids grids{};
  grids[kTian] = s.twoCharacters ? s.first + s.second : s.first + 1;
  grids[kDi] = g.twoCharacters ? g.first + g.second : g.first + 1;
  // 人格 joins the surname's last character to the given name's first; no 1 is added.
  grids[kRen] = (s.twoCharacters ? s.second : s.first) + g.first;
  grids[kZong] = (s.twoCharacters ? s.first + s.secondWide : s.first) +
                 (g.twoCharacters ? g.first + g.secondWide : g.first);
  grids[kWai] = n.bothTwoBytes ? 2 : grids[kZong] - grids[kRen] + 1;
  return grids;
}

std::string GridElement(int number) {
  static const char* const kByDigit[10] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
  return kByDigit[std::abs(number) % 10];
}

std::string SancaiOf(int tian, int ren, int di) {
  return GridElement(tian) + GridElement(ren) + GridElement(di);
}

NumberClass ClassOfNumber(int number) {
  std::string key = "," + std::to_string(number) + ",";
  if (std::strstr(kLuckyList, key.c_str())) return NumberClass::Lucky;
  if (std::strstr(kMixedList, key.c_str())) return NumberClass::Mixed;
  if (std::strstr(kUnluckyList, key.c_str())) return NumberClass::Unlucky;
  return NumberClass::None;
}

double GridWeight(int number, int gridIndex) {
  // Lucky points per grid; the mixed class earns 85 and the unlucky 70 per cent of them.
  static const double kLucky[5] = {10, 10, 30, 20, 10};
  static const double kMixed[5] = {8.5, 8.5, 25.5, 17, 8.5};
  static const double kUnlucky[5] = {7, 7, 21, 14, 7};
  if (gridIndex < 0 || gridIndex > 4) return 0;
  switch (ClassOfNumber(number)) {
    case NumberClass::Lucky:
      return kLucky[gridIndex];
    case NumberClass::Mixed:
      return kMixed[gridIndex];
    case NumberClass::Unlucky:
      return kUnlucky[gridIndex];
    case NumberClass::None:
      break;
  }
  return 0;
}

double SancaiPointsOfGrade(long long djc) {
  static const double kPoints[7] = {20, 18, 16, 15, 14, 13, 12};
  return djc >= 1 && djc <= 7 ? kPoints[djc - 1] : kNoSancaiPoints;
}

double ScoreOfGrids(const Grids& grids, double sancaiPoints) {
  double sum = 0;
  for (int i = 0; i < 5; ++i) sum += GridWeight(grids[i], i);
  return sum + sancaiPoints;
}

int RoundedScore(double score) {
  return static_cast<int>(std::floor(score + 0.5));
}

std::string ScoreText(double score) {
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, score);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string Verdict(double score) {
  if (score >= 90)
    return "【总评及建议】:"
           "你的名字起得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要失去上进心。";
  if (score >= 80)
    return "【总评及建议】:你的名字起得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
  if (score >= 70)
    return "【总评及建议】:"
           "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，改个名字也未尝不"
           "可。";
  if (score >= 60)
    return "【总评及建议】:你的名字可能不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
  return "【总评及建议】:你的名字可能不是很好。强烈建议你换个名字试试，也许人生会因此而改变的。";
}

}  // namespace lumo::naming
