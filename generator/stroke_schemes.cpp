#include "generator/stroke_schemes.h"

#include "core/report.h"
#include "core/text.h"
#include "data/gbk.h"
#include "data/read_failure.h"
#include "generator/scheme_entry.h"

namespace lumo::generator {
namespace {

int firstInteger(db::Connection& connection, const char* sql, const std::string& key) {
  db::ResultSet rows = db::readRows(db::Failure::Reported, connection, sql, {key});
  return rows.empty() ? 0 : static_cast<int>(rows.integer(0, std::size_t{0}));
}

// The fixed character's count as the filter on bh21 (first) or bh22 (second).
struct FixedStrokes {
  int first = 0, second = 0;
};

FixedStrokes fixedStrokes(db::Connection& connection, const NamingOptions& o) {
  FixedStrokes f;
  std::string fixed = trimmed(o.fixedChar);
  if (!o.fixedTicked || fixed.empty()) return f;
  int strokes = LookupStrokes(connection, fixed);
  (o.fixedPlace == FixedPlace::Third ? f.second : f.first) = strokes;
  return f;
}

std::string sexCondition(const NamingOptions& o) {
  const char* sex = sexText(o.sex);
  if (o.form == NameForm::Single || o.fixedTicked)
    return std::string(" and (xb = '") + sex + "' or xb = '0') ";
  return std::string(" and xb = '") + sex + "' ";
}

}  // namespace

int LookupStrokes(db::Connection& connection, const std::string& character) {
  int strokes = firstInteger(connection, "select bh from word where zi = ?", character);
  if (strokes == 0) strokes = firstInteger(connection, "select bh from word where ft = ?", character);
  return strokes;
}

namespace {

struct SchemeListQuery {
  std::string sql;
  std::vector<db::Param> params;
  std::string surnameStrokes;  // "12" or "12-8", as the entries begin
};

// The surname part: kind and stroke counts of one or two surname characters.
void addSurname(db::Connection& connection, const NamingOptions& o, SchemeListQuery& q) {
  bool twoGiven = o.form == NameForm::Double;
  if (gbk::byteLength(o.surname) == 2) {
    int s = LookupStrokes(connection, o.surname);
    q.params = {std::int64_t{twoGiven ? 12 : 11}, std::int64_t{s}};
    q.surnameStrokes = std::to_string(s);
    return;
  }
  int s1 = LookupStrokes(connection, gbk::slice(o.surname, 0, 2));
  int s2 = LookupStrokes(connection, gbk::slice(o.surname, 2, 2));
  q.sql += " and bh12 = ?";
  q.params = {std::int64_t{twoGiven ? 22 : 21}, std::int64_t{s1}, std::int64_t{s2}};
  q.surnameStrokes = std::to_string(s1) + "-" + std::to_string(s2);
}

SchemeListQuery schemeListQuery(db::Connection& connection, const SchemeListOptions& options) {
  const NamingOptions& o = options.naming;
  FixedStrokes fixed = fixedStrokes(connection, o);
  SchemeListQuery q;
  q.sql = "select bh11, bh12, bh21, bh22, zf from zh where bh21 < 25 and bh22 < 25 and lx = ? and bh11 = ?";
  addSurname(connection, o, q);
  int limit = o.form == NameForm::Double ? 20 : 40;
  if (fixed.first > 0 || fixed.second > 0) {
    limit = 80;
    q.sql += fixed.first > 0 ? " and bh21 = ?" : " and bh22 = ?";
    q.params.emplace_back(std::int64_t{fixed.first > 0 ? fixed.first : fixed.second});
  }
  if (gbk::byteLength(o.surname) != 2) q.sql += sexCondition(o);
  std::string minScore = trimmed(options.minScore);
  if (options.minTicked && !minScore.empty()) {
    auto value = parseWholeInt(minScore);
    if (!value) throw ReportedFailure("“" + minScore + "”不是有效的整数");
    q.sql += " and zf >= ?";
    q.params.emplace_back(std::int64_t{*value});
  }
  q.sql += " order by jxjx asc, zf asc limit " + std::to_string(limit);
  return q;
}

}  // namespace

std::vector<std::string> FillStrokeSchemes(db::Connection& connection, const SchemeListOptions& options) {
  SchemeListQuery q = schemeListQuery(connection, options);
  db::ResultSet rows = db::readRows(db::Failure::Reported, connection, q.sql, q.params);
  bool twoGiven = options.naming.form == NameForm::Double;
  std::vector<std::string> items{kAutomaticScheme};
  for (std::size_t i = 0; i < rows.size(); ++i)
    items.push_back(formatSchemeEntry(q.surnameStrokes, rows.text(i, "bh21"), rows.text(i, "bh22"), twoGiven,
                                      rows.text(i, "zf")));
  return items;
}

}  // namespace lumo::generator
