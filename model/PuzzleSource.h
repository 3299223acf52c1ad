// Where the game takes its stored puzzles from: the built-in catalogue, or a test's stand-in.
#pragma once

#include <cstdint>
#include <string>

class IPuzzleSource {
 public:
  virtual ~IPuzzleSource() = default;
  // Entries stored for a box size and level letter; 0 when there are none.
  virtual std::int32_t Count(std::int32_t boxSize, char level) const = 0;
  // Entry `index` (from 0) as puzzle and solution texts; false, strings untouched, when it has
  // none.
  virtual bool Fetch(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
                     std::string& solution) const = 0;
};

// The built-in catalogue.
const IPuzzleSource& BuiltInPuzzles();
