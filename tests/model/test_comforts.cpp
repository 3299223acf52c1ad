// The comforts on the model: filled notes as one step, the pause's time, best times and their
// kept text, and a finished game no longer kept.
#include <gtest/gtest.h>

#include "GameFixture.h"

namespace {

using enum GameState;

// What the rules leave open for a cell, worked out the long way from the grid.
TNotes Open(const TsdGame& game, int row, int column) {
  const std::string_view symbols = game.Symbols();
  const int n = game.BoxSize();
  TNotes open = 0;
  for (std::size_t k = 0; k < symbols.size(); ++k) {
    bool seen = false;
    for (int r = 0; r < game.Side(); ++r)
      for (int c = 0; c < game.Side(); ++c) {
        const bool peer = (r == row || c == column || (r / n == row / n && c / n == column / n)) &&
                          !(r == row && c == column);
        seen = seen || (peer && game.PlayGrid()[r][c] == symbols[k]);
      }
    if (!seen) open |= TNotes{1} << k;
  }
  return open;
}

class FillNotes : public ::testing::TestWithParam<int> {};

TEST_P(FillNotes, FillsEveryOpenCellInOneStepAndASecondCommandClears) {
  TGame g;
  g.Reach(gsPlaying, GetParam());
  TsdGame& game = g.Game;
  const TMove open = g.First(false);
  game.ApplyMove({open.column, open.row, g.Solution(open)});
  const TOutcome filled = game.FillNotes();
  EXPECT_TRUE(filled.storeGame && filled.repaint);
  int noted = 0;
  for (int r = 0; r < game.Side(); ++r)
    for (int c = 0; c < game.Side(); ++c) {
      const bool empty = game.PlayGrid()[r][c] == ' ';
      EXPECT_EQ(game.Notes()[r][c], empty ? Open(game, r, c) : 0u) << r << "," << c;
      noted += game.Notes()[r][c] != 0;
    }
  EXPECT_GT(noted, 0);
  // An entry takes its symbol out of its peers' filled notes.
  const TMove next = [&] {
    for (int r = 0; r < game.Side(); ++r)
      for (int c = 0; c < game.Side(); ++c)
        if (game.PlayGrid()[r][c] == ' ') return TMove{c, r, ' '};
    return TMove{-1, -1, ' '};
  }();
  const char symbol = g.Solution(next);
  game.ApplyMove({next.column, next.row, symbol});
  const auto bit = TNotes{1} << game.Symbols().find(symbol);
  for (int k = 0; k < game.Side(); ++k) EXPECT_EQ(game.Notes()[next.row][k] & bit, 0u);
  // One undo takes the entry back, the next the whole filling.
  game.Undo();
  game.Undo();
  for (int r = 0; r < game.Side(); ++r)
    for (int c = 0; c < game.Side(); ++c) EXPECT_EQ(game.Notes()[r][c], 0u);
  game.Redo();
  game.FillNotes();  // every cell already holds what it allows: this one clears
  for (int r = 0; r < game.Side(); ++r)
    for (int c = 0; c < game.Side(); ++c) EXPECT_EQ(game.Notes()[r][c], 0u);
  game.Undo();
  EXPECT_EQ(game.Notes()[next.row][next.column], Open(game, next.row, next.column));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FillNotes, ::testing::Values(3, 4, 5));

TEST(Pause, StopsTheClockHidesTheGridAndKeepsThePausedTime) {
  TGame g;
  g.Reach(gsPlaying);
  TsdGame& game = g.Game;
  g.Clock.Ms += 65'000;
  const TMove open = g.First(false);
  const TOutcome paused = game.SetPaused(true);
  EXPECT_TRUE(game.Paused() && paused.storeGame && paused.stateChanged);
  g.Clock.Ms += 3'600'000;  // an hour away
  EXPECT_EQ(game.ElapsedMs(), 65'000);
  EXPECT_NE(game.SaveText().find("elapsed-ms 65000\n"), std::string::npos);
  const TMove given = g.First(true);
  EXPECT_EQ(game.CellView(given.row, given.column).symbol, ' ');
  EXPECT_FALSE(game.ShowsSelection());  // nor where the player was
  // Nothing goes in, nothing is hinted or explained while paused.
  EXPECT_FALSE(game.ApplyMove({open.column, open.row, g.Solution(open)}).storeGame);
  EXPECT_EQ(g.Play(open), ' ');
  EXPECT_TRUE(game.Hint().messages.empty());
  EXPECT_TRUE(game.Explain().messages.empty());
  EXPECT_FALSE(game.StateView().hint || game.StateView().explain || game.StateView().toggleView);
  game.SetPaused(false);
  EXPECT_TRUE(game.ShowsSelection());
  g.Clock.Ms += 5'000;
  EXPECT_EQ(game.ElapsedMs(), 70'000);
  EXPECT_EQ(game.CellView(given.row, given.column).symbol, g.Play(given));
  // Outside a game nothing pauses; quitting a paused game ends the pause.
  game.SetPaused(true);
  game.Quit();
  EXPECT_FALSE(game.Paused());
  EXPECT_FALSE(game.SetPaused(true).stateChanged);
}

TEST(BestTimes, CountsBestAndAverageAndReadsBackWhatItWrote) {
  TBestTimes times;
  struct TCase {
    TFinishedGame game;
    bool best;
  };
  const TCase cases[] = {
      {{3, 0, 90'000}, true},  {{3, 0, 120'000}, false}, {{3, 0, 60'000}, true},
      {{4, 0, 500'000}, true}, {{3, 1, 200'000}, true},  {{3, 0, 60'000}, false},
      {{6, 0, 1}, false},      {{3, 3, 1}, false},
  };
  for (const TCase& c : cases) EXPECT_EQ(times.Add(c.game), c.best) << c.game.elapsedMs;
  const TTimesSummary easy = times.Summary(3, 0);
  EXPECT_EQ(easy.finished, 4);
  EXPECT_EQ(easy.bestMs, 60'000);
  EXPECT_EQ(easy.averageMs, (90'000 + 120'000 + 60'000 + 60'000) / 4);
  EXPECT_EQ(easy.recentMs, (std::vector<std::int64_t>{90'000, 120'000, 60'000, 60'000}));
  EXPECT_EQ(times.Summary(5, 2).finished, 0);
  const TBestTimes back = TBestTimes::Read(times.Text());
  EXPECT_EQ(back.Text(), times.Text());
  // Damaged lines are dropped, the rest kept; a text of another kind gives nothing.
  const TBestTimes damaged =
      TBestTimes::Read("Tessamond times 1\n3 0 5000\n3 0 -1\n9 9 9\n3 0 07\nx\n4 2 8000\n");
  EXPECT_EQ(damaged.Count(), 2u);
  EXPECT_EQ(TBestTimes::Read("3 0 5000\n").Count(), 0u);
  // The plot keeps the latest only.
  TBestTimes many;
  for (int i = 1; i <= 30; ++i) many.Add({5, 2, i * 1000});
  const TTimesSummary latest = many.Summary(5, 2);
  ASSERT_EQ(latest.recentMs.size(), TBestTimes::RecentCount);
  EXPECT_EQ(latest.recentMs.front(), 11'000);
  EXPECT_EQ(latest.recentMs.back(), 30'000);
}

TEST(FinishedGame, IsForgottenRecordedOnceAndKeptAgainAfterUndo) {
  TGame g;
  g.Reach(gsPlaying);
  TsdGame& game = g.Game;
  g.Clock.Ms += 42'000;
  const TMove last = g.First(false);
  g.FillAllBut(last);
  EXPECT_TRUE(game.KeepsGame());
  const TOutcome done = game.ApplyMove({last.column, last.row, g.Solution(last)});
  EXPECT_TRUE(done.completed && done.forgetGame && done.storeTimes);
  EXPECT_FALSE(done.storeGame);
  EXPECT_FALSE(game.KeepsGame());
  ASSERT_EQ(done.messages.size(), 1u);
  EXPECT_NE(done.messages[0].english.find("A new best time for 9x9, level Simple!"),
            std::string::npos);
  EXPECT_EQ(game.BestTimes().Summary(3, 0).bestMs, 42'000);
  // Undo and redo as before; the game is kept again while unfinished, and counted once.
  EXPECT_TRUE(game.Undo().storeGame);
  EXPECT_TRUE(game.KeepsGame());
  const TOutcome again = game.Redo();
  EXPECT_TRUE(again.completed && again.forgetGame && !again.storeTimes);
  EXPECT_EQ(game.BestTimes().Summary(3, 0).finished, 1);
  // A slower second game is no new best.
  game.Quit();
  game.Play();
  g.Clock.Ms += 50'000;
  g.FillAllBut(last);
  const TOutcome slower = game.ApplyMove({last.column, last.row, g.Solution(last)});
  EXPECT_EQ(slower.messages[0].english.find("best"), std::string::npos);
  EXPECT_EQ(game.BestTimes().Summary(3, 0).finished, 2);
}

}  // namespace
