#pragma once
// Names drawn from the classics: 诗经 and 楚辞, line by line (table `jingdian`).
//
// A candidate is two characters of one line in their order (one character for a single
// given name), each fit for a generated name by the same character filter as the naming
// run (name set, elements, sex, at least the second flagged for the sex), so a classic
// name is always one the run itself could propose. Each keeps the line it comes from;
// where a name occurs in several lines, the one holding its characters closest together
// is kept, the first of those in the book's order. The particles of the classics (之 兮
// 于 ...) are left out.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/query.h"
#include "generator/naming_options.h"

namespace lumo::generator {

// The naming window's "名字来源".
enum class Classic { Any, Shijing, Chuci };

// "不限", "诗经", "楚辞".
const char* classicText(Classic classic);
// The source of one of those texts; empty for any other text.
std::optional<Classic> classicOf(std::string_view text);

struct ClassicSource {
  std::string book;   // 诗经
  std::string part;   // 小雅, empty for a piece alone
  std::string title;  // 鹿鸣
  std::string line;   // 呦呦鹿鸣，食野之苹
};

// 《诗经·小雅·鹿鸣》：呦呦鹿鸣，食野之苹
std::string citation(const ClassicSource& source);

struct ClassicName {
  std::string given;              // one or two characters
  std::array<int, 2> strokes{};   // stroke counts of the given characters (0: none)
  ClassicSource source;
  int apart = 0;                  // characters between the two in the line (0: together)
};

// Every candidate of one classic (not Any) for the options' sex, form, elements and
// fixed character, in the order of their lines. Throws db::DbError.
std::vector<ClassicName> ClassicCandidates(db::Connection& connection, Classic classic,
                                           const NamingOptions& options);

// The candidates whose stroke counts form one of the scheme entries, scheme by scheme
// in the list's order; each paired with its scheme's score tag ("(85分)"). Entries that
// cannot be read are passed over.
struct SchemeName {
  ClassicName name;
  std::string tag;
};
std::vector<SchemeName> MatchSchemes(const std::vector<ClassicName>& candidates,
                                     const std::vector<std::string>& schemes, NameForm form);

}  // namespace lumo::generator
