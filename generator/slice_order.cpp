#include "generator/slice_order.h"

namespace lumo::generator {

bool readInSlices(std::size_t rowCount, const SliceOrder& order, RemainderCheck check,
                  const std::function<bool()>& keepGoing, const std::function<void(std::size_t)>& take) {
  std::size_t n = rowCount / 9;
  for (std::size_t g = 0; g < n; ++g) {
    if (!keepGoing()) return false;
    for (std::size_t k : order) take(g + k * n);
  }
  for (std::size_t row = 9 * n; row < rowCount; ++row) {
    if (check == RemainderCheck::BeforeRow && !keepGoing()) return false;
    take(row);
    if (check == RemainderCheck::AfterRow && !keepGoing()) return row + 1 == rowCount;
  }
  return true;
}

std::vector<std::size_t> sliceSequence(std::size_t rowCount, const SliceOrder& order) {
  std::vector<std::size_t> rows;
  rows.reserve(rowCount);
  readInSlices(
      rowCount, order, RemainderCheck::BeforeRow, [] { return true; },
      [&](std::size_t row) { rows.push_back(row); });
  return rows;
}

}  // namespace lumo::generator
