// A small seedable generator for the builder: the same seed gives the same stream on every machine.
#pragma once

#include <cstdint>

namespace tsdtools {

// xoshiro256** seeded through splitmix64. Independent of the game's process-wide generator, so the
// builder can give every work item its own stream and stay deterministic whatever the thread
// count.
class TRng {
 public:
  explicit TRng(std::uint64_t seed) {
    for (auto& word : FState) word = SplitMix(seed);
  }

  // Mixes several numbers into one seed (seed, table, candidate number …).
  static std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
    std::uint64_t x = a ^ (b + 0x9E3779B97F4A7C15ULL + (a << 6) + (a >> 2));
    return SplitMix(x);
  }

  std::uint64_t Next() {
    const std::uint64_t result = Rotl(FState[1] * 5, 7) * 9;
    const std::uint64_t t = FState[1] << 17;
    FState[2] ^= FState[0];
    FState[3] ^= FState[1];
    FState[1] ^= FState[2];
    FState[0] ^= FState[3];
    FState[2] ^= t;
    FState[3] = Rotl(FState[3], 45);
    return result;
  }

  // Uniform in 0 … bound − 1 (bound ≥ 1), by rejection so no value is favoured.
  std::uint32_t Below(std::uint32_t bound) {
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
    std::uint64_t x;
    do {
      x = Next();
    } while (x >= limit);
    return static_cast<std::uint32_t>(x % bound);
  }

  template <typename T>
  void Shuffle(T* items, int count) {
    for (int i = count - 1; i > 0; --i) {
      const int j = static_cast<int>(Below(static_cast<std::uint32_t>(i + 1)));
      T tmp = items[i];
      items[i] = items[j];
      items[j] = tmp;
    }
  }

 private:
  static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  static std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  std::uint64_t FState[4];
};

}  // namespace tsdtools
