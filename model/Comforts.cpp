// The game's comforts: highlighting, filled notes, the pause and the best times.
#include <algorithm>
#include <string>

#include "TsdGame.h"

namespace {

// The level names of the level choice, as the congratulation repeats them.
const TBilingual LevelNames[3] = {{"Semplice", "Simple"}, {"Medio", "Medium"}, {"Alto", "High"}};

}  // namespace

TOutcome TsdGame::SetHighlighting(bool on) {
  TOutcome outcome;
  outcome.repaint = on != FHighlighting && FGameState == GameState::gsPlaying;
  FHighlighting = on;
  return outcome;
}

THighlight TsdGame::HighlightAt(std::int32_t row, std::int32_t column) const {
  THighlight lit;
  if (!FHighlighting || FGameState != GameState::gsPlaying || FPaused || !InBoard(row, column) ||
      !InBoard(FCurrentRow, FCurrentColumn))
    return lit;
  lit.unit =
      row == FCurrentRow || column == FCurrentColumn ||
      (row / FBoxSize == FCurrentRow / FBoxSize && column / FBoxSize == FCurrentColumn / FBoxSize);
  const char current = FPlayGrid[FCurrentRow][FCurrentColumn];
  if (current == ' ') return lit;
  const char symbol = FPlayGrid[row][column];
  lit.sameSymbol = symbol == current;
  const std::size_t value = Symbols().find(current);
  if (symbol == ' ' && value != std::string_view::npos && (FNotes[row][column] >> value & 1U))
    lit.noteSymbol = current;
  return lit;
}

TNotes TsdGame::AllowedNotes(std::int32_t row, std::int32_t column) const {
  if (!InBoard(row, column)) return 0;
  const std::string_view symbols = Symbols();
  const std::int32_t side = Side();
  TNotes taken = 0;
  const auto take = [&](std::int32_t r, std::int32_t c) {
    const std::size_t value = symbols.find(FPlayGrid[r][c]);
    if (FPlayGrid[r][c] != ' ' && value != std::string_view::npos) taken |= TNotes{1} << value;
  };
  const std::int32_t top = row / FBoxSize * FBoxSize;
  const std::int32_t left = column / FBoxSize * FBoxSize;
  for (std::int32_t k = 0; k < side; ++k) {
    if (k != column) take(row, k);
    if (k != row) take(k, column);
    const std::int32_t r = top + k / FBoxSize;
    const std::int32_t c = left + k % FBoxSize;
    if (r != row || c != column) take(r, c);
  }
  const TNotes all = (TNotes{1} << side) - 1;  // 25 bits at most
  return all & ~taken;
}

bool TsdGame::FillsNotes() const {
  const std::int32_t side = Side();
  for (std::int32_t row = 0; row < side; ++row)
    for (std::int32_t column = 0; column < side; ++column)
      if (FGivenGrid[row][column] == ' ' && FPlayGrid[row][column] == ' ' &&
          FNotes[row][column] != AllowedNotes(row, column))
        return true;
  return false;
}

TOutcome TsdGame::FillNotes() {
  return ApplyMove({FCurrentColumn, FCurrentRow, ' ', TMove::TKind::FillNotes});
}

TOutcome TsdGame::SetPaused(bool paused) {
  TOutcome outcome;
  if (paused == FPaused || (paused && FGameState != GameState::gsPlaying)) return outcome;
  if (paused) {
    ClearMarks();
    FPaused = true;
    FPausedAt = FClock.NowMs();
  } else {
    EndPause();
  }
  outcome.repaint = true;
  outcome.stateChanged = true;
  // The kept game's time stands with the clock.
  outcome.storeGame = KeepsGame();
  return outcome;
}

void TsdGame::EndPause() {
  if (!FPaused) return;
  FPaused = false;
  // The start moves on by the pause, so that the time since it leaves the pause out.
  FStartTime += std::max<std::int64_t>(0, FClock.NowMs() - FPausedAt);
}

std::int64_t TsdGame::ElapsedMs() const {
  return (FPaused ? FPausedAt : FClock.NowMs()) - FStartTime;
}

std::optional<TCommand> TsdGame::ShiftFunctionKey(int number) const {
  const TStateView view = StateView();
  if (number == 2 && view.gamePanel && !FPaused) return TCommand::FillNotes;
  if (number == 12) return TCommand::Statistics;
  return std::nullopt;
}

void TsdGame::RecordFinishedGame(TOutcome& outcome) {
  if (FFinishRecorded || FLevel < 0) return;
  FFinishRecorded = true;
  const bool best =
      FBestTimes.Add({FBoxSize, FLevel, std::clamp<std::int64_t>(ElapsedMs(), 0, MaxElapsedMs)});
  outcome.storeTimes = true;
  if (!best || outcome.messages.empty()) return;
  const std::string side = std::to_string(Side());
  const std::string size = side + "x" + side;
  const TBilingual& level = LevelNames[FLevel];
  TBilingual& congratulation = outcome.messages.back();
  congratulation.italian += "\r\nNuovo record per " + size + ", livello " + level.italian + "!";
  congratulation.english += "\r\nA new best time for " + size + ", level " + level.english + "!";
}
