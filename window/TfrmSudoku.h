// The main window: the view of the game model. It turns Qt events into model calls, paints from
// the model, and shows what the model asks for through the platform services.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "PuzzleSource.h"
#include "Services.h"
#include "TsdGame.h"

class QAction;
class QImage;
class QKeyEvent;
class QMenu;
class QPainter;
class QPrinter;

namespace Ui {
class TfrmSudoku;
}

// The game's clock read from the window's time service.
class TServiceClock final : public IGameClock {
 public:
  explicit TServiceClock(const ITimeService* time) : FTime(time) {}
  std::int64_t NowMs() const override;

 private:
  const ITimeService* FTime;
};

class TfrmSudoku : public QWidget {
  Q_OBJECT

 public:
  // services: the platform services (not owned). puzzles: where Generate fetches from (not owned).
  explicit TfrmSudoku(const TServices& services, const IPuzzleSource& puzzles = BuiltInPuzzles(),
                      QWidget* parent = nullptr);
  ~TfrmSudoku() override;

  // Where printing gets the watermark printed behind every page (the hidden Tfrmhlpi window). It
  // is asked when a page is printed, so the picture need not be decoded before then.
  void SetWaterMark(std::function<QImage()> waterMark);
  // Directory holding the help pages; defaults to the one found beside the executable.
  void SetHelpDir(const QString& dir);
  // Gives the controls and actions their captions in UILanguage; the first show runs it.
  void ApplyLanguage();
  // The game this window shows.
  const TsdGame& Game() const { return FGame; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BindControls();
  // Carries out what a model operation asks of the window.
  void Process(const TOutcome& outcome);
  void ShowMessage(const QString& text);
  void FocusGrid();

  // ---- Grid view
  void SetWindowSizeFor(std::int32_t boxSize);
  void SetupGrid(std::int32_t boxSize);
  void sg1DrawCell(QPainter& canvas, int column, int row, const QRect& rect, bool focused);
  void btnFontPiuClick();
  void btnFontMenoClick();

  // ---- Input and context menu
  // The key preview: every key pressed in the window, once, before the focused control; true
  // when the window took it.
  bool PreviewKey(const QKeyEvent& key);
  bool FormKeyDown(int keyCode, Qt::KeyboardModifiers modifiers);
  void RunCommand(TCommand command);
  void sg1KeyDown(int keyCode);
  void sg1MouseDown(Qt::MouseButton button, const QPoint& viewportPos);
  void BuildContextMenu();
  void N11Click(char symbol);
  void N21Click();
  void cbxControlloClick();
  void cbxHideTimerClick();
  void cbxNoteClick();
  void FollowTimer();

  // ---- Game flow
  void FormShow();
  void FormClose();
  void ActGeneraExecute();
  void ActToggleViewExecute();
  void ActPlayExecute();
  void ActSuggerisciExecute();
  void ApplyState();
  // The clock shows the time since the model's start of the game.
  void StartClock();

  // ---- Keeping the game between runs
  // Writes the running game to the store; a failure is told once per run.
  void StoreGame();
  // Once the window is up: a kept game is offered for resuming, or set aside when unreadable.
  void OfferResume();

  // ---- Printing
  void ActPrintExecute();
  void PrintPage(QPrinter& printer);

  // ---- Help
  void ActHelpExecute();
  void showHelp(int page);

  TServices FServices;
  TServiceClock FClock;
  TsdGame FGame;
  // The controls, actions and menu, by their names (sg1, cbg1, ActGenera, popm1, ...).
  Ui::TfrmSudoku* ui;
  QMenu* popm1 = nullptr;
  std::int32_t FBoxLineWidth = 3;
  std::function<QImage()> FWaterMark;
  QString FHelpDir;
  bool FShown = false;
  bool FMenuAutoPopup = false;
  bool FStoreFailed = false;
};
