#include "data/unscramble.h"

#include <gtest/gtest.h>

#include "data/gbk.h"

namespace lumo::db {
namespace {

std::string roundTrip(const std::string& utf8) {
  std::string stored = ScrambleStoredText(gbk::fromUtf8(utf8), kStoredTextKey, kStoredTextRounds);
  return gbk::toUtf8(UnscrambleStoredText(stored, kStoredTextKey, kStoredTextRounds));
}

TEST(Unscramble, RoundTrip) {
  for (const char* text : {"木火土：天人地三才相生，大吉。", "a", "ab", "三才", "  blanks  "})
    EXPECT_EQ(roundTrip(text), text);
}

TEST(Unscramble, StoredFormIsHexAndMixed) {
  std::string stored = ScrambleStoredText("AAAA", kStoredTextKey, kStoredTextRounds);
  EXPECT_EQ(stored.size(), 8u);
  EXPECT_NE(stored, "41414141");
}

TEST(Unscramble, EmptyAndBadPairs) {
  EXPECT_EQ(UnscrambleStoredText("", kStoredTextKey, kStoredTextRounds), "");
  int beeps = 0;
  SetBadPairSignal([&] { ++beeps; });
  std::string good = ScrambleStoredText("xyz", kStoredTextKey, 0);  // no rounds: the bytes as they are
  EXPECT_EQ(UnscrambleStoredText("ZZ" + good, kStoredTextKey, 0), "xyz");
  EXPECT_EQ(beeps, 1);
  EXPECT_EQ(UnscrambleStoredText("G1", kStoredTextKey, 0), "");
  EXPECT_EQ(beeps, 2);
  SetBadPairSignal(nullptr);
}

TEST(Unscramble, OddLengthRoundsHalfToEven) {
  // 5 digits: 2.5 pairs -> 2; 7 digits: 3.5 -> 4, the last pair a single digit.
  EXPECT_EQ(UnscrambleStoredText("41424", kStoredTextKey, 0), "AB");
  EXPECT_EQ(UnscrambleStoredText("4142434", kStoredTextKey, 0), std::string("ABC\x04", 4));
}

}  // namespace
}  // namespace lumo::db
