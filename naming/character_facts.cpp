#include "naming/character_facts.h"

#include "data/query.h"

namespace lumo::naming {
namespace {

constexpr const char* kColumns =
    "select w.zi, w.ft, w.bh, w.wuhang, w.px, w.Aflag, w.pinyin, w.duyin, y.yi, y.shuoming"
    " from word w left join ziyi y on y.zi = w.zi ";

CharFacts factsOfRow(const db::ResultSet& rows, std::size_t row) {
  CharFacts f;
  f.zi = rows.text(row, "zi");
  f.ft = rows.text(row, "ft");
  f.strokes = static_cast<int>(rows.integer(row, "bh"));
  f.element = rows.text(row, "wuhang");
  f.px = static_cast<int>(rows.integer(row, "px"));
  f.flagged = !rows.text(row, "Aflag").empty();
  f.reading = rows.text(row, "duyin");
  f.syllable = parseSyllable(f.reading);
  if (f.reading.empty()) {  // the toneless reading tells the syllable, not the tone
    f.reading = rows.text(row, "pinyin");
    f.syllable = parseSyllable(f.reading);
    f.syllable.tone = 0;
  }
  f.gloss = rows.text(row, "yi");
  f.note = rows.text(row, "shuoming");
  return f;
}

}  // namespace

CharFacts readCharFacts(db::Connection& connection, const std::string& character) {
  try {
    // The same order as the stroke count: a `zi` row first, then a row of that full form.
    const char* const keys[2] = {"where w.zi = ? order by w.id limit 1",
                                 "where w.ft = ? order by w.id limit 1"};
    for (int k = 0; k < 2; ++k) {
      db::ResultSet rows = connection.run(std::string(kColumns) + keys[k], {character});
      if (rows.empty()) continue;
      CharFacts f = factsOfRow(rows, 0);
      if (f.strokes == 0 && k == 0) continue;
      f.zi = character;
      return f;
    }
  } catch (const db::DbError&) {
  }
  CharFacts unknown;
  unknown.zi = character;
  return unknown;
}

CharFacts readCharFacts(const std::string& character) {
  try {
    db::Connection connection(db::DbFile::Voduzid);
    return readCharFacts(connection, character);
  } catch (const db::DbError&) {
    CharFacts unknown;
    unknown.zi = character;
    return unknown;
  }
}

std::vector<CharFacts> surnameFacts(db::Connection& connection, const std::string& surname) {
  std::vector<CharFacts> facts;
  for (std::size_t i = 0; i < surname.size();) {
    auto lead = static_cast<unsigned char>(surname[i]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    facts.push_back(readCharFacts(connection, surname.substr(i, length)));
    i += length;
  }
  try {
    db::ResultSet rows = connection.run("select duyin, wuhang from xingdu where xing = ? limit 1", {surname});
    if (rows.empty()) return facts;
    std::vector<std::string> readings = splitReading(rows.text(0, "duyin"));
    std::string elements = rows.text(0, "wuhang");
    for (std::size_t k = 0; k < facts.size(); ++k) {
      if (k < readings.size()) {
        facts[k].reading = readings[k];
        facts[k].syllable = parseSyllable(readings[k]);
      }
      if (elements.size() >= 3 * (k + 1)) facts[k].element = elements.substr(3 * k, 3);
    }
  } catch (const db::DbError&) {
    // A dictionary without surname readings keeps the characters' own.
  }
  return facts;
}

std::vector<CharFacts> surnameFacts(const std::string& surname) {
  try {
    db::Connection connection(db::DbFile::Voduzid);
    return surnameFacts(connection, surname);
  } catch (const db::DbError&) {
    return {};
  }
}

void CharacterTable::loadNameSet(db::Connection& connection) {
  db::ResultSet rows = connection.run(std::string(kColumns) + "where w.Aflag is null order by w.id");
  for (std::size_t r = 0; r < rows.size(); ++r) {
    CharFacts f = factsOfRow(rows, r);
    m_facts.try_emplace(f.zi, std::move(f));
  }
  try {
    db::ResultSet marks = connection.run("select zi, era, lean from shidai");
    for (std::size_t r = 0; r < marks.size(); ++r) {
      auto found = m_facts.find(marks.text(r, "zi"));
      if (found == m_facts.end()) continue;
      std::string era = marks.text(r, "era");
      found->second.era = era == "旧"   ? CharFacts::Era::Dated
                          : era == "新" ? CharFacts::Era::Fresh
                                        : CharFacts::Era::Neutral;
      std::string lean = marks.text(r, "lean");
      found->second.lean = lean == "男"   ? CharFacts::Lean::Masculine
                           : lean == "女" ? CharFacts::Lean::Feminine
                                          : CharFacts::Lean::Neither;
    }
  } catch (const db::DbError&) {
  }
}

const CharFacts& CharacterTable::get(db::Connection& connection, const std::string& character) {
  auto found = m_facts.find(character);
  if (found != m_facts.end()) return found->second;
  return m_facts.emplace(character, readCharFacts(connection, character)).first->second;
}

const CharFacts* CharacterTable::find(const std::string& character) const {
  auto found = m_facts.find(character);
  return found == m_facts.end() ? nullptr : &found->second;
}

std::string characterMeaningLine(const CharFacts& f) {
  std::string line = f.zi + "（" + (f.reading.empty() ? "读音不详" : f.reading);
  line += (f.ft.empty() || f.ft == f.zi) ? std::string("，繁简同形") : "，繁体" + f.ft;
  line += "，" + std::to_string(f.strokes) + "画";
  if (!f.element.empty()) line += "，五行属" + f.element;
  line += "）：" + (f.gloss.empty() ? std::string("字义暂缺") : f.gloss);
  if (line.size() >= 3 && line.compare(line.size() - 3, 3, "。") != 0) line += "。";
  return line;
}

}  // namespace lumo::naming
