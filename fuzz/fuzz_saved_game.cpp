// libFuzzer target for the saved-game loader: any bytes at all, as a damaged, cut or forged file
// would hold them.
//
// Besides memory errors, the target checks what the loader promises: it accepts exactly what the
// writer produces, so an accepted game of the current version written again gives the very same
// bytes (one of the first version reads back the same after it is written); a refusal always
// carries its reason in both languages; and an accepted game resumes into a running game that
// writes those bytes again, its board sound and its solution valid, with its undo history.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "SavedGame.h"
#include "TsdGame.h"
#include "TsdRandom.h"

namespace {

#define FUZZ_CHECK(cond)                                                                       \
  do {                                                                                         \
    if (!(cond)) {                                                                             \
      std::fprintf(stderr, "fuzz_saved_game: check failed at line %d: %s\n", __LINE__, #cond); \
      std::abort();                                                                            \
    }                                                                                          \
  } while (0)

// A resumed game never asks for a puzzle.
class TNoPuzzles final : public IPuzzleSource {
 public:
  std::int32_t Count(std::int32_t, char) const override { return 0; }
  bool Fetch(std::int32_t, char, std::int32_t, std::string&, std::string&) const override {
    return false;
  }
};

// Time stands still, so the elapsed time written back is the one read.
class TStillClock final : public IGameClock {
 public:
  std::int64_t NowMs() const override { return 1'710'411'630'000; }
};

TsdRandom::TClockReading FixedClock() {
  return {20240607, 17};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TsdRandom::SetClockSource(&FixedClock);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TSavedGameRead read = ReadSavedGame(bytes);
  if (!read.game) {
    FUZZ_CHECK(!read.reason.english.empty() && !read.reason.italian.empty());
    return 0;
  }
  const std::string written = WriteSavedGame(*read.game);
  const bool latest = bytes.substr(0, 23) == "Tessamond saved game 2\n";
  FUZZ_CHECK(!latest || written == bytes);
  const TSavedGameRead again = ReadSavedGame(written);
  FUZZ_CHECK(again.game && *again.game == *read.game);

  static const TNoPuzzles puzzles;
  static const TStillClock clock;
  // The game holds three 65 × 65 grids and the notes: on the heap, as the window keeps it.
  auto game = std::make_unique<TsdGame>(puzzles, clock);
  game->Start();
  const TOutcome outcome = game->Resume(*read.game);
  FUZZ_CHECK(outcome.messages.empty());
  FUZZ_CHECK(game->State() == GameState::gsPlaying);
  FUZZ_CHECK(game->Board() && !game->Board()->HasError());
  FUZZ_CHECK(game->SaveText() == written);
  FUZZ_CHECK(game->CanUndo() == (read.game->done > 0));
  FUZZ_CHECK(game->CanRedo() == (read.game->done < read.game->moves.size()));
  return 0;
}
