#pragma once
// What the dictionary says about one character: strokes, traditional form, element and
// reading. lumo-cli strokes prints one line of it per character.
//
// The reading of a name character is the one used in names (晟 shèng); read as a
// surname, a character takes its surname reading from table xingdu (单 shàn, 曾 zēng),
// and the element that follows it where the element comes from the initial.

#include <string>
#include <vector>

namespace lumo::naming {

struct CharacterInfo {
  std::string character;
  int strokes = 0;      // StrokeCount: zi first, then ft
  std::string ft;       // traditional form
  std::string wuhang;   // 金 木 水 火 土
  std::string pinyin;   // toneless
  std::string initial;  // first letter of the reading, upper case
  std::string duyin;    // the reading with its tone mark
};

enum class ReadingOf { Name, Surname };

// The row found by `zi`, else by `ft`; an unknown character (or a read error) has 0
// strokes and empty fields.
CharacterInfo characterInfo(const std::string& character);

// The characters of a UTF-8 text in order (each code point one character).
std::vector<std::string> charactersOf(const std::string& text);

// One tab-separated line per character: character, strokes, ft, wuhang, pinyin, initial,
// tone-marked reading. Read as a surname, a two-character surname that table xingdu
// knows as a whole (尉迟) takes its readings from there, other characters one by one.
std::vector<std::string> strokeLines(const std::string& text, ReadingOf reading = ReadingOf::Name);

}  // namespace lumo::naming
