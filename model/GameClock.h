// The game's one clock: how long a game has been played. Within a run it is measured on a
// monotonic clock the model is handed, so a change of the wall clock (a daylight-saving change, a
// correction, the user setting the time) never moves it; between runs the kept game carries the
// elapsed time itself. Plain C++, no Qt.
#pragma once

#include <cstdint>

// A monotonic clock in milliseconds: its origin means nothing, it never goes back.
class IGameClock {
 public:
  virtual ~IGameClock() = default;
  virtual std::int64_t NowMs() const = 0;
};

// Whole hours (however many), and the minutes and seconds beyond them.
struct TElapsed {
  std::int64_t hours = 0;
  std::int64_t minutes = 0;
  std::int64_t seconds = 0;
  bool operator==(const TElapsed&) const = default;
};

// The split of a duration in milliseconds; negative durations count as none.
TElapsed SplitElapsed(std::int64_t ms);

// The time a game has run: what it had when (re)started, plus what the clock counted since.
class TGameTimer {
 public:
  // The game (re)starts at `nowMs` with `elapsedMs` behind it.
  void Start(std::int64_t nowMs, std::int64_t elapsedMs = 0);
  std::int64_t ElapsedMs(std::int64_t nowMs) const;

 private:
  std::int64_t FStartedAt = 0;
  std::int64_t FBefore = 0;
};
