// Lookup over the generated puzzle tables.
#include "PuzzleCatalogue.h"

#include "data/PuzzleTables.h"

namespace {

const TsdCatalogueData::TTable* FindTable(std::int32_t boxSize, char level) {
  if (level >= 'a' && level <= 'z') level = static_cast<char>(level - 'a' + 'A');
  for (const TsdCatalogueData::TTable& table : TsdCatalogueData::kTables) {
    if (table.boxSize == boxSize && table.level == level) return &table;
  }
  return nullptr;
}

}  // namespace

std::int32_t GetStoredPuzzleCount(std::int32_t boxSize, char level) {
  const TsdCatalogueData::TTable* table = FindTable(boxSize, level);
  return table == nullptr ? 0 : table->count;
}

bool GetStoredPuzzle(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
                     std::string& solution) {
  const TsdCatalogueData::TTable* table = FindTable(boxSize, level);
  if (table == nullptr || index < 0 || index >= table->count) return false;
  const std::size_t cells = static_cast<std::size_t>(boxSize) * boxSize * boxSize * boxSize;
  const std::string_view entry = table->entries[index];
  if (entry.size() != 2 * cells) return false;
  puzzle.assign(entry.substr(0, cells));
  solution.assign(entry.substr(cells, cells));
  return true;
}
