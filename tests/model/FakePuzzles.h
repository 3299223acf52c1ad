// A catalogue and a clock that tests control: puzzles made on the spot, time that moves when told.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "PuzzleCatalogue.h"
#include "PuzzleSource.h"
#include "TsdGame.h"

// A valid pair of the box size: the solution by the band-shift pattern, the puzzle keeping every
// cell whose (row + 2·column) mod 3 is 0 (about a third, spread over every row and column).
inline std::pair<std::string, std::string> MakePair(int boxSize) {
  const int side = boxSize * boxSize;
  const std::string_view symbols = SymbolsOfBoxSize(boxSize);
  std::string puzzle;
  std::string solution;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      const char ch =
          symbols[static_cast<std::size_t>((row * boxSize + row / boxSize + column) % side)];
      solution += ch;
      puzzle += (row + 2 * column) % 3 == 0 ? ch : CatalogueBlank;
    }
  }
  return {puzzle, solution};
}

// Answers from a table the test fills: (box size, level) → puzzle/solution pairs. Count can be
// forced, to stand for an empty or lying catalogue.
class TFakePuzzleSource final : public IPuzzleSource {
 public:
  using TPair = std::pair<std::string, std::string>;

  // One valid level-"E" pair of each size.
  TFakePuzzleSource() {
    for (int boxSize = 3; boxSize <= 5; ++boxSize) Pairs[{boxSize, 'E'}] = {MakePair(boxSize)};
  }

  std::int32_t Count(std::int32_t boxSize, char level) const override {
    ++CountCalls;
    if (ForcedCount >= 0) return ForcedCount;
    auto it = Pairs.find({boxSize, level});
    return it == Pairs.end() ? 0 : static_cast<std::int32_t>(it->second.size());
  }

  bool Fetch(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
             std::string& solution) const override {
    ++FetchCalls;
    auto it = Pairs.find({boxSize, level});
    if (it == Pairs.end() || index < 0 || index >= static_cast<std::int32_t>(it->second.size()))
      return false;
    puzzle = it->second[static_cast<std::size_t>(index)].first;
    solution = it->second[static_cast<std::size_t>(index)].second;
    return true;
  }

  std::map<std::pair<std::int32_t, char>, std::vector<TPair>> Pairs;
  std::int32_t ForcedCount = -1;
  mutable int CountCalls = 0;
  mutable int FetchCalls = 0;
};

// A clock that stands still until the test moves it.
class TFakeClock final : public IGameClock {
 public:
  std::int64_t NowMs() const override { return Ms; }
  std::int64_t Ms = 1'710'411'630'000;  // 2024-03-14 10:20:30 UTC
};
