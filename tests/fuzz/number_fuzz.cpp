// The QQ, any-number and phone readings and the QQ pairing checks over any field text.
// The first byte picks the reading; the rest is the field (for the pairing, two fields
// split at a tab).
#include "core/report.h"
#include "readings/number_reading.h"
#include "readings/phone_reading.h"
#include "readings/qq_pair.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo;
  if (size == 0) return 0;
  std::string_view field = fuzz::textOf(data + 1, size - 1);
  try {
    switch (data[0] % 4) {
      case 0:
        readings::readNumberForm(readings::NumberForm::QQ, field);
        break;
      case 1:
        readings::readNumberForm(readings::NumberForm::Any, field);
        break;
      case 2: {
        std::string key = readings::shoujiinfostr(field);
        int value = std::stoi(key);
        fuzz::require(value >= 0 && value < 80);
        break;
      }
      default: {
        auto parts = fuzz::fieldsOf(field, '\t', 2);
        if (!readings::CheckPairInput(parts[0], parts[1])) readings::PairSum(parts[0], parts[1]);
        readings::DigitSum(parts[0]);
      }
    }
  } catch (const Notice&) {
  }
  return 0;
}
