// The game's elapsed time on a monotonic clock.
#include "GameClock.h"

#include <algorithm>

TElapsed SplitElapsed(std::int64_t ms) {
  // Whole milliseconds keep the split exact: 59 s never reads as 58.999... s.
  ms = std::max<std::int64_t>(0, ms);
  const std::int64_t totalSeconds = ms / 1'000;
  return {totalSeconds / 3600, totalSeconds / 60 % 60, totalSeconds % 60};
}

void TGameTimer::Start(std::int64_t nowMs, std::int64_t elapsedMs) {
  FStartedAt = nowMs;
  FBefore = std::max<std::int64_t>(0, elapsedMs);
}

std::int64_t TGameTimer::ElapsedMs(std::int64_t nowMs) const {
  // A clock that went back (a stand-in's, or a broken one) adds nothing rather than taking away.
  return FBefore + std::max<std::int64_t>(0, nowMs - FStartedAt);
}
