#include "core/text.h"

namespace lumo {
namespace {

bool isBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string trimmed(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && isBlank(text[b])) ++b;
  while (e > b && isBlank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}

}  // namespace lumo
