#include "generator/pinyin.h"

#include <array>
#include <utility>

namespace lumo::generator {
namespace {

// Each marked vowel of pinyin with its plain letter and its tone (0: ü and ê, no tone).
struct Marked {
  std::string_view form;
  char plain;
  int tone;
};
constexpr std::array<Marked, 30> kMarked = {{
    {"ā", 'a', 1}, {"á", 'a', 2}, {"ǎ", 'a', 3}, {"à", 'a', 4}, {"ē", 'e', 1}, {"é", 'e', 2},
    {"ě", 'e', 3}, {"è", 'e', 4}, {"ī", 'i', 1}, {"í", 'i', 2}, {"ǐ", 'i', 3}, {"ì", 'i', 4},
    {"ō", 'o', 1}, {"ó", 'o', 2}, {"ǒ", 'o', 3}, {"ò", 'o', 4}, {"ū", 'u', 1}, {"ú", 'u', 2},
    {"ǔ", 'u', 3}, {"ù", 'u', 4}, {"ǖ", 'v', 1}, {"ǘ", 'v', 2}, {"ǚ", 'v', 3}, {"ǜ", 'v', 4},
    {"ü", 'v', 0}, {"ń", 'n', 2}, {"ň", 'n', 3}, {"ǹ", 'n', 4}, {"ḿ", 'm', 2}, {"ê", 'e', 0},
}};

}  // namespace

std::string toneless(std::string_view marked) {
  std::string out;
  out.reserve(marked.size());
  for (std::size_t i = 0; i < marked.size();) {
    if (static_cast<unsigned char>(marked[i]) < 0x80) {
      out += marked[i++];
      continue;
    }
    bool found = false;
    for (const auto& m : kMarked) {
      if (marked.substr(i, m.form.size()) == m.form) {
        out += m.plain;
        i += m.form.size();
        found = true;
        break;
      }
    }
    if (!found) out += marked[i++];
  }
  return out;
}

int toneOf(std::string_view syllable) {
  for (std::size_t i = 0; i < syllable.size(); ++i)
    for (const auto& m : kMarked)
      if (m.tone != 0 && syllable.substr(i, m.form.size()) == m.form) return m.tone;
  return 0;
}

std::vector<std::string> syllablesOf(std::string_view reading) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < reading.size()) {
    std::size_t end = reading.find(' ', i);
    if (end == std::string_view::npos) end = reading.size();
    if (end > i) out.emplace_back(reading.substr(i, end - i));
    i = end + 1;
  }
  return out;
}

}  // namespace lumo::generator
