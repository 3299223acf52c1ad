// The running game as it is kept between runs: the saved game's format, its writer, and the loader
// that checks every field and refuses, with a reason, whatever does not fit. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Bilingual.h"

// The notes of one cell: bit k is set when symbol k of the size's set is noted (25 symbols fit).
using TNotes = std::uint32_t;

// A saved game is ASCII text, one field per line, every line ended by "\n", in exactly this order
// and with nothing before, between or after the lines (S = N·N; "symbol" means a character of the
// symbol set of box size N, upper case as the set has it):
//
//   Tessamond saved game 2   the version line; a save of version 1 is read as well (it lacks
//                            the level and origin lines: a catalogue puzzle of level E, and is
//                            written back as version 2); any other number is another version's
//                            save
//   box N                    3, 4 or 5
//   elapsed-ms T             how long the game had run, in milliseconds: decimal digits without
//                            leading zeros, at most MaxElapsedMs
//   marking B                error marking: 0 off, 1 on
//   notes-mode B             notes mode: 0 off, 1 on
//   puzzle P                 S·S characters, row by row: a given's symbol, or "." for an open cell
//   solution Q               S·S symbols, row by row; every row, column and box holds each symbol
//                            once, and every given of the puzzle is the solution's symbol there
//   player R                 S·S characters, row by row: each given as in the puzzle; on an open
//                            cell the player's entry, or "." for none
//   notes C,C,...,C          S·S fields separated by ",", one per cell row by row: the symbols
//                            noted in the cell, in the order of the set and without repeats; empty
//                            for none, and always empty on a given
//   level L                  the puzzle's level: E, M or A, or "-" past them (an own puzzle)
//   origin O                 "catalogue" or "own": a puzzle the player brought
//
// The loader accepts exactly what the writer produces for some game (and the version-1 saves), so
// an accepted game of this version written again gives the very same bytes.
inline constexpr std::size_t MaxSavedGameBytes = 64 * 1024;
inline constexpr std::int64_t MaxElapsedMs = 100LL * 366 * 24 * 3600 * 1000;  // a century

struct TSavedGame {
  std::int32_t boxSize = 3;
  std::int64_t elapsedMs = 0;
  bool errorMarking = false;
  bool notesMode = false;
  char level = 'E';
  bool ownPuzzle = false;
  std::string puzzle;         // S·S characters, "." for an open cell
  std::string solution;       // S·S symbols
  std::string player;         // S·S characters, "." for an empty cell
  std::vector<TNotes> notes;  // S·S cells, row by row
  bool operator==(const TSavedGame&) const = default;
};

// What the loader made of the bytes: the game, or none and the reason, a short phrase in both
// languages ("line 7: the solution breaks the rules").
struct TSavedGameRead {
  std::optional<TSavedGame> game;
  TBilingual reason;
};

// The bytes of a game that fits the format above (the game model only ever hands such games).
std::string WriteSavedGame(const TSavedGame& game);
// Checks every field; never reads outside `bytes`, whatever they hold.
TSavedGameRead ReadSavedGame(std::string_view bytes);
