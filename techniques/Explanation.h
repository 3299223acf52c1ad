// The next step a person would take on a player's grid, found with the ladder and told in words.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Geometry.h"
#include "Techniques.h"
#include "TsdBoard.h"

namespace tsdtech {

// What the position asks of the player.
enum class TExplanationKind : std::uint8_t {
  Step,        // a placement, after the eliminations (if any) that lead to it
  WrongEntry,  // one of the player's entries differs from the solution: it is named, nothing else
  Solved,      // the grid is full and right: nothing to explain
  NoStep,      // the ladder finds nothing sound (a puzzle with several solutions)
  BadInput,    // the position cannot be read: its texts say why
  Trial,       // every rung stalls: one cell chosen by the search is offered, found by trial
  Notes,       // the player's notes in a cell leave out the symbol it needs: that cell is named
};

// Why a cell is marked, so that the window can tint each kind its own way.
enum class TCellRole : std::uint8_t {
  Placement,  // where the symbol goes
  Wrong,      // the entry that cannot be right
  Reason,     // a cell whose symbol makes the point (the repeat, the symbols a cell or unit sees)
  Pattern,    // the cells of a pair or triple, or where a locked symbol can still go
  Struck,     // a cell that loses candidates
};

enum class TUnitKind : std::uint8_t { Row, Column, Box };

// Rows, columns and boxes are counted from 0 here, boxes row-band-major; texts count from 1.
struct TMarkedCell {
  std::int32_t FRow = 0;
  std::int32_t FColumn = 0;
  TCellRole FRole = TCellRole::Placement;
};
struct TMarkedUnit {
  TUnitKind FKind = TUnitKind::Row;
  std::int32_t FIndex = 0;
};

// One explanation: data for the window (what to mark) and the sentence to show, in both
// languages. A cell is listed once, with its most telling role (Placement and Wrong first).
struct TExplanation {
  TExplanationKind FKind = TExplanationKind::BadInput;
  // The hardest rung of the ladder the step uses: a single when no elimination is needed.
  TTechnique FTechnique = TTechnique::NakedSingle;
  // The eliminations told before the placement, in order (empty for a plain single).
  std::vector<TTechnique> FEliminations;
  // Step: the cell that takes FSymbol. WrongEntry: the entry, holding FSymbol. −1 otherwise.
  std::int32_t FRow = -1;
  std::int32_t FColumn = -1;
  char FSymbol = 0;
  std::vector<TMarkedCell> FCells;
  std::vector<TMarkedUnit> FUnits;
  std::string FTextEN;
  std::string FTextIT;
  // The first hint stage: where to look and what kind of step it is, giving nothing away ("Look at
  // row 4: one symbol has only one place there."). Empty when the kind has no stages.
  std::string FLookEN;
  std::string FLookIT;

  const std::string& Text(bool italian) const { return italian ? FTextIT : FTextEN; }
};

// The hint stages of one explanation, all views of the same step: 1 says where to look (the look
// text, no tints), 2 adds the tints of every marked cell but the placement, 3 (or more) is the
// whole step. A wrong entry, a notes check and the other kinds without a look text are whole at
// every stage; a position that needs trial offers its cell at stage 1 and reveals it from 2.
inline constexpr int kHintStages = 3;
TExplanation AtStage(const TExplanation& whole, int stage);

// The player's notes, by value bit (bit v: the symbol at position v of the set), S×S corner
// read; 0 for a cell without notes.
using TNoteMasks = std::array<std::array<std::uint32_t, MaxSide>, MaxSide>;

// The position as the game holds it, in character grids (TsdBoard.h): only the S×S corner is read
// (S = boxSize²), and any of BlankChars is an empty cell; ASCII lower case reads as upper case.
//  - `givens`: the puzzle's givens;
//  - `play`: what the player sees, givens and entries together (a given cell always counts as its
//    given, whatever `play` holds there);
//  - `solution`: the complete solution;
//  - `symbols`: the symbol set of the size, one character per value.
// Entries are taken as they stand: when some differ from the solution, the one with the plainest
// reason is named (a repeat with a given, then with a right entry, a cell it leaves with nothing,
// a symbol it leaves without a place, a repeat with another wrong entry, last the solution alone;
// reading order among equals) and nothing else is said. Then, when `notes` is given, the first
// open cell whose notes leave out its solution's symbol is named. Otherwise the candidates come
// from the givens and the entries (never from notes), and the step is the cheapest the ladder
// offers: a naked single, else a hidden single, else the elimination (or the shortest chain of
// them the search finds) that unlocks one, told with the placement it leads to; past every rung,
// a Trial that offers the cell the search would branch on. Every step is sound: its placement is
// the solution's symbol. Within a few milliseconds on 25×25 at the worst positions measured
// (bench/README.md).
TExplanation ExplainNextStep(std::int32_t boxSize, std::string_view symbols,
                             const TCharGrid& givens, const TCharGrid& play,
                             const TCharGrid& solution, const TNoteMasks* notes = nullptr);

// The same on values, S·S of each, row by row: 0 … S−1 a symbol's position in `symbols`, kEmpty a
// blank. `entries` holds the player's entries only (its given cells are ignored).
TExplanation ExplainNextStep(std::int32_t boxSize, std::string_view symbols,
                             const TCellValue* givens, const TCellValue* entries,
                             const TCellValue* solution, const std::uint32_t* notes = nullptr);

}  // namespace tsdtech
