// Puzzles per second for the exact solver and the grader on the catalogue, and QQwing alongside.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleCatalogue.h"
#include "PuzzleText.h"

using namespace tsdtools;

namespace {

// Every catalogue puzzle of one box size, all three levels.
const std::vector<std::vector<TCellValue>>& Puzzles(int box) {
  static std::vector<std::vector<TCellValue>> cache[kMaxBox + 1];
  if (cache[box].empty()) {
    for (char level : LevelLetters) {
      for (int i = 0; i < GetStoredPuzzleCount(box, level); ++i) {
        std::string puzzle, solution, error;
        TPuzzle parsed;
        if (GetStoredPuzzle(box, level, i, puzzle, solution) &&
            ParsePuzzleText(puzzle, parsed, error)) {
          cache[box].push_back(parsed.cells);
        }
      }
    }
  }
  return cache[box];
}

// Exact solving as the verifier does it: count solutions up to 2, which proves uniqueness.
// Argument: box size.
void BM_ExactSolve(benchmark::State& state) {
  const int box = static_cast<int>(state.range(0));
  const auto& puzzles = Puzzles(box);
  TExactSolver solver(*GeometryFor(box));
  for (auto _ : state) {
    for (const auto& p : puzzles)
      benchmark::DoNotOptimize(solver.CountSolutions(p.data(), 2, nullptr));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}
BENCHMARK(BM_ExactSolve)->Arg(3)->Arg(4)->Arg(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// Grading with the whole ladder, as `grade` and the verifier do. Argument: box size.
void BM_Grade(benchmark::State& state) {
  const int box = static_cast<int>(state.range(0));
  const auto& puzzles = Puzzles(box);
  TGrader grader(*GeometryFor(box));
  for (auto _ : state) {
    for (const auto& p : puzzles) benchmark::DoNotOptimize(grader.Grade(p.data()).level);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}
BENCHMARK(BM_Grade)->Arg(3)->Arg(4)->Arg(5)->UseRealTime()->Unit(benchmark::kMillisecond);

// QQwing on the same 300 9×9 puzzles: `qqwing --solve --count-solutions` reading them all from one
// file, so its start-up is paid once per 300 puzzles. Wall time, since the work is in a child.
void BM_QQwingSolve9x9(benchmark::State& state) {
  const std::string file = "/tmp/tessamond-bench-qqwing.txt";
  {
    std::ofstream out(file);
    for (const auto& p : Puzzles(3)) {
      std::string line = ToText(3, p, '.');
      out << line << '\n';
    }
  }
  const std::string command =
      "qqwing --solve --count-solutions --one-line < " + file + " > /dev/null 2>&1";
  if (std::system("command -v qqwing > /dev/null 2>&1") != 0) {
    state.SkipWithError("qqwing is not installed (scripts/install-deps.sh installs it)");
    return;
  }
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("qqwing failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Puzzles(3).size()));
  std::remove(file.c_str());
}
BENCHMARK(BM_QQwingSolve9x9)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
