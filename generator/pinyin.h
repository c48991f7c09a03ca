#pragma once
// Tone-marked pinyin as the dictionary stores it (shèng, lǚ, "yù chí") and its
// toneless form (sheng, lv, "yu chi"), ü written v as in the syllable list.

#include <string>
#include <string_view>
#include <vector>

namespace lumo::generator {

// The text with every tone mark removed and ü written v; other characters unchanged.
std::string toneless(std::string_view marked);

// The tone of one syllable: 1 to 4 by its mark, 0 for the neutral tone (no mark).
int toneOf(std::string_view syllable);

// The syllables of a reading separated by blanks.
std::vector<std::string> syllablesOf(std::string_view reading);

}  // namespace lumo::generator
