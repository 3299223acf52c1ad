// What each state shows: the table of enabled controls and captions, the grid's menu, what a
// cell shows, which function keys are taken, and the help page.
#include "TsdGame.h"

using enum GameState;

namespace {

TBilingual Trimmed(const TBilingual& text) {
  const auto trim = [](const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
  };
  return {trim(text.italian), trim(text.english)};
}

bool ShowsPlayerGrid(GameState state) {
  return state == gsPuzzleView || state == gsPlaying;
}

}  // namespace

TStateView TsdGame::StateView() const {
  TStateView view;
  // Typing a puzzle in: only its grid, its menu, help and error marking.
  if (FTypingIn) {
    view.contextMenu = true;
    return view;
  }
  view.generate = !GameRunning();
  if (FGameState == gsEmpty) return view;
  view.play = view.toggleView = view.print = true;
  view.hint = view.explain = view.gamePanel = FGameState == gsPlaying;
  // A paused game shows nothing to reason from, and the solution would show what the pause hides.
  if (FPaused) view.hint = view.explain = view.toggleView = false;
  view.contextMenu = true;
  view.playCaption = CaptionText(GameRunning() ? TCaption::Quit : TCaption::Play);
  view.toggleCaption =
      CaptionText(ShowsPlayerGrid(FGameState) ? TCaption::ShowSolution : TCaption::ShowGame);
  view.levelCaption = LevelCaption();
  return view;
}

std::vector<TMenuItem> TsdGame::ContextMenu() const {
  using TKind = TMenuItem::TKind;
  const TStateView view = StateView();
  if (!view.contextMenu) return {};
  std::vector<TMenuItem> items;
  if (FTypingIn) {
    items.push_back({TKind::Enter, CaptionText(TCaption::MenuDelete), ' '});
    for (const char symbol : Symbols()) items.push_back({TKind::Enter, SameText({symbol}), symbol});
    items.push_back({TKind::Command,
                     {"Usa questo sudoku [Invio]", "Use this puzzle [Enter]"},
                     0,
                     TCommand::ConfirmTypeIn});
    items.push_back({TKind::Command, {"Annulla [Esc]", "Cancel [Esc]"}, 0, TCommand::CancelTypeIn});
    return items;
  }
  if (FGameState == gsPlaying) {
    items.push_back({TKind::Enter, CaptionText(TCaption::MenuDelete), ' '});
    for (const char symbol : Symbols()) items.push_back({TKind::Enter, SameText({symbol}), symbol});
    items.push_back({TKind::Marking,
                     CaptionText(FView.errorMarking ? TCaption::MarkingOff : TCaption::Marking),
                     0});
    items.push_back({TKind::Hint, CaptionText(TCaption::Hint), 0});
  }
  items.push_back({TKind::Play, Trimmed(*view.playCaption), 0});
  // Outside a game the view item keeps the blanks around its caption.
  items.push_back(
      {TKind::ToggleView, GameRunning() ? Trimmed(*view.toggleCaption) : *view.toggleCaption, 0});
  if (!GameRunning()) {
    items.push_back({TKind::Command, {"Incolla sudoku", "Paste puzzle"}, 0, TCommand::Paste});
    items.push_back({TKind::Command, {"Apri sudoku...", "Open puzzle..."}, 0, TCommand::Open});
    items.push_back(
        {TKind::Command, {"Scrivi un sudoku", "Type in a puzzle"}, 0, TCommand::TypeIn});
    items.push_back({TKind::Command, {"Copia sudoku", "Copy puzzle"}, 0, TCommand::Copy});
  }
  return items;
}

TCellView TsdGame::CellView(std::int32_t row, std::int32_t column) const {
  TCellView cell;
  if (row < 0 || column < 0 || row >= MaxSide || column >= MaxSide) return cell;
  if (FTypingIn) {
    cell.symbol = FData.play[row][column];
    cell.given = cell.symbol != ' ';
    cell.conflict = FView.errorMarking && TypedRepeat(row, column);
    return cell;
  }
  if (FPaused) return cell;
  cell.given = FData.given[row][column] != ' ';
  if (!ShowsPlayerGrid(FGameState)) {
    cell.symbol = FData.solution[row][column];
    return cell;
  }
  cell.symbol = FData.play[row][column];
  cell.conflict = FGameState == gsPlaying && FView.errorMarking && HasConflict(row, column);
  if (FView.marked) cell.mark = FView.marks[row][column];
  if (cell.symbol == ' ') cell.notes = FData.notes[row][column];
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
      // A finished game still runs until Quit; F10 then says so rather than nothing.
      return when(view.generate || (GameRunning() && IsComplete()), TCommand::Generate);
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

std::optional<TCommand> TsdGame::ControlKey(char letter) const {
  switch (letter) {
    case 'V':
      if (TakesOwnPuzzle()) return TCommand::Paste;
      return std::nullopt;
    case 'O':
      if (TakesOwnPuzzle()) return TCommand::Open;
      return std::nullopt;
    case 'T':
      if (TakesOwnPuzzle()) return TCommand::TypeIn;
      return std::nullopt;
    case 'C':
      // Where C is a symbol, the key enters it, Ctrl held or not.
      if ((FGameState == gsPlaying || FTypingIn) && Symbols().find('C') != std::string_view::npos)
        return std::nullopt;
      if (PuzzleLine().empty()) return std::nullopt;
      return TCommand::Copy;
    default:
      return std::nullopt;
  }
}

int TsdGame::HelpPage() const {
  if (FGameState == gsEmpty) return 0;
  return GameRunning() ? 2 : 1;
}
