// The player's view of a game: where the player is and how the game is shown. Not undone by Undo;
// kept with the game (all but the explanation's tints, which last until the next key). Plain C++.
#pragma once

#include <array>
#include <cstdint>

#include "TsdBoard.h"

// Why an explanation of the next step tints a cell; the window gives each its own light colour.
// Where a cell plays several parts, the later value here wins.
enum class TCellMark : std::uint8_t {
  None,
  Unit,       // in a row, column or box the explanation names
  Struck,     // loses candidates on the way to the placement
  Pattern,    // a cell of a pair or triple, or where a locked symbol can still go
  Reason,     // holds a symbol that makes the point
  Placement,  // takes the explained symbol
  Wrong,      // the player's entry that cannot be right
};

using TMarkGrid = std::array<std::array<TCellMark, MaxSide>, MaxSide>;

// The grid's font sizes, in points, that the +/- buttons move between.
inline constexpr std::int32_t SmallestFontSize = 8;
inline constexpr std::int32_t LargestFontSize = 16;
// The window's own font size, which the grid has until the player changes it.
inline constexpr std::int32_t DefaultFontSize = 8;

struct TPlayerView {
  // The cell that entries and the hint go to; always a cell of the board.
  std::int32_t currentColumn = 0;
  std::int32_t currentRow = 0;
  bool notesMode = false;                   // symbols go into the notes instead of the cell
  bool errorMarking = false;                // conflicts struck through while playing
  bool timerHidden = false;                 // the panel's clock hidden
  std::int32_t fontSize = DefaultFontSize;  // of the grid's symbols; the cells follow it
  // The tints of the last explanation, [row][column]; `marked` while any is set.
  TMarkGrid marks{};
  bool marked = false;
};
