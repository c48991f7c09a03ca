// The GBK conversion both ways, the list of characters GBK cannot hold, and byte slices.
#include "data/gbk.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo;
  std::string_view text = fuzz::textOf(data, size);
  std::string utf8 = gbk::toUtf8(text);
  std::string bytes = gbk::fromUtf8(text);
  // Decoded text holds only characters GBK has (or U+FFFD for a stray byte).
  for (const std::string& character : gbk::unencodable(utf8)) fuzz::require(character == "\xEF\xBF\xBD");
  if (utf8.find("\xEF\xBF\xBD") == std::string::npos) fuzz::require(gbk::fromUtf8(utf8) == text);
  std::size_t start = size > 0 ? data[0] : 0, count = size > 1 ? data[1] : 0;
  gbk::slice(text, start, count);
  fuzz::require(gbk::byteLength(text) == bytes.size());
  return 0;
}
