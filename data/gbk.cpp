#include "data/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

#include "core/utf8.h"

namespace lumo::gbk {
namespace {

// iconv descriptors are not thread-safe; one pair per thread.
struct Converters {
  iconv_t toGbk = iconv_open("GBK", "UTF-8");
  iconv_t fromGbk = iconv_open("UTF-8", "GBK");
  ~Converters() {
    if (toGbk != reinterpret_cast<iconv_t>(-1)) iconv_close(toGbk);
    if (fromGbk != reinterpret_cast<iconv_t>(-1)) iconv_close(fromGbk);
  }
};

thread_local Converters t_conv;

// Converts with `cd`; on an invalid or unconvertible input sequence it writes
// `replacement` and skips `skipOnError` input bytes (1 for GBK input; one UTF-8
// character for UTF-8 input).
std::string convert(iconv_t cd, std::string_view in, std::string_view replacement, bool utf8Input) {
  std::string out;
  out.reserve(in.size() * 2);
  char buffer[256];
  char* src = const_cast<char*>(in.data());
  std::size_t left = in.size();
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    std::size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (rc != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    out.append(replacement);
    std::size_t skip = 1;
    if (utf8Input) skip = utf8Length(std::string_view(src, left), 0);
    src += skip;
    left -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace

std::string fromUtf8(std::string_view utf8) {
  return convert(t_conv.toGbk, utf8, "?", true);
}

std::vector<std::string> unencodable(std::string_view utf8) {
  std::vector<std::string> found;
  auto note = [&](std::string character) {
    for (const auto& f : found)
      if (f == character) return;
    found.push_back(std::move(character));
  };
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t length = utf8Length(utf8, i);
    std::string_view character = utf8.substr(i, length);
    if (static_cast<unsigned char>(utf8[i]) >= 0x80 && convert(t_conv.toGbk, character, "", true).empty())
      note(length == 1 ? std::string("\xEF\xBF\xBD") : std::string(character));
    i += length;
  }
  return found;
}

std::string toUtf8(std::string_view gbkBytes) {
  return convert(t_conv.fromGbk, gbkBytes, "\xEF\xBF\xBD", false);
}

std::size_t byteLength(std::string_view utf8) {
  return fromUtf8(utf8).size();
}

std::string slice(std::string_view utf8, std::size_t start, std::size_t count) {
  std::string bytes = fromUtf8(utf8);
  if (start >= bytes.size()) return {};
  return toUtf8(std::string_view(bytes).substr(start, count));
}

}  // namespace lumo::gbk
