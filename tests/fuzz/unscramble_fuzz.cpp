// The stored-text unscrambling over any stored value, and scrambling as its inverse.
#include "data/unscramble.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo;
  std::string_view text = fuzz::textOf(data, size);
  db::UnscrambleStoredText(text, db::kStoredTextKey, db::kStoredTextRounds);
  unsigned key = size > 1 ? static_cast<unsigned>(data[0] << 8 | data[1]) : 0;
  int rounds = size > 2 ? data[2] % 16 : 1;
  db::UnscrambleStoredText(text, key, rounds);
  std::string stored = db::ScrambleStoredText(text, key, rounds);
  fuzz::require(db::UnscrambleStoredText(stored, key, rounds) == text);
  return 0;
}
