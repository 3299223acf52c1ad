// The built-in puzzle catalogue: 475 graded puzzles with their solutions, by box size and level.
#pragma once

#include <cstdint>
#include <string>

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
// letters are upper case. The symbol sets are "123456789" (box size 3), "0123456789ABCDEF" (4) and
// "ABCDEFGHIJKLMNOPQRSTUVWXY" (5). Every puzzle has exactly one solution, the stored one, and no
// two entries share a puzzle or a solution.

// Number of entries for a box size and level letter; 0 for any other size or letter.
std::int32_t GetStoredPuzzleCount(std::int32_t boxSize, char level);

// Sets `puzzle` to the S² puzzle characters and `solution` to the S² solution characters of entry
// `index` (counted from 0) and returns true. For an unknown size or letter, or an index outside
// 0 … count − 1, returns false and leaves both strings as they were.
bool GetStoredPuzzle(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
                     std::string& solution);
