// The stroke arithmetic: grid table of the four shapes, elements, classes, points, verdict.
#include "naming/grid_math.h"

#include <gtest/gtest.h>

namespace lumo::naming {
namespace {

PartStrokes single(int count) {
  return {false, count, 0, 0};
}
PartStrokes pair(int first, int second) {
  return {true, first, second, second};
}

struct ShapeCase {
  const char* name;
  NameStrokes strokes;
  Grids expected;  // 天 地 人 总 外
};

TEST(GridTable, FourShapesAndTheOuterGridRule) {
  const ShapeCase cases[] = {
      {"single+single, 2 bytes each", {single(4), single(1), true}, {5, 2, 5, 5, 2}},
      {"single+double", {single(7), pair(3, 8), false}, {8, 11, 10, 18, 9}},
      {"double+single", {pair(8, 12), single(5), false}, {20, 6, 17, 25, 9}},
      {"double+double", {pair(8, 12), pair(3, 9), false}, {20, 12, 15, 32, 18}},
      // A single part of one byte is still single, but 外格 is fixed only for 2+2 bytes.
      {"single+single, not 2 bytes", {single(0), single(6), false}, {1, 7, 6, 6, 1}},
      {"unknown characters", {single(0), single(0), true}, {1, 1, 0, 0, 2}},
  };
  for (const auto& c : cases) EXPECT_EQ(GridsOfStrokes(c.strokes), c.expected) << c.name;
}

TEST(GridTable, OuterGridEqualsItsShortForms) {
  for (int s1 = 1; s1 <= 30; s1 += 7)
    for (int g2 = 1; g2 <= 24; g2 += 5) {
      EXPECT_EQ(GridsOfStrokes({single(s1), pair(9, g2), false})[kWai], g2 + 1);
      EXPECT_EQ(GridsOfStrokes({pair(s1, 6), single(g2), false})[kWai], s1 + 1);
      EXPECT_EQ(GridsOfStrokes({pair(s1, 6), pair(9, g2), false})[kWai], s1 + g2 + 1);
    }
}

TEST(GridTable, TotalGridUsesTheWideKeyOfALongPart) {
  // A surname longer than 4 bytes: 天格 and 人格 use its first two characters, 总格 the
  // count of bytes 3..6 (here 0, as such a key normally finds nothing).
  NameStrokes n{{true, 8, 12, 0}, single(5), false};
  EXPECT_EQ(GridsOfStrokes(n), (Grids{20, 6, 17, 13, -3}));
}

TEST(GridTable, KindsOfTheScoreTable) {
  EXPECT_EQ(GridsOfStrokes(StrokesOfKind(11, 4, 99, 1, 99)), (Grids{5, 2, 5, 5, 2}));
  EXPECT_EQ(GridsOfStrokes(StrokesOfKind(12, 7, 99, 3, 8)), (Grids{8, 11, 10, 18, 9}));
  EXPECT_EQ(GridsOfStrokes(StrokesOfKind(21, 8, 12, 5, 99)), (Grids{20, 6, 17, 25, 9}));
  EXPECT_EQ(GridsOfStrokes(StrokesOfKind(22, 8, 12, 3, 9)), (Grids{20, 12, 15, 32, 18}));
}

TEST(GridElement, ByLastDigit) {
  const std::pair<int, const char*> cases[] = {{1, "木"},  {2, "木"}, {3, "火"},  {4, "火"},  {5, "土"},
                                               {6, "土"},  {7, "金"}, {8, "金"},  {9, "水"},  {10, "水"},
                                               {20, "水"}, {0, "水"}, {81, "木"}, {82, "木"}, {-3, "火"}};
  for (auto [n, element] : cases) EXPECT_EQ(GridElement(n), element) << n;
  EXPECT_EQ(SancaiOf(5, 5, 2), "土土木");
  EXPECT_EQ(SancaiOf(Grids{11, 33, 24, 0, 0}), "木火火");  // 天, 人, 地 in that order
}

TEST(NumberClasses, PartitionOneToEightyOne) {
  int lucky = 0, mixed = 0, unlucky = 0;
  for (int n = 1; n <= 81; ++n) {
    switch (ClassOfNumber(n)) {
      case NumberClass::Lucky:
        ++lucky;
        break;
      case NumberClass::Mixed:
        ++mixed;
        break;
      case NumberClass::Unlucky:
        ++unlucky;
        break;
      case NumberClass::None:
        ADD_FAILURE() << n << " is in no list";
    }
  }
  EXPECT_EQ(lucky, 32);
  EXPECT_EQ(mixed, 14);
  EXPECT_EQ(unlucky, 35);
  // The comma framing keeps 1 from matching 11 or 81.
  for (int n : {0, 82, 100, 111, -1}) EXPECT_EQ(ClassOfNumber(n), NumberClass::None) << n;
}

TEST(GridWeight, PointsPerGridAndClass) {
  struct Case {
    int number, grid;
    double points;
  };
  const Case cases[] = {
      {1, kTian, 10},  {6, kTian, 8.5}, {2, kTian, 7},    {1, kDi, 10},    {17, kDi, 8.5},
      {4, kDi, 7},     {3, kRen, 30},   {26, kRen, 25.5}, {9, kRen, 21},   {81, kZong, 20},
      {75, kZong, 17}, {80, kZong, 14}, {5, kWai, 10},    {29, kWai, 8.5}, {10, kWai, 7},
      {0, kRen, 0},    {82, kRen, 0},   {100, kZong, 0},  {1, 5, 0},       {1, -1, 0},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(GridWeight(c.number, c.grid), c.points) << c.number << "/" << c.grid;
}

TEST(SancaiPoints, GradeMapping) {
  const double expected[] = {20, 18, 16, 15, 14, 13, 12};
  for (int djc = 1; djc <= 7; ++djc) EXPECT_DOUBLE_EQ(SancaiPointsOfGrade(djc), expected[djc - 1]);
  for (long long djc : {0LL, 8LL, -1LL, 100LL}) EXPECT_DOUBLE_EQ(SancaiPointsOfGrade(djc), -1);
}

TEST(Score, BoundsWhenEveryGridIsANumber) {
  const int perClass[3] = {1, 6, 2};  // lucky, mixed, unlucky representatives
  double low = 1000, high = -1000;
  for (int code = 0; code < 243; ++code) {
    Grids g{};
    for (int i = 0, c = code; i < 5; ++i, c /= 3) g[i] = perClass[c % 3];
    for (double sancai : {-1.0, 12.0, 20.0}) {
      double score = ScoreOfGrids(g, sancai);
      low = std::min(low, score);
      high = std::max(high, score);
    }
  }
  EXPECT_DOUBLE_EQ(low, 55);
  EXPECT_DOUBLE_EQ(high, 100);
  EXPECT_DOUBLE_EQ(ScoreOfGrids({2, 4, 9, 10, 12}, kNoSancaiPoints), 55);
  EXPECT_DOUBLE_EQ(ScoreOfGrids({0, 0, 0, 0, 0}, kNoSancaiPoints), -1);
}

TEST(Score, RoundingAndText) {
  EXPECT_EQ(RoundedScore(85.5), 86);
  EXPECT_EQ(RoundedScore(84.5), 85);  // half up, not to even
  EXPECT_EQ(RoundedScore(85), 85);
  EXPECT_EQ(RoundedScore(-0.5), 0);
  EXPECT_EQ(ScoreText(85.5), "85.5");
  EXPECT_EQ(ScoreText(100), "100");
  EXPECT_EQ(ScoreText(77), "77");
  EXPECT_EQ(ScoreText(-1), "-1");
}

TEST(Verdict, Bands) {
  const std::pair<double, const char*> cases[] = {
      {100, "非常棒"},  {90, "非常棒"},     {89.5, "起得不错"}, {80, "起得不错"},   {79.5, "不太理想"},
      {70, "不太理想"}, {69.5, "不太好，"}, {60, "不太好，"},   {59.5, "不是很好"}, {-1, "不是很好"},
  };
  for (auto [score, marker] : cases) {
    std::string line = Verdict(score);
    EXPECT_EQ(line.rfind("【总评及建议】:", 0), 0u);
    EXPECT_NE(line.find(marker), std::string::npos) << score << " -> " << line;
  }
}

}  // namespace
}  // namespace lumo::naming
