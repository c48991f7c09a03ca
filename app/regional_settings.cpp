#include "app/regional_settings.h"

#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "core/text.h"

namespace lumo {

const LocaleItem kRegionalFormats[5] = {
    {"LOCALE_SLONGDATE", 0x20, "yyyy'年'M'月'd'日'"},
    {"LOCALE_SSHORTDATE", 0x1F, "yyyy-MM-dd"},
    {"LOCALE_STIMEFORMAT", 0x1003, "H:mm:ss"},
    {"LOCALE_SDATE", 0x1D, "-"},
    {"LOCALE_STIME", 0x1E, ":"},
};

std::vector<int> applyRegionalFormats(LocaleSource& source) {
  std::vector<int> written;
  for (const auto& item : kRegionalFormats) {
    try {
      std::string current = trimmed(source.read(item.id));
      if (current != item.wanted) {
        source.write(item.id, item.wanted);
        written.push_back(item.id);
      }
    } catch (...) {
      // A locale that cannot be read or written leaves startup going on.
    }
  }
  return written;
}

namespace {

std::map<int, std::string> readStore(const std::string& path) {
  std::map<int, std::string> values;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    values[std::atoi(line.substr(0, eq).c_str())] = line.substr(eq + 1);
  }
  return values;
}

// The C library's notion of the item, translated to the picture-string style.
std::string systemValue(int id) {
  std::setlocale(LC_TIME, "");
  std::string fmt;
  switch (id) {
    case 0x1F:
      fmt = nl_langinfo(D_FMT);
      break;
    case 0x1003:
      fmt = nl_langinfo(T_FMT);
      break;
    case 0x20:
      fmt = nl_langinfo(D_FMT);
      break;
    case 0x1D:
      fmt = nl_langinfo(D_FMT);
      return fmt.size() > 2 ? fmt.substr(2, 1) : "/";
    case 0x1E:
      return ":";
  }
  std::string out;
  for (std::size_t i = 0; i < fmt.size(); ++i) {
    if (fmt[i] != '%' || i + 1 == fmt.size()) {
      out.push_back(fmt[i]);
      continue;
    }
    switch (fmt[++i]) {
      case 'm':
        out += "MM";
        break;
      case 'd':
        out += "dd";
        break;
      case 'Y':
        out += "yyyy";
        break;
      case 'y':
        out += "yy";
        break;
      case 'H':
        out += "HH";
        break;
      case 'M':
        out += "mm";
        break;
      case 'S':
        out += "ss";
        break;
      default:
        out.push_back(fmt[i]);
    }
  }
  return out;
}

}  // namespace

FileLocaleSource::FileLocaleSource(std::string path) : m_path(std::move(path)) {}

std::string FileLocaleSource::read(int id) {
  auto values = readStore(m_path);
  auto it = values.find(id);
  return it != values.end() ? it->second : systemValue(id);
}

void FileLocaleSource::write(int id, const std::string& value) {
  auto values = readStore(m_path);
  values[id] = value;
  std::filesystem::create_directories(std::filesystem::path(m_path).parent_path());
  std::string tmp = m_path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::trunc);
    for (const auto& [key, v] : values) out << key << '=' << v << '\n';
    if (!out) throw std::runtime_error("cannot write " + tmp);
  }
  std::filesystem::rename(tmp, m_path);
}

std::string FileLocaleSource::defaultPath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base =
      xdg && *xdg ? xdg : std::string(std::getenv("HOME") ? std::getenv("HOME") : ".") + "/.config";
  return base + "/lumo/regional.conf";
}

}  // namespace lumo
