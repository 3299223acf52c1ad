// Reads a puzzle a player brings in any of the common text forms other Sudoku programs and web
// sites use. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "SudokuGeometry.h"

namespace tsdtools {

// The forms read, in one contract (S = 9, 16 or 25; "blank" is any of . - ? * _):
//
//  - one line of S·S characters, row by row ("4.....8.5.3..........7......2.....6....."); in a
//    line of several words only the first counts, so a rating or a name may follow it;
//  - a grid of S lines of S cells, the cells optionally separated by spaces, tabs, "|" or "+",
//    the bands optionally by lines made only of "-", "+", "|", "=", "*" and spaces (the Simple
//    Sudoku ".ss" form, and every hand-drawn grid); a grid whose lines together hold S·S cells
//    but are wrapped differently is read as one line;
//  - comment lines starting with "#" (the SadMan ".sdk" headers "#A", "#D", "#C", ...) and
//    section lines such as "[Puzzle]" are skipped wherever they stand; a "\r" before a line end
//    and a UTF-8 byte-order mark at the start are ignored.
//
// Symbols: 9×9 uses 1–9 and takes "0" for a blank. 16×16 uses 0–9 A–F; a puzzle that writes "G"
// and no "0" uses the 1-based symbols 1–9 A–G, which are read as 0–9 A–F in order. 25×25 uses A–Y.
// Letters are read without regard to case. Every value comes out as 0-based (kEmpty for a blank);
// nothing here checks the Sudoku rules.
inline constexpr std::size_t MaxPuzzleInputBytes = 64 * 1024;

enum class TFormatError {
  None,
  Empty,        // no cell at all (nothing but blanks, comments and separators is not empty)
  TooLarge,     // more than MaxPuzzleInputBytes
  Binary,       // a control character other than tab, "\r" and "\n", or a NUL
  UnknownSize,  // the cells make no square of 81, 256 or 625 cells
  BadSymbol,    // a character that is neither a symbol of the size nor a blank
};

struct TFormatResult {
  TFormatError error = TFormatError::None;
  int box = 0;                    // 3, 4 or 5 when read
  std::vector<TCellValue> cells;  // box⁴ values when read
  // Where it went wrong: the line (from 1) and the character for BadSymbol; the number of cells
  // found for BadSymbol and UnknownSize, and for UnknownSize, when the lines form a square grid of
  // their own, its side.
  int line = 0;
  char character = 0;
  std::size_t cellCount = 0;
  int gridSide = 0;
};

// Never reads outside `text`, whatever it holds.
TFormatResult ReadPuzzleFormats(std::string_view text);

}  // namespace tsdtools
