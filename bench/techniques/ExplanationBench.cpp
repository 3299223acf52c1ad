// How long an explanation of the next step takes on 25×25 positions (one frame is 16 ms).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// The slowest explanation met while walking a position to its end, found once with the clock
// (warm, best of three per position): the worst case a player's question can cost on it.
TPosition SlowestOnTheWay(TPosition p, double& micros) {
  TPosition worst = p;
  micros = 0;
  for (;;) {
    double best = 1e30;
    TExplanation e;
    for (int i = 0; i < 3; ++i) {
      const auto start = std::chrono::steady_clock::now();
      e = p.Explain();
      best = std::min(
          best, std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                    .count());
    }
    if (best > micros) {
      micros = best;
      worst = p;
    }
    if (e.FKind != TExplanationKind::Step && e.FKind != TExplanationKind::Trial) break;
    const int cell = e.FRow * p.box * p.box + e.FColumn;
    p.entries[cell] = p.solution[cell];
  }
  return worst;
}

TPosition FromText(std::string_view puzzle, const std::string& solution) {
  TPosition p;
  p.box = 3;
  for (std::size_t c = 0; c < puzzle.size(); ++c) {
    p.givens.push_back(puzzle[c] == '?' ? kEmpty : static_cast<TCellValue>(puzzle[c] - '1'));
    p.entries.push_back(kEmpty);
    p.solution.push_back(static_cast<TCellValue>(solution[c] - '1'));
  }
  return p;
}

// Hard 9×9 puzzles (tests/techniques/HardPuzzles.txt): two that need forcing chains, one past
// every rung; each walked to its end, the slowest position kept.
const TPosition& WorstHard9x9() {
  static const TPosition worst = [] {
    const std::pair<std::string_view, std::string_view> kHard[] = {
        {"??1?????75????????8?31?9??6??93?2??16?????7?3?3??6??2????9????8??56?317?2??4??3??",
         "961254837572836914843179256759342681628591743134768529317925468495683172286417395"},
        {"6??48????1??6?3?8??3?1?????2?6??9??77??????????????21???5??142??9???5??8???3??9??",
         "652487391174693582938152746246519837713824659589736214865971423397245168421368975"},
        {"?????3??????????3???51??7??97??8?3????4?92????6????5???23??1?6?6????51??5?964????",
         "786423951192857634435169728971586342354792816268314597823971465647235189519648273"},
    };
    TPosition slowest;
    double most = 0;
    for (const auto& [puzzle, solution] : kHard) {
      double micros = 0;
      TPosition p = SlowestOnTheWay(FromText(puzzle, std::string(solution)), micros);
      if (micros > most) {
        most = micros;
        slowest = p;
      }
    }
    return slowest;
  }();
  return worst;
}

void BM_ExplainWorstHard9x9(benchmark::State& state) {
  const TPosition& p = WorstHard9x9();
  for (auto _ : state) benchmark::DoNotOptimize(p.Explain().FRow);
  state.counters["technique"] = static_cast<double>(p.Explain().FTechnique);
}
BENCHMARK(BM_ExplainWorstHard9x9)->Unit(benchmark::kMicrosecond);

// 25×25 positions where the ladder stalls: the first "A" puzzle with every k-th given taken away
// (k = 2 … 8, the puzzle no longer unique, so every rung runs to the end before the search's cell
// is offered), each walked to its end; the slowest position of all is kept.
const TPosition& WorstStalled25x25() {
  static const TPosition worst = [] {
    TPosition slowest;
    double most = 0;
    for (int k = 2; k <= 8; ++k) {
      TPosition p = Start(5, 'A', 0);
      int seen = 0;
      for (TCellValue& v : p.givens) {
        if (v != kEmpty && ++seen % k == 0) v = kEmpty;
      }
      double micros = 0;
      TPosition w = SlowestOnTheWay(p, micros);
      if (micros > most) {
        most = micros;
        slowest = w;
      }
    }
    return slowest;
  }();
  return worst;
}

void BM_ExplainWorstStalled25x25(benchmark::State& state) {
  const TPosition& p = WorstStalled25x25();
  for (auto _ : state) benchmark::DoNotOptimize(p.Explain().FRow);
  state.counters["trial"] = p.Explain().FKind == TExplanationKind::Trial ? 1 : 0;
}
BENCHMARK(BM_ExplainWorstStalled25x25)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
