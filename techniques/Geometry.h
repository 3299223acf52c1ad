// Cells, units and peers of a square Sudoku board, and the candidate masks the techniques read.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tsdtech {

// Largest box size handled: 25 symbols and the placed flag still fit a 32-bit mask.
inline constexpr int kMaxBox = 5;
inline constexpr int kMaxSide = kMaxBox * kMaxBox;
inline constexpr int kMaxCells = kMaxSide * kMaxSide;

// A cell value: 0 … S−1 is the symbol at that position of the symbol set, kEmpty a blank cell.
using TCellValue = std::int8_t;
inline constexpr TCellValue kEmpty = -1;

// The candidate mask of one cell:
//
//   bit  31        30 … 25    24 … 0
//        placed    unused     one bit per symbol value (value v is bit v)
//
//   open cell:     placed = 0, the symbols still possible there (none left: a contradiction)
//   placed cell:   placed = 1, exactly the bit of the symbol it holds
//
// Keeping the symbol's bit on a placed cell lets a unit's tally see what is already placed, and a
// strike that would remove it reveals a contradiction.
using TMask = std::uint32_t;
inline constexpr TMask kPlaced = TMask{1} << 31;

// Bit counting without the POPCNT instruction, which the baseline x86-64 target lacks: the
// standard library would otherwise call a helper for every count.
inline int CountBits(TMask m) {
  m = m - ((m >> 1) & 0x55555555u);
  m = (m & 0x33333333u) + ((m >> 2) & 0x33333333u);
  return static_cast<int>((((m + (m >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}
inline bool IsSingle(TMask m) {
  return m != 0 && (m & (m - 1)) == 0;
}
inline bool IsPlaced(TMask m) {
  return (m & kPlaced) != 0;
}

// Units are numbered rows 0 … S−1, columns S … 2S−1, boxes 2S … 3S−1. Boxes are numbered
// row-band-major, so for box size 3 box 5 covers rows 3–5 and columns 6–8. Cells are numbered
// row * S + column. A unit lists its cells in reading order.
struct TGeometry {
  int box = 0;    // N
  int side = 0;   // S = N·N
  int cells = 0;  // S·S
  TMask full = 0;
  std::vector<std::array<std::int16_t, kMaxSide>> unitCells;  // 3S units of S cells each
  std::vector<std::array<std::int16_t, 3>> unitsOfCell;       // row, column and box unit per cell
  std::vector<std::vector<std::int16_t>> peers;               // every other cell sharing a unit

  int Row(int cell) const { return cell / side; }
  int Column(int cell) const { return cell % side; }
  int Box(int cell) const { return (Row(cell) / box) * box + Column(cell) / box; }
  int RowUnit(int cell) const { return Row(cell); }
  int ColumnUnit(int cell) const { return side + Column(cell); }
  int BoxUnit(int cell) const { return 2 * side + Box(cell); }
  // Two different cells that share a row, a column or a box.
  bool Sees(int a, int b) const {
    return a != b && (Row(a) == Row(b) || Column(a) == Column(b) || Box(a) == Box(b));
  }
  bool InUnit(int cell, int unit) const {
    return unit < side       ? Row(cell) == unit
           : unit < 2 * side ? Column(cell) == unit - side
                             : Box(cell) == unit - 2 * side;
  }
};

// The tables for box size 2 … 5; nullptr for any other size.
const TGeometry* GeometryFor(int boxSize);

// Every row, column and box holds each value 0 … S−1 exactly once (the engine's rule check).
bool IsCompleteGrid(const TGeometry& g, const std::vector<TCellValue>& cells);

}  // namespace tsdtech
