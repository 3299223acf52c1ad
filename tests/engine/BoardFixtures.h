// Shared test data for the engine: a valid solution of any size, puzzles cut from it, the example.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "PuzzleCatalogue.h"
#include "TsdBoard.h"

namespace fixtures {

// A complete valid solution text for box size n over the given symbols (a shifted pattern).
std::string PatternSolution(int n, std::string_view symbols);

// The solution with every cell whose index i satisfies i % keepEvery != 0 blanked with the
// catalogue's blank.
std::string CutPuzzle(const std::string& solution, int keepEvery);

// The 9×9 example puzzle and solution used throughout.
inline const std::string ExamplePuzzle =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
inline const std::string ExampleSolution =
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456";

// Fixes the clock the board seeds from, for the lifetime of the object.
class TFixedClock {
 public:
  TFixedClock(std::uint64_t seed, int minute);
  ~TFixedClock();
};

// A character grid filled with one byte.
TCharGrid FilledGrid(char fill);

}  // namespace fixtures
