// The game state: the player's, given and solution grids and the notes, as one value that a move
// turns into the next one, and the entry rule that says what a move makes of it. Plain C++, no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "Move.h"
#include "TsdBoard.h"

// A grid of notes, indexed [row][column] like the character grids; only the S×S corner is used.
using TNoteGrid = std::array<std::array<TNotes, MaxSide>, MaxSide>;

// Only the S×S corner of each grid is used. The player's grid holds the givens and the entries
// (a space where there is none); the given grid a space wherever the player may write; the
// solution grid the whole solution.
struct TGameState {
  TCharGrid play{};
  TCharGrid given{};
  TCharGrid solution{};
  TNoteGrid notes{};
};

// One cell as a step left it, and as it was before.
struct TCellChange {
  std::int32_t row = 0;
  std::int32_t column = 0;
  char symbolBefore = ' ';
  char symbolAfter = ' ';
  TNotes notesBefore = 0;
  TNotes notesAfter = 0;
};

// What a move made of the state: every cell it changed. Undo writes the cells back as they were.
struct TStep {
  TMove move;
  std::vector<TCellChange> changes;
};

// The step a move makes of `state` on a board of `boxSize` with `symbols`: none when the entry
// rule refuses the move (a given, a character outside the set, a note on an entry, a cell outside
// the board); a step without changes when the move is allowed but changes nothing.
std::optional<TStep> InterpretMove(const TGameState& state, std::int32_t boxSize,
                                   std::string_view symbols, const TMove& move);
// The symbols the row, column and box of the cell leave open for it (entries and givens counted).
TNotes AllowedNotes(const TGameState& state, std::int32_t boxSize, std::string_view symbols,
                    std::int32_t row, std::int32_t column);
// A FillNotes move on `state` fills the notes (true), or clears them: every open cell without an
// entry holds exactly what it allows already.
bool FillsNotes(const TGameState& state, std::int32_t boxSize, std::string_view symbols);
// Writes the step's cells as it left them (forward) or as it found them.
void ApplyStep(TGameState& state, const TStep& step, bool forward);
