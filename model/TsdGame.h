// The game without its window: the data of one game, its five states and the rules that move it
// between them, and what the window enables, shows and says in each. Plain C++, no Qt.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BestTimes.h"
#include "Bilingual.h"
#include "PuzzleSource.h"
#include "SavedGame.h"
#include "TsdBoard.h"

// The state of the game. The player's grid is shown in gsPuzzleView and gsPlaying, the solution in
// the other three; a game runs in gsPlaying and gsPlayingSolution.
enum class GameState : std::uint8_t {
  gsEmpty = 0,            // no puzzle installed
  gsPuzzleView = 1,       // puzzle shown, no game running
  gsSolutionView = 2,     // solution shown, no game running
  gsPlaying = 4,          // game running, player grid shown, input accepted
  gsPlayingSolution = 5,  // game running, solution shown
};

// Captions the window's controls share with the grid's menu: the error-marking check box's (the
// menu's marking item while marking is off) and the hint action's.
inline const TBilingual MarkingCaption{"Controllo attivo [F8]", "View errors [F8]"};
inline const TBilingual HintCaption{"Suggerimento! [F4]", "Hint! [F4]"};
// The notes-mode check box's caption.
inline const TBilingual NotesCaption{"Note [F2]", "Notes [F2]"};

// One change of the player's grid at the cell (column, row), as the model interprets it:
//  - Enter: `symbol` goes into the cell, a space clears it; the symbol leaves the notes of the
//    cell's row, column and box;
//  - Note: `symbol` is noted in the cell, or taken out when it was noted;
//  - ClearNotes: the cell's notes are all taken out;
//  - FillNotes: every open cell without an entry gets as notes the symbols its row, column and box
//    allow, or, when every such cell holds exactly those already, every note of the grid goes
//    (the cell only says where the player was).
// Notes are written only on an open cell without an entry.
struct TMove {
  enum class TKind : std::uint8_t { Enter, Note, ClearNotes, FillNotes };
  std::int32_t column = 0;
  std::int32_t row = 0;
  char symbol = ' ';
  TKind kind = TKind::Enter;
};

// A grid of notes, indexed [row][column] like the character grids; only the S×S corner is used.
using TNoteGrid = std::array<std::array<TNotes, MaxSide>, MaxSide>;

// What an operation asks of the window. The window carries it out in the order of the fields: set
// the grid up for BoxSize() (sizing the window for it first when resizeWindow), repaint the grid,
// keep the game for the next run (SaveText()) or forget the kept one, show the messages one after
// another, give the grid the focus, follow the state, take the new Generate caption. It also moves
// the grid's current cell to the model's whenever they differ.
struct TOutcome {
  bool setUpGrid = false;
  bool resizeWindow = false;
  bool repaint = false;
  bool storeGame = false;   // the running game changed: keep it as it is now
  bool forgetGame = false;  // no game runs any more: nothing is to be resumed
  std::vector<TBilingual> messages;
  bool focusGrid = false;
  bool stateChanged = false;
  std::optional<TBilingual> generateCaption;
  bool completed = false;   // an entry left the grid full and free of conflicts
  bool storeTimes = false;  // a finished game joined the best times: keep them (BestTimes())
};

// What the window enables and shows in one state. Help is enabled in every state.
struct TStateView {
  bool generate = false;     // ActGenera, and the size and level choices with it
  bool play = false;         // ActPlay
  bool toggleView = false;   // ActToggleView
  bool print = false;        // ActPrint
  bool hint = false;         // ActSuggerisci
  bool explain = false;      // ActSpiega
  bool gamePanel = false;    // pnlGameOn: the clock, the two check boxes, hint and explain
  bool contextMenu = false;  // the grid's menu is built for the state and opens
  std::optional<TBilingual> playCaption;    // btnPlay; none: it keeps its caption
  std::optional<TBilingual> toggleCaption;  // btnToggleView; none: it keeps its caption
};

// What the function keys and the grid's menu items run.
enum class TCommand {
  Help,
  Hint,
  Play,
  ToggleView,
  Print,
  ToggleMarking,
  ToggleTimer,
  Generate,
  Explain,
  ToggleNotes,
  Undo,
  Redo,
  ToggleHighlight,
  FillNotes,
  TogglePause,
  Statistics,
};

// An item of the grid's context menu. Enter items carry the symbol they enter (a space clears);
// the others run a command.
struct TMenuItem {
  enum class TKind { Enter, Marking, Hint, Play, ToggleView };
  TKind kind = TKind::Enter;
  TBilingual caption;
  char symbol = 0;
};

// Why an explanation of the next step tints a cell; the window gives each its own light colour.
// Where a cell plays several parts, the later value here wins.
enum class TCellMark : std::uint8_t {
  None,
  Unit,       // in a row, column or box the explanation names
  Struck,     // loses candidates on the way to the placement
  Pattern,    // a cell of a pair or triple, or where a locked symbol can still go
  Reason,     // holds a symbol that makes the point
  Placement,  // takes the explained symbol
  Wrong,      // the player's entry that cannot be right
};

// What one cell of the grid shows.
struct TCellView {
  char symbol = ' ';                 // a space shows nothing
  bool given = false;                // blue bold rather than black
  bool conflict = false;             // struck through: repeated in its row, column or box
  TNotes notes = 0;                  // the notes shown, small; only on a cell that shows no symbol
  TCellMark mark = TCellMark::None;  // the tint under the symbol
};

// What highlighting lights in one cell while it is on (all false while it is off).
struct THighlight {
  bool unit = false;        // in the current cell's row, column or box: a faint tint
  bool sameSymbol = false;  // holds the current cell's symbol, as entry or given
  char noteSymbol = 0;      // the current cell's symbol, when it is among this cell's notes
};

// Whole hours, and the minutes and seconds beyond them.
struct TElapsed {
  std::int64_t hours = 0;
  std::int64_t minutes = 0;
  std::int64_t seconds = 0;
};

// The clock the game reads: milliseconds since 1970-01-01 00:00 UTC.
class IGameClock {
 public:
  virtual ~IGameClock() = default;
  virtual std::int64_t NowMs() const = 0;
};

class TsdGame {
 public:
  // A Generate makes a first attempt and up to ten more before it gives up.
  static constexpr int GenerationAttempts = 11;

  // Neither is owned; both outlive the game.
  TsdGame(const IPuzzleSource& puzzles, const IGameClock& clock);

  // The window is first shown: seeds the generator from the clock, box size 3, no board, gsEmpty.
  void Start();
  // The window closes: the board is freed.
  void Close();

  // ---- The data
  GameState State() const { return FGameState; }
  bool GameRunning() const;
  std::int32_t BoxSize() const { return FBoxSize; }
  std::int32_t Side() const { return FBoxSize * FBoxSize; }
  // The symbol set of the box size, one character per value.
  std::string_view Symbols() const;
  // The board of the current puzzle, made by the first attempt that reaches the catalogue and
  // replaced only when the box size changes; none before.
  const TsdBoard* Board() const { return FBoard.get(); }
  // Only the Side() × Side() corner is used. The player's grid holds the givens and the entries;
  // the given grid a space wherever the player may write; the solution grid the whole solution.
  const TCharGrid& PlayGrid() const { return FPlayGrid; }
  const TCharGrid& GivenGrid() const { return FGivenGrid; }
  const TCharGrid& SolutionGrid() const { return FSolutionGrid; }
  // False until the first attempt that reached the catalogue; the window hides the grid till then.
  bool GridSetUp() const { return FGridSetUp; }
  // The moment Play started the game; it stays after a quit until the next Play.
  std::int64_t StartTime() const { return FStartTime; }

  // Error marking (conflicts struck through while playing); it carries over from game to game.
  bool ErrorMarking() const { return FErrorMarking; }
  TOutcome SetErrorMarking(bool on);
  // Notes mode: symbols go into the notes instead of the cell. A setting like error marking.
  bool NotesMode() const { return FNotesMode; }
  TOutcome SetNotesMode(bool on);
  // The notes of the player's grid; none outside a game.
  const TNoteGrid& Notes() const { return FNotes; }
  // The noted symbols, in the order of the set.
  std::string NoteSymbols(TNotes notes) const;
  // The clock hidden; every start of play, also on the way back from the solution, shows it.
  bool TimerHidden() const { return FTimerHidden; }
  void SetTimerHidden(bool hidden) { FTimerHidden = hidden; }

  // The cell that entries and the hint go to; always a cell of the board.
  std::int32_t CurrentColumn() const { return FCurrentColumn; }
  std::int32_t CurrentRow() const { return FCurrentRow; }
  void SetCurrentCell(std::int32_t column, std::int32_t row);

  // ---- What the window shows
  TStateView StateView() const;
  std::vector<TMenuItem> ContextMenu() const;
  TCellView CellView(std::int32_t row, std::int32_t column) const;
  // The current cell carries the selection mark (while the grid has the focus).
  bool ShowsSelection() const { return FGameState == GameState::gsPlaying; }
  // The command of function key F<number>, when the key is taken in this state.
  std::optional<TCommand> FunctionKey(int number) const;
  // The command of Shift+F<number>, when the key is taken in this state.
  std::optional<TCommand> ShiftFunctionKey(int number) const;
  // The command of Ctrl+Z (Undo) or, with Shift, Ctrl+Shift+Z (Redo), when taken in this state.
  std::optional<TCommand> UndoRedoKey(bool shift) const;
  // The help page of the state: 0 getting started, 1 looking at a puzzle, 2 playing.
  int HelpPage() const;
  static TBilingual QuitQuestion();
  static TBilingual ResumeQuestion();
  // The one-line message for a saved game the loader refused, with the loader's reason.
  static TBilingual SetAsideMessage(const TBilingual& reason);
  // The message for a game that could not be kept for the next run.
  static TBilingual StoreFailedMessage();

  // ---- Operations
  // Generate with the size choice (0: 3×3, 1: 4×4, 2: 5×5) and level choice (0, 1, 2: E, M, A).
  TOutcome Generate(std::int32_t sizeIndex, std::int32_t levelIndex);
  TOutcome ToggleView();
  // Starts a game from the puzzle or solution view.
  TOutcome Play();
  // Ends a running game once the player confirmed QuitQuestion(): back to the puzzle, entries gone.
  TOutcome Quit();
  // Blanks every cell of the player's grid that is not a given.
  void ClearPlayerEntries();
  // The solution's symbol of the current cell, unless it is a given. A key: the marks go.
  TOutcome Hint();
  // The next step a person would take on the player's grid (during a game, on the grid shown):
  // a message, and the cells it talks about marked until the next key, click or entry. A wrong
  // entry is named before anything else; a full, correct grid has nothing to explain.
  TOutcome Explain();
  // Takes the explanation's marks away; true when there were any (the grid needs a repaint). The
  // window calls it for the keys and clicks it handles without the model; the model's own
  // operations on a key, a click, an entry or a change of state call it themselves.
  bool ClearMarks();
  bool HasMarks() const { return FMarked; }
  // At the current cell: the entry rule and the completion check, or in notes mode the symbol
  // noted or taken out (a space clears the notes). Only during a game.
  TOutcome EnterSymbol(char ch);
  // The move at its cell, which becomes the current cell; a move that changes the grid becomes
  // the newest step of the history, and the steps undone before it are gone. Only while the
  // player's grid is shown in a game.
  TOutcome ApplyMove(const TMove& move);
  // Takes back the newest step still in force, or puts back the oldest one taken back; its cell
  // becomes the current cell and the completion check follows. Only while the player's grid is
  // shown in a game; a new game starts with no steps.
  TOutcome Undo();
  TOutcome Redo();
  bool CanUndo() const { return FDone > 0; }
  bool CanRedo() const { return FDone < FHistory.size(); }
  // A key reached the grid; ch is the character it types, or 0 for a key that types none.
  TOutcome KeyOnGrid(char ch);
  // A symbol or the delete item chosen from the grid's menu.
  TOutcome MenuEntry(char ch);
  // A right click on a cell; during a game it makes the cell current (true).
  bool PointAtCell(std::int32_t column, std::int32_t row);

  // ---- Keeping a game between runs
  // The running game as the saved-game format writes it, its elapsed time read now.
  std::string SaveText() const;
  // Plays a game a loader accepted (ReadSavedGame) from where it was left: its puzzle, grids,
  // notes and settings, the clock going on from its elapsed time, in gsPlaying. Only while no
  // game runs.
  TOutcome Resume(const TSavedGame& saved);

  // ---- Comforts (Comforts.cpp)
  // Highlighting of the current cell's symbol and units during a game; a setting kept between
  // runs by the window, off until the player turns it on.
  bool Highlighting() const { return FHighlighting; }
  TOutcome SetHighlighting(bool on);
  THighlight HighlightAt(std::int32_t row, std::int32_t column) const;
  // The symbols the cell's row, column and box leave open for it (entries and givens counted).
  TNotes AllowedNotes(std::int32_t row, std::int32_t column) const;
  // A FillNotes move at the current cell: one step of the history.
  TOutcome FillNotes();
  // A paused game: the clock stands, the grid shows no symbol and takes no entry, hint and
  // explanation wait. Only a game on the player's grid pauses; quitting or leaving the game ends
  // the pause.
  bool Paused() const { return FPaused; }
  TOutcome SetPaused(bool paused);
  // The level the game was generated at (0, 1, 2), or -1 when not known (a resumed game).
  std::int32_t Level() const { return FLevel; }
  // The finished games; a game finished for the first time joins them.
  const TBestTimes& BestTimes() const { return FBestTimes; }
  void SetBestTimes(TBestTimes times) { FBestTimes = std::move(times); }
  // A game worth keeping for the next run: running, and not yet finished.
  bool KeepsGame() const { return GameRunning() && !IsComplete(); }

  // ---- Rules
  bool HasConflict(std::int32_t row, std::int32_t column) const;
  bool IsComplete() const;
  // The time since Play, the paused spans left out.
  TElapsed Elapsed() const;
  std::int64_t ElapsedMs() const;
  // The congratulation, when the grid is full and free of conflicts.
  std::optional<TBilingual> CheckCompletion() const;

 private:
  bool NewPuzzle(std::int32_t sizeIndex, std::int32_t levelIndex, TOutcome& outcome);
  void SetState(GameState state);
  bool InBoard(std::int32_t row, std::int32_t column) const;
  // A new game or none: no notes, no history.
  void ForgetPlayerWork();

  // One cell as a step left it, and as it was before.
  struct TCellChange {
    std::int32_t row;
    std::int32_t column;
    char symbolBefore;
    char symbolAfter;
    TNotes notesBefore;
    TNotes notesAfter;
  };
  struct TStep {
    TMove move;
    std::vector<TCellChange> changes;
  };
  // Writes the step's cells as it left them (forward) or as it found them.
  void Apply(const TStep& step, bool forward);
  // Undo or redo of a step: its cells, the current cell, the completion check.
  TOutcome Step(const TStep& step, bool forward);
  void CheckCompletionInto(TOutcome& outcome);
  // On a first completion: the time joins the best times; a line for a new best.
  void RecordFinishedGame(TOutcome& outcome);
  // A pause ends: the clock goes on from where it stood.
  void EndPause();
  // A FillNotes move fills (true) rather than clears.
  bool FillsNotes() const;

  const IPuzzleSource& FPuzzles;
  const IGameClock& FClock;
  std::unique_ptr<TsdBoard> FBoard;
  std::int32_t FBoxSize = 3;
  TCharGrid FPlayGrid{};
  TCharGrid FGivenGrid{};
  TCharGrid FSolutionGrid{};
  GameState FGameState = GameState::gsEmpty;
  std::int64_t FStartTime = 0;
  bool FGridSetUp = false;
  bool FErrorMarking = false;
  bool FTimerHidden = false;
  bool FNotesMode = false;
  TNoteGrid FNotes{};
  // The steps of the game, oldest first; the first FDone are in force, the rest were undone.
  std::vector<TStep> FHistory;
  std::size_t FDone = 0;
  std::int32_t FCurrentColumn = 0;
  std::int32_t FCurrentRow = 0;
  // The tints of the last explanation, [row][column]; FMarked while any is set.
  std::array<std::array<TCellMark, MaxSide>, MaxSide> FMarks{};
  bool FMarked = false;
  bool FHighlighting = false;
  bool FPaused = false;
  std::int64_t FPausedAt = 0;
  std::int32_t FLevel = -1;
  bool FFinishRecorded = false;
  TBestTimes FBestTimes;
};
