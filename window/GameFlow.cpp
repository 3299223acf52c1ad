// Game flow in the window: first show and close, the actions that drive the model, and
// ApplyState, which makes the window follow the model's state.
#include <QAction>
#include <QDateTime>
#include <QSignalBlocker>
#include <algorithm>

#include "Language.h"
#include "PuzzleCatalogue.h"
#include "TDigitalClock.h"
#include "TDrawGrid.h"
#include "TRadioGroup.h"
#include "TfrmSudoku.h"
#include "ui_TfrmSudoku.h"

void TfrmSudoku::FormShow() {
  FGame.Start();
  ui->sg1->hide();
  FBoxLineWidth = 3;
  SetWindowSizeFor(3);
  ShowSettings();
  ApplyState();
  UILanguage = QStringLiteral("EN");
  ApplyLanguage();
}

void TfrmSudoku::FormClose() {
  StopPuzzleCheck();
  // The elapsed time up to now goes with the game.
  StoreGame();
  FGame.Close();
}

void TfrmSudoku::ActGeneraExecute() {
  ExpectNewPuzzleNews();
  Process(FGame.Generate());
}

void TfrmSudoku::ActToggleViewExecute() {
  ExpectViewNews();
  Process(FGame.ToggleView());
}

void TfrmSudoku::ActPlayExecute() {
  if (FGame.GameRunning()) {
    const TConfirmAnswer answer =
        FServices.confirm->AskYesNoCancel(this, Tr(TsdGame::QuitQuestion()));
    if (answer == TConfirmAnswer::Yes) {
      ExpectViewNews();
      Process(FGame.Quit());
    } else {
      FocusGrid();
    }
    return;
  }
  ExpectViewNews();
  Process(FGame.Play());
}

void TfrmSudoku::ShowSettings() {
  const TGameParams& params = FGame.Params();
  ui->cbg1->SetItemIndex(params.boxSize - 3);
  const auto level = std::find(LevelLetters.begin(), LevelLetters.end(), params.level);
  ui->cbgLivello->SetItemIndex(
      level == LevelLetters.end() ? -1 : static_cast<int>(level - LevelLetters.begin()));
  const QSignalBlocker marking(ui->cbxControllo);
  const QSignalBlocker notes(ui->cbxNote);
  const QSignalBlocker timer(ui->cbxHideTimer);
  ui->cbxControllo->setChecked(FGame.ErrorMarking());
  ui->cbxNote->setChecked(FGame.NotesMode());
  ui->cbxHideTimer->setChecked(FGame.TimerHidden());
}

void TfrmSudoku::ActSuggerisciExecute() {
  Process(FGame.Hint());
}

void TfrmSudoku::ActSpiegaExecute() {
  ShowExplanation(FGame.Explain());
}

void TfrmSudoku::ApplyState() {
  const TStateView view = FGame.StateView();
  FollowGridName();
  ui->ActGenera->setEnabled(false);
  ui->ActPrint->setEnabled(false);
  ui->ActToggleView->setEnabled(false);
  ui->ActPlay->setEnabled(false);
  ui->ActSuggerisci->setEnabled(false);
  ui->ActSpiega->setEnabled(false);
  if (!ui->Clock1->isHidden()) ui->Clock1->hide();
  ui->pnlGameOn->hide();
  ui->cbg1->setEnabled(false);
  ui->cbgLivello->setEnabled(false);
  FMenuAutoPopup = false;

  ShowSettings();
  if (view.gamePanel) {
    ui->pnlGameOn->show();
    // At Play the clock shows the new game's time at once.
    ui->Clock1->Refresh();
    FollowTimer();
  }
  ui->lblLivello->setVisible(view.levelCaption.has_value());
  if (view.levelCaption) ui->lblLivello->setText(Tr(*view.levelCaption));
  if (view.toggleCaption) ui->btnToggleView->setText(Tr(*view.toggleCaption));
  if (view.playCaption) ui->btnPlay->setText(Tr(*view.playCaption));

  if (view.generate) {
    ui->ActGenera->setEnabled(true);
    ui->cbg1->setEnabled(true);
    ui->cbgLivello->setEnabled(true);
  }
  if (view.print) ui->ActPrint->setEnabled(true);
  if (view.toggleView) ui->ActToggleView->setEnabled(true);
  if (view.play) ui->ActPlay->setEnabled(true);
  if (view.hint) ui->ActSuggerisci->setEnabled(true);
  if (view.explain) ui->ActSpiega->setEnabled(true);
  FollowComforts();
  // Before the first puzzle there is no menu to build and no grid to paint.
  if (!view.contextMenu) return;

  BuildContextMenu();
  FMenuAutoPopup = true;
  if (!ui->sg1->isHidden()) {
    ui->sg1->viewport()->update();
    if (FGame.State() == GameState::gsPlaying) ui->sg1->setFocus();
  }
}
