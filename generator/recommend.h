#pragma once
// The recommended list of a naming run: every name the run proposed, scored by the
// name-quality score (name_quality.h), the best few kept with at most three names
// sharing a given character.
//
// The pool takes the run's names as they come (cheaply, on the worker); ranking reads
// the name set once and scores the whole pool, which for the largest runs (some 200,000
// names) takes a few tens of milliseconds.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/query.h"
#include "generator/naming_options.h"
#include "generator/recommended_name.h"
#include "generator/run_output.h"

namespace lumo::generator {

class CandidatePool {
 public:
  explicit CandidatePool(std::string surname = {}, Sex sex = Sex::Male)
      : m_surname(std::move(surname)), m_sex(sex) {}
  // A generated name as the run writes it, "王浩然(85分)"; names that do not start with
  // the surname are ignored.
  void add(std::string_view name);
  void clear() { m_given.clear(), m_scores.clear(); }
  std::size_t size() const { return m_given.size(); }
  const std::string& surname() const { return m_surname; }
  Sex sex() const { return m_sex; }  // the run's sex: a girl's list weighs characters' lean
  const std::string& given(std::size_t i) const { return m_given[i]; }
  int schemeScore(std::size_t i) const { return m_scores[i]; }

 private:
  std::string m_surname;
  Sex m_sex;
  std::vector<std::string> m_given;
  std::vector<int> m_scores;
};

inline constexpr std::size_t kRecommendedCount = 50;
inline constexpr int kMaxNamesPerCharacter = 3;

// The best `count` names of the pool, best first; ties go to the more popular characters,
// then to the name's text. Characters missing from `table` are read over `connection`.
std::vector<RecommendedName> recommendNames(const CandidatePool& pool, naming::CharacterTable& table,
                                            db::Connection& connection, const ElementNeed& need,
                                            std::size_t count = kRecommendedCount);

// The facts and score of one name, as the list would show it; the sex is not known here,
// so no character's lean counts.
RecommendedName describeName(naming::CharacterTable& table, db::Connection& connection,
                             const std::string& surname, const std::string& given, int schemeScore,
                             const ElementNeed& need);

// A run output that passes everything on and keeps every accepted name in a pool.
class PoolingOutput final : public RunOutput {
 public:
  PoolingOutput(RunOutput& next, CandidatePool& pool) : m_next(next), m_pool(pool) {}
  void clearMemo() override { m_next.clearMemo(); }
  void clearList() override { m_next.clearList(); }
  void addMemoLine(std::string line) override { m_next.addMemoLine(std::move(line)); }
  void addListItem(std::string name) override { m_next.addListItem(std::move(name)); }
  void progress(std::size_t done, std::size_t total) override { m_next.progress(done, total); }
  void acceptedName(std::string_view name) override { m_pool.add(name); }

 private:
  RunOutput& m_next;
  CandidatePool& m_pool;
};

}  // namespace lumo::generator
