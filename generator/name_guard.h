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
//    the same syllables with the same tones (杨伟 阳痿) or with one tone changed (王拔
//    王八, 沈京 神经); a neutral tone is heard as any tone (胡丽 狐狸). Two changed tones
//    are no longer heard as the word (李一 lǐ yī is not 离异 lí yì).
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
    std::string reading;   // tone-marked, one syllable ("" when unknown)
    bool nameSet = false;  // kept by the review (Aflag NULL)
    bool doubled = false;  // the doubled form is a girl's name
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
  // A syllable: its toneless number (0 for a character without a reading) and tone.
  struct Sound {
    std::uint32_t id = 0;
    int tone = 0;
  };
  using Tones = std::vector<int>;

  Sound soundOf(const std::string& reading);
  Sound characterSound(char32_t c) const;
  bool soundsUnlucky(const Sound* sounds, std::size_t count, std::size_t surnameLength) const;

  const GuardData& m_data;
  std::vector<char32_t> m_surname;
  std::size_t m_surnameBytes = 0;
  std::vector<Sound> m_surnameSounds;
  char32_t m_fixed = 0;
  bool m_girl = false;
  std::unordered_map<std::string, std::uint32_t> m_syllableIds;
  std::unordered_map<char32_t, Sound> m_characterSounds;
  // The tones of the unlucky words by their packed toneless syllables.
  std::unordered_map<std::uint64_t, std::vector<Tones>> m_unlucky;
};

// The code points of a UTF-8 text.
std::vector<char32_t> codePointsOf(std::string_view utf8);

}  // namespace lumo::generator
