// The main window: the game's data and state, and the handlers of every control, action and key.
#pragma once

#include <QDateTime>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "PuzzleSource.h"
#include "Services.h"
#include "TsdBoard.h"

class QAction;
class QImage;
class QMenu;
class QPainter;
class QPrinter;
class QKeyEvent;

namespace Ui {
class TfrmSudoku;
}

// The window's state. The value 3 is never used.
enum GameState : std::uint8_t {
  gsEmpty = 0,            // no puzzle installed
  gsPuzzleView = 1,       // puzzle shown, no game running
  gsSolutionView = 2,     // solution shown, no game running
  gsPlaying = 4,          // game running, player grid shown, input accepted
  gsPlayingSolution = 5,  // game running, solution shown
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

  // ---- The window's data. Public so the tests can inspect it.
  std::unique_ptr<TsdBoard> FBoard;
  std::int32_t FBoxSize = 3;
  QString FSymbols3;
  QString FSymbols4;
  QString FSymbols5;
  TCharGrid FPlayGrid{};
  TCharGrid FGivenGrid{};
  TCharGrid FSolutionGrid{};
  std::int32_t FBoxLineWidth = 3;
  std::uint8_t FGameState = gsEmpty;
  QDateTime FStartTime;

  // The controls, actions and menu, by their names (sg1, cbg1, ActGenera, popm1, ...).
  Ui::TfrmSudoku* ui;
  QMenu* popm1 = nullptr;

  // ---- Grid view
  void SetWindowSizeFor(std::int32_t boxSize);
  void SetupGrid(std::int32_t boxSize);
  void sg1DrawCell(QPainter& canvas, int column, int row, const QRect& rect, bool focused);
  void btnFontPiuClick();
  void btnFontMenoClick();

  // ---- Interface language
  void ApplyLanguage();

  // ---- Input and context menu
  // Window key preview; true when the key was consumed. keyCode is a TKeyCodes code.
  bool FormKeyDown(int keyCode, Qt::KeyboardModifiers modifiers);
  void sg1KeyDown(int keyCode, Qt::KeyboardModifiers modifiers);
  void sg1MouseDown(Qt::MouseButton button, const QPoint& viewportPos);
  void BuildContextMenu(std::uint8_t state);
  void N11Click(QAction* item);
  void N21Click();
  void cbxControlloClick();
  void cbxHideTimerClick();
  void cbgLivelloClick();
  void EnterSymbol(char ch);  // the entry rule shared by keyboard and menu
  void CheckCompletion();

  // ---- Game flow
  void FormShow();
  void FormClose();
  void ActGeneraExecute();
  bool NewPuzzle();
  void ActToggleViewExecute();
  void ActPlayExecute();
  void ClearPlayerEntries();
  void ActSuggerisciExecute();
  void ApplyState();

  // ---- Printing
  void ActPrintExecute();
  void PrintPage(QPrinter& printer);
  static void StretchBitmapTo(QPainter& canvas, const QRect& target, const QImage& bitmap);
  static QString JoinSymbols(const QString& symbols);

  // ---- Help
  void ActHelpExecute();
  void showHelp(std::uint8_t state);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BindControls();
  const QString& SymbolsFor(std::int32_t boxSize) const;
  void ShowMessage(const QString& text);
  void FocusGrid();

  TServices FServices;
  const IPuzzleSource& FPuzzles;
  std::function<QImage()> FWaterMark;
  QString FHelpDir;
  bool FShown = false;
  bool FMenuAutoPopup = false;
};
