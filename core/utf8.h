#pragma once
// Walking a UTF-8 text character by character.
//
// Every walker in the program steps with utf8Length, so they agree on what a character
// is: a well-formed sequence of 1 to 4 bytes. A broken sequence (a stray continuation
// byte, an overlong form, a surrogate, a code point above U+10FFFF, a sequence cut off)
// is one character made of its longest well-formed beginning, at least its first byte,
// as Unicode recommends for replacing it: a walker never swallows the bytes after a
// broken sequence and never runs past the end of the text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// The byte length of the character at byte `at`; 0 at or past the end.
std::size_t utf8Length(std::string_view text, std::size_t at);

// The code point of the character at byte `at`; U+FFFD for a broken sequence or past the end.
char32_t codePointAt(std::string_view text, std::size_t at);

// True when the whole text is well-formed UTF-8 (the empty text is).
bool isUtf8(std::string_view text);

// The characters of a text, one piece each, in order.
std::vector<std::string_view> utf8Characters(std::string_view text);

// The n-th character (0-based) of a text, or "" when it has fewer characters.
std::string nthCharacter(std::string_view text, std::size_t n);

}  // namespace lumo
