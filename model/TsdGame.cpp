// The game's rules: generating with retries, the views, playing and quitting, entries, the hint,
// conflicts and completion, and the table of what the window shows in each state.
#include "TsdGame.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "Explanation.h"
#include "PuzzleCatalogue.h"
#include "TsdRandom.h"

using enum GameState;

namespace {

// A text that reads the same in both languages.
TBilingual Same(std::string text) {
  return {text, text};
}

TBilingual Trimmed(const TBilingual& text) {
  const auto trim = [](const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
  };
  return {trim(text.italian), trim(text.english)};
}

const TBilingual StartReminder{"Per iniziare a giocare clicka su [Gioca] o premi [F5] !",
                               "To start playing click [Play] or press [F5] !"};
const TBilingual BackReminder{"Per giocare clicka su [Visualizza gioco] o premi [F6] !",
                              "To play click on [View Game] or press [F6] !"};
const TBilingual ShowSolution{" Mostra soluzione [F6] ", " Show solution [F6] "};
const TBilingual ShowGame{" Mostra gioco [F6] ", " Show game [F6] "};
const TBilingual PlayCaption{" Gioca [F5] ", " Play [F5] "};
const TBilingual QuitCaption{" Abbandona gioco [F5] ", " Quit game [F5] "};

// An outcome that only shows a message.
TOutcome Saying(const TBilingual& message) {
  TOutcome outcome;
  outcome.messages.push_back(message);
  return outcome;
}

bool ShowsPlayerGrid(GameState state) {
  return state == gsPuzzleView || state == gsPlaying;
}

TCellMark MarkOf(tsdtech::TCellRole role) {
  switch (role) {
    case tsdtech::TCellRole::Placement:
      return TCellMark::Placement;
    case tsdtech::TCellRole::Wrong:
      return TCellMark::Wrong;
    case tsdtech::TCellRole::Reason:
      return TCellMark::Reason;
    case tsdtech::TCellRole::Pattern:
      return TCellMark::Pattern;
    case tsdtech::TCellRole::Struck:
      return TCellMark::Struck;
  }
  return TCellMark::None;
}

}  // namespace

TsdGame::TsdGame(const IPuzzleSource& puzzles, const IGameClock& clock)
    : FPuzzles(puzzles), FClock(clock) {
  // Empty until a puzzle is installed, so nothing is shown from a grid that holds no puzzle yet.
  for (TCharGrid* grid : {&FPlayGrid, &FGivenGrid, &FSolutionGrid})
    for (auto& row : *grid) row.fill(' ');
}

void TsdGame::Start() {
  TsdRandom::SeedFromClock();
  FBoxSize = 3;
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

void TsdGame::SetCurrentCell(std::int32_t column, std::int32_t row) {
  const std::int32_t last = std::max(0, Side() - 1);
  FCurrentColumn = std::clamp(column, 0, last);
  FCurrentRow = std::clamp(row, 0, last);
}

bool TsdGame::InBoard(std::int32_t row, std::int32_t column) const {
  return FBoard && row >= 0 && column >= 0 && row < FBoard->GetSide() && column < FBoard->GetSide();
}

void TsdGame::ForgetPlayerWork() {
  for (auto& row : FNotes) row.fill(0);
  FHistory.clear();
  FDone = 0;
}

TOutcome TsdGame::SetErrorMarking(bool on) {
  TOutcome outcome;
  outcome.storeGame = on != FErrorMarking && GameRunning();
  FErrorMarking = on;
  return outcome;
}

TOutcome TsdGame::SetNotesMode(bool on) {
  TOutcome outcome;
  outcome.storeGame = on != FNotesMode && GameRunning();
  FNotesMode = on;
  return outcome;
}

std::string TsdGame::NoteSymbols(TNotes notes) const {
  std::string noted;
  const std::string_view symbols = Symbols();
  for (std::size_t k = 0; k < symbols.size(); ++k)
    if (notes & (TNotes{1} << k)) noted += symbols[k];
  return noted;
}

void TsdGame::SetState(GameState state) {
  ClearMarks();
  EndPause();
  FGameState = state;
  if (state == gsPlaying) FTimerHidden = false;
}

TStateView TsdGame::StateView() const {
  TStateView view;
  view.generate = !GameRunning();
  if (FGameState == gsEmpty) return view;
  view.play = view.toggleView = view.print = true;
  view.hint = view.explain = view.gamePanel = FGameState == gsPlaying;
  // A paused game shows nothing to reason from, and the solution would show what the pause hides.
  if (FPaused) view.hint = view.explain = view.toggleView = false;
  view.contextMenu = true;
  view.playCaption = GameRunning() ? QuitCaption : PlayCaption;
  view.toggleCaption = ShowsPlayerGrid(FGameState) ? ShowSolution : ShowGame;
  return view;
}

std::vector<TMenuItem> TsdGame::ContextMenu() const {
  using TKind = TMenuItem::TKind;
  const TStateView view = StateView();
  if (!view.contextMenu) return {};
  std::vector<TMenuItem> items;
  if (FGameState == gsPlaying) {
    items.push_back({TKind::Enter, {"Cancella ", "Delete "}, ' '});
    for (const char symbol : Symbols()) items.push_back({TKind::Enter, Same({symbol}), symbol});
    items.push_back({TKind::Marking,
                     FErrorMarking ? TBilingual{"Disattiva controllo [F8]", "Disable control [F8]"}
                                   : MarkingCaption,
                     0});
    items.push_back({TKind::Hint, HintCaption, 0});
  }
  items.push_back({TKind::Play, Trimmed(*view.playCaption), 0});
  // Outside a game the view item keeps the blanks around its caption.
  items.push_back(
      {TKind::ToggleView, GameRunning() ? Trimmed(*view.toggleCaption) : *view.toggleCaption, 0});
  return items;
}

TCellView TsdGame::CellView(std::int32_t row, std::int32_t column) const {
  TCellView cell;
  if (row < 0 || column < 0 || row >= MaxSide || column >= MaxSide) return cell;
  if (FPaused) return cell;
  cell.given = FGivenGrid[row][column] != ' ';
  if (!ShowsPlayerGrid(FGameState)) {
    cell.symbol = FSolutionGrid[row][column];
    return cell;
  }
  cell.symbol = FPlayGrid[row][column];
  cell.conflict = FGameState == gsPlaying && FErrorMarking && HasConflict(row, column);
  if (FMarked) cell.mark = FMarks[row][column];
  if (cell.symbol == ' ') cell.notes = FNotes[row][column];
  return cell;
}

std::optional<TCommand> TsdGame::FunctionKey(int number) const {
  const TStateView view = StateView();
  const auto when = [](bool condition, TCommand command) -> std::optional<TCommand> {
    if (!condition) return std::nullopt;
    return command;
  };
  switch (number) {
    case 1:
      return TCommand::Help;
    case 2:
      return when(view.gamePanel, TCommand::ToggleNotes);
    case 3:
      return when(view.explain, TCommand::Explain);
    case 4:
      return when(view.hint, TCommand::Hint);
    case 5:
      return when(view.play, TCommand::Play);
    case 6:
      return when(view.toggleView, TCommand::ToggleView);
    case 7:
      return when(view.print, TCommand::Print);
    case 8:
      return TCommand::ToggleMarking;
    case 9:
      return when(view.gamePanel, TCommand::ToggleTimer);
    case 10:
      return when(view.generate, TCommand::Generate);
    case 11:
      return when(view.gamePanel, TCommand::ToggleHighlight);
    case 12:
      return when(view.gamePanel, TCommand::TogglePause);
    default:
      return std::nullopt;
  }
}

std::optional<TCommand> TsdGame::UndoRedoKey(bool shift) const {
  if (FGameState != gsPlaying) return std::nullopt;
  return shift ? TCommand::Redo : TCommand::Undo;
}

int TsdGame::HelpPage() const {
  if (FGameState == gsEmpty) return 0;
  return GameRunning() ? 2 : 1;
}

TBilingual TsdGame::QuitQuestion() {
  return {"Abbandona il gioco in corso ?", "Quit the current game ?"};
}

TBilingual TsdGame::ResumeQuestion() {
  return {"Riprendere la partita lasciata?", "Resume the game you left?"};
}

TBilingual TsdGame::SetAsideMessage(const TBilingual& reason) {
  return {"La partita lasciata non si pu\u00f2 riprendere (" + reason.italian +
              ") ed \u00e8 stata messa da parte.",
          "The game you left cannot be resumed (" + reason.english + ") and was set aside."};
}

TBilingual TsdGame::StoreFailedMessage() {
  return {"Non \u00e8 possibile conservare la partita per il prossimo avvio.",
          "The game cannot be kept for the next start."};
}

TOutcome TsdGame::Generate(std::int32_t sizeIndex, std::int32_t levelIndex) {
  TOutcome outcome;
  bool ok = false;
  for (int attempt = 0; attempt < GenerationAttempts && !ok; ++attempt)
    ok = NewPuzzle(sizeIndex, levelIndex, outcome);
  if (!ok) {
    outcome.messages.push_back(Same("INTERNAL ERROR ENGINE 10 RETRIES"));
    return outcome;
  }
  FLevel = levelIndex >= 0 && levelIndex <= 2 ? levelIndex : -1;
  outcome.generateCaption = TBilingual{"Rigenera [F10]", "Generate [F10]"};
  return outcome;
}

bool TsdGame::NewPuzzle(std::int32_t sizeIndex, std::int32_t levelIndex, TOutcome& outcome) {
  if (sizeIndex < 0 || sizeIndex > 2) {
    const std::string index = std::to_string(sizeIndex);
    outcome.messages.push_back(
        {"index of checkbox errato:" + index, "incorrect checkbox index:" + index});
    return false;
  }
  const std::int32_t boxSize = 3 + sizeIndex;
  // No level chosen: the catalogue has nothing under the letter 0.
  const bool levelChosen = levelIndex >= 0 && levelIndex < std::int32_t(LevelLetters.size());
  const char level = levelChosen ? LevelLetters[static_cast<std::size_t>(levelIndex)] : '\0';

  const std::int32_t count = FPuzzles.Count(boxSize, level);
  if (count <= 0) {
    outcome.messages.push_back(Same("ENGINE ERROR: 001"));
    return false;
  }
  const std::int32_t index = TsdRandom::Below(count);
  std::string puzzleText;
  std::string solutionText;
  if (!FPuzzles.Fetch(boxSize, level, index, puzzleText, solutionText)) {
    outcome.messages.push_back(Same("ENGINE ERROR: 002"));
    return false;
  }

  // The grid is set up for the new size only once a puzzle is in hand: an attempt that fails at
  // the catalogue must leave the puzzle on screen, and the grid sized for it, as they were.
  if (!FGridSetUp || boxSize != FBoxSize) {
    outcome.setUpGrid = true;
    outcome.resizeWindow = outcome.resizeWindow || boxSize != FBoxSize;
    FGridSetUp = true;
    // Overwritten when the puzzle is installed; until then the player's grid shows dots.
    for (auto& row : FPlayGrid) row.fill('.');
    ForgetPlayerWork();
    FCurrentColumn = 0;
    FCurrentRow = 0;
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
    FBoard->GetPuzzleGrid(FPlayGrid);
    FBoard->GetPuzzleGrid(FGivenGrid);
    FBoard->GetSolutionGrid(FSolutionGrid);
    ForgetPlayerWork();
    outcome.focusGrid = true;
    SetState(gsPuzzleView);
  } else {
    if (FBoard->HasError()) outcome.messages.push_back(Same(FBoard->GetErrorText()));
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
  FStartTime = FClock.NowMs();
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
      if (FGivenGrid[row][column] == ' ') FPlayGrid[row][column] = ' ';
    }
  }
}

TOutcome TsdGame::Hint() {
  TOutcome outcome;
  outcome.repaint = ClearMarks();
  if (FPaused) return outcome;
  const std::int32_t row = FCurrentRow;
  const std::int32_t column = FCurrentColumn;
  if (InBoard(row, column) && FGivenGrid[row][column] == ' ') {
    const std::string symbol(1, FSolutionGrid[row][column]);
    outcome.messages.push_back({"Per questa casella il miglior simbolo e' :" + symbol + ": ",
                                "For this box the best symbol is :" + symbol + ": "});
  }
  outcome.focusGrid = true;
  return outcome;
}

TOutcome TsdGame::Explain() {
  TOutcome outcome;
  outcome.repaint = ClearMarks();
  if (FGameState != gsPlaying || FPaused || !FBoard) return outcome;
  const tsdtech::TExplanation e =
      tsdtech::ExplainNextStep(FBoxSize, Symbols(), FGivenGrid, FPlayGrid, FSolutionGrid);
  // The row, column or box named first, faintly; the cells themselves over it.
  const std::int32_t side = Side();
  for (const tsdtech::TMarkedUnit& unit : e.FUnits) {
    for (std::int32_t k = 0; k < side; ++k) {
      std::int32_t row = unit.FIndex;
      std::int32_t column = k;
      if (unit.FKind == tsdtech::TUnitKind::Column) std::swap(row, column);
      if (unit.FKind == tsdtech::TUnitKind::Box) {
        row = unit.FIndex / FBoxSize * FBoxSize + k / FBoxSize;
        column = unit.FIndex % FBoxSize * FBoxSize + k % FBoxSize;
      }
      if (InBoard(row, column)) FMarks[row][column] = TCellMark::Unit;
    }
  }
  for (const tsdtech::TMarkedCell& cell : e.FCells) {
    if (!InBoard(cell.FRow, cell.FColumn)) continue;
    TCellMark& mark = FMarks[cell.FRow][cell.FColumn];
    mark = std::max(mark, MarkOf(cell.FRole));
  }
  FMarked = !e.FCells.empty() || !e.FUnits.empty();
  outcome.repaint = outcome.repaint || FMarked;
  outcome.messages.push_back({e.FTextIT, e.FTextEN});
  outcome.focusGrid = true;
  return outcome;
}

bool TsdGame::ClearMarks() {
  if (!FMarked) return false;
  for (auto& row : FMarks) row.fill(TCellMark::None);
  FMarked = false;
  return true;
}

TOutcome TsdGame::EnterSymbol(char ch) {
  using TKind = TMove::TKind;
  const TKind kind = !FNotesMode ? TKind::Enter : ch == ' ' ? TKind::ClearNotes : TKind::Note;
  return ApplyMove({FCurrentColumn, FCurrentRow, ch, kind});
}

TOutcome TsdGame::ApplyMove(const TMove& move) {
  using TKind = TMove::TKind;
  TOutcome outcome;
  outcome.repaint = ClearMarks();
  if (FGameState != gsPlaying || FPaused || !InBoard(move.row, move.column)) return outcome;
  SetCurrentCell(move.column, move.row);
  const bool fillOrClear = move.kind == TKind::FillNotes && FillsNotes();
  if (FGivenGrid[move.row][move.column] != ' ' && move.kind != TKind::FillNotes) return outcome;
  // Exactly a symbol of the set: the rule checks compare bytes, so a lower-case letter stored here
  // would never match its symbol.
  const char ch = move.symbol;
  const std::size_t value = ch == '\0' ? std::string_view::npos : Symbols().find(ch);
  const TNotes bit = value == std::string_view::npos ? 0 : TNotes{1} << value;
  const bool hasEntry = FPlayGrid[move.row][move.column] != ' ';
  switch (move.kind) {
    case TKind::Enter:
      if (ch != ' ' && bit == 0) return outcome;
      break;
    case TKind::Note:
      if (hasEntry || bit == 0) return outcome;
      break;
    case TKind::ClearNotes:
      if (hasEntry) return outcome;
      break;
    case TKind::FillNotes:
      break;
  }

  // What the move makes of every cell; an entry takes its symbol out of the notes of its row,
  // column and box, its own cell's included.
  TStep step{move, {}};
  const std::int32_t side = Side();
  const std::int32_t boxRow = move.row / FBoxSize;
  const std::int32_t boxColumn = move.column / FBoxSize;
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const bool self = row == move.row && column == move.column;
      const bool peer = row == move.row || column == move.column ||
                        (row / FBoxSize == boxRow && column / FBoxSize == boxColumn);
      const char symbol = FPlayGrid[row][column];
      const TNotes notes = FNotes[row][column];
      char symbolAfter = symbol;
      TNotes notesAfter = notes;
      if (move.kind == TKind::Enter) {
        if (self) symbolAfter = ch;
        if (peer) notesAfter = notes & ~bit;
      } else if (move.kind == TKind::FillNotes) {
        if (FGivenGrid[row][column] == ' ' && symbol == ' ')
          notesAfter = fillOrClear ? AllowedNotes(row, column) : 0;
      } else if (self) {
        notesAfter = move.kind == TKind::Note ? notes ^ bit : 0;
      }
      if (symbolAfter != symbol || notesAfter != notes)
        step.changes.push_back({row, column, symbol, symbolAfter, notes, notesAfter});
    }
  }
  outcome.repaint = true;
  if (!step.changes.empty()) {
    Apply(step, true);
    FHistory.resize(FDone);
    FHistory.push_back(std::move(step));
    ++FDone;
    outcome.storeGame = true;
  }
  // Notes never count for completion; an entry is judged also when it changed nothing.
  if (move.kind == TKind::Enter) CheckCompletionInto(outcome);
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

void TsdGame::Apply(const TStep& step, bool forward) {
  for (const TCellChange& change : step.changes) {
    FPlayGrid[change.row][change.column] = forward ? change.symbolAfter : change.symbolBefore;
    FNotes[change.row][change.column] = forward ? change.notesAfter : change.notesBefore;
  }
}

TOutcome TsdGame::Step(const TStep& step, bool forward) {
  Apply(step, forward);
  SetCurrentCell(step.move.column, step.move.row);
  TOutcome outcome;
  outcome.repaint = true;
  outcome.storeGame = true;
  CheckCompletionInto(outcome);
  return outcome;
}

void TsdGame::CheckCompletionInto(TOutcome& outcome) {
  if (std::optional<TBilingual> congratulation = CheckCompletion()) {
    outcome.messages.push_back(std::move(*congratulation));
    outcome.completed = true;
    // A solved grid is no game to come back to; an undo after it keeps the game again.
    outcome.storeGame = false;
    outcome.forgetGame = true;
    RecordFinishedGame(outcome);
  }
}

TOutcome TsdGame::KeyOnGrid(char ch) {
  const bool unmarked = ClearMarks();
  switch (FGameState) {
    case gsPlaying: {
      TOutcome outcome = ch != '\0' ? EnterSymbol(ch) : TOutcome{};
      outcome.repaint = outcome.repaint || unmarked;
      return outcome;
    }
    case gsPlayingSolution:
      return Saying(BackReminder);
    case gsEmpty:
    case gsPuzzleView:
    case gsSolutionView:
      break;
  }
  return Saying(StartReminder);
}

TOutcome TsdGame::MenuEntry(char ch) {
  return EnterSymbol(ch);
}

bool TsdGame::PointAtCell(std::int32_t column, std::int32_t row) {
  // A click: the marks go (they exist only during a game, where the window repaints after it).
  ClearMarks();
  if (FGameState != gsPlaying) return false;
  SetCurrentCell(column, row);
  return true;
}

bool TsdGame::HasConflict(std::int32_t row, std::int32_t column) const {
  if (!InBoard(row, column)) return false;
  const char ch = FPlayGrid[row][column];
  return ch != ' ' && (FBoard->ColHasDuplicate(ch, row, column, FPlayGrid) ||
                       FBoard->RowHasDuplicate(ch, row, column, FPlayGrid) ||
                       FBoard->BoxHasDuplicate(ch, row, column, FPlayGrid));
}

bool TsdGame::IsComplete() const {
  if (!FBoard) return false;
  const std::int32_t side = FBoard->GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (FPlayGrid[row][column] == ' ') return false;
    }
  }
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (HasConflict(row, column)) return false;
    }
  }
  return true;
}

TElapsed TsdGame::Elapsed() const {
  // Whole milliseconds keep the split exact: 59 s never reads as 58.999... s.
  const std::int64_t ms = std::llabs(ElapsedMs());
  const std::int64_t hours = ms / 3'600'000;
  const std::int64_t totalMinutes = ms / 60'000;
  const std::int64_t totalSeconds = ms / 1'000;
  return {hours, std::max<std::int64_t>(0, totalMinutes - 60 * hours),
          std::max<std::int64_t>(0, totalSeconds - 60 * totalMinutes)};
}

std::optional<TBilingual> TsdGame::CheckCompletion() const {
  if (!IsComplete()) return std::nullopt;
  const TElapsed t = Elapsed();
  const std::string h = std::to_string(t.hours);
  const std::string m = std::to_string(t.minutes);
  const std::string s = std::to_string(t.seconds);
  return TBilingual{"Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:" + h +
                        ": ore, :" + m + " min. e " + s + " secondi.",
                    "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:" +
                        h + ": hours, :" + m + " min. and " + s + " seconds."};
}

std::string TsdGame::SaveText() const {
  if (!FBoard || !GameRunning()) return {};
  const std::int32_t side = Side();
  const TNotes allSymbols = (TNotes{1} << side) - 1;  // 25 bits at most
  TSavedGame saved;
  saved.boxSize = FBoxSize;
  saved.elapsedMs = std::clamp<std::int64_t>(ElapsedMs(), 0, MaxElapsedMs);
  saved.errorMarking = FErrorMarking;
  saved.notesMode = FNotesMode;
  const auto open = [](char ch) { return ch == ' ' ? '.' : ch; };
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      saved.puzzle += open(FGivenGrid[row][column]);
      saved.solution += FSolutionGrid[row][column];
      saved.player += open(FPlayGrid[row][column]);
      saved.notes.push_back(FNotes[row][column] & allSymbols);
    }
  }
  return WriteSavedGame(saved);
}

TOutcome TsdGame::Resume(const TSavedGame& saved) {
  TOutcome outcome;
  const std::string_view symbols = SymbolsOfBoxSize(saved.boxSize);
  const auto side = static_cast<std::int32_t>(symbols.size());
  const auto cells = static_cast<std::size_t>(side * side);
  // Only what the loader accepted comes here; anything else is left alone.
  if (GameRunning() || side == 0 || saved.puzzle.size() != cells ||
      saved.solution.size() != cells || saved.player.size() != cells || saved.notes.size() != cells)
    return outcome;

  outcome.setUpGrid = true;
  outcome.resizeWindow = saved.boxSize != FBoxSize;
  outcome.stateChanged = true;
  FGridSetUp = true;
  FBoard.reset();
  FBoard = std::make_unique<TsdBoard>(saved.boxSize, symbols, saved.puzzle, saved.solution);
  FBoxSize = saved.boxSize;
  ForgetPlayerWork();
  FCurrentColumn = 0;
  FCurrentRow = 0;
  if (FBoard->HasError() || !FBoard->IsSolutionValid()) {
    if (FBoard->HasError()) outcome.messages.push_back(Same(FBoard->GetErrorText()));
    for (auto& row : FPlayGrid) row.fill('.');
    SetState(gsEmpty);
    return outcome;
  }
  FBoard->GetPuzzleGrid(FGivenGrid);
  FBoard->GetSolutionGrid(FSolutionGrid);
  FPlayGrid = FGivenGrid;
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const auto cell = static_cast<std::size_t>(row * side + column);
      if (FGivenGrid[row][column] != ' ') continue;
      const char entry = saved.player[cell];
      FPlayGrid[row][column] = symbols.find(entry) == std::string_view::npos ? ' ' : entry;
      FNotes[row][column] = saved.notes[cell] & ((TNotes{1} << side) - 1);
    }
  }
  FErrorMarking = saved.errorMarking;
  FNotesMode = saved.notesMode;
  SetState(gsPlaying);
  FStartTime = FClock.NowMs() - saved.elapsedMs;
  FFinishRecorded = false;
  FLevel = -1;
  outcome.repaint = true;
  outcome.focusGrid = true;
  return outcome;
}
