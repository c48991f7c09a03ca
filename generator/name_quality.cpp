#include "generator/name_quality.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace lumo::generator {
namespace {

constexpr double kFullPopularityRank = 50;
constexpr double kNoPopularityRank = 3000;

int numerologyPoints(int schemeScore) { return std::clamp((schemeScore - 60) * 25 / 40, 0, 25); }

int tonePoints(const std::vector<naming::Syllable>& syllables) {
  int points = 0;
  switch (syllables.back().tone) {
    case 1:
    case 2: points += 12; break;
    case 4: points += 8; break;
    case 3: points += 4; break;
    default: break;
  }
  std::set<int> tones;
  for (const auto& s : syllables)
    if (s.tone >= 1 && s.tone <= 4) tones.insert(s.tone);
  std::size_t wanted = std::min<std::size_t>(syllables.size(), 3);
  if (tones.size() >= wanted) points += 8;
  else if (tones.size() == 2) points += 5;
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
  std::vector<const naming::Syllable*> known;
  for (const auto& s : syllables)
    if (s.tone != 0) known.push_back(&s);
  if (known.size() >= 2 && std::all_of(known.begin(), known.end(), [&](auto* s) { return s->tone == known[0]->tone; }))
    return "全名同一声调";
  for (std::size_t i = 0; i < syllables.size(); ++i)
    for (std::size_t j = i + 1; j < syllables.size(); ++j)
      if (!syllables[i].plain.empty() && syllables[i].plain == syllables[j].plain) return "两字同音";
  if (syllables.empty()) return nullptr;
  const auto& last = syllables.back();
  if (last.tone == 5) return "末字轻声";
  if (syllables.size() >= 2 && last.tone == 3 && syllables[syllables.size() - 2].tone == 3) return "末两字都是上声";
  return nullptr;
}

double popularityPoints(int px) {
  if (px <= 0 || px >= kNoPopularityRank) return 0;
  if (px <= kFullPopularityRank) return 25;
  return 25 * (1 - std::log(px / kFullPopularityRank) / std::log(kNoPopularityRank / kFullPopularityRank));
}

bool holdsElement(const std::string& elements, const std::string& element) {
  return !element.empty() && elements.find(element) != std::string::npos;
}

Quality scoreName(const NameCharacters& name, const ElementNeed& need) {
  Quality q;
  std::vector<naming::Syllable> syllables;
  for (const auto* c : name.surname) syllables.push_back(c->syllable);
  for (const auto* c : name.given) {
    syllables.push_back(c->syllable);
    if (c->flagged) q.rejection = "用字不宜";
  }
  if (!q.rejection) q.rejection = brokenToneRule(syllables);
  q.numerology = numerologyPoints(name.schemeScore);
  double popularity = 0;
  int glossed = 0;
  for (const auto* c : name.given) {
    popularity += popularityPoints(c->px);
    glossed += c->gloss.empty() ? 0 : 1;
  }
  int n = static_cast<int>(std::max<std::size_t>(name.given.size(), 1));
  q.popularity = static_cast<int>(std::lround(popularity / n));
  q.meaning = 10 * glossed / n;
  q.tone = syllables.empty() ? 0 : tonePoints(syllables);
  q.element = elementPoints(name, need);
  q.total = q.numerology + q.popularity + q.tone + q.meaning + q.element;
  return q;
}

}  // namespace lumo::generator
