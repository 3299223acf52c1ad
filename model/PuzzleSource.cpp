// The built-in catalogue as the game's puzzle source.
#include "PuzzleSource.h"

#include "PuzzleCatalogue.h"

namespace {

class TBuiltInPuzzles final : public IPuzzleSource {
 public:
  std::int32_t Count(std::int32_t boxSize, char level) const override {
    return GetStoredPuzzleCount(boxSize, level);
  }

  bool Fetch(std::int32_t boxSize, char level, std::int32_t index, std::string& puzzle,
             std::string& solution) const override {
    // The catalogue trusts its caller with the index; an index past its table is refused here.
    if (index < 0 || index >= GetStoredPuzzleCount(boxSize, level)) return false;
    return GetStoredPuzzle(boxSize, level, index, puzzle, solution);
  }
};

}  // namespace

const IPuzzleSource& BuiltInPuzzles() {
  static const TBuiltInPuzzles puzzles;
  return puzzles;
}
