// The stage of the next hint: which view of the same step F3 shows, counted on one position.
#pragma once

#include <cstdint>

#include "GameState.h"
#include "PlayerView.h"

// The position a hint is about, as a fingerprint of the player's grid and notes (S×S corner).
std::uint64_t HintPosition(const TGameState& data, std::int32_t side);

// Moves the view's hint stage on for a request on `data`: the next stage on the position of the
// last request, up to the last; the first on any other. Returns the stage to show.
int NextHintStage(TPlayerView& view, const TGameState& data, std::int32_t side);
