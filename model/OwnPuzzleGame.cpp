// The game's side of a player's own puzzle: taking in one the check accepted, typing one in,
// copying the shown one out, and the level shown beside it.
#include <utility>

#include "TsdGame.h"

using enum GameState;

TBilingual TsdGame::LevelCaption() const {
  const TBilingual words = LevelWords(FLevel);
  const TBilingual& label =
      CaptionText(FOrigin == TPuzzleOrigin::Own ? TCaption::OwnLevelLabel : TCaption::LevelLabel);
  return {label.italian + words.italian, label.english + words.english};
}

TOutcome TsdGame::InstallOwnPuzzle(const TPuzzleCheck& check) {
  TOutcome outcome;
  if (check.verdict == TPuzzleCheck::TVerdict::Cancelled) return outcome;
  if (check.verdict == TPuzzleCheck::TVerdict::Refused) {
    outcome.messages.push_back(check.message);
    outcome.focusGrid = true;
    return outcome;
  }
  const std::string_view symbols = SymbolsOfBoxSize(check.boxSize);
  const std::size_t cells = symbols.size() * symbols.size();
  // A game started while the check ran keeps going; the puzzle is not taken.
  if (GameRunning() || symbols.empty() || check.puzzle.size() != cells ||
      check.solution.size() != cells)
    return outcome;
  auto board = std::make_unique<TsdBoard>(check.boxSize, symbols, check.puzzle, check.solution);
  if (board->HasError() || !board->IsSolutionValid()) {
    if (board->HasError())
      outcome.messages.push_back({board->GetErrorText(), board->GetErrorText()});
    return outcome;
  }

  outcome.setUpGrid = true;
  outcome.resizeWindow = check.boxSize != FBoxSize;
  FBoard = std::move(board);
  FBoxSize = check.boxSize;
  FGridSetUp = true;
  FBoard->GetPuzzleGrid(FData.play);
  FBoard->GetPuzzleGrid(FData.given);
  FBoard->GetSolutionGrid(FData.solution);
  ForgetPlayerWork();
  FView.currentColumn = 0;
  FView.currentRow = 0;
  FLevel = check.level;
  FOrigin = TPuzzleOrigin::Own;
  // The size group shows the shown puzzle's size, as after a resume, and the next Generate makes
  // one of that size.
  FParams.boxSize = check.boxSize;
  FParams.source = TPuzzleOrigin::Own;
  FTypingIn = false;
  FShownBefore = TShownBefore{};
  SetState(gsPuzzleView);
  outcome.repaint = true;
  outcome.messages.push_back(check.message);
  outcome.focusGrid = true;
  outcome.stateChanged = true;
  return outcome;
}

std::string TsdGame::PuzzleLine() const {
  if (!FTypingIn && (FGameState == gsEmpty || !FBoard)) return {};
  const TCharGrid& grid = FTypingIn ? FData.play : FData.given;
  std::string line;
  const std::int32_t side = Side();
  for (std::int32_t row = 0; row < side; ++row)
    for (std::int32_t column = 0; column < side; ++column)
      line += grid[row][column] == ' ' ? '.' : grid[row][column];
  return line;
}

TOutcome TsdGame::BeginTypeIn(std::int32_t sizeIndex) {
  TOutcome outcome;
  if (!TakesOwnPuzzle() || sizeIndex < 0 || sizeIndex > 2) return outcome;
  const std::int32_t boxSize = 3 + sizeIndex;
  // The board stays as it is: nothing reads it while a puzzle is typed, and a cancel needs it.
  FShownBefore = TShownBefore{FBoxSize,   FData.play, FData.given, FData.solution,
                              FGameState, FGridSetUp, FLevel,      FOrigin};
  outcome.setUpGrid = true;
  outcome.resizeWindow = boxSize != FBoxSize;
  FBoxSize = boxSize;
  FGridSetUp = true;
  for (TCharGrid* grid : {&FData.play, &FData.given, &FData.solution})
    for (auto& row : *grid) row.fill(' ');
  ForgetPlayerWork();
  FView.currentColumn = 0;
  FView.currentRow = 0;
  FTypingIn = true;
  SetState(gsEmpty);
  outcome.repaint = true;
  outcome.focusGrid = true;
  outcome.stateChanged = true;
  return outcome;
}

TOutcome TsdGame::ConfirmTypeIn() {
  TOutcome outcome;
  outcome.checkTypedPuzzle = FTypingIn;
  return outcome;
}

TOutcome TsdGame::CancelTypeIn() {
  TOutcome outcome;
  if (!FTypingIn) return outcome;
  TShownBefore before = std::move(FShownBefore);
  FShownBefore = TShownBefore{};
  outcome.setUpGrid = true;
  outcome.resizeWindow = before.boxSize != FBoxSize;
  FBoxSize = before.boxSize;
  FData.play = before.play;
  FData.given = before.given;
  FData.solution = before.solution;
  FGridSetUp = before.gridSetUp;
  FLevel = before.level;
  FOrigin = before.origin;
  FTypingIn = false;
  FView.currentColumn = 0;
  FView.currentRow = 0;
  SetState(before.state);
  outcome.repaint = true;
  outcome.focusGrid = true;
  outcome.stateChanged = true;
  return outcome;
}

TOutcome TsdGame::TypeInSymbol(char ch) {
  TOutcome outcome;
  if (!FTypingIn || ch == '\0') return outcome;
  if (ch != ' ' && Symbols().find(ch) == std::string_view::npos) return outcome;
  FData.play[FView.currentRow][FView.currentColumn] = ch;
  // A given typed, the next cell follows, as on paper; a cleared cell stays current.
  if (ch != ' ') {
    const std::int32_t side = Side();
    const std::int32_t next = FView.currentRow * side + FView.currentColumn + 1;
    if (next < side * side) SetCurrentCell(next % side, next / side);
  }
  outcome.repaint = true;
  return outcome;
}

bool TsdGame::TypedRepeat(std::int32_t row, std::int32_t column) const {
  const char ch = FData.play[row][column];
  if (ch == ' ') return false;
  const std::int32_t side = Side();
  for (std::int32_t k = 0; k < side; ++k) {
    if (k != column && FData.play[row][k] == ch) return true;
    if (k != row && FData.play[k][column] == ch) return true;
    const std::int32_t r = row / FBoxSize * FBoxSize + k / FBoxSize;
    const std::int32_t c = column / FBoxSize * FBoxSize + k % FBoxSize;
    if ((r != row || c != column) && FData.play[r][c] == ch) return true;
  }
  return false;
}
