// The built-in puzzle catalogue: 475 graded puzzles with their solutions, by box size and level.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Levels are named by one letter: "E" (simple: singles complete every puzzle), "M" (medium: needs
// locked candidates) and "A" (high: needs naked pairs/triples or hidden pairs). Lower-case letters
// name the same levels.
//
// Tables and their entry counts:
//   box size 3 (9×9):   E 100, M 100, A 100
//   box size 4 (16×16): E 50,  M 25,  A 25
//   box size 5 (25×25): E 25,  M 25,  A 25
//
// Entry format: one string of 2·S² characters (S = box size²): the puzzle text, row by row from the
// top-left cell, followed at once by the solution text in the same order. Puzzle characters are
// symbols of the size's set or "?" for an empty cell; solution characters are symbols only; all
// letters are upper case. The symbol sets are Symbols3, Symbols4 and Symbols5 below. Every puzzle
// has exactly one solution, the stored one, and no two entries share a puzzle or a solution.

// The symbol set of each box size: one upper-case character per value, the value being its
// position. These are the game's symbols and the alphabet every catalogue entry is written in.
inline constexpr std::string_view Symbols3 = "123456789";
inline constexpr std::string_view Symbols4 = "0123456789ABCDEF";
inline constexpr std::string_view Symbols5 = "ABCDEFGHIJKLMNOPQRSTUVWXY";

// Symbols3, Symbols4 or Symbols5 for box size 3, 4 or 5; empty for any other size.
constexpr std::string_view SymbolsOfBoxSize(std::int32_t boxSize) {
  switch (boxSize) {
    case 3:
      return Symbols3;
    case 4:
      return Symbols4;
    case 5:
      return Symbols5;
    default:
      return {};
  }
}

// The level letters in ladder order: simple, medium, high.
inline constexpr std::array<char, 3> LevelLetters = {'E', 'M', 'A'};

// The blank character of the stored puzzle texts.
inline constexpr char CatalogueBlank = '?';

// Number of entries for a box size and level letter; 0 for any other size or letter.
std::int32_t GetStoredPuzzleCount(std::int32_t boxSize, char level);

// Sets `puzzle` to the S² puzzle characters and `solution` to the S² solution characters of entry
// `index` (counted from 0) and returns true. For an unknown size or letter, or an index outside
// 0 … count − 1, returns false and leaves both strings as they were.
bool GetStoredPuzzle(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
                     std::string& solution);
