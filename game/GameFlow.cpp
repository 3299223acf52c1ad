// Game flow: first show and close, Generate with its retries, the views, Play and Quit, the hint,
// and ApplyState, which makes the window follow the state.
#include <QAction>
#include <QMenu>
#include <QSignalBlocker>

#include "Language.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TfrmSudoku.h"
#include "TsdRandom.h"
#include "ui_TfrmSudoku.h"

namespace {

// Every generation makes a first attempt and up to ten more before giving up.
constexpr int GenerationAttempts = 11;

bool IsRunningGame(std::uint8_t state) {
  return state == gsPlaying || state == gsPlayingSolution;
}

}  // namespace

void TfrmSudoku::FormShow() {
  TsdRandom::SeedFromClock();
  ui->sg1->hide();
  FBoxSize = 3;
  FBoard.reset();
  FBoxLineWidth = 3;
  SetWindowSizeFor(3);
  FSymbols3 = QStringLiteral("123456789");
  FSymbols4 = QStringLiteral("0123456789ABCDEF");
  FSymbols5 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY");
  ui->cbgLivello->SetItemIndex(0);
  FGameState = gsEmpty;
  ApplyState();
  UILanguage = QStringLiteral("EN");
  ApplyLanguage();
}

void TfrmSudoku::FormClose() {
  FBoard.reset();
}

void TfrmSudoku::ActGeneraExecute() {
  bool ok = false;
  for (int attempt = 0; attempt < GenerationAttempts && !ok; ++attempt) ok = NewPuzzle();
  if (!ok) {
    ShowMessage(QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES"));
    return;
  }
  ui->ActGenera->setText(Tr(QStringLiteral("Rigenera [F10]"), QStringLiteral("Generate [F10]")));
}

bool TfrmSudoku::NewPuzzle() {
  const int sizeIndex = ui->cbg1->ItemIndex();
  if (sizeIndex < 0 || sizeIndex > 2) {
    ShowMessage(Tr(QStringLiteral("index of checkbox errato:"),
                   QStringLiteral("incorrect checkbox index:")) +
                QString::number(sizeIndex));
    return false;
  }
  const std::int32_t boxSize = 3 + sizeIndex;

  char level = '\0';  // no level selected: the catalogue has nothing under it
  switch (ui->cbgLivello->ItemIndex()) {
    case 0:
      level = 'E';
      break;
    case 1:
      level = 'M';
      break;
    case 2:
      level = 'A';
      break;
    default:
      break;
  }

  const std::int32_t count = FPuzzles.Count(boxSize, level);
  if (count <= 0) {
    ShowMessage(QStringLiteral("ENGINE ERROR: 001"));
    return false;
  }
  const std::int32_t index = TsdRandom::Below(count);
  std::string puzzleText;
  std::string solutionText;
  if (!FPuzzles.Fetch(boxSize, level, index, puzzleText, solutionText)) {
    ShowMessage(QStringLiteral("ENGINE ERROR: 002"));
    return false;
  }

  // The grid is set up for the new size only once a puzzle is in hand: an attempt that fails at
  // the catalogue must leave the puzzle on screen, and the grid sized for it, as they were.
  if (ui->sg1->isHidden() || boxSize != FBoxSize) {
    if (boxSize != FBoxSize) SetWindowSizeFor(boxSize);
    SetupGrid(boxSize);
  }

  const std::string symbols = SymbolsFor(boxSize).toStdString();
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
    ui->sg1->setFocus();
    FGameState = gsPuzzleView;
  } else {
    if (FBoard->HasError()) ShowMessage(QString::fromStdString(FBoard->GetErrorText()));
    FGameState = gsEmpty;
  }
  ApplyState();
  return ok;
}

void TfrmSudoku::ActToggleViewExecute() {
  switch (FGameState) {
    case gsPuzzleView:
      FGameState = gsSolutionView;
      break;
    case gsSolutionView:
      FGameState = gsPuzzleView;
      break;
    case gsPlaying:
      FGameState = gsPlayingSolution;
      break;
    case gsPlayingSolution:
      FGameState = gsPlaying;
      break;
    default:
      return;
  }
  ApplyState();
}

void TfrmSudoku::ActPlayExecute() {
  if (IsRunningGame(FGameState)) {
    const TConfirmAnswer answer =
        FServices.confirm->AskYesNoCancel(this, Tr(QStringLiteral("Abbandona il gioco in corso ?"),
                                                   QStringLiteral("Quit the current game ?")));
    if (answer == TConfirmAnswer::Yes) {
      FGameState = gsPuzzleView;
      ClearPlayerEntries();
      ApplyState();
    } else {
      FocusGrid();
    }
    return;
  }
  // A game needs an installed puzzle; the action is disabled in every other state.
  if (FGameState != gsPuzzleView && FGameState != gsSolutionView) return;

  FGameState = gsPlaying;
  ApplyState();
  FStartTime = FServices.time->Now();
  // The clock shows the time of day plus its offset, so it reads 00:00:00 now and then the time
  // elapsed since Play.
  const QTime start = FStartTime.time();
  ui->Clock1->SetOffset(-start.hour(), -start.minute(), -start.second());
}

void TfrmSudoku::ClearPlayerEntries() {
  if (!FBoard) return;
  const std::int32_t side = FBoard->GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (FGivenGrid[row][column] == ' ') FPlayGrid[row][column] = ' ';
    }
  }
}

void TfrmSudoku::ActSuggerisciExecute() {
  const int column = ui->sg1->Col();
  const int row = ui->sg1->Row();
  const bool inBoard =
      FBoard && column >= 0 && row >= 0 && column < FBoard->GetSide() && row < FBoard->GetSide();
  if (inBoard && FGivenGrid[row][column] == ' ') {
    ShowMessage(Tr(QStringLiteral("Per questa casella il miglior simbolo e' :"),
                   QStringLiteral("For this box the best symbol is :")) +
                QChar::fromLatin1(FSolutionGrid[row][column]) + QStringLiteral(": "));
  }
  FocusGrid();
}

void TfrmSudoku::ApplyState() {
  ui->ActGenera->setEnabled(false);
  ui->ActPrint->setEnabled(false);
  ui->ActToggleView->setEnabled(false);
  ui->ActPlay->setEnabled(false);
  ui->ActSuggerisci->setEnabled(false);
  if (!ui->Clock1->isHidden()) ui->Clock1->hide();
  ui->pnlGameOn->hide();
  ui->cbg1->setEnabled(false);
  ui->cbgLivello->setEnabled(false);
  FMenuAutoPopup = false;

  const bool playing = IsRunningGame(FGameState);
  const bool showsSolution = FGameState == gsSolutionView || FGameState == gsPlayingSolution;
  switch (FGameState) {
    case gsEmpty:
      ui->ActGenera->setEnabled(true);
      ui->cbg1->setEnabled(true);
      ui->cbgLivello->setEnabled(true);
      return;
    case gsPuzzleView:
    case gsSolutionView:
    case gsPlaying:
    case gsPlayingSolution:
      break;
    case 3:  // never set; nothing to say about it
      return;
    default:
      ShowMessage(Tr(QStringLiteral("Internal error 001: stato:"),
                     QStringLiteral("Internal error 001: state:")) +
                  QString::number(FGameState) +
                  Tr(QStringLiteral(" non gestito !"), QStringLiteral(" unmanaged !")));
      return;
  }

  if (FGameState == gsPlaying) {
    ui->pnlGameOn->show();
    {
      // The reaction runs once below, whether or not the box was checked.
      const QSignalBlocker blocker(ui->cbxHideTimer);
      ui->cbxHideTimer->setChecked(false);
    }
    cbxHideTimerClick();
  }

  ui->btnToggleView->setText(
      showsSolution
          ? Tr(QStringLiteral(" Mostra gioco [F6] "), QStringLiteral(" Show game [F6] "))
          : Tr(QStringLiteral(" Mostra soluzione [F6] "), QStringLiteral(" Show solution [F6] ")));
  ui->btnPlay->setText(
      playing ? Tr(QStringLiteral(" Abbandona gioco [F5] "), QStringLiteral(" Quit game [F5] "))
              : Tr(QStringLiteral(" Gioca [F5] "), QStringLiteral(" Play [F5] ")));

  if (!playing) {
    ui->ActGenera->setEnabled(true);
    ui->cbg1->setEnabled(true);
    ui->cbgLivello->setEnabled(true);
  }
  ui->ActPrint->setEnabled(true);
  ui->ActToggleView->setEnabled(true);
  ui->ActPlay->setEnabled(true);
  if (FGameState == gsPlaying) ui->ActSuggerisci->setEnabled(true);

  BuildContextMenu(FGameState);
  FMenuAutoPopup = true;

  if (!ui->sg1->isHidden()) {
    ui->sg1->viewport()->update();
    if (FGameState == gsPlaying) ui->sg1->setFocus();
  }
}
