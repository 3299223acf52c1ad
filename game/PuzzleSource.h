// Where the window takes its stored puzzles from: the built-in catalogue, or a test's stand-in.
#pragma once

#include <cstdint>
#include <string>

class IPuzzleSource {
 public:
  virtual ~IPuzzleSource() = default;
  virtual std::int32_t Count(std::int32_t boxSize, char level) const = 0;
  virtual bool Fetch(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
                     std::string& solution) const = 0;
};

// The built-in catalogue.
const IPuzzleSource& BuiltInPuzzles();
