#pragma once
// Tone-marked pinyin syllables: the tone of a reading such as "hào" and its toneless form.
//
// Readings carry at most one tone mark (ā á ǎ à and the same on e i o u ü); a syllable
// without one is in the neutral tone. ü stays ü in the toneless form, so that lü and lu
// stay two syllables.

#include <string>
#include <string_view>
#include <vector>

namespace lumo::naming {

struct Syllable {
  std::string plain;  // toneless, lower case ("hao", "lü"); empty when unknown
  int tone = 0;       // 1..4, 5 neutral, 0 unknown (no reading)
};

// The first syllable of a reading (a reading with several, "hào hǎo", gives the first).
Syllable parseSyllable(std::string_view reading);

// The tone's name: 阴平 阳平 上声 去声 轻声, "" for an unknown tone.
const char* toneName(int tone);

// Splits a reading on blanks: "wáng hào rán" gives three words.
std::vector<std::string> splitReading(std::string_view reading);

}  // namespace lumo::naming
