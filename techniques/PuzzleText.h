// Reads and writes puzzle texts for the tools, with one-line messages for every kind of bad input.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SudokuGeometry.h"

namespace tsdtools {

// A puzzle read from text: its box size and one value per cell (kEmpty for blanks).
struct TPuzzle {
  int box = 0;
  std::vector<TCellValue> cells;
};

// Reads a puzzle text of 81, 256 or 625 characters (the box size follows from the length). A blank
// is one of the engine's BlankChars (". ? -" or a space); every other character must belong to the
// size's symbol set, where ASCII lower case reads as upper case. Line ends (\r, \n) around the text
// are ignored. Givens that repeat a symbol within a row, column or box are refused. On failure
// returns false and sets `error` to one line naming the problem.
bool ParsePuzzleText(std::string_view text, TPuzzle& puzzle, std::string& error);

// Reads a complete grid of the given box size: every character a symbol of the set, no blanks.
// Does not check the Sudoku rules.
bool ParseSolutionText(std::string_view text, int box, std::vector<TCellValue>& cells,
                       std::string& error);

// Writes cells as text with the size's symbols and `blank` for empty cells.
std::string ToText(int box, const std::vector<TCellValue>& cells, char blank = CatalogueBlank);

// First pair of equal givens in one unit, as a message; empty when there is none.
std::string FindRepeatedGiven(const TGeometry& g, const std::vector<TCellValue>& cells);

}  // namespace tsdtools
