// The check of a pasted puzzle, end to end (text read, solutions counted up to two, ladder grade):
// the hardest 9×9 puzzles known, and the catalogue's sparsest 16×16 and 25×25 entries.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "OwnPuzzle.h"
#include "PuzzleCatalogue.h"

namespace {

// Puzzles published as the hardest for people and for solvers.
const char* const Hardest9[] = {
    // Arto Inkala, 2012
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
    // AI Escargot
    "1....7.9..3..2...8..96..5....53..9...1..8...26....4...3......1..4......7..7...3..",
    // Easter Monster
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1",
    // Peter Norvig's hardest for his solver
    "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
};

// The entry with the fewest givens of the size's level-A table, as pasted text.
std::string Sparsest(int box) {
  std::string best;
  std::size_t fewest = std::string::npos;
  for (int i = 0; i < GetStoredPuzzleCount(box, 'A'); ++i) {
    std::string puzzle;
    std::string solution;
    GetStoredPuzzle(box, 'A', i, puzzle, solution);
    const auto givens = static_cast<std::size_t>(
        std::count_if(puzzle.begin(), puzzle.end(), [](char ch) { return ch != '?'; }));
    if (givens < fewest) {
      fewest = givens;
      best = puzzle;
    }
  }
  std::replace(best.begin(), best.end(), '?', '.');
  return best;
}

void Check(benchmark::State& state, const std::string& text) {
  TPuzzleCheck check;
  for (auto _ : state) {
    check = CheckPuzzleText(text);
    benchmark::DoNotOptimize(check);
  }
  state.counters["accepted"] = check.verdict == TPuzzleCheck::TVerdict::Accepted;
  state.counters["givens"] = static_cast<double>(
      std::count_if(text.begin(), text.end(), [](char ch) { return ch != '.'; }));
  state.SetLabel(check.message.english);
}

void BM_Hardest9x9(benchmark::State& state) {
  Check(state, Hardest9[state.range(0)]);
}
BENCHMARK(BM_Hardest9x9)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_Sparsest16x16(benchmark::State& state) {
  Check(state, Sparsest(4));
}
BENCHMARK(BM_Sparsest16x16)->Unit(benchmark::kMillisecond);

void BM_Sparsest25x25(benchmark::State& state) {
  Check(state, Sparsest(5));
}
BENCHMARK(BM_Sparsest25x25)->Unit(benchmark::kMillisecond);

// The sparsest 25×25 entry thinned further: givens taken out one by one, in reading order, as
// long as the puzzle keeps its one solution, down to `target` givens. A check that runs past
// `patienceMs` keeps its given, so that making the puzzle takes bounded time.
bool UniqueWithin(const std::string& text, int patienceMs) {
  std::atomic<bool> cancel{false};
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!done.wait_for(lock, std::chrono::milliseconds(patienceMs), [&] { return finished; }))
      cancel = true;
  });
  const bool unique = CheckPuzzleText(text, &cancel).verdict == TPuzzleCheck::TVerdict::Accepted;
  {
    std::lock_guard lock(mutex);
    finished = true;
  }
  done.notify_one();
  watchdog.join();
  return unique;
}

std::string Thinned25x25(std::size_t target) {
  std::string text = Sparsest(5);
  std::size_t givens = static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char ch) { return ch != '.'; }));
  for (std::size_t cell = 0; cell < text.size() && givens > target; ++cell) {
    if (text[cell] == '.') continue;
    const char given = text[cell];
    text[cell] = '.';
    if (UniqueWithin(text, 100))
      --givens;
    else
      text[cell] = given;
  }
  return text;
}

void BM_Thinned25x25(benchmark::State& state) {
  static const std::string text = Thinned25x25(static_cast<std::size_t>(state.range(0)));
  Check(state, text);
}
BENCHMARK(BM_Thinned25x25)->Arg(230)->Arg(215)->Unit(benchmark::kMillisecond);

// The level-A 25×25 entry 0 with its given at row 9, column 23 made a J: it repeats nothing, but
// the puzzle then has several solutions, found only after a long search. The case a player's
// progress box and Cancel are for (the window test opens the same puzzle).
void BM_LongSearch25x25(benchmark::State& state) {
  std::string puzzle;
  std::string solution;
  GetStoredPuzzle(5, 'A', 0, puzzle, solution);
  std::replace(puzzle.begin(), puzzle.end(), '?', '.');
  puzzle[222] = 'J';
  Check(state, puzzle);
}
BENCHMARK(BM_LongSearch25x25)->Unit(benchmark::kMillisecond);

// A 25×25 grid with no givens: many solutions, told after the second one is found.
void BM_Empty25x25(benchmark::State& state) {
  Check(state, std::string(625, '.'));
}
BENCHMARK(BM_Empty25x25)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
