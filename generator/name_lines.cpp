#include "generator/name_lines.h"

#include "core/text.h"
#include "core/utf8.h"
#include "data/gbk.h"
#include "generator/scheme_entry.h"

namespace lumo::generator {
namespace {

constexpr int kNamesPerLine = 6;
constexpr std::size_t kPaddedLength = 16;

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<int> ThresholdOf(const std::string& text) {
  return parseWholeInt(trimmed(text));
}

bool IsHighScore(std::string_view name, const HighScoreRule& rule) {
  if (!rule.enabled) return false;
  if (name.find("100") != std::string_view::npos) return true;
  if (!rule.threshold) return false;
  // "(" and the digits are single bytes in GBK and UTF-8 alike, so the two bytes after
  // "(" are the same characters in both.
  std::size_t open = name.find('(');
  std::size_t at = open == std::string_view::npos ? 0 : open + 1;
  int score = 0, digits = 0;
  for (std::size_t i = at; i < at + 2 && i < name.size() && isDigit(name[i]); ++i, ++digits)
    score = score * 10 + (name[i] - '0');
  return digits > 0 && score >= *rule.threshold;
}

std::size_t GbkLength(std::string_view utf8) {
  std::size_t length = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      ++length, ++i;
      continue;
    }
    char32_t cp = codePointAt(utf8, i);  // a code point in this range takes three bytes
    if (cp < 0x4E00 || cp > 0x9FA5) return gbk::byteLength(utf8);  // GBK holds all of U+4E00..U+9FA5
    length += 2, i += 3;
  }
  return length;
}

std::string PadName(std::string_view name) {
  std::string out(name);
  std::size_t length = GbkLength(name);
  if (length >= 10 && length < kPaddedLength) out.append(kPaddedLength - length, ' ');
  return out;
}

std::optional<std::string> NameLines::add(std::string_view padded) {
  m_text += padded;
  if (++m_count < kNamesPerLine) return std::nullopt;
  std::string line = std::move(m_text);
  reset();
  return line;
}

std::optional<std::string> NameLines::takeIncomplete() {
  if (m_count == 0) return std::nullopt;
  std::string line = std::move(m_text);
  reset();
  return line;
}

void NameLines::reset() {
  m_count = 0;
  m_text.clear();
}

void AcceptName(std::string_view raw, const HighScoreRule& rule, NameLines& lines, RunOutput& out) {
  std::string name = trimmed(raw);
  out.acceptedName(name);
  if (IsHighScore(name, rule)) out.addListItem(name);
  if (auto line = lines.add(PadName(name))) out.addMemoLine(std::move(*line));
}

}  // namespace lumo::generator
