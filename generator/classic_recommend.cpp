#include "generator/classic_recommend.h"

#include <unordered_map>

namespace lumo::generator {

std::vector<RecommendedName> recommendFromPool(const CandidatePool& pool, Classic classic,
                                               const NamingOptions& options, naming::CharacterTable& table,
                                               db::Connection& connection, const ElementNeed& need,
                                               std::size_t count) {
  if (classic == Classic::Any) return recommendNames(pool, table, connection, need, count);
  std::unordered_map<std::string, NameSource> sources;
  for (auto& name : ClassicCandidates(connection, classic, options)) sources.emplace(name.given, std::move(name.source));

  CandidatePool fromClassic(pool.surname());
  for (std::size_t i = 0; i < pool.size(); ++i)
    if (sources.count(pool.given(i)))
      fromClassic.add(pool.surname() + pool.given(i) + "(" + std::to_string(pool.schemeScore(i)) + "分)");
  std::vector<RecommendedName> names = recommendNames(fromClassic, table, connection, need, count);
  for (auto& name : names) name.source = sources.at(name.given);
  return names;
}

}  // namespace lumo::generator
