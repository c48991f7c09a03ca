#include "generator/scheme_entry.h"

#include <charconv>

#include "core/text.h"
#include "data/gbk.h"

namespace lumo::generator {
namespace {

// Bytes [start, start + count) of a GBK string, clipped to its end.
std::string bytesAt(const std::string& bytes, std::size_t start, std::size_t count) {
  if (start >= bytes.size()) return {};
  return bytes.substr(start, count);
}

std::optional<int> strokesOf(const std::string& gbkText) {
  return parseWholeInt(gbkText);
}

}  // namespace

std::optional<int> parseWholeInt(const std::string& text) {
  std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  const char* begin = text.data() + start;
  const char* end = text.data() + text.size();
  if (*begin == '+') ++begin;
  int value = 0;
  auto [stop, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<SchemeStrokes> parseSchemeEntry(const std::string& entry, NameForm form) {
  std::string bytes = gbk::fromUtf8(entry);
  std::size_t bar = bytes.find('|');
  std::string r = trimmed(bytesAt(bytes, bar == std::string::npos ? 0 : bar + 1, 30));
  std::size_t paren = r.find('(');
  SchemeStrokes out;
  out.tag = gbk::toUtf8(trimmed(bytesAt(r, paren == std::string::npos ? 0 : paren, 16)));
  if (form == NameForm::Single) {
    auto first = strokesOf(paren == std::string::npos ? std::string() : r.substr(0, paren));
    if (!first) return std::nullopt;
    out.first = *first;
    return out;
  }
  std::size_t dash = r.find('-');
  auto first = strokesOf(dash == std::string::npos ? std::string() : r.substr(0, dash));
  if (!first) return std::nullopt;
  std::size_t after = dash + 1;
  std::string two = bytesAt(r, after, 2);
  auto second = strokesOf(two.find('(') != std::string::npos ? bytesAt(r, after, 1) : two);
  if (!second) return std::nullopt;
  out.first = *first;
  out.second = *second;
  return out;
}

std::string formatSchemeEntry(const std::string& surnameStrokes, const std::string& first,
                              const std::string& second, bool twoGiven, const std::string& score) {
  std::string entry = surnameStrokes + "|" + trimmed(first);
  if (twoGiven) entry += "-" + trimmed(second);
  return entry + "(" + trimmed(score) + "分)";
}

}  // namespace lumo::generator
