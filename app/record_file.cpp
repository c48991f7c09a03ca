#include "app/record_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "data/gbk.h"

namespace lumo {
namespace {

// True when the bytes are well-formed UTF-8. Chinese GBK text almost never is (a GBK lead
// byte is followed by a byte that cannot continue a UTF-8 sequence), so this tells the
// two kinds of saved record apart.
bool isUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    auto lead = static_cast<unsigned char>(bytes[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || (extra == 1 && lead < 0xC2)) return false;
    if (i + extra >= bytes.size()) return false;  // a sequence cut off at the end
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> readRecordFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  // Records are GBK; a record saved as "UTF-8 文本" is read as it is.
  std::string bytes = buffer.str();
  std::string text = isUtf8(bytes) ? bytes : gbk::toUtf8(bytes);
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
