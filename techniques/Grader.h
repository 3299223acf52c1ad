// Technique grader: solves like a person would, cheapest technique first, and names the level
// needed.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "SudokuGeometry.h"
#include "Techniques.h"

namespace tsdtools {

using tsdtech::kLadder;
using tsdtech::TLevel;
using tsdtech::TTechnique;

// "E", "M", "A" for the three levels, "beyond" past them.
std::string_view LevelName(TLevel level);
// 'E', 'M', 'A'; '-' for Beyond.
char LevelLetter(TLevel level);
// The level of a catalogue letter ('e' counts as 'E'); Beyond for any other letter.
TLevel LevelOfLetter(char letter);

struct TGradeResult {
  // The lowest level whose techniques complete the puzzle; Beyond when the allowed ones stall.
  TLevel level = TLevel::Beyond;
  // The ladder index of the highest technique that made progress; -1 when none was needed.
  int hardest = -1;
  // The givens contradict each other, or a deduction emptied a cell: the puzzle has no solution.
  bool contradiction = false;
  // The grid as far as the techniques got (complete when level is not Beyond).
  std::vector<TCellValue> cells;
  // For each level: the grid at the moment a technique of that level first made progress, i.e. the
  // point where the cheaper levels stalled. Empty for a level that was never used.
  std::array<std::vector<TCellValue>, tsdtech::kLevelCount> stalledBefore;
};

// What a player's own puzzle asks: the hardest rung of the whole ladder it needs, in words.
struct TPuzzleRating {
  // The givens contradict each other, or a deduction emptied a cell: no solution.
  bool contradiction = false;
  // Every rung stalls: the puzzle needs trial and error (or has several solutions).
  bool trial = false;
  // The lowest level that completes it (Beyond when trial is set) and the hardest rung used
  // (a ladder index; −1 when the grid is already full or the puzzle cannot be rated).
  TLevel level = TLevel::Beyond;
  int hardest = -1;
  // "X-Wing" / "X-Wing", "trial and error" / "tentativi", "nothing to deduce" / "niente da
  // dedurre".
  std::string nameEN;
  std::string nameIT;
};

// Rates a puzzle (g.cells values, kEmpty for blanks) with every rung of the ladder.
TPuzzleRating RatePuzzle(const TGeometry& geometry, const TCellValue* puzzle);

// Runs the ladder of Techniques.h: each rung sweeps the whole board once and applies every
// instance it finds, then the ladder restarts from its cheapest rung. Every elimination is a
// consequence of the givens alone. One grader per thread; Grade may be called any number of times.
class TGrader {
 public:
  explicit TGrader(const TGeometry& geometry);

  // Grades `puzzle` (g.cells values, kEmpty for blanks) using techniques up to `ceiling`. When
  // `steps` is not null, every deduction that changed something is appended as one line, e.g.
  // "hidden single: 7 in box 4 → r5c3".
  TGradeResult Grade(const TCellValue* puzzle, TLevel ceiling = TLevel::Subsets,
                     std::vector<std::string>* steps = nullptr);

  // Called after every technique that changed something, with the grader in its new state. For
  // tests that watch each deduction.
  using TStepObserver = void (*)(void* context, const TGrader& grader, TTechnique technique);
  void SetObserver(TStepObserver observer, void* context) {
    FObserver = observer;
    FObserverContext = context;
  }

  // Hand-driving, for tests: Load places the givens (false on contradiction), SetCandidates
  // narrows one empty cell to a mask, Step applies one technique once.
  bool Load(const TCellValue* puzzle);
  void SetCandidates(int cell, TMask mask) { FCand[cell] = mask; }
  bool Step(TTechnique technique) { return Apply(technique); }

  // The state after the last Grade, Load or Step: the candidate masks (Geometry.h: a placed cell
  // holds kPlaced and its symbol's bit) and the values (kEmpty for open cells).
  const std::vector<TMask>& Candidates() const { return FCand; }
  const std::vector<TCellValue>& Values() const { return FValue; }

 private:
  bool Apply(TTechnique technique);
  void PlaceCell(int cell, int value);
  std::string Sym(int value) const;
  std::string SymSet(TMask mask) const;
  std::string Describe(const tsdtech::TFinding& f, const std::vector<int>& changed) const;

  const TGeometry& FGeometry;
  std::string_view FSymbols;
  std::vector<TCellValue> FValue;
  std::vector<TMask> FCand;
  int FFilled = 0;
  bool FContradiction = false;
  std::vector<std::string>* FSteps = nullptr;
  TStepObserver FObserver = nullptr;
  void* FObserverContext = nullptr;
};

}  // namespace tsdtools
