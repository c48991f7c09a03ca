// AcceptName: the high-score rule, the 16-byte padding and the lines of six.
#include "generator/name_lines.h"

#include <gtest/gtest.h>

namespace lumo::generator {
namespace {

struct Recorder final : RunOutput {
  std::vector<std::string> memo, list;
  void clearMemo() override { memo.clear(); }
  void clearList() override { list.clear(); }
  void addMemoLine(std::string line) override { memo.push_back(std::move(line)); }
  void addListItem(std::string name) override { list.push_back(std::move(name)); }
  void progress(std::size_t, std::size_t) override {}
};

TEST(HighScore, ThresholdAndHundred) {
  HighScoreRule rule{true, 77};
  struct Case {
    const char* name;
    bool high;
  } cases[] = {
      {"王明华(77分)", true}, {"王明华(76分)", false}, {"王明华(100分)", true},  {"王明(99分)", true},
      {"王明(9分)", false},   {"王明华", false},       {"王(1)明(80分)", false},  // the first "(" decides
      {"王明华(85分)", true},
  };
  for (const auto& c : cases) EXPECT_EQ(IsHighScore(c.name, rule), c.high) << c.name;
  EXPECT_TRUE(IsHighScore("王明(9分)", HighScoreRule{true, 9})) << "a one-digit score reads as that digit";
  EXPECT_FALSE(IsHighScore("王明华(100分)", HighScoreRule{false, 77}))
      << "box unticked: the list stays empty";
  EXPECT_FALSE(IsHighScore("王明华(99分)", HighScoreRule{true, std::nullopt}));
  EXPECT_TRUE(IsHighScore("王明华(100分)", HighScoreRule{true, std::nullopt}));
}

TEST(HighScore, ThresholdText) {
  EXPECT_EQ(ThresholdOf(" 77 "), 77);
  EXPECT_EQ(ThresholdOf(""), std::nullopt);
  EXPECT_EQ(ThresholdOf("7x"), std::nullopt);
}

TEST(Padding, SixteenBytesFromTenToFifteen) {
  struct Case {
    const char* name;
    std::size_t blanks;
  } cases[] = {
      {"王明(85分)", 6},        // 10 bytes
      {"王明华(85分)", 4},      // 12 bytes: one-character surname, two given, two-digit score
      {"王明华(100分)", 3},     // 13
      {"欧阳明华(85分)", 2},    // 14
      {"欧阳明华(100分)", 1},   // 15
      {"欧阳明华(100分)x", 0},  // 16
      {"王(85分)", 0},          // 8: below 10 stays
      {"ab(85分)c", 0},         // 9
      {"abcdefghij", 6},
  };
  for (const auto& c : cases) EXPECT_EQ(PadName(c.name), c.name + std::string(c.blanks, ' ')) << c.name;
  EXPECT_EQ(GbkLength("王明华(85分)"), 12u);
  EXPECT_EQ(GbkLength("·王"), 4u) << "characters outside the ideograph block are measured by conversion";
}

TEST(NameLinesTest, SixToALineAndTheRestWaits) {
  Recorder out;
  NameLines lines;
  HighScoreRule rule{true, 80};
  for (int i = 0; i < 13; ++i) AcceptName(" 王明华(8" + std::to_string(i % 10) + "分) ", rule, lines, out);
  ASSERT_EQ(out.memo.size(), 2u);
  EXPECT_EQ(out.memo[0].size(), 6 * std::string("王明华(80分)    ").size());
  EXPECT_EQ(out.memo[0].substr(0, std::string("王明华(80分)    ").size()), "王明华(80分)    ");
  EXPECT_EQ(lines.count(), 1);
  EXPECT_EQ(out.list.size(), 13u) << "names are trimmed and unpadded in the list";
  EXPECT_EQ(out.list[0], "王明华(80分)");
  EXPECT_EQ(lines.takeIncomplete(), "王明华(82分)    ");
  EXPECT_EQ(lines.takeIncomplete(), std::nullopt);
}

}  // namespace
}  // namespace lumo::generator
