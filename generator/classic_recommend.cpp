#include "generator/classic_recommend.h"

#include <algorithm>
#include <unordered_map>

#include "naming/character_info.h"

namespace lumo::generator {
namespace {

// Appends the names best first, skipping any whose given character stands in three names
// of the list already, until the list holds `count`.
void appendVaried(std::vector<RecommendedName>& list, std::vector<RecommendedName> names, std::size_t count,
                  std::unordered_map<std::string, int>& uses) {
  for (auto& name : names) {
    if (list.size() >= count) return;
    auto chars = naming::charactersOf(name.given);
    if (std::any_of(chars.begin(), chars.end(),
                    [&](const auto& c) { return uses[c] >= kMaxNamesPerCharacter; }))
      continue;
    for (const auto& c : chars) ++uses[c];
    list.push_back(std::move(name));
  }
}

}  // namespace

std::vector<RecommendedName> recommendFromPool(const CandidatePool& pool, Classic classic,
                                               const NamingOptions& options, naming::CharacterTable& table,
                                               db::Connection& connection, const ElementNeed& need,
                                               std::size_t count) {
  if (classic == Classic::Any) return recommendNames(pool, table, connection, need, count);
  std::unordered_map<std::string, ClassicName> found;
  for (auto& name : ClassicCandidates(connection, classic, options))
    found.emplace(name.given, std::move(name));

  // A name that quotes one clause of its line reads as a phrase of the poem; one whose
  // characters stand on both sides of a mark is looser and only follows; a name whose only
  // source is a line of death or grief comes last.
  CandidatePool close(pool.surname(), pool.sex()), loose(pool.surname(), pool.sex()),
      somber(pool.surname(), pool.sex());
  for (std::size_t i = 0; i < pool.size(); ++i) {
    auto it = found.find(pool.given(i));
    if (it == found.end()) continue;
    std::string name = pool.surname() + pool.given(i) + "(" + std::to_string(pool.schemeScore(i)) + "分)";
    (it->second.somber ? somber : it->second.oneClause ? close : loose).add(name);
  }
  std::vector<RecommendedName> list;
  std::unordered_map<std::string, int> uses;
  for (CandidatePool* part : {&close, &loose, &somber})
    appendVaried(list, recommendNames(*part, table, connection, need, part->size()), count, uses);
  for (auto& name : list) name.source = found.at(name.given).source;
  return list;
}

}  // namespace lumo::generator
