// The built character dictionary as a whole: every GB2312 character has a row with a
// stroke count, one traditional form and one element; the name set is consistent with
// what the naming statements admit; numerology counts of each full-form radical.
#include <gtest/gtest.h>

#include <set>

#include "core/utf8.h"
#include "data/gbk.h"
#include "data/read_failure.h"
#include "naming/strokes.h"

namespace lumo {
namespace {

using db::DbFile;
using db::Failure;

std::vector<std::string> gb2312Hanzi() {
  std::vector<std::string> out;
  for (int lead = 0xB0; lead <= 0xF7; ++lead)
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (lead == 0xD7 && trail > 0xF9) continue;  // the unassigned end of row 55
      char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      out.push_back(gbk::toUtf8(std::string_view(bytes, 2)));
    }
  return out;
}

std::size_t utf8Characters(const std::string& text) {
  std::size_t n = 0;
  for (unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

TEST(WordTable, EveryGb2312CharacterHasAValidRow) {
  auto rows = db::readRows(Failure::Reported, DbFile::Voduzid, "select zi, ft, bh, wuhang from word");
  std::map<std::string, std::size_t> byZi;
  for (std::size_t i = 0; i < rows.size(); ++i) byZi[rows.text(i, "zi")] = i;
  auto hanzi = gb2312Hanzi();
  ASSERT_EQ(hanzi.size(), 6763u);
  const std::set<std::string> elements = {"金", "木", "水", "火", "土"};
  int missing = 0;
  for (const auto& zi : hanzi) {
    auto it = byZi.find(zi);
    if (it == byZi.end()) {
      if (++missing < 5) ADD_FAILURE() << "no row: " << zi;
      continue;
    }
    EXPECT_GT(rows.integer(it->second, "bh"), 0) << zi;
    EXPECT_EQ(utf8Characters(rows.text(it->second, "ft")), 1u) << zi;
    EXPECT_TRUE(elements.count(rows.text(it->second, "wuhang"))) << zi;
  }
  EXPECT_EQ(missing, 0);
}

TEST(WordTable, NameSetFlagsAgreeWithTheSexClasses) {
  auto rows = db::readRows(Failure::Reported, DbFile::Voduzid,
                           "select zi, nan, nv, xb from word where Aflag is null");
  ASSERT_GE(rows.size(), 1200u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string xb = rows.text(i, "xb");
    int nan = static_cast<int>(rows.integer(i, "nan")), nv = static_cast<int>(rows.integer(i, "nv"));
    ASSERT_TRUE(xb == "男" || xb == "女" || xb == "0" || xb == "1") << rows.text(i, "zi");
    // Every name character suits at least one sex, and a class never contradicts its flags.
    EXPECT_TRUE(nan == 1 || nv == 1) << rows.text(i, "zi");
    if (xb == "男") EXPECT_EQ(nan, 1) << rows.text(i, "zi");
    if (xb == "女") EXPECT_EQ(nv, 1) << rows.text(i, "zi");
    if (xb == "1") EXPECT_TRUE(nan == 1 && nv == 1) << rows.text(i, "zi");
  }
  auto bad =
      db::readRows(Failure::Reported, DbFile::Voduzid,
                   "select zi from word where Aflag is null and zi in ('死','病','尸','鬼','毒','贼','屎')");
  EXPECT_TRUE(bad.empty());
}

TEST(WordTable, FullFormRadicalsAndNumerals) {
  naming::ClearStrokeCache();
  const std::pair<const char*, int> cases[] = {
      {"江", 7},  {"打", 6},  {"情", 12}, {"狗", 9},  {"玲", 10}, {"祥", 11}, {"被", 11}, {"肝", 9},
      {"朋", 8},  {"芳", 10}, {"罗", 20}, {"红", 9},  {"语", 14}, {"远", 17}, {"陈", 16}, {"郑", 19},
      {"钱", 16}, {"王", 4},  {"一", 1},  {"二", 2},  {"三", 3},  {"四", 4},  {"六", 6},  {"七", 7},
      {"八", 8},  {"十", 10}, {"张", 11}, {"刘", 15}, {"黄", 12}, {"叶", 15}};
  for (auto [character, strokes] : cases) EXPECT_EQ(naming::StrokeCount(character), strokes) << character;
}

// Counts where the Kangxi residual of Unihan is short of the glyph, decided by review.
TEST(WordTable, GlyphStrokeDecisions) {
  naming::ClearStrokeCache();
  const std::pair<const char*, int> cases[] = {{"兴", 16}, {"露", 21}, {"璐", 18},
                                               {"政", 9},  {"整", 16}, {"斌", 12}};
  for (auto [character, strokes] : cases) EXPECT_EQ(naming::StrokeCount(character), strokes) << character;
}

TEST(WordTable, NameAndSurnameReadings) {
  const std::pair<const char*, const char*> names[] = {
      {"晟", "shèng"}, {"朝", "zhāo"}, {"乐", "lè"}, {"长", "cháng"}};
  for (auto [zi, duyin] : names) {
    auto rows = db::readRows(Failure::Reported, DbFile::Voduzid,
                             "select duyin, pinyin from word where zi = ?", {std::string(zi)});
    ASSERT_EQ(rows.size(), 1u) << zi;
    EXPECT_EQ(rows.text(0, "duyin"), duyin) << zi;
  }
  const std::pair<const char*, const char*> surnames[] = {
      {"曾", "zēng"}, {"单", "shàn"}, {"解", "xiè"}, {"查", "zhā"},      {"仇", "qiú"},
      {"区", "ōu"},   {"朴", "piáo"}, {"盖", "gě"},  {"翟", "zhái"},     {"缪", "miào"},
      {"阚", "kàn"},  {"召", "shào"}, {"覃", "qín"}, {"尉迟", "yù chí"}, {"万俟", "mò qí"}};
  for (auto [xing, duyin] : surnames) {
    auto rows = db::readRows(Failure::Reported, DbFile::Voduzid, "select duyin from xingdu where xing = ?",
                             {std::string(xing)});
    ASSERT_EQ(rows.size(), 1u) << xing;
    EXPECT_EQ(rows.text(0, "duyin"), duyin) << xing;
  }
  // The element of 区 follows its surname reading ōu (喉音 土), not qū (齿音 金).
  auto qu = db::readRows(Failure::Reported, DbFile::Voduzid, "select wuhang from xingdu where xing = '区'");
  EXPECT_EQ(qu.text(0, "wuhang"), "土");
}

// Every common surname a name may hold is kept by the review as a name character, and
// the doubled characters are name characters.
TEST(WordTable, GuardTablesAgreeWithTheNameSet) {
  auto common =
      db::readRows(Failure::Reported, DbFile::Voduzid, "select count(*) from xingdu where changjian = 1");
  EXPECT_GE(common.integer(0, std::size_t{0}), 100);
  auto doubled =
      db::readRows(Failure::Reported, DbFile::Voduzid,
                   "select d.zi from diezi d left join word w on w.zi = d.zi where w.Aflag is not null");
  EXPECT_TRUE(doubled.empty());
  auto words = db::readRows(Failure::Reported, DbFile::Voduzid, "select count(*) from xieyin");
  EXPECT_GE(words.integer(0, std::size_t{0}), 300);
}

TEST(WordTable, TraditionalFormsOfNames) {
  const std::pair<const char*, const char*> cases[] = {
      {"刘", "劉"}, {"叶", "葉"}, {"黄", "黃"}, {"孙", "孫"}, {"万", "萬"}, {"胡", "胡"},
      {"于", "于"}, {"余", "余"}, {"范", "范"}, {"朱", "朱"}, {"沈", "沈"}, {"姜", "姜"},
      {"向", "向"}, {"志", "志"}, {"干", "干"}, {"后", "后"}, {"发", "發"}};
  for (auto [zi, ft] : cases) {
    auto rows = db::readRows(Failure::Reported, DbFile::Voduzid, "select ft from word where zi = ?",
                             {std::string(zi)});
    ASSERT_EQ(rows.size(), 1u) << zi;
    EXPECT_EQ(rows.text(0, "ft"), ft) << zi;
  }
}

}  // namespace
}  // namespace lumo
