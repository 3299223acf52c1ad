// A move of the player's, as the model interprets it, and the notes of one cell. Plain C++, no Qt.
#pragma once

#include <cstdint>

// The notes of one cell: bit k is set when symbol k of the size's set is noted (25 symbols fit).
using TNotes = std::uint32_t;

// One change of the player's grid at the cell (column, row):
//  - Enter: `symbol` goes into the cell, a space clears it; the symbol leaves the notes of the
//    cell's row, column and box;
//  - Note: `symbol` is noted in the cell, or taken out when it was noted;
//  - ClearNotes: the cell's notes are all taken out;
//  - FillNotes: every open cell without an entry gets as notes the symbols its row, column and box
//    allow, or, when every such cell holds exactly those already, every note of the grid goes
//    (the cell only says where the player was).
// Notes are written only on an open cell without an entry.
struct TMove {
  enum class TKind : std::uint8_t { Enter, Note, ClearNotes, FillNotes };
  std::int32_t column = 0;
  std::int32_t row = 0;
  char symbol = ' ';
  TKind kind = TKind::Enter;
  bool operator==(const TMove&) const = default;
};
