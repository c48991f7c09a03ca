#include "generator/guard_data.h"

#include "data/query.h"

namespace lumo::generator {
namespace {

char32_t firstCodePoint(const std::string& text) {
  auto points = codePointsOf(text);
  return points.size() == 1 ? points.front() : 0;
}

}  // namespace

GuardData LoadGuardData(db::Connection& connection) {
  GuardData data;
  db::ResultSet chars = connection.run("select zi, duyin from word where Aflag is null");
  for (std::size_t i = 0; i < chars.size(); ++i) {
    if (char32_t c = firstCodePoint(chars.text(i, std::size_t{0})))
      data.characters[c] = {chars.text(i, std::size_t{1}), true, false};
  }
  db::ResultSet doubled = connection.run("select zi from diezi");
  for (std::size_t i = 0; i < doubled.size(); ++i) {
    auto it = data.characters.find(firstCodePoint(doubled.text(i, std::size_t{0})));
    if (it != data.characters.end()) it->second.doubled = true;
  }
  db::ResultSet surnames = connection.run("select xing, duyin, changjian from xingdu");
  for (std::size_t i = 0; i < surnames.size(); ++i) {
    std::string xing = surnames.text(i, std::size_t{0});
    data.surnameReadings[xing] = surnames.text(i, std::size_t{1});
    if (surnames.integer(i, std::size_t{2}) == 1)
      for (char32_t c : codePointsOf(xing)) data.commonSurnames.insert(c);
  }
  db::ResultSet words = connection.run("select duyin from xieyin");
  for (std::size_t i = 0; i < words.size(); ++i)
    data.unluckyReadings.push_back(words.text(i, std::size_t{0}));
  return data;
}

void AddCharacters(db::Connection& connection, const std::string& text, GuardData& data) {
  auto points = codePointsOf(text);
  std::size_t at = 0;
  for (char32_t c : points) {
    std::size_t length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    std::string one = text.substr(at, length);
    at += length;
    if (data.characters.count(c)) continue;
    db::ResultSet row = connection.run("select duyin from word where zi = ? limit 1", {one});
    data.characters[c] = {row.empty() ? std::string() : row.text(0, std::size_t{0}), false, false};
  }
}

}  // namespace lumo::generator
