// Stroke lookups over table `word` and the GBK cutting of name parts.
#include "naming/strokes.h"

#include <atomic>
#include <map>
#include <mutex>
#include <optional>

#include "data/gbk.h"
#include "data/query.h"
#include "data/read_failure.h"

namespace lumo::naming {
namespace {

std::atomic<bool> g_cacheEnabled{true};
std::mutex g_cacheMutex;
std::map<std::string, int> g_cache;  // database path + '\n' + character -> count

// One `bh` read; nullopt on a database error (the zero failure mode: the caller counts 0).
// A missing or damaged dictionary is reported instead: every name would score wrongly.
std::optional<int> readStrokes(const char* sql, const std::string& character) {
  try {
    db::ResultSet rows = db::runQuery(db::DbFile::Voduzid, sql, {character});
    return rows.empty() ? 0 : static_cast<int>(rows.integer(0, std::size_t{0}));
  } catch (const db::DbError& error) {
    db::reportIfDamaged(db::DbFile::Voduzid, error);
    return std::nullopt;
  }
}

std::optional<int> lookUp(const std::string& character) {
  std::optional<int> count = readStrokes("select bh from word where zi = ? LIMIT 1", character);
  if (count && *count != 0) return count;
  std::optional<int> traditional = readStrokes("select bh from word where ft = ? LIMIT 1", character);
  if (traditional && *traditional != 0) return traditional;
  if (!count || !traditional) return std::nullopt;
  return 0;
}

}  // namespace

int StrokeCount(const std::string& character) {
  if (!g_cacheEnabled.load()) return lookUp(character).value_or(0);
  std::string key = db::databasePath(db::DbFile::Voduzid) + '\n' + character;
  {
    std::lock_guard lock(g_cacheMutex);
    if (auto it = g_cache.find(key); it != g_cache.end()) return it->second;
  }
  std::optional<int> count = lookUp(character);
  if (!count) return 0;
  std::lock_guard lock(g_cacheMutex);
  g_cache[key] = *count;
  return *count;
}

std::string CharacterAt(const std::string& part, int k) {
  if (k < 1) return {};
  return gbk::slice(part, static_cast<std::size_t>(2 * k - 2), 2);
}

std::string WideSecondKey(const std::string& part) {
  return gbk::slice(part, 2, 4);
}

bool IsTwoCharacterPart(const std::string& part) {
  return gbk::byteLength(part) >= 3;
}

namespace {

PartStrokes partStrokes(const std::string& part) {
  PartStrokes p;
  p.twoCharacters = IsTwoCharacterPart(part);
  if (!p.twoCharacters) {
    p.first = StrokeCount(part);
    return p;
  }
  p.first = StrokeCount(CharacterAt(part, 1));
  p.second = StrokeCount(CharacterAt(part, 2));
  p.secondWide = gbk::byteLength(part) > 4 ? StrokeCount(WideSecondKey(part)) : p.second;
  return p;
}

}  // namespace

NameStrokes StrokesOfName(const std::string& surname, const std::string& given) {
  NameStrokes n;
  n.surname = partStrokes(surname);
  n.given = partStrokes(given);
  n.bothTwoBytes = gbk::byteLength(surname) == 2 && gbk::byteLength(given) == 2;
  return n;
}

void SetStrokeCacheEnabled(bool enabled) {
  g_cacheEnabled.store(enabled);
}

void ClearStrokeCache() {
  std::lock_guard lock(g_cacheMutex);
  g_cache.clear();
}

}  // namespace lumo::naming
