#include "app/record_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/gbk.h"

namespace lumo {

std::optional<std::vector<std::string>> readRecordFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  std::string text = gbk::toUtf8(buffer.str());
  std::vector<std::string> lines;
  std::istringstream split(text);
  std::string line;
  while (std::getline(split, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool writeRecordFile(const std::string& path, const std::vector<std::string>& lines, TextEncoding encoding) {
  std::string tmp = path + ".part";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const auto& line : lines) {
      if (encoding == TextEncoding::Utf8) out << line << '\n';
      else out << gbk::fromUtf8(line) << "\r\n";
    }
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(tmp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (!ec) return true;
  // The rename failed: drop the temporary file, and report the failure (removing the
  // temporary file must not reset the error).
  std::error_code ignored;
  std::filesystem::remove(tmp, ignored);
  return false;
}

std::string withTxtExtension(const std::string& name) {
  auto ends = [&](const char* suffix) {
    std::string s(suffix);
    if (name.size() < s.size()) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
      if (std::tolower(static_cast<unsigned char>(name[name.size() - s.size() + i])) != s[i]) return false;
    return true;
  };
  return ends(".txt") ? name : name + ".txt";
}

}  // namespace lumo
