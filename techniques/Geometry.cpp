// Builds the unit and peer tables once per box size.
#include "Geometry.h"

#include <algorithm>

#include "TsdRules.h"

namespace tsdtech {

namespace {

TGeometry MakeGeometry(int n) {
  TGeometry g;
  g.box = n;
  g.side = n * n;
  g.cells = g.side * g.side;
  g.full = (TMask{1} << g.side) - 1;
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

bool IsCompleteGrid(const TGeometry& g, const std::vector<TCellValue>& cells) {
  if (cells.size() != static_cast<std::size_t>(g.cells)) return false;
  // A row view over the flat array, as the engine's rule check reads grids.
  struct TRows {
    const TCellValue* values;
    int side;
    const TCellValue* operator[](int row) const { return values + row * side; }
  };
  return TsdRules::IsCompleteGrid(TRows{cells.data(), g.side}, g.box,
                                  [&](TCellValue v) { return v >= 0 && v < g.side; });
}

}  // namespace tsdtech
