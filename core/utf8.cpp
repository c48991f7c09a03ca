#include "core/utf8.h"

namespace lumo {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

unsigned char byteAt(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// The well-formed sequence at `at` as (length, code point); length 0 when there is none.
std::pair<std::size_t, char32_t> decode(std::string_view text, std::size_t at) {
  unsigned char lead = byteAt(text, at);
  if (lead < 0x80) return {1, lead};
  std::size_t length = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || length > text.size() - at) return {0, kReplacement};
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    unsigned char next = byteAt(text, at + k);
    if ((next & 0xC0) != 0x80) return {0, kReplacement};
    cp = (cp << 6) | (next & 0x3F);
  }
  // The shortest form only, and only scalar values.
  static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, kReplacement};
  return {length, cp};
}

}  // namespace

std::size_t utf8Length(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  std::size_t length = decode(text, at).first;
  return length == 0 ? 1 : length;
}

char32_t codePointAt(std::string_view text, std::size_t at) {
  if (at >= text.size()) return kReplacement;
  auto [length, cp] = decode(text, at);
  return length == 0 ? kReplacement : cp;
}

bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = decode(text, i).first;
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::vector<std::string_view> utf8Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = utf8Length(text, i);
    out.push_back(text.substr(i, length));
    i += length;
  }
  return out;
}

std::string nthCharacter(std::string_view text, std::size_t n) {
  std::size_t at = 0;
  for (std::size_t index = 0; at < text.size(); ++index) {
    std::size_t length = utf8Length(text, at);
    if (index == n) return std::string(text.substr(at, length));
    at += length;
  }
  return {};
}

}  // namespace lumo
