// The naming window's scheme entry and score fields: parsing of a scheme such as
// "4|8-10(85分)", the minimum and threshold fields, whole numbers, the given name of a
// high-score entry and the byte-limited edits. Input lines: entry, surname.
#include "core/text.h"
#include "data/gbk.h"
#include "generator/field_checks.h"
#include "generator/scheme_entry.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo::generator;
  namespace fuzz = lumo::fuzz;
  auto f = fuzz::fieldsOf(fuzz::textOf(data, size), '\n', 2);
  for (NameForm form : {NameForm::Double, NameForm::Single}) parseSchemeEntry(f[0], form);
  // A kept field reads, trimmed as the run reads it, as a whole number.
  for (const std::string& kept : {checkedMinScore(f[0]), checkedThreshold(f[0])}) {
    std::string t = lumo::trimmed(kept);
    fuzz::require(t.empty() || parseWholeInt(t).has_value());
  }
  givenNameOf(f[0], f[1]);
  std::size_t limit = size > 0 ? data[0] % 32 : 0;
  fuzz::require(lumo::gbk::byteLength(clipToGbkBytes(f[0], limit)) <= limit);
  return 0;
}
