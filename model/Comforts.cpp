// The game's comforts: highlighting, filled notes, the pause and the best times.
#include <algorithm>
#include <string>

#include "TsdGame.h"

namespace {

// The level names of the level choice, as the congratulation repeats them.
const TCaption LevelNames[3] = {TCaption::LevelSimple, TCaption::LevelMedium,
                                TCaption::LevelHighName};

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
      !InBoard(FView.currentRow, FView.currentColumn))
    return lit;
  lit.unit = row == FView.currentRow || column == FView.currentColumn ||
             (row / FBoxSize == FView.currentRow / FBoxSize &&
              column / FBoxSize == FView.currentColumn / FBoxSize);
  const char current = FData.play[FView.currentRow][FView.currentColumn];
  if (current == ' ') return lit;
  const char symbol = FData.play[row][column];
  lit.sameSymbol = symbol == current;
  const std::size_t value = Symbols().find(current);
  if (symbol == ' ' && value != std::string_view::npos && (FData.notes[row][column] >> value & 1U))
    lit.noteSymbol = current;
  return lit;
}

TNotes TsdGame::AllowedNotes(std::int32_t row, std::int32_t column) const {
  if (!InBoard(row, column)) return 0;
  return ::AllowedNotes(FData, FBoxSize, Symbols(), row, column);
}

TNotes AllowedNotes(const TGameState& state, std::int32_t boxSize, std::string_view symbols,
                    std::int32_t row, std::int32_t column) {
  const auto side = static_cast<std::int32_t>(symbols.size());
  if (boxSize <= 0 || side != boxSize * boxSize || row < 0 || column < 0 || row >= side ||
      column >= side)
    return 0;
  const std::int32_t FBoxSize = boxSize;
  TNotes taken = 0;
  const auto take = [&](std::int32_t r, std::int32_t c) {
    const std::size_t value = symbols.find(state.play[r][c]);
    if (state.play[r][c] != ' ' && value != std::string_view::npos) taken |= TNotes{1} << value;
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

bool FillsNotes(const TGameState& state, std::int32_t boxSize, std::string_view symbols) {
  const auto side = static_cast<std::int32_t>(symbols.size());
  for (std::int32_t row = 0; row < side && row < MaxSide; ++row)
    for (std::int32_t column = 0; column < side && column < MaxSide; ++column)
      if (state.given[row][column] == ' ' && state.play[row][column] == ' ' &&
          state.notes[row][column] != AllowedNotes(state, boxSize, symbols, row, column))
        return true;
  return false;
}

TOutcome TsdGame::FillNotes() {
  return ApplyMove({FView.currentColumn, FView.currentRow, ' ', TMove::TKind::FillNotes});
}

TOutcome TsdGame::SetPaused(bool paused) {
  TOutcome outcome;
  if (paused == FPaused || (paused && FGameState != GameState::gsPlaying)) return outcome;
  if (paused) {
    ClearMarks();
    FPausedElapsed = FTimer.ElapsedMs(FClock.NowMs());
    FPaused = true;
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
  // The clock goes on from the time played when the pause began.
  FTimer.Start(FClock.NowMs(), FPausedElapsed);
}

std::int32_t TsdGame::BestTimesLevel() const {
  if (FOrigin == TPuzzleOrigin::Own) return -1;
  switch (FLevel) {
    case 'E':
      return 0;
    case 'M':
      return 1;
    case 'A':
      return 2;
    default:
      return -1;
  }
}

std::optional<TCommand> TsdGame::ShiftFunctionKey(int number) const {
  const TStateView view = StateView();
  if (number == 2 && view.gamePanel && !FPaused) return TCommand::FillNotes;
  if (number == 12) return TCommand::Statistics;
  return std::nullopt;
}

void TsdGame::RecordFinishedGame(TOutcome& outcome) {
  const std::int32_t level = BestTimesLevel();
  if (FFinishRecorded || level < 0) return;
  FFinishRecorded = true;
  const bool best =
      FBestTimes.Add({FBoxSize, level, std::clamp<std::int64_t>(ElapsedMs(), 0, MaxElapsedMs)});
  outcome.storeTimes = true;
  if (!best || outcome.messages.empty()) return;
  const std::string side = std::to_string(Side());
  const std::string size = side + "x" + side;
  const TBilingual added =
      MessageText(TMessage::NewBestTime, {SameText(size), CaptionText(LevelNames[level])});
  TBilingual& congratulation = outcome.messages.back();
  congratulation.italian += added.italian;
  congratulation.english += added.english;
}
