// How long an explanation of the next step takes on 25×25 positions (one frame is 16 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "Explanation.h"
#include "PuzzleCatalogue.h"

using namespace tsdtech;

namespace {

struct TPosition {
  int box = 0;
  std::vector<TCellValue> givens, entries, solution;

  TExplanation Explain() const {
    return ExplainNextStep(box, SymbolsOfBoxSize(box), givens.data(), entries.data(),
                           solution.data());
  }
  // Places the next explained symbol; false when the grid is full.
  bool Advance() {
    const TExplanation e = Explain();
    if (e.FKind != TExplanationKind::Step) return false;
    const int cell = e.FRow * box * box + e.FColumn;
    entries[cell] = solution[cell];
    return true;
  }
};

TPosition Start(int box, char level, int index) {
  std::string puzzle, solution;
  GetStoredPuzzle(box, level, index, puzzle, solution);
  const std::string_view symbols = SymbolsOfBoxSize(box);
  TPosition p;
  p.box = box;
  for (std::size_t c = 0; c < puzzle.size(); ++c) {
    p.givens.push_back(
        puzzle[c] == CatalogueBlank ? kEmpty : static_cast<TCellValue>(symbols.find(puzzle[c])));
    p.entries.push_back(kEmpty);
    p.solution.push_back(static_cast<TCellValue>(symbols.find(solution[c])));
  }
  return p;
}

// The position of the 25 "A" 25×25 puzzles, walked step by step, whose explanation needs the
// longest chain of eliminations: the most work a player's question can cost in the catalogue.
const TPosition& LongestChain25() {
  static const TPosition longest = [] {
    TPosition best;
    std::size_t most = 0;
    for (int i = 0; i < GetStoredPuzzleCount(5, 'A'); ++i) {
      TPosition p = Start(5, 'A', i);
      for (;;) {
        const TExplanation e = p.Explain();
        if (e.FKind != TExplanationKind::Step) break;
        if (e.FEliminations.size() > most) {
          most = e.FEliminations.size();
          best = p;
        }
        p.Advance();
      }
    }
    return best;
  }();
  return longest;
}

// Argument 0: the puzzle as given; 1: after half of its blanks are filled by following the
// explanations. Positions: the first "A" (hardest level) puzzle of the size.
void BM_Explain(benchmark::State& state, int box) {
  TPosition p = Start(box, 'A', 0);
  if (state.range(0) == 1) {
    int blanks = 0;
    for (const TCellValue v : p.givens) blanks += v == kEmpty;
    for (int i = 0; i < blanks / 2; ++i) p.Advance();
  }
  for (auto _ : state) benchmark::DoNotOptimize(p.Explain().FRow);
}
BENCHMARK_CAPTURE(BM_Explain, 9x9, 3)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Explain, 25x25, 5)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ExplainLongestChain25x25(benchmark::State& state) {
  const TPosition& p = LongestChain25();
  for (auto _ : state) benchmark::DoNotOptimize(p.Explain().FRow);
  state.counters["eliminations"] = static_cast<double>(p.Explain().FEliminations.size());
}
BENCHMARK(BM_ExplainLongestChain25x25)->Unit(benchmark::kMicrosecond);

// A whole 25×25 "A" game explained step by step from its givens to the last cell: the sum of
// every explanation a player could ask for, one per cell.
void BM_ExplainWholeGame25x25(benchmark::State& state) {
  for (auto _ : state) {
    TPosition p = Start(5, 'A', 0);
    while (p.Advance()) {
    }
  }
}
BENCHMARK(BM_ExplainWholeGame25x25)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
