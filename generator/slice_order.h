#pragma once
// Reading a candidate result in slices, so that the names are spread over the whole
// ranking instead of taken best first.
//
// With R rows and n = R / 9, block g (g = 1..n) takes the rows g + k*n (1-based) for the
// nine slice numbers k in the slice order; then the rows 9n+1..R follow in order. Every
// row is taken exactly once.

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

namespace lumo::generator {

using SliceOrder = std::array<std::size_t, 9>;
inline constexpr SliceOrder kChosenSliceOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr SliceOrder kAutomaticSliceOrder = {5, 8, 0, 1, 7, 2, 6, 3, 4};

// Where the run flag is checked among the remainder rows: a chosen-scheme run checks
// after each row, an automatic run before each. Blocks are always checked before.
enum class RemainderCheck { AfterRow, BeforeRow };

// Hands the rows (0-based) to `take` in slice order. `keepGoing` is asked before each
// block and around the remainder rows as `check` says; once it says no, nothing more is
// taken and the function returns false. Returns true when every row was taken.
bool readInSlices(std::size_t rowCount, const SliceOrder& order, RemainderCheck check,
                  const std::function<bool()>& keepGoing, const std::function<void(std::size_t)>& take);

// The whole order of the rows (0-based) without stopping.
std::vector<std::size_t> sliceSequence(std::size_t rowCount, const SliceOrder& order);

}  // namespace lumo::generator
