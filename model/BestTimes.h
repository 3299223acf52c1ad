// The player's finished games, per box size and level: how many, the best and the average time,
// and the recent times; with the text they are kept in between runs. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One finished game.
struct TFinishedGame {
  std::int32_t boxSize = 3;  // 3, 4 or 5
  std::int32_t level = 0;    // 0, 1, 2: E, M, A
  std::int64_t elapsedMs = 0;
  bool operator==(const TFinishedGame&) const = default;
};

// What the Statistics window shows for one size and level.
struct TTimesSummary {
  std::int32_t finished = 0;
  std::int64_t bestMs = 0;             // 0 when none finished
  std::int64_t averageMs = 0;          // whole milliseconds, rounded down
  std::vector<std::int64_t> recentMs;  // the last RecentCount times, oldest first
};

class TBestTimes {
 public:
  // At most this many games are kept per size and level (the oldest go first); the summary's
  // count and average take in only those kept.
  static constexpr std::size_t KeptPerKind = 200;
  // The plot shows this many of the latest times.
  static constexpr std::size_t RecentCount = 20;

  // Adds a finished game; true when its time is the best of its size and level so far (the first
  // game of a kind is its best). A size or level out of range is not kept (false).
  bool Add(const TFinishedGame& game);
  TTimesSummary Summary(std::int32_t boxSize, std::int32_t level) const;
  std::size_t Count() const;

  // The kept text: a line "Tessamond times 1", then one line per game, oldest first,
  // "<box size> <level> <milliseconds>" in decimal (box size 3–5, level 0–2, milliseconds at most a
  // century). Read() takes what it understands of such a text and drops any other line, so a
  // damaged file loses only its damaged lines; a text without the first line gives nothing.
  std::string Text() const;
  static TBestTimes Read(std::string_view text);

 private:
  std::vector<TFinishedGame> FGames;  // oldest first
};
