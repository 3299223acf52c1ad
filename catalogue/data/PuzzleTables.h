// Shape of the generated puzzle tables, shared by the generated source and the lookup.
#pragma once

#include <cstdint>
#include <string_view>

namespace TsdCatalogueData {

// One table of the catalogue: `count` entries of 2·S² characters each (puzzle, then solution).
struct TTable {
  std::int32_t boxSize;
  char level;
  std::int32_t count;
  const std::string_view* entries;
};

// The nine tables, box sizes 3, 4, 5 each with levels E, M, A. Defined in PuzzleTables.cpp, which
// the catalogue builder writes.
extern const TTable kTables[9];

}  // namespace TsdCatalogueData
