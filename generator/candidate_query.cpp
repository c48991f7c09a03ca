#include "generator/candidate_query.h"

#include <algorithm>

#include "generator/scheme_entry.h"

namespace lumo::generator {
namespace {

// The pieces of the name select; the two variants differ only in their constants.
struct Pieces {
  const char* firstBase;
  const char* fixedFirst;
  const char* secondBase;
  const char* fixedSecond;
  const char* twoMale;
  const char* twoFemale;
  const char* one;
};

constexpr Pieces kChosen = {
    "select zi, px + 551 as px, id, nan, nv, wuhang from word where 1 = 1 and Aflag is null ",
    "select ? as zi, 120 as px, 131 as id, nan, nv, wuhang from word where 1 = 1 limit 1",
    "select zi, px + 5000 as px, id, nan, nv, wuhang from word where 1 = 1 and Aflag is null ",
    "select ? as zi, 119 as px, 111 as id, nan, nv, wuhang from word where 1 = 1 limit 1",
    " || a.zi || b.zi || ? as mz, (a.px + b.px + a.id) as px, a.nan + b.nan as you,"
    " a.wuhang as wuhang1, b.wuhang as wuhang2 from (",
    " || a.zi || b.zi || ? as mz, (a.px + b.px + a.id) as px, a.nv + b.nv as you,"
    " a.wuhang as wuhang1, b.wuhang as wuhang2 from (",
    " || a.zi || ? as mz, (a.px + a.id) as px, 1 as you, a.wuhang as wuhang1 from (",
};

constexpr Pieces kAutomatic = {
    "select zi, px + 1000 as px, id, nan, nv, wuhang from word where 1 = 1 and Aflag is null ",
    "select ? as zi, 11 as px, 100 as id, nan, nv, wuhang from word where 1 = 1 limit 1",
    "select zi, px + 5001 as px, id, nan, nv, wuhang from word where 1 = 1 and Aflag is null ",
    "select ? as zi, 12 as px, 100 as id, nan, nv, wuhang from word where 1 = 1 limit 1",
    " || a.zi || b.zi || ? as mz, (a.px + b.px) as px, a.nan + b.nan as you,"
    " a.wuhang as wuhang1, b.wuhang as wuhang2 from (",
    " || a.zi || b.zi || ? as mz, (a.px + b.px) as px, a.nv + b.nv as you,"
    " a.wuhang as wuhang1, b.wuhang as wuhang2 from (",
    " || a.zi || ? as mz, (a.px + a.id) as px, 1 as you, a.wuhang as wuhang1 from (",
};

const Pieces& piecesOf(Variant variant) {
  return variant == Variant::Chosen ? kChosen : kAutomatic;
}

std::string elementPart(const std::array<bool, 5>& ticked) {
  auto count = std::count(ticked.begin(), ticked.end(), true);
  if (count == 0 || count == 5) return {};
  std::string conditions;
  for (std::size_t i = 0; i < ticked.size(); ++i) {
    if (!ticked[i]) continue;
    if (!conditions.empty()) conditions += " or ";
    conditions += std::string("wuhang = '") + kElements[i] + "'";
  }
  return count == 1 ? " and " + conditions + " " : " and ( " + conditions + " ) ";
}

std::string sexPart(const NamingOptions& o) {
  bool wide = o.form == NameForm::Single || o.fixedTicked;
  if (o.sex == Sex::Male)
    return wide ? " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') "
                : " and (xb = '男' or nan = 1 or xb = '1') ";
  return wide ? " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') "
              : " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";
}

std::string strokeCondition(int strokes) {
  return " and bh = " + std::to_string(strokes);
}

}  // namespace

std::string CharacterFilter(const NamingOptions& options) {
  return elementPart(options.elements) + sexPart(options);
}

std::string GenderFlag(Sex sex) {
  return sex == Sex::Male ? " and nan = 1 " : " and nv = 1 ";
}

namespace {

// Sub-select a (first given character); a fixed character is bound into `params`.
std::string firstSelect(const NamingOptions& o, const Pieces& p, const SchemeStrokes& strokes,
                        std::vector<db::Param>& params) {
  if (o.fixedFirst()) {
    params.emplace_back(o.fixedChar);
    return p.fixedFirst;
  }
  std::string a = p.firstBase + CharacterFilter(o);
  if (strokes.first > 0) a += strokeCondition(strokes.first);
  return a;
}

// Sub-select b (second given character), empty for one given character or no count.
std::string secondSelect(const NamingOptions& o, const Pieces& p, const SchemeStrokes& strokes,
                         std::vector<db::Param>& params) {
  if (o.form != NameForm::Double) return {};
  if (o.fixedSecond()) {
    params.emplace_back(o.fixedChar);
    return p.fixedSecond;
  }
  if (strokes.second <= 0) return {};
  return p.secondBase + CharacterFilter(o) + GenderFlag(o.sex) + strokeCondition(strokes.second);
}

}  // namespace

SchemeSelect BuildSchemeSelect(const NamingOptions& o, const std::string& entry, Variant variant) {
  auto strokes = parseSchemeEntry(entry, o.form);
  if (!strokes) throw BadSchemeEntry{};
  const Pieces& p = piecesOf(variant);
  SchemeSelect out;
  Statement& s = out.select;
  s.params = {o.surname, strokes->tag};  // the placeholders of the middle piece come first
  std::string a = firstSelect(o, p, *strokes, s.params);
  std::string b = secondSelect(o, p, *strokes, s.params);
  out.twoCharacters = !b.empty();
  if (out.twoCharacters)
    s.sql =
        "select ?" + std::string(o.sex == Sex::Male ? p.twoMale : p.twoFemale) + a + ") a , (" + b + ") b";
  else
    s.sql = "select ?" + std::string(p.one) + a + ") a ";
  return out;
}

namespace {

Statement wrap(Statement inner, bool twoCharacters) {
  inner.sql =
      "select mz from (" + inner.sql + (twoCharacters ? ") p where you > 0 order by px" : ") p order by px");
  return inner;
}

}  // namespace

Statement BuildCandidateQuery(const NamingOptions& options, const std::string& entry) {
  SchemeSelect select = BuildSchemeSelect(options, entry, Variant::Chosen);
  return wrap(std::move(select.select), select.twoCharacters);
}

std::size_t GroupCount(std::size_t schemeCount) {
  return (schemeCount + 7) / 8;
}

Statement BuildCandidateQuery(const NamingOptions& options, const std::vector<std::string>& schemes,
                              std::size_t group, const std::function<bool()>& keepGoing) {
  Statement text;
  bool lastTwo = false;
  std::size_t end = std::min(schemes.size(), 8 * group + 8);
  for (std::size_t i = 8 * group; i < end; ++i) {
    if (keepGoing && !keepGoing()) break;
    SchemeSelect select = BuildSchemeSelect(options, schemes[i], Variant::Automatic);
    if (!text.empty()) text.sql += "\n union \n";
    text.sql += select.select.sql;
    text.params.insert(text.params.end(), select.select.params.begin(), select.select.params.end());
    lastTwo = select.twoCharacters;
  }
  if (text.empty()) return text;
  return wrap(std::move(text), lastTwo);
}

}  // namespace lumo::generator
