#include "readings/pinyin_table.h"

#include <charconv>

#include "core/text.h"

namespace lumo::embedded {
extern const std::string_view pinyin_syllables;
extern const std::string_view gbk_pinyin;
}  // namespace lumo::embedded

namespace lumo::readings {
namespace {

constexpr int kLeads = 0xFE - 0x81 + 1;
constexpr int kTrails = 0xFE - 0x40 + 1;

// Calls `each` with every line of `text`, without its line end.
template <class Each>
void forEachLine(std::string_view text, Each&& each) {
  while (!text.empty()) {
    auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    each(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

template <class T>
bool parseWhole(std::string_view text, T& value, int base) {
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return ec == std::errc() && ptr == text.data() + text.size();
}

}  // namespace

PinyinTable::PinyinTable() : m_numbers(kLeads * kTrails, 0) {}

int PinyinTable::slot(unsigned char lead, unsigned char trail) {
  if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE) return -1;
  return (lead - 0x81) * kTrails + (trail - 0x40);
}

PinyinTable PinyinTable::parse(std::string_view syllableLines, std::string_view codeLines) {
  PinyinTable table;
  forEachLine(syllableLines, [&](std::string_view line) {
    std::string syllable = trimmed(line);
    if (!syllable.empty()) table.m_syllables.push_back(syllable);
  });
  forEachLine(codeLines, [&](std::string_view line) {
    auto tab = line.find('\t');
    if (tab != 4) return;
    unsigned code = 0;
    unsigned number = 0;
    if (!parseWhole(line.substr(0, 4), code, 16)) return;
    if (!parseWhole(std::string_view(trimmed(line.substr(5))), number, 10)) return;
    int at = slot(static_cast<unsigned char>(code >> 8), static_cast<unsigned char>(code & 0xFF));
    if (at >= 0 && number <= table.m_syllables.size())
      table.m_numbers[at] = static_cast<std::uint16_t>(number);
  });
  return table;
}

int PinyinTable::syllableNumber(unsigned char lead, unsigned char trail) const {
  int at = slot(lead, trail);
  return at < 0 ? 0 : m_numbers[at];
}

std::string_view PinyinTable::syllable(int number) const {
  if (number < 1 || number > static_cast<int>(m_syllables.size())) return {};
  return m_syllables[number - 1];
}

std::size_t PinyinTable::readingCount() const {
  std::size_t count = 0;
  for (auto number : m_numbers) count += number != 0;
  return count;
}

const PinyinTable& builtinPinyinTable() {
  static const PinyinTable table = PinyinTable::parse(embedded::pinyin_syllables, embedded::gbk_pinyin);
  return table;
}

}  // namespace lumo::readings
