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

const Pieces& piecesOf(Variant variant) { return variant == Variant::Chosen ? kChosen : kAutomatic; }

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
    return wide ? " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') " : " and (xb = '男' or nan = 1 or xb = '1') ";
  return wide ? " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') "
              : " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";
}

std::string strokeCondition(int strokes) { return " and bh = " + std::to_string(strokes); }

}  // namespace

std::string characterFilter(const NamingOptions& options) {
  return elementPart(options.elements) + sexPart(options);
}

std::string genderFlag(Sex sex) { return sex == Sex::Male ? " and nan = 1 " : " and nv = 1 "; }

SchemeSelect BuildSchemeSelect(const NamingOptions& o, const std::string& entry, Variant variant) {
  auto strokes = parseSchemeEntry(entry, o.form);
  if (!strokes) throw BadSchemeEntry{};
  const Pieces& p = piecesOf(variant);
  std::string filter = characterFilter(o);
  std::vector<db::Param> subParams;

  std::string a;
  if (o.fixedFirst()) {
    a = p.fixedFirst;
    subParams.emplace_back(o.fixedChar);
  } else {
    a = p.firstBase + filter;
    if (strokes->first > 0) a += strokeCondition(strokes->first);
  }

  std::string b;
  if (o.form == NameForm::Double) {
    if (o.fixedSecond()) {
      b = p.fixedSecond;
      subParams.emplace_back(o.fixedChar);
    } else if (strokes->second > 0) {
      b = p.secondBase + filter + genderFlag(o.sex);
      b += strokeCondition(strokes->second);
    }
  }

  SchemeSelect out;
  out.twoCharacters = !b.empty();
  Statement& s = out.select;
  s.params = {o.surname, strokes->tag};
  s.params.insert(s.params.end(), subParams.begin(), subParams.end());
  if (out.twoCharacters)
    s.sql = "select ?" + std::string(o.sex == Sex::Male ? p.twoMale : p.twoFemale) + a + ") a , (" + b + ") b";
  else
    s.sql = "select ?" + std::string(p.one) + a + ") a ";
  return out;
}

namespace {

Statement wrap(Statement inner, bool twoCharacters) {
  inner.sql = "select mz from (" + inner.sql +
              (twoCharacters ? ") p where you > 0 order by px" : ") p order by px");
  return inner;
}

}  // namespace

Statement BuildCandidateQuery(const NamingOptions& options, const std::string& entry) {
  SchemeSelect select = BuildSchemeSelect(options, entry, Variant::Chosen);
  return wrap(std::move(select.select), select.twoCharacters);
}

std::size_t groupCount(std::size_t schemeCount) { return (schemeCount + 7) / 8; }

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
