// The shuffler: permutes lines inside bands, whole bands, then relabels the symbols.
#include <cstring>

#include "TsdBoard.h"
#include "TsdRandom.h"

// clang-format off
const std::uint8_t LinePerms3[2][3] = {{1, 2, 0}, {2, 0, 1}};
const std::uint8_t BandPerms3[5][3] = {{1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {0, 2, 1}};
const std::uint8_t Perms4[9][4] = {
    {1, 0, 3, 2}, {1, 2, 3, 0}, {1, 3, 0, 2}, {2, 0, 3, 1}, {2, 3, 0, 1},
    {2, 3, 1, 0}, {3, 0, 1, 2}, {3, 2, 0, 1}, {3, 2, 1, 0}};
// Every permutation of 0..4 that moves every position, in lexicographic order.
const std::uint8_t Perms5[44][5] = {
    {1,0,3,4,2}, {1,0,4,2,3}, {1,2,0,4,3}, {1,2,3,4,0},
    {1,2,4,0,3}, {1,3,0,4,2}, {1,3,4,0,2}, {1,3,4,2,0},
    {1,4,0,2,3}, {1,4,3,0,2}, {1,4,3,2,0}, {2,0,1,4,3},
    {2,0,3,4,1}, {2,0,4,1,3}, {2,3,0,4,1}, {2,3,1,4,0},
    {2,3,4,0,1}, {2,3,4,1,0}, {2,4,0,1,3}, {2,4,1,0,3},
    {2,4,3,0,1}, {2,4,3,1,0}, {3,0,1,4,2}, {3,0,4,1,2},
    {3,0,4,2,1}, {3,2,0,4,1}, {3,2,1,4,0}, {3,2,4,0,1},
    {3,2,4,1,0}, {3,4,0,1,2}, {3,4,0,2,1}, {3,4,1,0,2},
    {3,4,1,2,0}, {4,0,1,2,3}, {4,0,3,1,2}, {4,0,3,2,1},
    {4,2,0,1,3}, {4,2,1,0,3}, {4,2,3,0,1}, {4,2,3,1,0},
    {4,3,0,1,2}, {4,3,0,2,1}, {4,3,1,0,2}, {4,3,1,2,0}};
// clang-format on

namespace {

template <std::size_t Rows, std::size_t Width>
TPermutation DrawRow(const std::uint8_t (&table)[Rows][Width]) {
  const auto r = static_cast<std::size_t>(TsdRandom::Below(static_cast<std::int32_t>(Rows)));
  TPermutation p{};
  for (std::size_t k = 0; k < Width; ++k) p[k] = table[r][k];
  return p;
}

}  // namespace

TPermutation TsdBoard::GetRandomReorder(std::int32_t boxSize, TReorderKind kind) {
  switch (boxSize) {
    case 3:
      return kind == TReorderKind::Lines ? DrawRow(LinePerms3) : DrawRow(BandPerms3);
    case 4:
      return DrawRow(Perms4);
    case 5:
      return DrawRow(Perms5);
    default:
      return TPermutation{0, 1, 2, 3, 4};
  }
}

void TsdBoard::AppendToKey(const TPermutation& p) {
  if (!FTransformKey.empty()) FTransformKey += '-';
  for (std::int32_t k = 0; k < FDimension; ++k) {
    FTransformKey += "0123456789ABCDEF"[p[static_cast<std::size_t>(k)] & 0xF];
  }
}

void TsdBoard::Genera() {
  if (FDimension < 3 || FDimension > 5 || FSide != FDimension * FDimension) {
    SetError("Internal error: Genera. Dimensione:" + std::to_string(FDimension) +
             ": non gestita !");
    return;
  }
  FTransformKey.clear();
  for (std::int32_t g = 0; g < FDimension; ++g) {
    const TPermutation p = GetRandomReorder(FDimension, TReorderKind::Lines);
    reorderColsOfGroup(g, p);
    AppendToKey(p);
  }
  for (std::int32_t g = 0; g < FDimension; ++g) {
    const TPermutation p = GetRandomReorder(FDimension, TReorderKind::Lines);
    reorderRowsOfGroup(g, p);
    AppendToKey(p);
  }
  const TPermutation columnBands = GetRandomReorder(FDimension, TReorderKind::Bands);
  reorderColGroups(columnBands);
  AppendToKey(columnBands);
  const TPermutation rowBands = GetRandomReorder(FDimension, TReorderKind::Bands);
  reorderRowGroups(rowBands);
  AppendToKey(rowBands);
  RelabelSymbols();
}

// Each reorder reads from a copy of the S×S corner of both grids, so that a cell's new content
// never comes from a cell this same step has already overwritten.
namespace {
using TGrid = std::array<std::array<std::int32_t, MaxSide>, MaxSide>;

struct TScratch {
  TGrid puzzle;
  TGrid solution;
};

void CopyCorner(const TGrid& from, TGrid& to, std::int32_t side) {
  for (std::int32_t row = 0; row < side; ++row) {
    std::memcpy(to[row].data(), from[row].data(),
                sizeof(std::int32_t) * static_cast<std::size_t>(side));
  }
}

void Snapshot(const TGrid& puzzle, const TGrid& solution, std::int32_t side, TScratch& old) {
  CopyCorner(puzzle, old.puzzle, side);
  CopyCorner(solution, old.solution, side);
}
}  // namespace

void TsdBoard::reorderColsOfGroup(std::int32_t group, const TPermutation& p) {
  TScratch old;
  Snapshot(FPuzzle, FSolution, FSide, old);
  const std::int32_t base = group * FDimension;
  for (std::int32_t k = 0; k < FDimension; ++k) {
    const std::int32_t from = base + p[static_cast<std::size_t>(k)];
    for (std::int32_t row = 0; row < FSide; ++row) {
      FPuzzle[row][base + k] = old.puzzle[row][from];
      FSolution[row][base + k] = old.solution[row][from];
    }
  }
}

void TsdBoard::reorderRowsOfGroup(std::int32_t group, const TPermutation& p) {
  TScratch old;
  Snapshot(FPuzzle, FSolution, FSide, old);
  const std::int32_t base = group * FDimension;
  for (std::int32_t k = 0; k < FDimension; ++k) {
    const std::int32_t from = base + p[static_cast<std::size_t>(k)];
    for (std::int32_t column = 0; column < FSide; ++column) {
      FPuzzle[base + k][column] = old.puzzle[from][column];
      FSolution[base + k][column] = old.solution[from][column];
    }
  }
}

void TsdBoard::reorderColGroups(const TPermutation& p) {
  TScratch old;
  Snapshot(FPuzzle, FSolution, FSide, old);
  for (std::int32_t band = 0; band < FDimension; ++band) {
    const std::int32_t from = p[static_cast<std::size_t>(band)] * FDimension;
    for (std::int32_t i = 0; i < FDimension; ++i) {
      for (std::int32_t row = 0; row < FSide; ++row) {
        FPuzzle[row][band * FDimension + i] = old.puzzle[row][from + i];
        FSolution[row][band * FDimension + i] = old.solution[row][from + i];
      }
    }
  }
}

void TsdBoard::reorderRowGroups(const TPermutation& p) {
  TScratch old;
  Snapshot(FPuzzle, FSolution, FSide, old);
  for (std::int32_t band = 0; band < FDimension; ++band) {
    const std::int32_t from = p[static_cast<std::size_t>(band)] * FDimension;
    for (std::int32_t i = 0; i < FDimension; ++i) {
      for (std::int32_t column = 0; column < FSide; ++column) {
        FPuzzle[band * FDimension + i][column] = old.puzzle[from + i][column];
        FSolution[band * FDimension + i][column] = old.solution[from + i][column];
      }
    }
  }
}

TSymbolPermutation TsdBoard::RandomPermutation() const {
  TSymbolPermutation q;
  q.fill(-1);
  for (std::int32_t position = 0; position < FSide; ++position) {
    for (;;) {
      const std::int32_t v = TsdRandom::Below(FSide);
      bool taken = false;
      for (std::int32_t i = 0; i < position; ++i) {
        if (q[static_cast<std::size_t>(i)] == v) {
          taken = true;
          break;
        }
      }
      if (!taken) {
        q[static_cast<std::size_t>(position)] = v;
        break;
      }
    }
  }
  return q;
}

void TsdBoard::RelabelSymbols() {
  const TSymbolPermutation q = RandomPermutation();
  // Only values 0..S−1 are relabelled: blanks stay blank, and anything else (which a load never
  // produces) is left alone rather than used as an index.
  auto relabel = [&](std::int32_t& v) {
    if (v >= 0 && v < FSide) v = q[static_cast<std::size_t>(v)];
  };
  for (std::int32_t row = 0; row < FSide; ++row) {
    for (std::int32_t column = 0; column < FSide; ++column) {
      relabel(FSolution[row][column]);
      relabel(FPuzzle[row][column]);
    }
  }
}
