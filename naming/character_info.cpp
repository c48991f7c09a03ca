// Dictionary rows of single characters, for lumo-cli strokes.
#include "naming/character_info.h"

#include <cctype>
#include <optional>

#include "data/query.h"
#include "data/read_failure.h"
#include "naming/strokes.h"

namespace lumo::naming {
namespace {

bool readRow(const char* sql, const std::string& character, CharacterInfo& info) {
  try {
    db::ResultSet rows = db::runQuery(db::DbFile::Voduzid, sql, {character});
    if (rows.empty()) return false;
    info.ft = rows.text(0, "ft");
    info.wuhang = rows.text(0, "wuhang");
    info.pinyin = rows.text(0, "pinyin");
    info.duyin = rows.text(0, "duyin");
    return rows.integer(0, "bh") != 0;
  } catch (const db::DbError& error) {
    db::reportIfDamaged(db::DbFile::Voduzid, error);
    return false;
  }
}

void setInitial(CharacterInfo& info) {
  info.initial.clear();
  if (!info.pinyin.empty())
    info.initial =
        std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(info.pinyin[0]))));
}

// The blank-separated word `index` of a text, or "".
std::string wordAt(const std::string& text, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) {
    start = text.find(' ', start);
    if (start == std::string::npos) return {};
    ++start;
  }
  return text.substr(start, text.find(' ', start) - start);
}

struct SurnameReading {
  std::string pinyin, duyin, wuhang;  // syllables and elements of the whole surname
};

std::optional<SurnameReading> surnameReading(const std::string& xing) {
  try {
    db::ResultSet rows = db::runQuery(
        db::DbFile::Voduzid, "select pinyin, duyin, wuhang from xingdu where xing = ? LIMIT 1", {xing});
    if (rows.empty()) return std::nullopt;
    return SurnameReading{rows.text(0, "pinyin"), rows.text(0, "duyin"), rows.text(0, "wuhang")};
  } catch (const db::DbError&) {
    return std::nullopt;
  }
}

// The `index`-th character of a surname takes its reading and element from `reading`.
void applySurnameReading(const SurnameReading& reading, std::size_t index, CharacterInfo& info) {
  std::string pinyin = wordAt(reading.pinyin, index);
  if (pinyin.empty()) return;
  info.pinyin = pinyin;
  info.duyin = wordAt(reading.duyin, index);
  auto elements = charactersOf(reading.wuhang);
  if (index < elements.size()) info.wuhang = elements[index];
  setInitial(info);
}

}  // namespace

CharacterInfo characterInfo(const std::string& character) {
  CharacterInfo info;
  info.character = character;
  info.strokes = StrokeCount(character);
  if (info.strokes == 0) return info;
  // The same order as StrokeCount: a zi row without a count gives way to the ft row.
  if (!readRow("select bh, ft, wuhang, pinyin, duyin from word where zi = ? LIMIT 1", character, info))
    readRow("select bh, ft, wuhang, pinyin, duyin from word where ft = ? LIMIT 1", character, info);
  setInitial(info);
  return info;
}

std::vector<std::string> charactersOf(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    out.push_back(text.substr(i, length));
    i += length;
  }
  return out;
}

std::vector<std::string> strokeLines(const std::string& text, ReadingOf reading) {
  std::vector<std::string> lines;
  auto characters = charactersOf(text);
  std::optional<SurnameReading> whole;
  if (reading == ReadingOf::Surname && characters.size() > 1) whole = surnameReading(text);
  for (std::size_t i = 0; i < characters.size(); ++i) {
    CharacterInfo info = characterInfo(characters[i]);
    if (info.strokes != 0 && reading == ReadingOf::Surname) {
      if (whole)
        applySurnameReading(*whole, i, info);
      else if (auto own = surnameReading(characters[i]))
        applySurnameReading(*own, 0, info);
    }
    lines.push_back(info.character + '\t' + std::to_string(info.strokes) + '\t' + info.ft + '\t' +
                    info.wuhang + '\t' + info.pinyin + '\t' + info.initial + '\t' + info.duyin);
  }
  return lines;
}

}  // namespace lumo::naming
