// Builds the unit and peer tables once per box size.
#include "SudokuGeometry.h"

#include <algorithm>

namespace tsdtools {

namespace {

TGeometry MakeGeometry(int n) {
  TGeometry g;
  g.box = n;
  g.side = n * n;
  g.cells = g.side * g.side;
  g.full = g.side == 32 ? ~TMask{0} : (TMask{1} << g.side) - 1;
  const int s = g.side;
  g.unitCells.assign(3 * s, {});
  g.unitsOfCell.assign(g.cells, {});
  for (int cell = 0; cell < g.cells; ++cell) {
    const int r = g.Row(cell), c = g.Column(cell), b = g.Box(cell);
    const int posInBox = (r % n) * n + c % n;
    g.unitCells[r][c] = static_cast<std::int16_t>(cell);
    g.unitCells[s + c][r] = static_cast<std::int16_t>(cell);
    g.unitCells[2 * s + b][posInBox] = static_cast<std::int16_t>(cell);
    g.unitsOfCell[cell] = {static_cast<std::int16_t>(r), static_cast<std::int16_t>(s + c),
                           static_cast<std::int16_t>(2 * s + b)};
  }
  g.peers.assign(g.cells, {});
  for (int cell = 0; cell < g.cells; ++cell) {
    std::vector<std::int16_t>& p = g.peers[cell];
    for (int u : g.unitsOfCell[cell]) {
      for (int k = 0; k < s; ++k) {
        const std::int16_t other = g.unitCells[u][k];
        if (other != cell) p.push_back(other);
      }
    }
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
  }
  return g;
}

}  // namespace

const TGeometry* GeometryFor(int boxSize) {
  static const std::array<TGeometry, 4> kGeometries = {MakeGeometry(2), MakeGeometry(3),
                                                       MakeGeometry(4), MakeGeometry(5)};
  if (boxSize < 2 || boxSize > kMaxBox) return nullptr;
  return &kGeometries[boxSize - 2];
}

std::string_view SymbolsFor(int boxSize) {
  switch (boxSize) {
    case 2:
      return "1234";
    case 3:
      return "123456789";
    case 4:
      return "0123456789ABCDEF";
    case 5:
      return "ABCDEFGHIJKLMNOPQRSTUVWXY";
    default:
      return {};
  }
}

std::string CellName(const TGeometry& g, int cell) {
  return "r" + std::to_string(g.Row(cell) + 1) + "c" + std::to_string(g.Column(cell) + 1);
}

std::string UnitName(const TGeometry& g, int unit) {
  if (unit < g.side) return "row " + std::to_string(unit + 1);
  if (unit < 2 * g.side) return "column " + std::to_string(unit - g.side + 1);
  return "box " + std::to_string(unit - 2 * g.side + 1);
}

bool IsCompleteGrid(const TGeometry& g, const std::vector<TCellValue>& cells) {
  for (int u = 0; u < 3 * g.side; ++u) {
    TMask seen = 0;
    for (int k = 0; k < g.side; ++k) {
      const int v = cells[g.unitCells[u][k]];
      if (v < 0 || v >= g.side) return false;
      seen |= TMask{1} << v;
    }
    if (seen != g.full) return false;
  }
  return true;
}

}  // namespace tsdtools
