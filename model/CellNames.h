// What a screen reader says for one cell of the grid, in both interface languages.
#pragma once

#include <cstdint>
#include <string_view>

#include "TsdGame.h"

// "Row 3, column 5, 7, given", "Row 3, column 6, empty", "Row 4, column 1, B, conflict" and the
// Italian "Riga 3, colonna 5, 7, dato iniziale" …: the row and column counted from 1, then what the
// cell shows as CellView tells it (its symbol or "empty", whether it is a given, whether it is
// struck through as a conflict), so the words always match the painting. `notes` holds the
// symbols pencilled into the cell in the order of the symbol set (TsdGame::NoteSymbols); they come
// last, as ", notes 1 4 7". Other clauses go before them, so a reader hears the content first.
TBilingual CellName(std::int32_t row, std::int32_t column, const TCellView& cell,
                    std::string_view notes = {});
