// The one process-wide pseudo-random generator shared by the board and the window.
#pragma once

#include <cstdint>

// Every draw advances the generator by exactly one step whatever its bound, so the sequence a seed
// produces depends only on the number of draws made. That is what lets a test pin the shuffle a
// seed yields.
namespace TsdRandom {

// What the clock contributes to a reseed: the seed itself and the local minute of the hour.
struct TClockReading {
  std::uint64_t seed;
  int minute;  // 0 to 59
};
using TClockSource = TClockReading (*)();

// Seeds the generator with a fixed value (tests, tools).
void Seed(std::uint64_t seed);

// Seeds from the clock: the seed from the current time, then throws away 2·m draws below 2, where m
// is the local minute of the hour (60 when the minute is 0).
void SeedFromClock();

// Replaces the clock that SeedFromClock reads; nullptr restores the real one. For tests.
void SetClockSource(TClockSource source);

// A number drawn uniformly from 0 to bound − 1; 0 when bound is below 1.
std::int32_t Below(std::int32_t bound);

}  // namespace TsdRandom
