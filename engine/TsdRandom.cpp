// The process-wide generator: a Mersenne Twister drawn with one engine step per number.
#include "TsdRandom.h"

#include <chrono>
#include <ctime>
#include <random>

namespace TsdRandom {
namespace {

std::mt19937& Engine() {
  static std::mt19937 engine{5489u};
  return engine;
}

TClockReading RealClock() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto ticks = static_cast<std::uint64_t>(now.time_since_epoch().count());
  return {ticks, local.tm_min};
}

TClockSource& ClockSource() {
  static TClockSource source = nullptr;
  return source;
}

}  // namespace

void Seed(std::uint64_t seed) {
  // Fold the 64-bit seed so both halves matter; seed_seq would change the sequence a seed pins.
  Engine().seed(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
}

void SeedFromClock() {
  const TClockSource source = ClockSource();
  const TClockReading reading = source ? source() : RealClock();
  Seed(reading.seed);
  int minute = reading.minute % 60;
  if (minute < 0) minute += 60;
  const int discards = minute == 0 ? 60 : minute;
  for (int i = 0; i < 2 * discards; ++i) Below(2);
}

void SetClockSource(TClockSource source) {
  ClockSource() = source;
}

std::int32_t Below(std::int32_t bound) {
  // Multiply-shift maps one 32-bit step onto 0..bound−1. Its bias is below bound/2^32, far under
  // anything a game can notice, and unlike std::uniform_int_distribution it never draws twice.
  const std::uint64_t step = Engine()();
  if (bound < 1) return 0;
  return static_cast<std::int32_t>((step * static_cast<std::uint64_t>(bound)) >> 32);
}

}  // namespace TsdRandom
