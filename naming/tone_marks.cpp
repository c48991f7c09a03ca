#include "naming/tone_marks.h"

#include <array>

namespace lumo::naming {
namespace {

struct MarkedVowel {
  const char* marked;  // UTF-8 of the vowel with its mark
  const char* plain;
  int tone;
};

constexpr std::array<MarkedVowel, 24> kMarked = {{
    {"ā", "a", 1}, {"á", "a", 2}, {"ǎ", "a", 3}, {"à", "a", 4}, {"ē", "e", 1}, {"é", "e", 2},
    {"ě", "e", 3}, {"è", "e", 4}, {"ī", "i", 1}, {"í", "i", 2}, {"ǐ", "i", 3}, {"ì", "i", 4},
    {"ō", "o", 1}, {"ó", "o", 2}, {"ǒ", "o", 3}, {"ò", "o", 4}, {"ū", "u", 1}, {"ú", "u", 2},
    {"ǔ", "u", 3}, {"ù", "u", 4}, {"ǖ", "ü", 1}, {"ǘ", "ü", 2}, {"ǚ", "ü", 3}, {"ǜ", "ü", 4},
}};

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

Syllable parseSyllable(std::string_view reading) {
  std::size_t start = 0;
  while (start < reading.size() && isBlank(reading[start])) ++start;
  std::size_t end = start;
  while (end < reading.size() && !isBlank(reading[end])) ++end;
  std::string_view word = reading.substr(start, end - start);
  Syllable s;
  if (word.empty()) return s;
  s.tone = 5;
  for (std::size_t i = 0; i < word.size();) {
    bool matched = false;
    for (const MarkedVowel& v : kMarked) {
      std::string_view m(v.marked);
      if (word.substr(i, m.size()) != m) continue;
      s.plain += v.plain;
      s.tone = v.tone;
      i += m.size();
      matched = true;
      break;
    }
    if (matched) continue;
    char c = word[i++];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c == 'v')
      s.plain += "ü";  // the toneless column writes ü as v
    else
      s.plain += c;
  }
  // A tone digit at the end ("hao4") is read as well.
  if (!s.plain.empty() && s.plain.back() >= '1' && s.plain.back() <= '5') {
    s.tone = s.plain.back() - '0';
    s.plain.pop_back();
  }
  return s;
}

const char* toneName(int tone) {
  switch (tone) {
    case 1:
      return "阴平";
    case 2:
      return "阳平";
    case 3:
      return "上声";
    case 4:
      return "去声";
    case 5:
      return "轻声";
    default:
      return "";
  }
}

std::vector<std::string> splitReading(std::string_view reading) {
  std::vector<std::string> out;
  std::string word;
  for (char c : reading) {
    if (isBlank(c)) {
      if (!word.empty()) out.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) out.push_back(std::move(word));
  return out;
}

}  // namespace lumo::naming
