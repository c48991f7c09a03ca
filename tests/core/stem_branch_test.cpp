// The two numberings of the stem-branch vocabulary: a cyclic number (甲 = 1, 癸 = 0 or 10)
// and an index (甲 = 0), and the calendar's year names built from the same tables.
#include "core/stem_branch.h"

#include <gtest/gtest.h>

#include "calendar/date_cn.h"

namespace lumo {
namespace {

TEST(StemBranch, CyclicNumbersCountFromOneAndWrap) {
  EXPECT_EQ(stemOfNumber(1), "甲");
  EXPECT_EQ(stemOfNumber(9), "壬");
  EXPECT_EQ(stemOfNumber(0), "癸");
  EXPECT_EQ(stemOfNumber(10), "癸");
  EXPECT_EQ(stemOfNumber(-1), "壬");
  EXPECT_EQ(branchOfNumber(1), "子");
  EXPECT_EQ(branchOfNumber(11), "戌");
  EXPECT_EQ(branchOfNumber(0), "亥");
  EXPECT_EQ(branchOfNumber(12), "亥");
  EXPECT_EQ(branchOfNumber(-11), "子");
  EXPECT_EQ(pillarOfNumbers(1, 1), "甲子");
  EXPECT_EQ(pillarOfNumbers(0, 0), "癸亥");
}

TEST(StemBranch, NumberAndIndexNameTheSameCharacter) {
  for (int number = -25; number <= 25; ++number) {
    EXPECT_EQ(stemOfNumber(number), kStems[stemIndexOfNumber(number)]) << number;
    EXPECT_EQ(branchOfNumber(number), kBranches[branchIndexOfNumber(number)]) << number;
  }
  EXPECT_EQ(stemIndexOfNumber(1), 0);
  EXPECT_EQ(stemIndexOfNumber(0), 9);
  EXPECT_EQ(branchIndexOfNumber(0), 11);
  // Yang stems are the odd numbers, which are the even indexes.
  for (int number = 0; number < 10; ++number)
    EXPECT_EQ(isYangStemNumber(number), stemIndexOfNumber(number) % 2 == 0) << number;
}

TEST(StemBranch, HiddenStemsTakeTheIndex) {
  EXPECT_EQ(hiddenStemsOfIndex(0), "癸");     // 子
  EXPECT_EQ(hiddenStemsOfIndex(11), "壬甲");  // 亥
  EXPECT_EQ(hiddenStemsOfIndex(12), hiddenStemsOfIndex(0));
}

TEST(StemBranch, CalendarYearNamesUseTheIndexTables) {
  // LunarYearName counts its cycle from 1864, a 甲子 year.
  EXPECT_EQ(LunarYearName(1984 - 1864), "甲子(鼠年)");
  EXPECT_EQ(LunarYearName(2023 - 1864), "癸卯(兔年)");
  EXPECT_EQ(LunarYearName(2031 - 1864), "辛亥(猪年)");
}

}  // namespace
}  // namespace lumo
