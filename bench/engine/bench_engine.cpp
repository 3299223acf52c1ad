// One generation step as the window runs it: reload, shuffle, check the solution, export both
// grids.
#include <benchmark/benchmark.h>

#include <string>

#include "PuzzleCatalogue.h"
#include "TsdBoard.h"
#include "TsdRandom.h"

namespace {

// A valid solution (shifted pattern) and a puzzle keeping about 40 % of its cells.
void MakeTexts(int n, std::string& puzzle, std::string& solution) {
  const std::string_view symbols = SymbolsOfBoxSize(n);
  const int side = n * n;
  solution.clear();
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      solution += symbols[static_cast<std::size_t>((n * (row % n) + row / n + column) % side)];
    }
  }
  puzzle = solution;
  for (std::size_t i = 0; i < puzzle.size(); ++i) {
    if ((i * 7) % 5 > 1) puzzle[i] = CatalogueBlank;
  }
}

// Arguments: the box size (3, 4 or 5). Fixed seed, board created once outside the timing.
void BM_GenerationStep(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string puzzle, solution;
  MakeTexts(n, puzzle, solution);
  TsdBoard board(n, SymbolsOfBoxSize(n), puzzle, solution);
  TsdRandom::Seed(12345);
  TCharGrid puzzleGrid{}, solutionGrid{};
  for (auto _ : state) {
    board.LoadPuzzle(puzzle, solution, SymbolsOfBoxSize(n));
    board.Genera();
    const bool valid = board.IsSolutionValid();
    board.GetPuzzleGrid(puzzleGrid);
    board.GetSolutionGrid(solutionGrid);
    benchmark::DoNotOptimize(valid);
    benchmark::DoNotOptimize(puzzleGrid);
    benchmark::DoNotOptimize(solutionGrid);
  }
  if (board.HasError()) state.SkipWithError(board.GetErrorText().c_str());
}
BENCHMARK(BM_GenerationStep)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
