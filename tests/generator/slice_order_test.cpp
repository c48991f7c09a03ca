// Reading in slices: which rows come in which order, and where a stop takes effect.
#include "generator/slice_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace lumo::generator {
namespace {

using Rows = std::vector<std::size_t>;

Rows oneBased(const Rows& rows) {
  Rows out;
  for (auto r : rows) out.push_back(r + 1);
  return out;
}

TEST(SliceOrder, TwentyTwoRowsChosen) {
  Rows expected = {1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18, 19, 20, 21, 22};
  EXPECT_EQ(oneBased(sliceSequence(22, kChosenSliceOrder)), expected);
}

TEST(SliceOrder, TwentyTwoRowsAutomatic) {
  // n = 2: slice k of block g is row g + 2k.
  Rows expected = {11, 17, 1, 3, 15, 5, 13, 7, 9, 12, 18, 2, 4, 16, 6, 14, 8, 10, 19, 20, 21, 22};
  EXPECT_EQ(oneBased(sliceSequence(22, kAutomaticSliceOrder)), expected);
}

TEST(SliceOrder, FewerThanNineRowsInOrder) {
  for (std::size_t r : {0u, 1u, 8u}) {
    Rows expected(r);
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(sliceSequence(r, kAutomaticSliceOrder), expected) << r;
  }
}

TEST(SliceOrder, EveryRowExactlyOnce) {
  for (std::size_t r : {9u, 18u, 27u, 81u, 22u, 100u, 1000u}) {
    for (const auto& order : {kChosenSliceOrder, kAutomaticSliceOrder}) {
      Rows rows = sliceSequence(r, order);
      ASSERT_EQ(rows.size(), r);
      std::sort(rows.begin(), rows.end());
      EXPECT_TRUE(std::adjacent_find(rows.begin(), rows.end()) == rows.end()) << r;
      EXPECT_EQ(rows.back(), r - 1) << r;
    }
  }
  EXPECT_EQ(oneBased(sliceSequence(9, kAutomaticSliceOrder)), Rows({6, 9, 1, 2, 8, 3, 7, 4, 5}));
}

// How many rows are taken when the flag drops after `allowedChecks` checks.
std::size_t takenUntilStop(std::size_t rowCount, RemainderCheck check, int allowedChecks) {
  std::size_t taken = 0;
  readInSlices(
      rowCount, kChosenSliceOrder, check, [&] { return allowedChecks-- > 0; }, [&](std::size_t) { ++taken; });
  return taken;
}

TEST(SliceOrder, StopsAtTheNextCheck) {
  EXPECT_EQ(takenUntilStop(27, RemainderCheck::BeforeRow, 0), 0u);
  EXPECT_EQ(takenUntilStop(27, RemainderCheck::BeforeRow, 1), 9u) << "the block in progress completes";
  EXPECT_EQ(takenUntilStop(22, RemainderCheck::BeforeRow, 2), 18u);
  EXPECT_EQ(takenUntilStop(22, RemainderCheck::BeforeRow, 3), 19u);
  // A chosen-scheme run checks after each remainder row: one more row goes through.
  EXPECT_EQ(takenUntilStop(22, RemainderCheck::AfterRow, 2), 19u);
  EXPECT_EQ(takenUntilStop(5, RemainderCheck::AfterRow, 0), 1u);
  EXPECT_EQ(takenUntilStop(5, RemainderCheck::BeforeRow, 0), 0u);
}

}  // namespace
}  // namespace lumo::generator
