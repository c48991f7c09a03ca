// The net-name reading: letters of GBK bytes and the window's field text.
#include "core/report.h"
#include "readings/letters.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo;
  std::string_view text = fuzz::textOf(data, size);
  readings::ToLetters(text);
  try {
    readings::NetNamePersonality(text);
    readings::ReadNetName(text);
  } catch (const Notice&) {
  }
  return 0;
}
