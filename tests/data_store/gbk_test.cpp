#include "data/gbk.h"

#include <gtest/gtest.h>

namespace lumo::gbk {
namespace {

TEST(Gbk, ByteLengths) {
  EXPECT_EQ(byteLength("王"), 2u);
  EXPECT_EQ(byteLength("欧阳"), 4u);
  EXPECT_EQ(byteLength("a王"), 3u);
  EXPECT_EQ(byteLength(""), 0u);
}

TEST(Gbk, SlicesByBytes) {
  EXPECT_EQ(slice("欧阳", 0, 2), "欧");
  EXPECT_EQ(slice("欧阳", 2, 2), "阳");
  EXPECT_EQ(slice("欧阳", 4, 2), "");
  // A slice that cuts a character in half keeps a replacement in place of the stray byte.
  std::string straddle = slice("a王", 0, 2);
  EXPECT_EQ(straddle.substr(0, 1), "a");
  EXPECT_EQ(straddle.substr(1), "\xEF\xBF\xBD");
}

TEST(Gbk, RoundTripAndUnencodable) {
  EXPECT_EQ(toUtf8(fromUtf8("姓名分析")), "姓名分析");
  EXPECT_EQ(fromUtf8("😀"), "?");
}

TEST(Gbk, BrokenUtf8IsReplacedWithoutTakingWhatFollows) {
  EXPECT_EQ(fromUtf8(std::string("\xE7") + "ab"), "?ab");
  EXPECT_EQ(fromUtf8(std::string("\xE7\x8E") + "a"), "?a");
  EXPECT_EQ(toUtf8(fromUtf8(std::string("\x8E") + "王")), "?王");
  EXPECT_EQ(unencodable(std::string("\xE7") + "ab"), std::vector<std::string>{"\xEF\xBF\xBD"});
}

}  // namespace
}  // namespace lumo::gbk
