#include "generator/element_lookup.h"

#include "core/text.h"
#include "data/gbk.h"
#include "data/read_failure.h"

namespace lumo::generator {

std::string ElementOf(db::Connection& connection, const std::string& character) {
  db::ResultSet rows = db::readRows(db::Failure::Reported, connection,
                                    "select wuhang from word where zi = ? or ft = ?", {character, character});
  return rows.empty() ? std::string() : rows.text(0, "wuhang");
}

std::optional<std::string> ElementsOfText(db::Connection& connection, const std::string& input) {
  std::string text = trimmed(input);
  if (text.empty()) return std::nullopt;
  std::string result;
  for (std::size_t start = 0; start < 10; start += 2) {
    std::string piece = gbk::slice(text, start, 2);
    if (!piece.empty()) result += ElementOf(connection, piece);
  }
  return result;
}

}  // namespace lumo::generator
