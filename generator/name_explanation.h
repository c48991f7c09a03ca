#pragma once
// The explanation of a recommended name in plain words, as the naming window shows it
// under its list and lumo-cli prints it: each character (reading, full form, strokes,
// element, gloss), the full reading, the numerology score, the element fit and the tones.

#include <string>
#include <vector>

#include "generator/recommended_name.h"

namespace lumo::generator {

// "wáng hào rán": the tone-marked syllables of the full name, separated by blanks.
std::string fullReading(const RecommendedName& name);
// "阳平、去声、阳平".
std::string tonePattern(const RecommendedName& name);
// The elements of the given characters in order, "水火".
std::string givenElements(const RecommendedName& name);
// "浩:水大而广；然:…": the glosses of the given characters.
std::string glossList(const RecommendedName& name);

// One sentence on how the given characters suit the child's elements.
std::string elementFitSentence(const RecommendedName& name, const ElementNeed& need);
// One sentence on the tones: the pattern and how the name ends.
std::string toneSentence(const RecommendedName& name);

// Tab-separated: 字, reading, traditional form, strokes, element, gloss; the surname's
// characters first, with the gloss 姓氏.
std::vector<std::string> characterRows(const RecommendedName& name);

// The explanation shown under the recommended list.
std::vector<std::string> explanationLines(const RecommendedName& name, const ElementNeed& need);

// lumo-cli generate --recommend: name, quality, numerology, reading, elements, glosses, source.
std::string recommendationRow(const RecommendedName& name);

}  // namespace lumo::generator
