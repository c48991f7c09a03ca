#include "generator/field_checks.h"

#include "core/text.h"
#include "data/gbk.h"
#include "generator/scheme_entry.h"

namespace lumo::generator {
namespace {

std::string checkedInteger(const std::string& text, const char* fallback) {
  std::string t = trimmed(text);
  return t.empty() || parseWholeInt(t) ? text : fallback;
}

std::size_t utf8CharLength(unsigned char lead) {
  return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

}  // namespace

std::string checkedMinScore(const std::string& text) {
  return checkedInteger(text, "70");
}
std::string checkedThreshold(const std::string& text) {
  return checkedInteger(text, "95");
}

std::string clipToGbkBytes(const std::string& text, std::size_t maxBytes) {
  std::size_t bytes = 0, i = 0;
  while (i < text.size()) {
    std::size_t step = utf8CharLength(static_cast<unsigned char>(text[i]));
    std::size_t width = gbk::byteLength(text.substr(i, step));
    if (bytes + width > maxBytes) break;
    bytes += width;
    i += step;
  }
  return text.substr(0, i);
}

std::string givenNameOf(const std::string& entry, const std::string& surname) {
  std::size_t open = entry.find('(');
  std::string full = open == std::string::npos ? std::string() : entry.substr(0, open);
  return trimmed(gbk::slice(full, gbk::byteLength(trimmed(surname)), 20));
}

}  // namespace lumo::generator
