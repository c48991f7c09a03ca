#include "core/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "core/utf8.h"
#include "data/gbk.h"

namespace lumo {

std::optional<std::vector<std::string>> readRecordFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return std::nullopt;
  // Records are GBK; a record saved as "UTF-8 文本" is read as it is. Chinese GBK text is
  // almost never well-formed UTF-8 (a lead byte is followed by one that cannot continue a
  // UTF-8 sequence), so this tells the two kinds apart.
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

namespace {

std::string systemReason(const char* what) {
  return std::string(what) + "（" + std::strerror(errno) + "）";
}

bool writeAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::string folderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

// The permission bits of a new file: what the process's umask leaves of rw-rw-rw-.
mode_t newFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

WriteResult saveRecordFile(const std::string& path, const std::vector<std::string>& lines,
                           TextEncoding encoding) {
  std::string bytes;
  std::vector<std::string> refused;
  for (const auto& line : lines) {
    if (encoding == TextEncoding::Utf8) {
      bytes += line + "\n";
      continue;
    }
    for (auto& character : gbk::unencodable(line))
      if (std::find(refused.begin(), refused.end(), character) == refused.end()) refused.push_back(character);
    bytes += gbk::fromUtf8(line) + "\r\n";
  }
  if (!refused.empty()) {
    std::string list;
    for (const auto& character : refused) list += (list.empty() ? "" : " ") + character;
    return {false, "报告中有GBK编码无法保存的字符：" + list};
  }

  mode_t mode = newFileMode();
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return {false, "同名的文件夹已存在"};
    // Read-only for everyone, or not writable by this user: the owner meant it to stay.
    if ((existing.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
      return {false, "文件为只读，不能覆盖"};
    mode = existing.st_mode & 07777;
  }

  std::string folder = folderOf(path);
  std::string name = std::filesystem::path(path).filename().string();
  std::string tmp = folder + "/." + name + ".XXXXXX";
  int fd = ::mkostemp(tmp.data(), O_CLOEXEC);  // O_CREAT | O_EXCL: never opens a link
  if (fd < 0) return {false, systemReason("无法在目标文件夹中建立临时文件")};
  auto fail = [&](const char* what) {
    WriteResult result{false, systemReason(what)};
    if (fd >= 0) ::close(fd);
    ::unlink(tmp.c_str());
    return result;
  };
  if (!writeAll(fd, bytes)) return fail("写入失败");
  if (::fchmod(fd, mode) != 0) return fail("无法设置文件权限");
  if (::fsync(fd) != 0) return fail("写入磁盘失败");
  int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return fail("写入失败");
  if (::rename(tmp.c_str(), path.c_str()) != 0) return fail("无法替换目标文件");
  // The rename is durable only once the folder itself is on disk.
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return {false, systemReason("文件已写入，但无法确认已存盘")};
  int synced = ::fsync(dir);
  ::close(dir);
  if (synced != 0) return {false, systemReason("文件已写入，但无法确认已存盘")};
  return {true, {}};
}

bool writeRecordFile(const std::string& path, const std::vector<std::string>& lines, TextEncoding encoding) {
  return saveRecordFile(path, lines, encoding).ok;
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
