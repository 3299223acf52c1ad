// The techniques' board geometry as the tools use it, and the tools' names for cells and units.
#pragma once

#include <string>

#include "Geometry.h"
#include "PuzzleCatalogue.h"

namespace tsdtools {

using tsdtech::CountBits;
using tsdtech::GeometryFor;
using tsdtech::IsCompleteGrid;
using tsdtech::IsPlaced;
using tsdtech::IsSingle;
using tsdtech::kEmpty;
using tsdtech::kMaxBox;
using tsdtech::kMaxCells;
using tsdtech::kMaxSide;
using tsdtech::kPlaced;
using tsdtech::TCellValue;
using tsdtech::TGeometry;
using tsdtech::TMask;

// Names in the tools' output, counted from 1: "r5c3", "row 5", "column 2", "box 4".
std::string CellName(const TGeometry& g, int cell);
std::string UnitName(const TGeometry& g, int unit);

}  // namespace tsdtools
