#pragma once
// The guards of a naming run: names that no parent would choose are dropped before they
// are shown, the rest keep their order.
//
// A name is dropped when
//  - a given character repeats a character of the surname (刘姞刘);
//  - a given character is another of the hundred commonest surnames, unless the review
//    kept it as an ordinary name character (文 林 江 are; 郑 黄 are not); a fixed
//    character is the parent's own choice and is exempt;
//  - its two given characters are the same (婷婷), unless the run is for a girl and the
//    character takes the doubled form;
//  - a span of its reading that holds a given character (surname + first given
//    character, the two given characters, the whole name) sounds like an unlucky word:
//    with the same tones (杨伟 阳痿) or with any tones (王拔 王八).
// Readings are the surname's reading as a surname and the name readings of the given
// characters; a character without a reading takes part in no span.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "generator/naming_options.h"

namespace lumo::generator {

// What the guards know, loaded once for a run.
struct GuardData {
  struct Character {
    std::string reading;    // tone-marked, one syllable ("" when unknown)
    bool nameSet = false;   // kept by the review (Aflag NULL)
    bool doubled = false;   // the doubled form is a girl's name
  };
  std::unordered_map<char32_t, Character> characters;
  std::unordered_map<std::string, std::string> surnameReadings;  // 曾 -> "zēng", 尉迟 -> "yù chí"
  std::unordered_set<char32_t> commonSurnames;                   // the hundred commonest
  std::vector<std::string> unluckyReadings;                      // "yáng wěi", "wáng bā" ...
};

class NameGuard {
 public:
  NameGuard(const GuardData& data, const NamingOptions& options);

  // True when the generated name (surname, given characters, score tag) may be shown.
  bool admits(std::string_view name) const;

 private:
  // Toneless syllable numbers; 0 for a character without a reading.
  std::uint32_t syllableId(const std::string& reading);
  std::uint32_t characterSyllable(char32_t c) const;
  bool soundsUnlucky(const std::vector<std::uint32_t>& syllables, std::size_t surnameLength) const;

  const GuardData& m_data;
  std::vector<char32_t> m_surname;
  std::vector<std::uint32_t> m_surnameSyllables;
  char32_t m_fixed = 0;
  bool m_girl = false;
  std::unordered_map<std::string, std::uint32_t> m_syllableIds;
  std::unordered_map<char32_t, std::uint32_t> m_characterSyllables;
  std::unordered_set<std::uint64_t> m_unlucky;  // packed syllable sequences
};

// The code points of a UTF-8 text.
std::vector<char32_t> codePointsOf(std::string_view utf8);

}  // namespace lumo::generator
