// The Sudoku rule on any square grid: where a value repeats, and whether a grid is complete.
#pragma once

#include <cstdint>

// One implementation of the rule, shared by the board's duplicate tests, the tools' grid checks
// and the step explanations, so that they cannot disagree.
//
// A grid is anything indexable as grid[row][column] (a TCharGrid, or a row view over a flat
// array); only its top-left S×S corner is read, S = boxSize². Rows, columns and boxes are counted
// from 0, boxes row-band-major. Values are compared exactly (no case folding); a blank is a value
// like any other here, so callers ask about filled cells. The cell (row, column) must lie in the
// corner; these functions do not check it.
namespace TsdRules {

// A cell, counted from 0; row −1 names no cell.
struct TCellPos {
  std::int32_t row = -1;
  std::int32_t column = -1;
  bool Found() const { return row >= 0; }
};

// The first other cell of the row of (row, column), left to right, holding `value`.
template <class TGrid, class TValue>
TCellPos RowRepeat(const TGrid& grid, std::int32_t boxSize, TValue value, std::int32_t row,
                   std::int32_t column) {
  const std::int32_t side = boxSize * boxSize;
  for (std::int32_t c = 0; c < side; ++c) {
    if (c != column && grid[row][c] == value) return {row, c};
  }
  return {};
}

// The first other cell of the column of (row, column), top to bottom, holding `value`.
template <class TGrid, class TValue>
TCellPos ColumnRepeat(const TGrid& grid, std::int32_t boxSize, TValue value, std::int32_t row,
                      std::int32_t column) {
  const std::int32_t side = boxSize * boxSize;
  for (std::int32_t r = 0; r < side; ++r) {
    if (r != row && grid[r][column] == value) return {r, column};
  }
  return {};
}

// The first other cell of the box of (row, column), in reading order, holding `value`.
template <class TGrid, class TValue>
TCellPos BoxRepeat(const TGrid& grid, std::int32_t boxSize, TValue value, std::int32_t row,
                   std::int32_t column) {
  const std::int32_t top = row / boxSize * boxSize, left = column / boxSize * boxSize;
  for (std::int32_t r = top; r < top + boxSize; ++r) {
    for (std::int32_t c = left; c < left + boxSize; ++c) {
      if ((r != row || c != column) && grid[r][c] == value) return {r, c};
    }
  }
  return {};
}

// Every cell of the corner is filled (isFilled(cell value)) and no cell's value stands again in
// its row, column or box: with S possible values, each unit then holds each of them once.
template <class TGrid, class TIsFilled>
bool IsCompleteGrid(const TGrid& grid, std::int32_t boxSize, TIsFilled isFilled) {
  const std::int32_t side = boxSize * boxSize;
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const auto value = grid[row][column];
      if (!isFilled(value) || RowRepeat(grid, boxSize, value, row, column).Found() ||
          ColumnRepeat(grid, boxSize, value, row, column).Found() ||
          BoxRepeat(grid, boxSize, value, row, column).Found()) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace TsdRules
