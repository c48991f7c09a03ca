#include "almanac/almanac_glossary.h"

#include <string_view>

namespace lumo::embedded {
extern const std::string_view almanac_glossary;
}

namespace lumo::almanac {

std::vector<std::string> glossaryLines() {
  std::vector<std::string> lines;
  std::string_view text = embedded::almanac_glossary;
  while (!text.empty()) {
    auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string> glossaryTerms() {
  static constexpr std::string_view kSeparator = " ：";
  std::vector<std::string> terms;
  for (const std::string& line : glossaryLines()) {
    auto at = line.find(kSeparator);
    if (at != std::string::npos) terms.push_back(line.substr(0, at));
  }
  return terms;
}

}  // namespace lumo::almanac
