// The builder's targets for each catalogue table, which the verifier holds the tables to.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "Grader.h"

namespace tsdtools {

// One table: its size and level, how many entries, and the spread of givens the builder aims at
// (each entry within the range, the table's mean near the given mean). Fewer givens do not make a
// harder puzzle by themselves; the level comes from the techniques a puzzle needs.
struct TTableTarget {
  int box;
  char level;         // one of LevelLetters
  int count;          // entries
  int minGivens;      // fewest givens of an entry
  int maxGivens;      // most givens of an entry
  double meanGivens;  // the table's mean lies within kMeanTolerance of this
};

inline constexpr double kMeanTolerance = 0.5;

inline constexpr std::array<TTableTarget, 9> kTableTargets = {{
    {3, 'E', 100, 23, 27, 24.5},
    {3, 'M', 100, 22, 28, 24.5},
    {3, 'A', 100, 22, 27, 24.5},
    {4, 'E', 50, 89, 99, 93.4},
    {4, 'M', 25, 89, 97, 92.7},
    {4, 'A', 25, 88, 96, 92.5},
    {5, 'E', 25, 257, 270, 262.7},
    {5, 'M', 25, 254, 270, 261.6},
    {5, 'A', 25, 255, 270, 262.5},
}};

// Entry 0 of the 9×9 "E" table is fixed; the builder generates the rest around it.
inline constexpr std::string_view kFixedFirstPuzzle =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
inline constexpr std::string_view kFixedFirstSolution =
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456";

inline constexpr std::uint64_t kDefaultSeed = 20240607;

}  // namespace tsdtools
