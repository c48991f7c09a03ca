#pragma once
// Helpers shared by the fuzz targets: the input as text, split into fields.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The text cut at each separator; missing fields come back empty.
inline std::vector<std::string> fieldsOf(std::string_view text, char separator, std::size_t count) {
  std::vector<std::string> fields;
  while (fields.size() + 1 < count) {
    auto at = text.find(separator);
    if (at == std::string_view::npos) break;
    fields.emplace_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  fields.emplace_back(text);
  fields.resize(count);
  return fields;
}

// Stops the run with a crash that libFuzzer records, when a stated property fails.
inline void require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace lumo::fuzz
