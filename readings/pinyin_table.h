#pragma once
// The reading of every double-byte GBK code as one of the toneless Mandarin syllables.
//
// Built from two texts: the syllable list (one a line, alphabetical, numbered from 1)
// and the code table ("code<TAB>syllable number", the GBK code as four hex digits).
// Codes outside lead 0x81..0xFE / trail 0x40..0xFE, codes the table does not list and
// numbers beyond the syllable list all read 0: no reading.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::readings {

class PinyinTable {
 public:
  PinyinTable();
  // Lines that do not parse (a header, blanks) are skipped.
  static PinyinTable parse(std::string_view syllableLines, std::string_view codeLines);

  // Syllable number of a code, 0 for none.
  int syllableNumber(unsigned char lead, unsigned char trail) const;
  // Syllable text of a number, "" for 0 or an unknown number.
  std::string_view syllable(int number) const;

  std::size_t syllableCount() const { return m_syllables.size(); }
  // Number of codes that have a reading.
  std::size_t readingCount() const;

 private:
  static int slot(unsigned char lead, unsigned char trail);
  std::vector<std::string> m_syllables;
  std::vector<std::uint16_t> m_numbers;  // one per code slot
};

// The table held in the program.
const PinyinTable& builtinPinyinTable();

}  // namespace lumo::readings
