#include "generator/name_quality.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace lumo::generator {
namespace {

constexpr double kFullPopularityRank = 50;
constexpr double kNoPopularityRank = 3000;
constexpr double kDatedPenalty = 20;
constexpr double kFreshBonus = 6;
constexpr double kOtherSexLeanPenalty = 12;

// The syllables of one name (a full name has at most four characters), without copies:
// the whole recommended list scores some 200,000 names.
struct Syllables {
  std::array<const naming::Syllable*, 4> at{};
  std::size_t size = 0;
  void add(const naming::Syllable& s) {
    if (size < at.size()) at[size++] = &s;
  }
  const naming::Syllable& operator[](std::size_t i) const { return *at[i]; }
};

const char* brokenRule(const Syllables& s) {
  int tones = 0;  // tones seen, one bit each
  std::size_t known = 0;
  for (std::size_t i = 0; i < s.size; ++i)
    if (s[i].tone != 0) tones |= 1 << s[i].tone, ++known;
  if (known >= 2 && (tones & (tones - 1)) == 0) return "全名同一声调";
  for (std::size_t i = 0; i < s.size; ++i)
    for (std::size_t j = i + 1; j < s.size; ++j)
      if (!s[i].plain.empty() && s[i].plain == s[j].plain) return "两字同音";
  if (s.size == 0) return nullptr;
  const auto& last = s[s.size - 1];
  if (last.tone == 5) return "末字轻声";
  if (s.size >= 2 && last.tone == 3 && s[s.size - 2].tone == 3) return "末两字都是上声";
  return nullptr;
}

int numerologyPoints(int schemeScore) {
  return std::clamp((schemeScore - 60) * 25 / 40, 0, 25);
}

int tonePoints(const Syllables& s) {
  int points = 0;
  switch (s[s.size - 1].tone) {
    case 1:
    case 2:
      points += 12;
      break;
    case 4:
      points += 8;
      break;
    case 3:
      points += 4;
      break;
    default:
      break;
  }
  int tones = 0;
  for (std::size_t i = 0; i < s.size; ++i)
    if (s[i].tone >= 1 && s[i].tone <= 4) tones |= 1 << s[i].tone;
  std::size_t distinct = static_cast<std::size_t>(std::popcount(static_cast<unsigned>(tones)));
  if (distinct >= std::min<std::size_t>(s.size, 3))
    points += 8;
  else if (distinct == 2)
    points += 5;
  return points;
}

int elementPoints(const NameCharacters& name, const ElementNeed& need) {
  if (!need.known() || name.given.empty()) return 10;
  int favourable = 0, strongest = 0;
  for (const auto* c : name.given) {
    if (holdsElement(need.favourable, c->element)) ++favourable;
    if (holdsElement(need.strongest, c->element)) ++strongest;
  }
  int n = static_cast<int>(name.given.size());
  return std::clamp(10 + 10 * (favourable - strongest) / n, 0, 20);
}

}  // namespace

const char* brokenToneRule(const std::vector<naming::Syllable>& syllables) {
  Syllables s;
  for (const auto& one : syllables) s.add(one);
  return brokenRule(s);
}

double popularityPoints(int px) {
  if (px <= 0 || px >= kNoPopularityRank) return 0;
  if (px <= kFullPopularityRank) return 25;
  return 25 * (1 - std::log(px / kFullPopularityRank) / std::log(kNoPopularityRank / kFullPopularityRank));
}

double currentPopularityPoints(const naming::CharFacts& c, std::optional<Sex> sex) {
  using Era = naming::CharFacts::Era;
  using Lean = naming::CharFacts::Lean;
  double points = popularityPoints(c.px);
  if (c.era == Era::Dated) points -= kDatedPenalty;
  if (c.era == Era::Fresh) points += kFreshBonus;
  if ((sex == Sex::Female && c.lean == Lean::Masculine) || (sex == Sex::Male && c.lean == Lean::Feminine))
    points -= kOtherSexLeanPenalty;
  return std::clamp(points, 0.0, 25.0);
}

bool holdsElement(const std::string& elements, const std::string& element) {
  return !element.empty() && elements.find(element) != std::string::npos;
}

Quality scoreName(const NameCharacters& name, const ElementNeed& need) {
  Quality q;
  Syllables syllables;
  for (const auto* c : name.surname) syllables.add(c->syllable);
  for (const auto* c : name.given) {
    syllables.add(c->syllable);
    if (c->flagged) q.rejection = "用字不宜";
  }
  if (!q.rejection) q.rejection = brokenRule(syllables);
  q.numerology = numerologyPoints(name.schemeScore);
  double popularity = 0;
  int glossed = 0;
  for (const auto* c : name.given) {
    popularity += currentPopularityPoints(*c, name.sex);
    glossed += c->gloss.empty() ? 0 : 1;
  }
  int n = static_cast<int>(std::max<std::size_t>(name.given.size(), 1));
  q.popularity = static_cast<int>(std::lround(popularity / n));
  q.meaning = 10 * glossed / n;
  q.tone = syllables.size == 0 ? 0 : tonePoints(syllables);
  q.element = elementPoints(name, need);
  q.total = q.numerology + q.popularity + q.tone + q.meaning + q.element;
  return q;
}

}  // namespace lumo::generator
