// Surname list and origin search over table xing.
#include "naming/surname_origin.h"

#include <algorithm>
#include <sstream>

#include "core/text.h"
#include "data/gbk.h"
#include "data/read_failure.h"

namespace lumo::naming {

std::vector<std::string> SurnameList(db::Connection& connection) {
  db::ResultSet rows =
      db::readRows(db::Failure::Reported, connection, "Select id,xingl from xing order by xingl");
  std::vector<std::pair<std::string, std::string>> keyed;
  keyed.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string name = rows.text(i, "xingl");
    keyed.emplace_back(gbk::fromUtf8(name), name);
  }
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  names.reserve(keyed.size());
  for (auto& [key, name] : keyed) names.push_back(std::move(name));
  return names;
}

OriginSearch SearchOrigin(db::Connection& connection, const std::string& typed) {
  std::string surname = trimmed(typed);
  if (surname.empty()) return {OriginSearch::Clear, {}};
  db::ResultSet rows =
      db::readRows(db::Failure::Reported, connection, "Select * from xing where xingl = ?", {surname});
  if (rows.empty()) return {OriginSearch::Keep, {}};
  return {OriginSearch::Show, rows.text(0, "intro")};
}

std::vector<std::string> OriginLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace lumo::naming
