// The hint stages: a position fingerprint and the stage counter kept in the player's view.
#include "HintStages.h"

#include <algorithm>

#include "Explanation.h"

std::uint64_t HintPosition(const TGameState& data, std::int32_t side) {
  // FNV-1a over the grid's characters and the notes' bits, row by row.
  std::uint64_t hash = 14695981039346656037ULL;
  auto mix = [&hash](std::uint64_t byte) {
    hash ^= byte;
    hash *= 1099511628211ULL;
  };
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      mix(static_cast<unsigned char>(data.play[row][column]));
      for (int shift = 0; shift < 32; shift += 8) mix((data.notes[row][column] >> shift) & 0xFF);
    }
  }
  return hash;
}

int NextHintStage(TPlayerView& view, const TGameState& data, std::int32_t side) {
  const std::uint64_t position = HintPosition(data, side);
  const bool same = view.hintStage > 0 && view.hintPosition == position;
  view.hintStage = same ? std::min(view.hintStage + 1, tsdtech::kHintStages) : 1;
  view.hintPosition = position;
  return view.hintStage;
}
