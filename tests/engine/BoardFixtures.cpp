// Shared test data for the engine tests.
#include "BoardFixtures.h"

#include "TsdRandom.h"

namespace fixtures {
namespace {
TsdRandom::TClockReading gReading{0, 0};
TsdRandom::TClockReading FixedReading() {
  return gReading;
}
}  // namespace

std::string PatternSolution(int n, std::string_view symbols) {
  const int side = n * n;
  std::string text;
  for (int row = 0; row < side; ++row) {
    for (int column = 0; column < side; ++column) {
      text += symbols[static_cast<std::size_t>((n * (row % n) + row / n + column) % side)];
    }
  }
  return text;
}

std::string CutPuzzle(const std::string& solution, int keepEvery) {
  std::string puzzle = solution;
  for (std::size_t i = 0; i < puzzle.size(); ++i) {
    if (i % static_cast<std::size_t>(keepEvery) != 0) puzzle[i] = CatalogueBlank;
  }
  return puzzle;
}

TFixedClock::TFixedClock(std::uint64_t seed, int minute) {
  gReading = {seed, minute};
  TsdRandom::SetClockSource(&FixedReading);
}

TFixedClock::~TFixedClock() {
  TsdRandom::SetClockSource(nullptr);
}

TCharGrid FilledGrid(char fill) {
  TCharGrid grid;
  for (auto& row : grid) row.fill(fill);
  return grid;
}

}  // namespace fixtures
