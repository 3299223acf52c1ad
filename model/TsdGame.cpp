// The mid-end: the game's parameters, state and view over its lifetime — Generate with its retries,
// the views, Play and Quit, moves with the undo/redo history, the settings, and keeping and
// resuming the game. The rules it applies live beside it (GameState, GameRules.cpp,
// StateViews.cpp).
#include "TsdGame.h"

#include <algorithm>
#include <utility>

#include "PuzzleCatalogue.h"
#include "TsdRandom.h"

using enum GameState;

namespace {

// An outcome that only shows a message.
TOutcome Saying(TMessage message) {
  TOutcome outcome;
  outcome.messages.push_back(MessageText(message));
  return outcome;
}

constexpr char OpenCell = '.';

}  // namespace

TsdGame::TsdGame(const IPuzzleSource& puzzles, const IGameClock& clock)
    : FPuzzles(puzzles), FClock(clock) {
  // Empty until a puzzle is installed, so nothing is shown from a grid that holds no puzzle yet.
  for (TCharGrid* grid : {&FData.play, &FData.given, &FData.solution})
    for (auto& row : *grid) row.fill(' ');
}

void TsdGame::Start() {
  TsdRandom::SeedFromClock();
  FBoxSize = 3;
  FParams.boxSize = 3;
  FBoard.reset();
  FGridSetUp = false;
  ForgetPlayerWork();
  SetState(gsEmpty);
}

void TsdGame::Close() {
  FBoard.reset();
}

bool TsdGame::GameRunning() const {
  return FGameState == gsPlaying || FGameState == gsPlayingSolution;
}

std::string_view TsdGame::Symbols() const {
  return SymbolsOfBoxSize(FBoxSize);
}

std::string TsdGame::NoteSymbols(TNotes notes) const {
  std::string noted;
  const std::string_view symbols = Symbols();
  for (std::size_t k = 0; k < symbols.size(); ++k)
    if (notes & (TNotes{1} << k)) noted += symbols[k];
  return noted;
}

bool TsdGame::InBoard(std::int32_t row, std::int32_t column) const {
  return FBoard && row >= 0 && column >= 0 && row < FBoard->GetSide() && column < FBoard->GetSide();
}

void TsdGame::ForgetPlayerWork() {
  for (auto& row : FData.notes) row.fill(0);
  FHistory.clear();
  FDone = 0;
}

void TsdGame::SetState(GameState state) {
  ClearMarks();
  EndPause();
  FGameState = state;
  if (state == gsPlaying) FView.timerHidden = false;
}

std::int64_t TsdGame::ElapsedMs() const {
  return FPaused ? FPausedElapsed : FTimer.ElapsedMs(FClock.NowMs());
}

// ---- Settings

TOutcome TsdGame::Setting(bool changed) {
  TOutcome outcome;
  outcome.settingsChanged = true;
  outcome.storeGame = changed && GameRunning();
  return outcome;
}

// The parameters are those of the next Generate: a running game goes on as it is.
TOutcome TsdGame::SetBoxSize(std::int32_t boxSize) {
  FParams.boxSize = boxSize;
  return Setting(false);
}

TOutcome TsdGame::SetLevel(char level) {
  FParams.level = level;
  return Setting(false);
}

TOutcome TsdGame::SetErrorMarking(bool on) {
  const bool changed = on != FView.errorMarking;
  FView.errorMarking = on;
  TOutcome outcome = Setting(changed);
  outcome.repaint = changed;
  return outcome;
}

TOutcome TsdGame::SetNotesMode(bool on) {
  const bool changed = on != FView.notesMode;
  FView.notesMode = on;
  return Setting(changed);
}

TOutcome TsdGame::SetTimerHidden(bool hidden) {
  const bool changed = hidden != FView.timerHidden;
  FView.timerHidden = hidden;
  return Setting(changed);
}

TOutcome TsdGame::GrowFont() {
  TOutcome outcome;
  if (FView.fontSize >= LargestFontSize) return outcome;
  ++FView.fontSize;
  outcome.fontChanged = true;
  outcome.storeGame = GameRunning();
  return outcome;
}

TOutcome TsdGame::ShrinkFont() {
  TOutcome outcome;
  if (FView.fontSize <= SmallestFontSize) return outcome;
  --FView.fontSize;
  outcome.fontChanged = true;
  outcome.storeGame = GameRunning();
  return outcome;
}

TOutcome TsdGame::SetCurrentCell(std::int32_t column, std::int32_t row) {
  const std::int32_t last = std::max(0, Side() - 1);
  const std::int32_t c = std::clamp(column, 0, last);
  const std::int32_t r = std::clamp(row, 0, last);
  TOutcome outcome;
  if (c == FView.currentColumn && r == FView.currentRow) return outcome;
  FView.currentColumn = c;
  FView.currentRow = r;
  outcome.repaint = true;
  return outcome;
}

// ---- Generate, the views, Play and Quit

TOutcome TsdGame::Generate(std::int32_t sizeIndex, std::int32_t levelIndex) {
  SetBoxSize(3 + sizeIndex);
  const bool levelChosen = levelIndex >= 0 && levelIndex < std::int32_t(LevelLetters.size());
  SetLevel(levelChosen ? LevelLetters[static_cast<std::size_t>(levelIndex)] : '\0');
  return Generate();
}

TOutcome TsdGame::Generate() {
  TOutcome outcome;
  if (FTypingIn) return outcome;
  if (GameRunning()) {
    // Only F10 on a finished game comes here: the player is told what to do first.
    outcome.messages.push_back(MessageText(TMessage::FinishedGenerate));
    outcome.focusGrid = true;
    return outcome;
  }
  bool ok = false;
  for (int attempt = 0; attempt < GenerationAttempts && !ok; ++attempt) ok = NewPuzzle(outcome);
  if (!ok) {
    outcome.messages.push_back(MessageText(TMessage::GaveUp));
    return outcome;
  }
  FParams.source = TPuzzleOrigin::Catalogue;
  FLevel = FParams.level;
  FOrigin = TPuzzleOrigin::Catalogue;
  outcome.generateCaption = CaptionText(TCaption::Regenerate);
  return outcome;
}

bool TsdGame::NewPuzzle(TOutcome& outcome) {
  const std::int32_t boxSize = FParams.boxSize;
  if (boxSize < 3 || boxSize > 5) {
    outcome.messages.push_back(
        MessageText(TMessage::BadSizeIndex, {SameText(std::to_string(boxSize - 3))}));
    return false;
  }
  // No level chosen: the catalogue has nothing under the letter 0.
  const char level = FParams.level;

  const std::int32_t count = FPuzzles.Count(boxSize, level);
  if (count <= 0) {
    outcome.messages.push_back(MessageText(TMessage::NoEntries));
    return false;
  }
  const std::int32_t index = TsdRandom::Below(count);
  std::string puzzleText;
  std::string solutionText;
  if (!FPuzzles.Fetch(boxSize, level, index, puzzleText, solutionText)) {
    outcome.messages.push_back(MessageText(TMessage::NoEntry));
    return false;
  }

  // The grid is set up for the new size only once a puzzle is in hand: an attempt that fails at
  // the catalogue must leave the puzzle on screen, and the grid sized for it, as they were.
  if (!FGridSetUp || boxSize != FBoxSize) {
    outcome.setUpGrid = true;
    outcome.resizeWindow = outcome.resizeWindow || boxSize != FBoxSize;
    FGridSetUp = true;
    // Overwritten when the puzzle is installed; until then the player's grid shows dots.
    for (auto& row : FData.play) row.fill('.');
    ForgetPlayerWork();
    FView.currentColumn = 0;
    FView.currentRow = 0;
  }

  const std::string_view symbols = SymbolsOfBoxSize(boxSize);
  if (FBoard && boxSize == FBoxSize) {
    FBoard->LoadPuzzle(puzzleText, solutionText, symbols);
  } else {
    FBoard.reset();
    FBoard = std::make_unique<TsdBoard>(boxSize, symbols, puzzleText, solutionText);
  }
  FBoxSize = boxSize;

  // A board that fails while loading is not shuffled.
  bool ok = !FBoard->HasError();
  if (ok) {
    FBoard->Genera();
    ok = !FBoard->HasError() && FBoard->IsSolutionValid();
  }
  if (ok) {
    FBoard->GetPuzzleGrid(FData.play);
    FBoard->GetPuzzleGrid(FData.given);
    FBoard->GetSolutionGrid(FData.solution);
    ForgetPlayerWork();
    outcome.focusGrid = true;
    SetState(gsPuzzleView);
  } else {
    if (FBoard->HasError()) outcome.messages.push_back(SameText(FBoard->GetErrorText()));
    SetState(gsEmpty);
  }
  outcome.stateChanged = true;
  return ok;
}

TOutcome TsdGame::ToggleView() {
  TOutcome outcome;
  switch (FGameState) {
    case gsPuzzleView:
      SetState(gsSolutionView);
      break;
    case gsSolutionView:
      SetState(gsPuzzleView);
      break;
    case gsPlaying:
      SetState(gsPlayingSolution);
      break;
    case gsPlayingSolution:
      SetState(gsPlaying);
      break;
    case gsEmpty:
      return outcome;
  }
  outcome.stateChanged = true;
  return outcome;
}

TOutcome TsdGame::Play() {
  TOutcome outcome;
  if (FGameState != gsPuzzleView && FGameState != gsSolutionView) return outcome;
  SetState(gsPlaying);
  FTimer.Start(FClock.NowMs());
  ForgetPlayerWork();
  FFinishRecorded = false;
  outcome.stateChanged = true;
  outcome.storeGame = true;
  return outcome;
}

TOutcome TsdGame::Quit() {
  TOutcome outcome;
  if (!GameRunning()) return outcome;
  SetState(gsPuzzleView);
  ClearPlayerEntries();
  ForgetPlayerWork();
  outcome.stateChanged = true;
  outcome.forgetGame = true;
  return outcome;
}

void TsdGame::ClearPlayerEntries() {
  if (!FBoard) return;
  const std::int32_t side = FBoard->GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (FData.given[row][column] == ' ') FData.play[row][column] = ' ';
    }
  }
}

// ---- Moves and their history

TOutcome TsdGame::EnterSymbol(char ch) {
  using TKind = TMove::TKind;
  const TKind kind = !FView.notesMode ? TKind::Enter : ch == ' ' ? TKind::ClearNotes : TKind::Note;
  return ApplyMove({FView.currentColumn, FView.currentRow, ch, kind});
}

TOutcome TsdGame::ApplyMove(const TMove& move) {
  TOutcome outcome = ClearMarks();
  if (FGameState != gsPlaying || FPaused || !InBoard(move.row, move.column)) return outcome;
  SetCurrentCell(move.column, move.row);
  std::optional<TStep> step = InterpretMove(FData, FBoxSize, Symbols(), move);
  if (!step) return outcome;
  outcome.repaint = true;
  if (!step->changes.empty()) {
    ApplyStep(FData, *step, true);
    FHistory.resize(FDone);
    FHistory.push_back(std::move(*step));
    ++FDone;
    outcome.storeGame = true;
  }
  // Notes never count for completion; an entry is judged also when it changed nothing.
  if (move.kind == TMove::TKind::Enter) CheckCompletionInto(outcome);
  return outcome;
}

TOutcome TsdGame::Undo() {
  if (FGameState != gsPlaying || FPaused || !CanUndo()) return {};
  return Step(FHistory[--FDone], false);
}

TOutcome TsdGame::Redo() {
  if (FGameState != gsPlaying || FPaused || !CanRedo()) return {};
  return Step(FHistory[FDone++], true);
}

TOutcome TsdGame::Step(const TStep& step, bool forward) {
  ApplyStep(FData, step, forward);
  SetCurrentCell(step.move.column, step.move.row);
  TOutcome outcome;
  outcome.repaint = true;
  outcome.storeGame = true;
  CheckCompletionInto(outcome);
  return outcome;
}

TOutcome TsdGame::KeyOnGrid(char ch) {
  const bool unmarked = ClearMarks().repaint;
  if (FTypingIn) return TypeInSymbol(ch);
  switch (FGameState) {
    case gsPlaying: {
      TOutcome outcome = ch != '\0' ? EnterSymbol(ch) : TOutcome{};
      outcome.repaint = outcome.repaint || unmarked;
      return outcome;
    }
    case gsPlayingSolution:
      return Saying(TMessage::BackReminder);
    case gsEmpty:
    case gsPuzzleView:
    case gsSolutionView:
      break;
  }
  return Saying(TMessage::StartReminder);
}

TOutcome TsdGame::MenuEntry(char ch) {
  if (FTypingIn) return TypeInSymbol(ch);
  return EnterSymbol(ch);
}

TOutcome TsdGame::PointAtCell(std::int32_t column, std::int32_t row) {
  // A click: the marks go (they exist only during a game, where the window repaints after it).
  TOutcome outcome = ClearMarks();
  if (FGameState != gsPlaying && !FTypingIn) return outcome;
  SetCurrentCell(column, row);
  outcome.repaint = true;
  return outcome;
}

// ---- Keeping the game

std::string TsdGame::SaveText() const {
  if (!FBoard || !GameRunning()) return {};
  const std::int32_t side = Side();
  const TNotes allSymbols = (TNotes{1} << side) - 1;  // 25 bits at most
  TSavedGame saved;
  saved.boxSize = FBoxSize;
  // The shown puzzle's own level and origin: the parameters may already name the next Generate's.
  saved.level = FLevel == BeyondLevel ? '\0' : FLevel;
  saved.source = FOrigin;
  saved.elapsedMs = std::clamp<std::int64_t>(ElapsedMs(), 0, MaxElapsedMs);
  saved.errorMarking = FView.errorMarking;
  saved.notesMode = FView.notesMode;
  saved.timerHidden = FView.timerHidden;
  saved.fontSize = FView.fontSize;
  saved.currentColumn = FView.currentColumn;
  saved.currentRow = FView.currentRow;
  // The grids the history starts from: now, with every step in force taken back. A history too
  // long to keep starts where the game is now.
  const bool keepsHistory = FHistory.size() <= MaxSavedMoves;
  TGameState start = FData;
  if (keepsHistory)
    for (std::size_t k = FDone; k > 0; --k) ApplyStep(start, FHistory[k - 1], false);
  const auto open = [](char ch) { return ch == ' ' ? OpenCell : ch; };
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      saved.puzzle += open(FData.given[row][column]);
      saved.solution += FData.solution[row][column];
      saved.player += open(FData.play[row][column]);
      saved.notes.push_back(FData.notes[row][column] & allSymbols);
      saved.startPlayer += open(start.play[row][column]);
      saved.startNotes.push_back(start.notes[row][column] & allSymbols);
    }
  }
  if (keepsHistory) {
    for (const TStep& step : FHistory) saved.moves.push_back(step.move);
    saved.done = FDone;
  }
  return WriteSavedGame(saved);
}

TOutcome TsdGame::Resume(const TSavedGame& saved) {
  TOutcome outcome;
  const std::string_view symbols = SymbolsOfBoxSize(saved.boxSize);
  const auto side = static_cast<std::int32_t>(symbols.size());
  const auto cells = static_cast<std::size_t>(side * side);
  // Only what the loader accepted comes here; anything else is left alone.
  if (GameRunning() || FTypingIn || side == 0 || saved.puzzle.size() != cells ||
      saved.solution.size() != cells || saved.player.size() != cells ||
      saved.notes.size() != cells || saved.startPlayer.size() != cells ||
      saved.startNotes.size() != cells || saved.done > saved.moves.size())
    return outcome;

  outcome.setUpGrid = true;
  outcome.resizeWindow = saved.boxSize != FBoxSize;
  outcome.stateChanged = true;
  outcome.settingsChanged = true;
  outcome.fontChanged = saved.fontSize != FView.fontSize;
  FGridSetUp = true;
  FBoard.reset();
  FBoard = std::make_unique<TsdBoard>(saved.boxSize, symbols, saved.puzzle, saved.solution);
  FBoxSize = saved.boxSize;
  FParams = {saved.boxSize, saved.level, saved.source};
  FLevel = saved.level == '\0' ? BeyondLevel : saved.level;
  FOrigin = saved.source;
  // An own puzzle past the levels leaves the next Generate a level to draw from.
  if (FParams.level == '\0') FParams.level = LevelLetters[0];
  ForgetPlayerWork();
  FView.currentColumn = 0;
  FView.currentRow = 0;
  FView.fontSize = std::clamp(saved.fontSize, SmallestFontSize, LargestFontSize);
  if (FBoard->HasError() || !FBoard->IsSolutionValid()) {
    if (FBoard->HasError()) outcome.messages.push_back(SameText(FBoard->GetErrorText()));
    for (auto& row : FData.play) row.fill('.');
    SetState(gsEmpty);
    return outcome;
  }
  FBoard->GetPuzzleGrid(FData.given);
  FBoard->GetSolutionGrid(FData.solution);
  // The history is played again from its start; the loader saw that it leads to the grid kept.
  const TNotes allSymbols = (TNotes{1} << side) - 1;
  FData.play = FData.given;
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const auto cell = static_cast<std::size_t>(row * side + column);
      if (FData.given[row][column] != ' ') continue;
      const char entry = saved.startPlayer[cell];
      FData.play[row][column] = symbols.find(entry) == std::string_view::npos ? ' ' : entry;
      FData.notes[row][column] = saved.startNotes[cell] & allSymbols;
    }
  }
  for (const TMove& move : saved.moves) {
    std::optional<TStep> step = InterpretMove(FData, FBoxSize, symbols, move);
    if (!step || step->changes.empty()) break;
    ApplyStep(FData, *step, true);
    FHistory.push_back(std::move(*step));
  }
  FDone = FHistory.size();
  while (FDone > saved.done) ApplyStep(FData, FHistory[--FDone], false);
  FView.errorMarking = saved.errorMarking;
  FView.notesMode = saved.notesMode;
  SetState(gsPlaying);
  FView.timerHidden = saved.timerHidden;
  SetCurrentCell(saved.currentColumn, saved.currentRow);
  FTimer.Start(FClock.NowMs(), saved.elapsedMs);
  FFinishRecorded = false;
  outcome.repaint = true;
  outcome.focusGrid = true;
  return outcome;
}
