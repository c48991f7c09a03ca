#pragma once
// Reading the tab-separated table sources: first line the column names, "\n", "\t" and
// "\\" escapes inside fields, "\N" for NULL.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo::tsv {

struct Table {
  std::vector<std::string> columns;
  std::vector<std::vector<std::optional<std::string>>> rows;  // nullopt = NULL
  int column(std::string_view name) const;
};

// Parses the whole text; throws std::runtime_error naming the line of a malformed row.
Table parse(std::string_view text);
Table readFile(const std::string& path);

}  // namespace lumo::tsv
