#pragma once
// The process-wide date and time formats. At startup each of the five items is read,
// trimmed and compared with the wanted text, in this order, and written where it
// differs; failures are swallowed. The formats live in a small per-user store (Linux has
// no system-wide locale items to rewrite), so a second start finds them and writes nothing.

#include <optional>
#include <string>
#include <vector>

namespace lumo {

struct LocaleItem {
  const char* name;
  int id;
  const char* wanted;
};

extern const LocaleItem kRegionalFormats[5];

class LocaleSource {
 public:
  virtual ~LocaleSource() = default;
  virtual std::string read(int id) = 0;                      // may throw; "" when unknown
  virtual void write(int id, const std::string& value) = 0;  // may throw
};

// Returns the ids written, in order.
std::vector<int> applyRegionalFormats(LocaleSource& source);

// The per-user store: a "key=value" file, falling back to the C library's locale for
// items it does not hold yet.
class FileLocaleSource final : public LocaleSource {
 public:
  explicit FileLocaleSource(std::string path);
  std::string read(int id) override;
  void write(int id, const std::string& value) override;
  static std::string defaultPath();

 private:
  std::string m_path;
};

}  // namespace lumo
