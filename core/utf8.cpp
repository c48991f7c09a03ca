#include "core/utf8.h"

namespace lumo {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

unsigned char byteAt(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// The sequence at `at`: its length and code point when it is well-formed. A broken one
// has the length of its longest well-formed beginning (at least its first byte) and no
// code point. The bounds of the second byte rule out overlong forms, surrogates and code
// points above U+10FFFF.
struct Sequence {
  std::size_t length;
  bool whole;
  char32_t codePoint;
};

Sequence scan(std::string_view text, std::size_t at) {
  unsigned char lead = byteAt(text, at);
  if (lead < 0x80) return {1, true, lead};
  std::size_t need = 0;
  unsigned char low = 0x80, high = 0xBF;
  char32_t cp = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 2, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 3, cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 4, cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {1, false, kReplacement};
  }
  for (std::size_t length = 1; length < need; ++length) {
    if (at + length >= text.size()) return {length, false, kReplacement};
    unsigned char next = byteAt(text, at + length);
    if (next < low || next > high) return {length, false, kReplacement};
    low = 0x80, high = 0xBF;
    cp = (cp << 6) | (next & 0x3F);
  }
  return {need, true, cp};
}

}  // namespace

std::size_t utf8Length(std::string_view text, std::size_t at) {
  return at < text.size() ? scan(text, at).length : 0;
}

char32_t codePointAt(std::string_view text, std::size_t at) {
  return at < text.size() ? scan(text, at).codePoint : kReplacement;
}

bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    Sequence sequence = scan(text, i);
    if (!sequence.whole) return false;
    i += sequence.length;
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
