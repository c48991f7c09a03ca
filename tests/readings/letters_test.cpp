// Net names as letters and their personality, with a small pinyin table of our own and,
// where its data is present, the table held in the program.
#include "readings/letters.h"

#include <gtest/gtest.h>

#include <string>

#include "core/report.h"
#include "data/gbk.h"

namespace lumo::readings {
namespace {

// 王 (CDF5) reads wang, 明 (C3F7) ming, 啊 (B0A1) a; 丂 (8140) has no reading.
const PinyinTable& smallTable() {
  static const PinyinTable table =
      PinyinTable::parse("a\nming\nwang\nzuo\n", "code\tsyllable\nCDF5\t3\nc3f7\t2\nB0A1\t1\nB0A2\t9\nzz\n");
  return table;
}

std::string lettersOf(const std::string& utf8) {
  return ToLetters(gbk::fromUtf8(utf8), smallTable());
}

struct LetterCase {
  const char* name;
  const char* letters;
};

TEST(ToLetters, EachKindOfCharacter) {
  const LetterCase cases[] = {
      {"ABC", "ABC"}, {"abc0", "ABC0"}, {"Tom7", "TOM7"}, {"王明", "WM"}, {"a王-明!", "AWM"},
      {"!!!", ""},    {"丂", "?"},      {"王丂", "W?"},   {"ⅰⅹ", "110"},  {"⒈⒛", "120"},
      {"⑴⒇", "120"},  {"①⑩", "110"},    {"㈠㈩", "110"},  {"ⅠⅫ", "112"},  {"Ω", "O"},
      {"Θ", "TH"},    {"αβψ", "ABPS"},  {"ΦΧ", "PHKH"},   {"︵", ""},     {"Ａｂ９", "Ab9"},
      {"＋，", ""},   {"　", "?"},      {"€", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(lettersOf(c.name), c.letters);
  }
}

TEST(ToLetters, ByteRulesOfGbk) {
  const PinyinTable& t = smallTable();
  // Row 0xA2 below trail 0xA1, and its gaps.
  EXPECT_EQ(ToLetters("\xA2\x40", t), "?");
  EXPECT_EQ(ToLetters("\xA2\xAB\xA2\xE3\xA2\xFD", t), "");
  // A lead byte followed by a byte below 0x40 is a single-byte sign: dropped, and the
  // next byte is read on its own.
  EXPECT_EQ(ToLetters("\xCD"
                      "7",
                      t),
            "7");
  // A lead byte at the very end is not read past.
  EXPECT_EQ(ToLetters("A\xCD", t), "A");
  // Codes outside the table or a number beyond the syllable list read "?".
  EXPECT_EQ(ToLetters("\xB0\xA2", t), "?");
  EXPECT_EQ(ToLetters("\xFF\xA1", t), "?");
  EXPECT_EQ(ToLetters("\xCD\x7F", t), "?");
}

TEST(ToLetters, CutTo255Characters) {
  std::string many(300, 'k');
  EXPECT_EQ(ToLetters(many, smallTable()), std::string(255, 'K'));
  std::string greek;
  for (int i = 0; i < 200; ++i) greek += "\xA6\xA8";  // Θ: two letters each
  std::string out = ToLetters(greek, smallTable());
  EXPECT_EQ(out.size(), 255u);
  EXPECT_EQ(out.back(), 'T');
}

TEST(NetNamePersonality, LastLetterSelectsTheText) {
  const LetterCase cases[] = {
      {"ABC", "可爱，较明显的自恋"},
      {"Tom7", "大丈夫主义者"},
      {"abc0", "煽情高手"},
      {"①", "好奇心强，专一"},
      {"⑩", "煽情高手"},
      {"Ω", "勤劳肯干，活跃"},
      {"Θ", "自立，自强，可依靠"},
      {"王明", "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱"},
      {"明王", "比较糊涂，容易感情用事"},
      {"王丂", ""},
      {"!!!", ""},
      {"", ""},
      {"  z  ", "老实，想问题容易兜圈子"},
      {"x9", "有点懒惰"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(NetNamePersonality(c.name, smallTable()), c.letters);
  }
}

TEST(NetNamePersonality, EveryLetterHasItsText) {
  EXPECT_EQ(LetterPersonality('a'), "好奇心强，专一");
  EXPECT_EQ(LetterPersonality('y'), "乐天派呀！非同一般的乐天");
  for (char c = 'a'; c <= 'z'; ++c) EXPECT_FALSE(LetterPersonality(c).empty()) << c;
  EXPECT_TRUE(LetterPersonality('A').empty());
  EXPECT_TRUE(LetterPersonality('?').empty());
}

TEST(NetNameReading, LinesAndEmptyField) {
  auto lines = ReadNetName(" tom7 ", smallTable());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].joined(), "你的网名：TOM7");
  EXPECT_EQ(lines[1].joined(), "你的性格：大丈夫主义者");
  EXPECT_EQ(ReadNetName("!!!", smallTable())[1].joined(), "你的性格：");
  EXPECT_THROW(ReadNetName("   ", smallTable()), Notice);
}

TEST(PinyinTable, ParsesAndGuardsItsRanges) {
  const PinyinTable& t = smallTable();
  EXPECT_EQ(t.syllableCount(), 4u);
  EXPECT_EQ(t.readingCount(), 3u);  // B0A2 names syllable 9 of 4: ignored
  EXPECT_EQ(t.syllable(t.syllableNumber(0xCD, 0xF5)), "wang");
  EXPECT_EQ(t.syllable(0), "");
  EXPECT_EQ(t.syllable(5), "");
  EXPECT_EQ(t.syllableNumber(0x80, 0x40), 0);
  EXPECT_EQ(t.syllableNumber(0x81, 0x3F), 0);
  EXPECT_EQ(t.syllableNumber(0xFE, 0xFF), 0);
}

// The table held in the program, once the dictionary's pinyin data is in the tree.
TEST(BuiltinPinyin, ReadsCommonCharacters) {
  const PinyinTable& t = builtinPinyinTable();
  if (t.readingCount() == 0) GTEST_SKIP() << "no pinyin data in this build";
  EXPECT_EQ(t.syllableCount(), 393u);
  EXPECT_EQ(t.syllable(1), "a");
  EXPECT_EQ(t.syllable(393), "zuo");
  EXPECT_EQ(ToLetters(gbk::fromUtf8("王明")), "WM");
  EXPECT_EQ(ToLetters(gbk::fromUtf8("张三丰")), "ZSF");
  EXPECT_EQ(NetNamePersonality("王明"), LetterPersonality('m'));
  EXPECT_EQ(ToLetters("\xA1\xA1"), "?");  // the ideographic space has no reading
}

}  // namespace
}  // namespace lumo::readings
