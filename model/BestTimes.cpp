// The finished games per size and level, their summary, and the text they are kept in.
#include "BestTimes.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view Header = "Tessamond times 1";
constexpr std::int64_t LongestMs = 100LL * 366 * 24 * 3600 * 1000;  // a century

bool Valid(const TFinishedGame& game) {
  return game.boxSize >= 3 && game.boxSize <= 5 && game.level >= 0 && game.level <= 2 &&
         game.elapsedMs >= 0 && game.elapsedMs <= LongestMs;
}

// A decimal number without sign or leading zeros, filling the whole field.
template <typename T>
bool Number(std::string_view field, T& value) {
  if (field.empty() || (field.size() > 1 && field[0] == '0')) return false;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size();
}

}  // namespace

bool TBestTimes::Add(const TFinishedGame& game) {
  if (!Valid(game)) return false;
  bool best = true;
  for (const TFinishedGame& earlier : FGames)
    if (earlier.boxSize == game.boxSize && earlier.level == game.level &&
        earlier.elapsedMs <= game.elapsedMs)
      best = false;
  FGames.push_back(game);
  // The oldest game of the kind goes once the kind holds more than it keeps.
  std::size_t ofKind = 0;
  for (const TFinishedGame& kept : FGames)
    ofKind += kept.boxSize == game.boxSize && kept.level == game.level;
  if (ofKind > KeptPerKind) {
    const auto oldest = std::find_if(FGames.begin(), FGames.end(), [&](const TFinishedGame& g) {
      return g.boxSize == game.boxSize && g.level == game.level;
    });
    FGames.erase(oldest);
  }
  return best;
}

TTimesSummary TBestTimes::Summary(std::int32_t boxSize, std::int32_t level) const {
  TTimesSummary summary;
  std::int64_t total = 0;
  std::vector<std::int64_t> times;
  for (const TFinishedGame& game : FGames) {
    if (game.boxSize != boxSize || game.level != level) continue;
    times.push_back(game.elapsedMs);
    total += game.elapsedMs;  // at most KeptPerKind centuries: far inside 64 bits
  }
  if (times.empty()) return summary;
  summary.finished = static_cast<std::int32_t>(times.size());
  summary.bestMs = *std::min_element(times.begin(), times.end());
  summary.averageMs = total / static_cast<std::int64_t>(times.size());
  const std::size_t from = times.size() > RecentCount ? times.size() - RecentCount : 0;
  summary.recentMs.assign(times.begin() + static_cast<std::ptrdiff_t>(from), times.end());
  return summary;
}

std::size_t TBestTimes::Count() const {
  return FGames.size();
}

std::string TBestTimes::Text() const {
  std::string text(Header);
  text += '\n';
  for (const TFinishedGame& game : FGames)
    text += std::to_string(game.boxSize) + ' ' + std::to_string(game.level) + ' ' +
            std::to_string(game.elapsedMs) + '\n';
  return text;
}

TBestTimes TBestTimes::Read(std::string_view text) {
  TBestTimes times;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (first) {
      if (line != Header) return times;
      first = false;
      continue;
    }
    const std::size_t a = line.find(' ');
    const std::size_t b = a == std::string_view::npos ? a : line.find(' ', a + 1);
    if (b == std::string_view::npos) continue;
    TFinishedGame game;
    if (!Number(line.substr(0, a), game.boxSize) ||
        !Number(line.substr(a + 1, b - a - 1), game.level) ||
        !Number(line.substr(b + 1), game.elapsedMs) || !Valid(game))
      continue;
    times.Add(game);
  }
  return times;
}
