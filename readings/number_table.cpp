#include "readings/number_table.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "core/report.h"
#include "core/text.h"
#include "data/tsv.h"
#include "readings/result_line.h"

namespace lumo::embedded {
extern const std::string_view number81;
}

namespace lumo::readings {
namespace {

std::array<std::string, kNumberEntries> parseTable() {
  std::array<std::string, kNumberEntries> entries;
  tsv::Table table = tsv::parse(embedded::number81);
  int indexColumn = table.column("index");
  int entryColumn = table.column("entry");
  if (indexColumn < 0 || entryColumn < 0) return entries;
  for (const auto& row : table.rows) {
    const auto& index = row[indexColumn];
    const auto& entry = row[entryColumn];
    if (!index || !entry) continue;
    int k = -1;
    std::from_chars(index->data(), index->data() + index->size(), k);
    if (k >= 0 && k < kNumberEntries) entries[k] = *entry;
  }
  return entries;
}

const std::array<std::string, kNumberEntries>& table() {
  static const auto entries = parseTable();
  return entries;
}

}  // namespace

const std::string& NumberEntryText(int index) {
  static const std::string none;
  if (index < 0 || index >= kNumberEntries) return none;
  return table()[index];
}

NumberEntry SplitEntry(std::string_view entry) {
  NumberEntry out;
  auto first = entry.find('|');
  out.verdict = std::string(entry.substr(0, first));
  if (first == std::string_view::npos) return out;
  auto second = entry.find('|', first + 1);
  out.grade =
      std::string(entry.substr(first + 1, second == std::string_view::npos ? second : second - first - 1));
  if (second != std::string_view::npos) out.personality = std::string(entry.substr(second + 1));
  return out;
}

int NumberIndex(std::string_view digits) {
  std::int64_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return static_cast<int>(value % kNumberEntries);
}

std::string ReadNumber(std::string_view number) {
  std::string digits = trimmed(number);
  if (!isDigitText(digits, 18)) throw Notice(std::string(kNotANumber));
  return NumberEntryText(NumberIndex(digits));
}

}  // namespace lumo::readings
