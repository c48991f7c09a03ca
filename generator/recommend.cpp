#include "generator/recommend.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <unordered_map>

#include "naming/character_info.h"

namespace lumo::generator {
namespace {

int tagScore(std::string_view name, std::size_t open) {
  int score = 0;
  for (std::size_t i = open + 1; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i)
    score = score * 10 + (name[i] - '0');
  return score;
}

struct Ranked {
  std::size_t index;
  int total;
  int pxSum;
};

std::vector<const naming::CharFacts*> factsOf(naming::CharacterTable& table, db::Connection& connection,
                                              const std::string& text) {
  std::vector<const naming::CharFacts*> out;
  for (const std::string& c : naming::charactersOf(text)) out.push_back(&table.get(connection, c));
  return out;
}

// The facts of the characters of given names, looked up by their UTF-8 bytes packed into
// one number: the pool's names need no string keys or copies.
class FactsByCode {
 public:
  FactsByCode(naming::CharacterTable& table, db::Connection& connection)
      : m_table(table), m_connection(connection) {}

  // Fills `out` with the facts of each character of `text`.
  void factsOf(const std::string& text, std::vector<const naming::CharFacts*>& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size();) {
      auto lead = static_cast<unsigned char>(text[i]);
      std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      std::uint32_t code = 0;
      for (std::size_t k = 0; k < length && i + k < text.size(); ++k)
        code = (code << 8) | static_cast<unsigned char>(text[i + k]);
      auto [at, added] = m_facts.try_emplace(code, nullptr);
      if (added) at->second = &m_table.get(m_connection, text.substr(i, length));
      out.push_back(at->second);
      i += length;
    }
  }

 private:
  naming::CharacterTable& m_table;
  db::Connection& m_connection;
  std::unordered_map<std::uint32_t, const naming::CharFacts*> m_facts;
};

RecommendedName nameOf(const std::string& surname, const std::string& given, int schemeScore,
                       const NameCharacters& characters, const Quality& quality) {
  RecommendedName r;
  r.surname = surname;
  r.given = given;
  r.schemeScore = schemeScore;
  r.quality = quality;
  for (const auto* f : characters.surname) r.surnameFacts.push_back(*f);
  for (const auto* f : characters.given) r.givenFacts.push_back(*f);
  return r;
}

}  // namespace

void CandidatePool::add(std::string_view name) {
  std::size_t open = name.find('(');
  std::string_view full = name.substr(0, open);
  if (full.size() <= m_surname.size() || full.substr(0, m_surname.size()) != m_surname) return;
  m_given.emplace_back(full.substr(m_surname.size()));
  m_scores.push_back(open == std::string_view::npos ? 0 : tagScore(name, open));
}

std::vector<RecommendedName> recommendNames(const CandidatePool& pool, naming::CharacterTable& table,
                                            db::Connection& connection, const ElementNeed& need,
                                            std::size_t count) {
  NameCharacters characters;
  characters.sex = pool.sex();
  std::vector<naming::CharFacts> surname = naming::surnameFacts(connection, pool.surname());
  for (const auto& f : surname) characters.surname.push_back(&f);
  FactsByCode byCode(table, connection);
  std::vector<Ranked> ranked;
  ranked.reserve(pool.size());
  for (std::size_t i = 0; i < pool.size(); ++i) {
    byCode.factsOf(pool.given(i), characters.given);
    characters.schemeScore = pool.schemeScore(i);
    Quality q = scoreName(characters, need);
    if (q.rejection) continue;
    int pxSum = 0;
    for (const auto* c : characters.given) pxSum += c->px > 0 ? c->px : 100000;
    ranked.push_back({i, q.total, pxSum});
  }
  auto better = [&](const Ranked& a, const Ranked& b) {
    if (a.total != b.total) return a.total > b.total;
    if (a.pxSum != b.pxSum) return a.pxSum < b.pxSum;
    return pool.given(a.index) < pool.given(b.index);
  };
  // The variety rule skips some of the best, but rarely more than a few dozen for each
  // name it takes: ordering the best few thousand is enough, and the rest only if not.
  std::size_t head = std::min(ranked.size(), std::max<std::size_t>(count * 100, 1000));
  std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(head), ranked.end(), better);
  bool wholeSorted = head == ranked.size();

  std::vector<RecommendedName> out;
  std::unordered_map<std::string, int> uses;
  std::unordered_map<std::string, bool> seen;
  for (std::size_t k = 0; k < ranked.size() && out.size() < count; ++k) {
    if (k == head && !wholeSorted) {
      std::sort(ranked.begin() + static_cast<std::ptrdiff_t>(head), ranked.end(), better);
      wholeSorted = true;
    }
    const Ranked& r = ranked[k];
    const std::string& given = pool.given(r.index);
    if (seen[given]) continue;  // the same name from two schemes
    auto chars = naming::charactersOf(given);
    if (std::any_of(chars.begin(), chars.end(),
                    [&](const auto& c) { return uses[c] >= kMaxNamesPerCharacter; }))
      continue;
    seen[given] = true;
    for (const auto& c : chars) ++uses[c];
    characters.given = factsOf(table, connection, given);
    characters.schemeScore = pool.schemeScore(r.index);
    out.push_back(
        nameOf(pool.surname(), given, characters.schemeScore, characters, scoreName(characters, need)));
  }
  return out;
}

RecommendedName describeName(naming::CharacterTable& table, db::Connection& connection,
                             const std::string& surname, const std::string& given, int schemeScore,
                             const ElementNeed& need) {
  NameCharacters characters;
  std::vector<naming::CharFacts> surnameChars = naming::surnameFacts(connection, surname);
  for (const auto& f : surnameChars) characters.surname.push_back(&f);
  characters.given = factsOf(table, connection, given);
  characters.schemeScore = schemeScore;
  return nameOf(surname, given, schemeScore, characters, scoreName(characters, need));
}

std::string NameSource::text() const {
  if (empty()) return {};
  std::string title = book;
  if (!chapter.empty()) title += "·" + chapter;
  return "《" + title + "》：" + line;
}

}  // namespace lumo::generator
