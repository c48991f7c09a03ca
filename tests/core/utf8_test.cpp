// The one UTF-8 walker at its edges: a broken sequence is one character of its longest
// well-formed beginning, and never takes the bytes after it along.
#include "core/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

std::vector<std::string> pieces(std::string_view text) {
  std::vector<std::string> out;
  for (std::string_view c : utf8Characters(text)) out.emplace_back(c);
  return out;
}

using Pieces = std::vector<std::string>;

TEST(Utf8, EmptyTextHasNoCharacters) {
  EXPECT_TRUE(isUtf8(""));
  EXPECT_TRUE(utf8Characters("").empty());
  EXPECT_EQ(nthCharacter("", 0), "");
  EXPECT_EQ(utf8Length("", 0), 0u);
  EXPECT_EQ(codePointAt("", 0), U'\uFFFD');
}

TEST(Utf8, OneToFourByteCharacters) {
  const std::string text = "a\xC3\xA9王\xF0\xA0\x80\x80";  // a é 王 𠀀 (U+20000)
  EXPECT_TRUE(isUtf8(text));
  EXPECT_EQ(pieces(text), (Pieces{"a", "\xC3\xA9", "王", "\xF0\xA0\x80\x80"}));
  EXPECT_EQ(codePointAt(text, 0), U'a');
  EXPECT_EQ(codePointAt(text, 1), U'\u00E9');
  EXPECT_EQ(codePointAt(text, 3), U'\u738B');
  EXPECT_EQ(codePointAt(text, 6), U'\U00020000');
  EXPECT_EQ(nthCharacter(text, 3), "\xF0\xA0\x80\x80");
  EXPECT_EQ(nthCharacter(text, 4), "");
  // The largest code point and the last ones before the surrogates still count.
  EXPECT_TRUE(isUtf8("\xF4\x8F\xBF\xBF"));
  EXPECT_TRUE(isUtf8("\xED\x9F\xBF"));
}

TEST(Utf8, ACutSequenceIsOneCharacterAndKeepsWhatFollows) {
  // 王 is E7 8E 8B: cut after one and after two bytes, at the end and before ASCII.
  EXPECT_FALSE(isUtf8("\xE7"));
  EXPECT_FALSE(isUtf8("\xE7\x8E"));
  EXPECT_FALSE(isUtf8("\xF0\xA0\x80"));
  EXPECT_EQ(pieces("\xE7\x8E"), (Pieces{"\xE7\x8E"}));
  EXPECT_EQ(pieces(std::string("\xE7") + "ab"), (Pieces{"\xE7", "a", "b"}));
  EXPECT_EQ(pieces(std::string("\xE7\x8E") + "a"), (Pieces{"\xE7\x8E", "a"}));
  EXPECT_EQ(pieces("\xF0\xA0\x80王"), (Pieces{"\xF0\xA0\x80", "王"}));
  EXPECT_EQ(utf8Length("\xE7\x8E", 0), 2u);
  EXPECT_EQ(codePointAt("\xE7\x8E", 0), U'\uFFFD');
}

TEST(Utf8, StrayContinuationBytesAreSingleBytes) {
  EXPECT_FALSE(isUtf8("\x8E"));
  EXPECT_EQ(pieces("\x8E\x8B王"), (Pieces{"\x8E", "\x8B", "王"}));
  EXPECT_EQ(nthCharacter("\x8E王", 1), "王");
}

TEST(Utf8, OverlongFormsSurrogatesAndTooLargeAreRefused) {
  for (const char* bad : {"\xC0\x80", "\xC1\xBF",                  // '\0' and '\x7F' in two bytes
                          "\xE0\x80\x80", "\xE0\x9F\xBF",          // below U+0800 in three bytes
                          "\xF0\x80\x80\x80", "\xF0\x8F\xBF\xBF",  // below U+10000 in four
                          "\xED\xA0\x80", "\xED\xBF\xBF",          // surrogates
                          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF"}) {
    std::string_view text(bad);
    EXPECT_FALSE(isUtf8(text)) << testing::PrintToString(bad);
    EXPECT_EQ(utf8Length(text, 0), 1u) << testing::PrintToString(bad);
    EXPECT_EQ(utf8Characters(text).size(), text.size()) << testing::PrintToString(bad);
  }
}

TEST(Utf8, GbkTextIsNotUtf8) {
  // 王小明 in GBK: the walker that tells saved GBK records from UTF-8 ones relies on it.
  EXPECT_FALSE(isUtf8("\xCD\xF5\xD0\xA1\xC3\xF7"));
}

}  // namespace
}  // namespace lumo
