// The spoken name of a grid cell, built clause by clause from what the cell shows.
#include "CellNames.h"

#include <string>

namespace {

void Add(TBilingual& name, const TBilingual& clause) {
  name.italian += clause.italian;
  name.english += clause.english;
}

}  // namespace

TBilingual CellName(std::int32_t row, std::int32_t column, const TCellView& cell,
                    std::string_view notes) {
  const std::string r = std::to_string(row + 1);
  const std::string c = std::to_string(column + 1);
  TBilingual name{"Riga " + r + ", colonna " + c + ", ", "Row " + r + ", column " + c + ", "};
  if (cell.symbol == ' ') {
    Add(name, {"vuota", "empty"});
  } else {
    const std::string symbol(1, cell.symbol);
    Add(name, {symbol, symbol});
  }
  if (cell.given) Add(name, {", dato iniziale", ", given"});
  if (cell.conflict) Add(name, {", in conflitto", ", conflict"});
  if (!notes.empty()) {
    std::string spaced;
    for (const char note : notes) {
      spaced += ' ';
      spaced += note;
    }
    Add(name, {", note" + spaced, ", notes" + spaced});
  }
  return name;
}
