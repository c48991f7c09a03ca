#include "data/tsv.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lumo::tsv {
namespace {

std::optional<std::string> unescape(std::string_view field) {
  if (field == "\\N") return std::nullopt;
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      char next = field[i + 1];
      if (next == 'n') {
        out.push_back('\n');
        ++i;
        continue;
      }
      if (next == 't') {
        out.push_back('\t');
        ++i;
        continue;
      }
      if (next == '\\') {
        out.push_back('\\');
        ++i;
        continue;
      }
    }
    out.push_back(field[i]);
  }
  return out;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return parts;
}

}  // namespace

int Table::column(std::string_view name) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i] == name) return static_cast<int>(i);
  return -1;
}

Table parse(std::string_view text) {
  Table table;
  std::size_t pos = 0;
  int lineNo = 0;
  bool header = true;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    std::string_view line =
        text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    auto parts = splitTabs(line);
    if (header) {
      for (auto p : parts) table.columns.emplace_back(p);
      header = false;
      continue;
    }
    if (parts.size() != table.columns.size())
      throw std::runtime_error("line " + std::to_string(lineNo) + ": " + std::to_string(parts.size()) +
                               " fields, expected " + std::to_string(table.columns.size()));
    std::vector<std::optional<std::string>> row;
    for (auto p : parts) row.push_back(unescape(p));
    table.rows.push_back(std::move(row));
  }
  return table;
}

Table readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream buffer;
  buffer << in.rdbuf();
  try {
    return parse(buffer.str());
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(path + ": " + e.what());
  }
}

}  // namespace lumo::tsv
