// The rules that read a game without moving it: conflicts, completion and its congratulation, the
// hint, and the explanation of the next step with the cells it tints.
#include <algorithm>
#include <utility>

#include "Explanation.h"
#include "HintStages.h"
#include "TsdGame.h"

using enum GameState;

namespace {

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

bool TsdGame::HasConflict(std::int32_t row, std::int32_t column) const {
  if (!InBoard(row, column)) return false;
  const char ch = FData.play[row][column];
  return ch != ' ' && (FBoard->ColHasDuplicate(ch, row, column, FData.play) ||
                       FBoard->RowHasDuplicate(ch, row, column, FData.play) ||
                       FBoard->BoxHasDuplicate(ch, row, column, FData.play));
}

bool TsdGame::IsComplete() const {
  if (!FBoard) return false;
  const std::int32_t side = FBoard->GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (FData.play[row][column] == ' ') return false;
    }
  }
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (HasConflict(row, column)) return false;
    }
  }
  return true;
}

std::optional<TBilingual> TsdGame::CheckCompletion() const {
  if (!IsComplete()) return std::nullopt;
  const TElapsed t = Elapsed();
  return MessageText(TMessage::Congratulation,
                     {SameText(std::to_string(t.hours)), SameText(std::to_string(t.minutes)),
                      SameText(std::to_string(t.seconds))});
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

TOutcome TsdGame::Hint() {
  TOutcome outcome = ClearMarks();
  if (FPaused) return outcome;
  const std::int32_t row = FView.currentRow;
  const std::int32_t column = FView.currentColumn;
  if (InBoard(row, column) && FData.given[row][column] == ' ')
    outcome.messages.push_back(
        MessageText(TMessage::HintSymbol, {SameText({FData.solution[row][column]})}));
  else if (InBoard(row, column) && FGameState == gsPlaying)
    outcome.messages.push_back(MessageText(TMessage::HintOnGiven));
  outcome.focusGrid = true;
  return outcome;
}

TOutcome TsdGame::Explain(bool wholeStep) {
  TOutcome outcome = ClearMarks();
  if (FGameState != gsPlaying || FPaused || !FBoard) return outcome;
  // The whole step asked for at once is a view of its own: the stages go on as they were.
  const int stage = wholeStep ? tsdtech::kHintStages : NextHintStage(FView, FData, Side());
  const tsdtech::TExplanation e =
      tsdtech::AtStage(tsdtech::ExplainNextStep(FBoxSize, Symbols(), FData.given, FData.play,
                                                FData.solution, &FData.notes),
                       stage);
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
      if (InBoard(row, column)) FView.marks[row][column] = TCellMark::Unit;
    }
  }
  for (const tsdtech::TMarkedCell& cell : e.FCells) {
    if (!InBoard(cell.FRow, cell.FColumn)) continue;
    TCellMark& mark = FView.marks[cell.FRow][cell.FColumn];
    mark = std::max(mark, MarkOf(cell.FRole));
  }
  FView.marked = !e.FCells.empty() || !e.FUnits.empty();
  outcome.repaint = outcome.repaint || FView.marked;
  outcome.messages.push_back({e.FTextIT, e.FTextEN});
  outcome.focusGrid = true;
  return outcome;
}

TOutcome TsdGame::ClearMarks() {
  TOutcome outcome;
  if (!FView.marked) return outcome;
  for (auto& row : FView.marks) row.fill(TCellMark::None);
  FView.marked = false;
  outcome.repaint = true;
  return outcome;
}
