// The main window: the view of the game model. It turns Qt events into model calls, paints from
// the model, and shows what the model asks for through the platform services.
#pragma once

#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "PuzzleSource.h"
#include "Services.h"
#include "TDrawGrid.h"
#include "TsdGame.h"

class QAction;
class QImage;
class QKeyEvent;
class QMenu;
class QPainter;
class QPrinter;
class QUrl;
class QScrollArea;
class QProgressDialog;
class QThread;
class QTimer;
class TfrmStatistics;

namespace Ui {
class TfrmSudoku;
}

// The game's monotonic clock read from the window's time service.
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
  // Opens a puzzle file as Open does (the command line's file); a file that cannot be read or
  // holds no puzzle is told, and the window stays as it was.
  void OpenPuzzleFile(const QString& path);
  // A file to open once the window is first up, in place of the question about a kept game (which
  // stays kept).
  void SetStartPuzzleFile(const QString& path) { FStartPuzzleFile = path; }
  // What Open asks for the file with; by default the system's file dialog. Empty: cancelled.
  void SetFileChooser(std::function<QString(QWidget*)> chooser);
  // A puzzle check runs (off the GUI thread).
  bool CheckingPuzzle() const { return FCheckThread != nullptr; }
  // The game this window shows.
  const TsdGame& Game() const { return FGame; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BindControls();
  // Puts the window's content in a scroll area, which shows bars only when the window is smaller
  // than the content's minimum (a small or scaled screen).
  void MakeContentScrollable();
  // The emblem and the help glyph drawn for the window's device-pixel ratio.
  void ShowPictures();
  // Carries out what a model operation asks of the window.
  void Process(const TOutcome& outcome);
  void ShowMessage(const QString& text);
  void ShowMessage(const QString& text, const QString& spoken);
  void FocusGrid();

  // ---- Grid view
  void SetWindowSizeFor(std::int32_t boxSize);
  void SetupGrid(std::int32_t boxSize);
  void sg1DrawCell(QPainter& canvas, int column, int row, const QRect& rect, bool focused);
  void btnFontPiuClick();
  void btnFontMenoClick();
  // The grid's font takes the model's size; with `cells`, the cells grow or shrink with it.
  void FollowFontSize(bool cells);

  // ---- Input and context menu
  // The key preview: every key pressed in the window, once, before the focused control; true
  // when the window took it.
  bool PreviewKey(const QKeyEvent& key);
  // autoRepeat: the key is held down and this press is a repeat of an earlier one.
  bool FormKeyDown(int keyCode, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);
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
  // The radio groups and check boxes show the model's parameters and settings.
  void ShowSettings();

  // ---- Game flow
  void FormShow();
  void FormClose();
  void ActGeneraExecute();
  void ActToggleViewExecute();
  void ActPlayExecute();
  void ActSuggerisciExecute();
  void ActSpiegaExecute();
  // A key or click the window handles without the model takes an explanation's marks away.
  void ClearMarks();
  void ApplyState();

  // ---- Keeping the game between runs
  // Writes the running game to the store; a failure is told once per run.
  void StoreGame();
  // Once the window is up: a kept game is offered for resuming, or set aside when unreadable.
  void OfferResume();
  // Nothing is kept any more; a store that cannot forget says so.
  void ForgetGame();
  // A kept file that cannot be resumed is renamed beside it, and the player is told where.
  void SetAsideKeptGame(const TBilingual& reason);

  // ---- The player's own puzzles
  // Ctrl+V, Ctrl+O, Ctrl+T, Ctrl+C, and Shift+Insert and Ctrl+Insert for paste and copy: the
  // command, when the key is taken in this state.
  std::optional<TCommand> OwnPuzzleKey(int keyCode, Qt::KeyboardModifiers held) const;
  void PastePuzzle();
  void OpenPuzzle();
  void CopyPuzzle();
  // Reads, checks and grades the text on a worker thread; a check that takes longer than half a
  // second shows its progress with a Cancel button. The model takes the puzzle once it is done.
  void CheckPuzzle(const QByteArray& text);
  void PuzzleChecked();
  // Ends a check still running (the window closes) and waits for its thread.
  void StopPuzzleCheck();

  // ---- Printing
  void ActPrintExecute();
  void PrintPage(QPrinter& printer);

  // ---- Help
  void ActHelpExecute();
  void showHelp(int page);
  // Opens an address in the browser; when no browser could be started, tells the player so,
  // followed by the address (a file's full path).
  void OpenInBrowser(const QUrl& url, const TBilingual& noBrowser);

  // ---- Comforts: highlighting, fill notes, pause, statistics
  void SetUpComforts();
  void ApplyComfortCaptions();
  // The comfort controls follow the model: enabled, the pause button's sign, the clock standing.
  void FollowComforts();
  void cbxEvidenziaClick();
  void RunComfort(TCommand command);
  // Keeps the best times for the next run, and shows them in an open Statistics window.
  void StoreTimes();
  // The explanation's box beside the grid, the placement cell scrolled into view.
  void ShowExplanation(const TOutcome& outcome);

  // ---- Screen readers
  // Names the grid's cells from the model; the constructor runs it.
  void InstallScreenReaderSupport();
  // Accessible names and descriptions in UILanguage where a caption alone says too little, and
  // the grid's name; ApplyLanguage runs it.
  void ApplySpokenNames();
  // The grid's name (its size) and description (what it shows in the state).
  void FollowGridName();
  // Tells a screen reader of every cell whose name changed since it read it: after an entry, a
  // new puzzle, another view, a quit, error marking switched.
  void ReportCellNames();
  // What a screen reader says right after a key: the key's handler leaves its words as the pending
  // news (a function, since they depend on what the model then holds), and Process says them once
  // the grid has the focus again, or before the first message box, so that an entry is heard
  // before the congratulation it brings.
  void ExpectEntryNews(char typed);
  void ExpectUndoNews(bool redo);
  void ExpectViewNews();
  void ExpectNewPuzzleNews();
  void SpeakPendingNews();
  void Announce(const TBilingual& news, TNewsWay way = TNewsWay::Insertion);
  TBilingual SpokenCurrentCell() const;
  std::function<TBilingual()> FPendingNews;
  TNewsWay FPendingNewsWay = TNewsWay::Insertion;

  TServices FServices;
  TServiceClock FClock;
  TsdGame FGame;
  // The controls, actions and menu, by their names (sg1, cbg1, ActGenera, popm1, ...).
  Ui::TfrmSudoku* ui;
  QMenu* popm1 = nullptr;
  // The scroll area that fills the window, and its content: every band and panel of the layout.
  QScrollArea* scrClient = nullptr;
  QWidget* pnlClient = nullptr;
  std::int32_t FBoxLineWidth = 3;
  std::function<QImage()> FWaterMark;
  QString FHelpDir;
  bool FShown = false;
  // Set once the window has been given its first place; later sizes keep its centre.
  bool FPlaced = false;
  // The window manager's frame is known from the window's first exposure on; before it, the frame
  // is guessed, and the window is sized again for `FSizedFor` once it is known.
  bool FFrameKnown = false;
  bool FFrameGuessed = false;
  std::int32_t FSizedFor = 3;
  // The device-pixel ratio the pictures were last drawn for.
  qreal FPictureRatio = 0;
  bool FMenuAutoPopup = false;
  bool FStoreFailed = false;
  std::function<QString(QWidget*)> FChooseFile;
  QString FStartPuzzleFile;
  // The running check of an own puzzle: its thread, its cancel flag and answer, its progress box.
  QThread* FCheckThread = nullptr;
  std::shared_ptr<std::atomic<bool>> FCheckCancel;
  std::shared_ptr<TPuzzleCheck> FCheckResult;
  QProgressDialog* FCheckProgress = nullptr;
  QTimer* FCheckProgressTimer = nullptr;
  TfrmStatistics* frmStatistics = nullptr;
};
