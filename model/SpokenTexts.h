// The words a screen reader says for what the player just did, in both interface languages. None
// carries a sign that a reader at its usual punctuation level reads aloud (colons, brackets,
// dashes, quotes): Orca says "colon" for every ":" of "in:0: hours".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Bilingual.h"
#include "TsdGame.h"

// "Row 3, column 5" / "Riga 3, colonna 5", counted from 1.
TBilingual SpokenPlace(std::int32_t row, std::int32_t column);

// What the cell holds after a key meant to change it, `before` and `after` being what it showed
// on either side of the key and `notes` its noted symbols after it: "7", "7, conflict",
// "Cleared", "Notes 3 5", "No notes", "Empty", or "Given, cannot be changed" when the cell is a
// given.
TBilingual SpokenEntry(const TCellView& before, const TCellView& after, std::string_view notes);

// An undo or a redo, with the spoken name of the cell it changed.
TBilingual SpokenUndo(bool redo, const TBilingual& cellName);

// A setting switched by its key: "Notes on", "Error marking off", "Clock hidden".
enum class TSpokenSetting { Notes, ErrorMarking, Clock };
TBilingual SpokenSetting(TSpokenSetting setting, bool on);

// The grid now shows something else: "Game started", "Solution shown", "Your game shown",
// "Game ended", "Puzzle shown", each followed by the current cell's spoken name. Empty when the
// state did not change in a way a player hears of.
TBilingual SpokenStateChange(GameState before, GameState after, const TBilingual& cellName);

// A new puzzle, with the current cell's spoken name.
TBilingual SpokenNewPuzzle(std::int32_t side, const TBilingual& cellName);

// "0 hours, 41 minutes and 37 seconds".
TBilingual SpokenElapsed(const TElapsed& elapsed);

// The spoken form of a message box's text: the game's own messages reworded for the ear ("The
// right symbol for this cell is 7", "Press F5 to play", the time in words), any other text with
// its read-aloud signs and line breaks turned into pauses.
TBilingual SpokenMessage(const TBilingual& shown);
std::string SpokenForm(std::string_view shown);

// The size choice of a box size: "9×9 grid, 3×3 boxes".
TBilingual SpokenSizeChoice(std::int32_t boxSize);
