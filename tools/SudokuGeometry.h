// Cell, unit and peer tables of a square Sudoku board, shared by the solver, the grader and the
// builder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsdtools {

// Largest box size the tools handle: 25 symbols still fit a 32-bit candidate mask.
inline constexpr int kMaxBox = 5;
inline constexpr int kMaxSide = kMaxBox * kMaxBox;
inline constexpr int kMaxCells = kMaxSide * kMaxSide;

// A cell value: 0 … S−1 is the symbol at that position of the symbol set, kEmpty a blank cell.
using TCellValue = std::int8_t;
inline constexpr TCellValue kEmpty = -1;

// A candidate set: bit v set means symbol value v is still possible.
using TMask = std::uint32_t;

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

// Units are numbered rows 0 … S−1, columns S … 2S−1, boxes 2S … 3S−1. Boxes are numbered
// row-band-major, so for box size 3 box 5 covers rows 3–5 and columns 6–8. Cells are numbered
// row * S + column.
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
};

// The tables for box size 2 … 5; nullptr for any other size.
const TGeometry* GeometryFor(int boxSize);

// The symbol sets of the catalogue: "123456789", "0123456789ABCDEF", "ABCDEFGHIJKLMNOPQRSTUVWXY";
// "1234" for box size 2 (tests only); empty for any other size.
std::string_view SymbolsFor(int boxSize);

// Human names used by explanations: "r5c3", "row 5", "column 2", "box 4" (all counted from 1).
std::string CellName(const TGeometry& g, int cell);
// Every row, column and box holds each value 0..side−1 exactly once.
bool IsCompleteGrid(const TGeometry& g, const std::vector<TCellValue>& cells);
std::string UnitName(const TGeometry& g, int unit);

}  // namespace tsdtools
