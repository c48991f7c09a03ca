// Dictionary rows of single characters, for lumo-cli strokes.
#include "naming/character_info.h"

#include <cctype>

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
    return rows.integer(0, "bh") != 0;
  } catch (const db::DbError& error) {
    db::reportIfDamaged(db::DbFile::Voduzid, error);
    return false;
  }
}

}  // namespace

CharacterInfo characterInfo(const std::string& character) {
  CharacterInfo info;
  info.character = character;
  info.strokes = StrokeCount(character);
  if (info.strokes == 0) return info;
  // The same order as StrokeCount: a zi row without a count gives way to the ft row.
  if (!readRow("select bh, ft, wuhang, pinyin from word where zi = ? LIMIT 1", character, info))
    readRow("select bh, ft, wuhang, pinyin from word where ft = ? LIMIT 1", character, info);
  if (!info.pinyin.empty())
    info.initial = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(info.pinyin[0]))));
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

std::vector<std::string> strokeLines(const std::string& text) {
  std::vector<std::string> lines;
  for (const std::string& c : charactersOf(text)) {
    CharacterInfo info = characterInfo(c);
    lines.push_back(info.character + '\t' + std::to_string(info.strokes) + '\t' + info.ft + '\t' + info.wuhang +
                    '\t' + info.pinyin + '\t' + info.initial);
  }
  return lines;
}

}  // namespace lumo::naming
