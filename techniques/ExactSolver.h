// Exact Sudoku solver: counts solutions up to a limit and fills random complete grids.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "SudokuGeometry.h"
#include "Techniques.h"
#include "ToolRandom.h"

namespace tsdtools {

// Depth-first search over the techniques' candidate grid. Every node applies the techniques of
// Techniques.h until the grid settles (naked and hidden singles; on 16×16 and 25×25 grids also
// locked candidates, naked pairs/triples and hidden pairs, all sound, so they only prune) and then
// branches on an unfilled cell with the fewest candidates. Sound techniques settle on the same grid
// whatever order they run in, so the search tree depends on which techniques run, not on how.
// Search states live in a per-depth stack owned by the solver, so a solver is reused without
// allocating and one solver must not be shared between threads.
class TExactSolver {
 public:
  explicit TExactSolver(const TGeometry& geometry);

  // Counts the solutions of `puzzle` (g.cells values, kEmpty for blanks), stopping at `limit`.
  // The first solution found goes to `solution` when it is not null. Givens that contradict one
  // another give 0.
  int CountSolutions(const TCellValue* puzzle, int limit, TCellValue* solution);

  // Fills `grid` with a random complete grid: values are tried in random order. Gives up after
  // `nodeLimit` search nodes and returns false, so a caller can retry with a fresh stream.
  bool RandomGrid(TRng& rng, TCellValue* grid, long nodeLimit);

  // Search nodes visited by the last call.
  long Nodes() const { return FNodes; }

  // Called with the node count every kProgressNodes nodes of a search, so that a caller can tell
  // a person what a long search is doing, or end it (by throwing from the callback). On a 25×25
  // grid one node can take a millisecond, so the count is small enough that a cancel is seen
  // within a fraction of a second. Empty by default.
  static constexpr long kProgressNodes = 64;
  void SetProgress(std::function<void(long nodes)> progress) { FProgress = std::move(progress); }

 private:
  struct TState {
    TMask cand[kMaxCells];
    int unsolved;
  };

  // Every cell open again, the search counters and limits set for one run; the root state.
  TState& Reset(int limit, long nodeLimit, TRng* rng, TCellValue* solution);
  bool Assign(TState& s, int cell, int value);
  bool Drain(TState& s);
  bool Propagate(TState& s);
  int Eliminate(TState& s, tsdtech::TTechnique technique);
  void Search(int depth);

  const TGeometry& FGeometry;
  std::vector<TState> FStack;
  std::vector<std::int16_t> FQueue;
  TRng* FRng = nullptr;
  int FLimit = 0;
  int FFound = 0;
  long FNodes = 0;
  long FNodeLimit = 0;
  TCellValue* FSolution = nullptr;
  std::function<void(long)> FProgress;
};

}  // namespace tsdtools
