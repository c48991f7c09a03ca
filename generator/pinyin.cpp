#include "generator/pinyin.h"

#include <array>
#include <utility>

namespace lumo::generator {
namespace {

// Each marked vowel of pinyin with its plain letter.
constexpr std::array<std::pair<std::string_view, char>, 30> kMarked = {{
    {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'}, {"è", 'e'},
    {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"ō", 'o'}, {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'},
    {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'}, {"ǖ", 'v'}, {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'},
    {"ü", 'v'}, {"ń", 'n'}, {"ň", 'n'}, {"ǹ", 'n'}, {"ḿ", 'm'}, {"ê", 'e'},
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
    for (const auto& [form, plain] : kMarked) {
      if (marked.substr(i, form.size()) == form) {
        out += plain;
        i += form.size();
        found = true;
        break;
      }
    }
    if (!found) out += marked[i++];
  }
  return out;
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
