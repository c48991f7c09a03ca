#pragma once
// The name-quality score of a proposed name, 0 to 100, and the rules that keep a name off
// the recommended list. This comment is the one place where the score is defined.
//
// A name is rejected (never recommended) when
//   - a given character is flagged in the dictionary (Aflag: bad meaning, not for names);
//   - its syllables break a tone rule:
//       T1 not every syllable of the full name on one tone (王阳明 is fine, 李雪 is not:
//          lǐ xuě, two third tones);
//       T2 no two identical syllables, tones aside (张章, 李丽, and doubled names 婷婷);
//       T3 an easy final tone: the last syllable has a full tone (not neutral) and the
//          name does not end on two third tones (…晓雨 xiǎo yǔ), whose sandhi blurs the end.
//     A syllable whose reading is unknown counts for no rule.
//
// Otherwise the score is the sum of five parts:
//   numerology  0..25  the stroke scheme's score s (the name's 数理 score):
//                      25 × (s − 60) / 40, clamped (60 → 0, 100 → 25);
//   popularity  0..25  per given character from its rank px in given names: 25 for the
//                      50 most popular, falling with the logarithm of the rank to 0 at
//                      rank 3000 or an unknown rank; then, since px ranks characters
//                      popular over all generations, the character's mark for a child
//                      born now (table shidai, reviewed in resources/names/era.tsv)
//                      corrects it: 旧 (dated: 建 丽 秀 鑫) takes 20 off, 新 (fresh: 宸 沐
//                      屿) adds 6, and a both-sex character that leans to the other sex
//                      takes 12 off (睿 泽 明 in a girl's name, 雪 舒 in a boy's); each
//                      character stays within 0..25 and the name takes the mean of its
//                      given characters;
//   tone        0..20  final syllable 阴平 or 阳平 12, 去声 8, 上声 4; three different
//                      tones over the full name (two syllables: two) 8, two different 5;
//                      an unknown final tone gives no final points;
//   meaning     0..10  the share of given characters that have a written gloss;
//   element fit 0..20  with a birth moment: 10 + 10 × (F − S) / n, clamped, where F is the
//                      number of given characters carrying a favourable element of the
//                      child's BaZi tally, S those carrying the element the tally has
//                      most, and n the number of given characters; without a birth
//                      moment every name gets the neutral 10.
// Variety is a rule of the list, not of the score: the list takes names best first and
// skips a name once a given character of it stands in three names already.

#include <optional>
#include <string>
#include <vector>

#include "generator/naming_options.h"
#include "naming/character_facts.h"

namespace lumo::generator {

// What the child's BaZi says of elements; empty texts when no birth moment is known.
struct ElementNeed {
  std::string favourable;  // e.g. "火土", the report's 喜用神
  std::string strongest;   // e.g. "金"
  bool known() const { return !favourable.empty(); }
};

struct NameCharacters {
  std::vector<const naming::CharFacts*> surname, given;
  int schemeScore = 0;     // the score tag of the name's stroke scheme
  std::optional<Sex> sex;  // the run's sex; unknown (one name explained): no lean counts
};

struct Quality {
  int numerology = 0, popularity = 0, tone = 0, meaning = 0, element = 0;
  int total = 0;
  const char* rejection = nullptr;  // the broken rule, or nullptr when the name may be listed
};

// The tone rule that the syllables (surname first) break, or nullptr.
const char* brokenToneRule(const std::vector<naming::Syllable>& syllables);

// Points of one character's popularity rank (0..25).
double popularityPoints(int px);
// Its popularity points corrected by its era mark and, when the sex is known, its lean (0..25).
double currentPopularityPoints(const naming::CharFacts& c, std::optional<Sex> sex);

// Whether an element character (one of 金木水火土) is in an element text ("火土").
bool holdsElement(const std::string& elements, const std::string& element);

Quality scoreName(const NameCharacters& name, const ElementNeed& need);

}  // namespace lumo::generator
