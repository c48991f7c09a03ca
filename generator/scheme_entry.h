#pragma once
// Stroke scheme entries: the lines of the scheme list (CBCode) that link the stroke
// combinations of table `zh` to the candidate statements.
//
// An entry is the surname's stroke count (two counts joined by "-" for a two-character
// surname), "|", the first given character's count, for two given characters "-" and the
// second count, then the score tag "(" score "分)": 12|8(85分), 12-8|6-10(85分).
// Parsing counts GBK bytes, as the entries were always cut: the text after "|" is read
// up to 30 bytes, the tag up to 16 bytes.

#include <optional>
#include <string>

#include "generator/naming_options.h"

namespace lumo::generator {

inline constexpr const char* kAutomaticScheme = "电脑全自动";

struct SchemeStrokes {
  int first = 0;    // s1, strokes of the first given character (0: any)
  int second = 0;   // s2, strokes of the second given character (0: none)
  std::string tag;  // the score tag, carried unchanged into every name
};

// Reads an entry for the given name form. Empty when a stroke part is not a number
// (the statement cannot be built). The second count of "8-9(85分)" is the one digit
// before "(", of "8-10(85分)" the two digits after "-".
std::optional<SchemeStrokes> parseSchemeEntry(const std::string& entry, NameForm form);

// The entry of one `zh` row. `surnameStrokes` is "12" or "12-8"; `second` is used only
// when `twoGiven` is true. The numbers are the row's texts, trimmed.
std::string formatSchemeEntry(const std::string& surnameStrokes, const std::string& first,
                              const std::string& second, bool twoGiven, const std::string& score);

// Integer of a whole text as the window's fields read it: optional leading blanks, an
// optional sign and decimal digits, nothing else.
std::optional<int> parseWholeInt(const std::string& text);

}  // namespace lumo::generator
