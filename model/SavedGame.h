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
#include "GameParams.h"
#include "Move.h"
#include "PlayerView.h"

// A saved game is ASCII text, one field per line, every line ended by "\n", in exactly this order
// and with nothing before, between or after the lines (S = N·N; "symbol" means a character of the
// symbol set of box size N, upper case as the set has it; numbers are decimal digits without
// leading zeros):
//
//   Tessamond saved game 2   the version line
//   box N                    3, 4 or 5
//   level L                  the level of the parameters: E, M or A, or "-" for none chosen
//   source O                 where the puzzle came from: "catalogue" or "own"
//   elapsed-ms T             how long the game had run, in milliseconds, at most MaxElapsedMs
//   marking B                error marking: 0 off, 1 on
//   notes-mode B             notes mode: 0 off, 1 on
//   timer-hidden B           the clock hidden: 0 shown, 1 hidden
//   font-size F              the grid's font size in points, SmallestFontSize..LargestFontSize
//   cell C R                 the current cell: column and row, each below S
//   puzzle P                 S·S characters, row by row: a given's symbol, or "." for an open cell
//   solution Q               S·S symbols, row by row; every row, column and box holds each symbol
//                            once, and every given of the puzzle is the solution's symbol there
//   player R                 S·S characters, row by row: each given as in the puzzle; on an open
//                            cell the player's entry, or "." for none
//   notes C,C,...,C          S·S fields separated by ",", one per cell row by row: the symbols
//                            noted in the cell, in the order of the set and without repeats; empty
//                            for none, and always empty on a given
//   moves K D                the move history: K moves, the first D of them in force (D ≤ K ≤
//                            MaxSavedMoves); the others were undone and can be redone
//   start R                  the player's grid the moves start from, as `player` is written
//   start-notes C,...,C      the notes the moves start from, as `notes` is written
//   enter C R X | note C R X | clear C R | fill C R
//                            K lines, one per move, oldest first, at column C and row R: X a
//                            symbol (or "." for a cleared cell after enter). Played from the start
//                            grids, each move changes the grid, and the first D of them give the
//                            player's grid and the notes above
//
// Version 1 (what earlier releases wrote) has only box, elapsed-ms, marking, notes-mode, puzzle,
// solution, player and notes, in that order; it is read with the level E from the catalogue, the
// clock shown, the font size the window starts with, the current cell at (0, 0) and no moves (its
// history starts from the grid it holds).
//
// The loader accepts exactly what the writer produces for some game (of either version), so an
// accepted game written again gives the very same bytes, in version 2.
inline constexpr std::size_t MaxSavedGameBytes = 4 * 1024 * 1024;
inline constexpr std::int64_t MaxElapsedMs = 100LL * 366 * 24 * 3600 * 1000;  // a century
// Far more changes than a game takes; a longer history is not kept (the game itself is).
inline constexpr std::size_t MaxSavedMoves = 200'000;

struct TSavedGame {
  std::int32_t boxSize = 3;
  char level = 'E';  // '\0': none chosen
  TPuzzleOrigin source = TPuzzleOrigin::Catalogue;
  std::int64_t elapsedMs = 0;
  bool errorMarking = false;
  bool notesMode = false;
  bool timerHidden = false;
  std::int32_t fontSize = DefaultFontSize;
  std::int32_t currentColumn = 0;
  std::int32_t currentRow = 0;
  std::string puzzle;              // S·S characters, "." for an open cell
  std::string solution;            // S·S symbols
  std::string player;              // S·S characters, "." for an empty cell
  std::vector<TNotes> notes;       // S·S cells, row by row
  std::string startPlayer;         // the player's grid the moves start from, as `player`
  std::vector<TNotes> startNotes;  // the notes the moves start from
  std::vector<TMove> moves;        // oldest first
  std::size_t done = 0;            // the first `done` moves are in force
  bool operator==(const TSavedGame&) const = default;
};

// What the loader made of the bytes: the game, or none and the reason, a short phrase in both
// languages ("line 7: the solution breaks the rules").
struct TSavedGameRead {
  std::optional<TSavedGame> game;
  TBilingual reason;
};

// The bytes of a game that fits the format above (the game model only ever hands such games), in
// version 2.
std::string WriteSavedGame(const TSavedGame& game);
// Checks every field; never reads outside `bytes`, whatever they hold.
TSavedGameRead ReadSavedGame(std::string_view bytes);
