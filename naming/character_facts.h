#pragma once
// What a parent is told about one character of a name: its reading in names with the
// tone mark, traditional form, Kangxi strokes, element, popularity rank and meaning.
//
// Facts come from the naming database: table `word` (the row found by `zi`, else by
// `ft`) and table `ziyi` (gloss and note, for name characters only). A character the
// dictionary does not know has 0 strokes and empty texts. CharacterTable holds the whole
// name set in memory for the recommended list, which scores every name of a run.

#include <string>
#include <unordered_map>
#include <vector>

#include "data/query.h"
#include "naming/tone_marks.h"

namespace lumo::naming {

struct CharFacts {
  std::string zi, ft;
  int strokes = 0;       // bh: the count the grids use (Kangxi count of the full form)
  std::string element;   // 金 木 水 火 土, or ""
  int px = 0;            // popularity rank in given names, 1 the most popular; 0 unknown
  bool flagged = false;  // Aflag set: not proposed in names
  std::string reading;   // tone-marked ("hào"); the toneless reading when none is stored
                         // (then the syllable's tone is 0, unknown)
  Syllable syllable;
  std::string gloss, note;  // ziyi.yi and ziyi.shuoming
  // How the character reads in the name of a child born now (table `shidai`, reviewed in
  // resources/names/era.tsv); only the name set carries these marks.
  enum class Era { Neutral, Dated, Fresh };
  Era era = Era::Neutral;  // 旧: a parent's or grandparent's name (建 丽 秀); 新: current (宸 沐)
  // A both-sex character that reads masculine in a girl's name (睿 泽) or feminine in a
  // boy's (雪 舒).
  enum class Lean { Neither, Masculine, Feminine };
  Lean lean = Lean::Neither;
};

// The facts of one character over `connection`; unknown characters come back with
// only `zi` set. A database error reads as unknown.
CharFacts readCharFacts(db::Connection& connection, const std::string& character);
// The same over the program's cached connection to the naming database.
CharFacts readCharFacts(const std::string& character);

// The facts of a surname's characters, read as a surname: where table `xingdu` knows the
// surname (单 shàn, 尉迟 yù chí), its readings and elements take the place of the
// dictionary's, character by character.
std::vector<CharFacts> surnameFacts(db::Connection& connection, const std::string& surname);
std::vector<CharFacts> surnameFacts(const std::string& surname);

// The characters of the name set (Aflag null), loaded at once, with single characters
// added on demand (a surname, a fixed character).
class CharacterTable {
 public:
  // Throws db::DbError when the naming database cannot be read; a database without the
  // `shidai` table (a test fixture) leaves every character unmarked.
  void loadNameSet(db::Connection& connection);
  // The facts of `character`, read and kept when it is not in the table yet.
  const CharFacts& get(db::Connection& connection, const std::string& character);
  // The facts when present, else nullptr (never reads).
  const CharFacts* find(const std::string& character) const;
  std::size_t size() const { return m_facts.size(); }

 private:
  std::unordered_map<std::string, CharFacts> m_facts;
};

// One line of the name report's character section, in plain words:
// 浩（hào，繁体浩，11画，五行属水）：水大而广，比喻胸怀宽广。
std::string characterMeaningLine(const CharFacts& facts);

}  // namespace lumo::naming
