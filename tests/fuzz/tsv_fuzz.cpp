// The TSV reader of the table sources: any text parses or is refused with its line.
#include <stdexcept>

#include "data/tsv.h"
#include "tests/fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumo;
  try {
    tsv::Table table = tsv::parse(fuzz::textOf(data, size));
    for (const auto& row : table.rows) fuzz::require(row.size() == table.columns.size());
  } catch (const std::runtime_error&) {
  }
  return 0;
}
