// The tools' names for cells and units.
#include "SudokuGeometry.h"

namespace tsdtools {

std::string CellName(const TGeometry& g, int cell) {
  return "r" + std::to_string(g.Row(cell) + 1) + "c" + std::to_string(g.Column(cell) + 1);
}

std::string UnitName(const TGeometry& g, int unit) {
  if (unit < g.side) return "row " + std::to_string(unit + 1);
  if (unit < 2 * g.side) return "column " + std::to_string(unit - g.side + 1);
  return "box " + std::to_string(unit - 2 * g.side + 1);
}

}  // namespace tsdtools
