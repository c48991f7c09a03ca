#pragma once
// The one column stored scrambled (sancai.content): hexadecimal pairs of a byte string
// that forward and backward add-and-xor passes have mixed. Bytes are GBK text.

#include <functional>
#include <string>
#include <string_view>

namespace lumo::db {

constexpr unsigned kStoredTextKey = 5913;
constexpr int kStoredTextRounds = 7;

// Called once for every pair that is not hexadecimal (the GUI beeps).
void SetBadPairSignal(std::function<void()> signal);

// Stored hex text -> GBK bytes of the display text.
std::string UnscrambleStoredText(std::string_view stored, unsigned key, int rounds);
// The exact inverse, used by the database builder: GBK bytes -> stored hex text.
std::string ScrambleStoredText(std::string_view bytes, unsigned key, int rounds);

}  // namespace lumo::db
