#pragma once
// A recommended name: the name, the scores that ranked it, the facts of its characters
// and, for a name drawn from a classic text, where it comes from.
//
// The value is self-contained (the character facts are copies), so it can be handed
// from the worker to the window.

#include <string>
#include <vector>

#include "generator/name_quality.h"
#include "naming/character_facts.h"

namespace lumo::generator {

// Book, chapter and line of a name taken from a classic; empty for a name of the stroke
// schemes.
struct NameSource {
  std::string book, chapter, line;
  bool empty() const { return line.empty(); }
  // 《诗经·小雅·鹿鸣》：呦呦鹿鸣，食野之苹 ("" when empty).
  std::string text() const;
};

struct RecommendedName {
  std::string surname, given;
  int schemeScore = 0;  // the numerology score of its stroke scheme
  Quality quality;
  std::vector<naming::CharFacts> surnameFacts, givenFacts;
  NameSource source;

  std::string fullName() const { return surname + given; }
};

}  // namespace lumo::generator
