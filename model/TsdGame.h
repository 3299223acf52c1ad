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
#include "GameClock.h"
#include "GameParams.h"
#include "GameState.h"
#include "OwnPuzzle.h"
#include "PlayerView.h"
#include "PuzzleSource.h"
#include "SavedGame.h"
#include "Texts.h"
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

// What an operation asks of the window; every operation that changes anything answers with one.
// The window carries it out in the order of the fields: set the grid up for BoxSize() (sizing the
// window for it first when resizeWindow), take the grid's new font size, show the settings (the
// parameters in the radio groups, marking, notes mode and the hidden timer in their check boxes),
// repaint the grid, keep the game for the next run (SaveText()) or forget the kept one, show the
// messages one after another, give the grid the focus, follow the state, take the new Generate
// caption. The grid's current cell is always the model's.
struct TOutcome {
  bool setUpGrid = false;
  bool resizeWindow = false;
  bool fontChanged = false;
  bool settingsChanged = false;
  bool repaint = false;
  bool storeGame = false;   // the running game changed: keep it as it is now
  bool forgetGame = false;  // no game runs any more: nothing is to be resumed
  std::vector<TBilingual> messages;
  bool focusGrid = false;
  bool stateChanged = false;
  std::optional<TBilingual> generateCaption;
  bool completed = false;         // an entry left the grid full and free of conflicts
  bool checkTypedPuzzle = false;  // the typed-in givens are to be checked (TypedPuzzle())
  bool storeTimes = false;        // a finished game joined the best times: keep them (BestTimes())
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
  std::optional<TBilingual> levelCaption;   // lblLivello; none: hidden
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
  // A puzzle of the player's own: pasted, opened from a file, typed in; the shown one copied.
  Paste,
  Open,
  TypeIn,
  Copy,
  ConfirmTypeIn,
  CancelTypeIn,
  ToggleHighlight,
  FillNotes,
  TogglePause,
  Statistics,
};

// An item of the grid's context menu. Enter items carry the symbol they enter (a space clears);
// the others run a command.
struct TMenuItem {
  enum class TKind { Enter, Marking, Hint, Play, ToggleView, Command };
  TKind kind = TKind::Enter;
  TBilingual caption;
  char symbol = 0;
  TCommand command = TCommand::Help;  // for Command items
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

// The mid-end of one game: it holds the parameters, the game state, the player's view and the
// move history, runs Generate with its retries, keeps and resumes the game, and answers every
// operation with a TOutcome. The rules live beside it: the entry rule in GameState, what each
// state shows in StateViews.cpp, the texts in Texts, the clock in GameClock.
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
  // What the next Generate makes; a resumed game brings its own.
  const TGameParams& Params() const { return FParams; }
  // The grids and notes of the current puzzle.
  const TGameState& GameData() const { return FData; }
  // Where the player is and how the game is shown.
  const TPlayerView& View() const { return FView; }
  // The box size of the puzzle on screen (the parameters' may already be another).
  std::int32_t BoxSize() const { return FBoxSize; }
  std::int32_t Side() const { return FBoxSize * FBoxSize; }
  // The symbol set of the box size, one character per value.
  std::string_view Symbols() const;
  // The board of the current puzzle, made by the first attempt that reaches the catalogue and
  // replaced only when the box size changes; none before.
  const TsdBoard* Board() const { return FBoard.get(); }
  const TCharGrid& PlayGrid() const { return FData.play; }
  const TCharGrid& GivenGrid() const { return FData.given; }
  const TCharGrid& SolutionGrid() const { return FData.solution; }
  const TNoteGrid& Notes() const { return FData.notes; }
  // False until the first attempt that reached the catalogue; the window hides the grid till then.
  bool GridSetUp() const { return FGridSetUp; }

  bool ErrorMarking() const { return FView.errorMarking; }
  bool NotesMode() const { return FView.notesMode; }
  // The clock hidden; every start of play, also on the way back from the solution, shows it.
  bool TimerHidden() const { return FView.timerHidden; }
  std::int32_t CurrentColumn() const { return FView.currentColumn; }
  std::int32_t CurrentRow() const { return FView.currentRow; }
  std::int32_t FontSize() const { return FView.fontSize; }
  // The noted symbols, in the order of the set.
  std::string NoteSymbols(TNotes notes) const;

  // ---- Settings: each answers with settingsChanged (and keeps a running game when it changed)
  // The parameters of the next Generate. A box size outside 3..5 is taken: Generate refuses it
  // with its message.
  TOutcome SetBoxSize(std::int32_t boxSize);
  TOutcome SetLevel(char level);
  // Error marking (conflicts struck through while playing); it carries over from game to game.
  TOutcome SetErrorMarking(bool on);
  TOutcome ToggleErrorMarking() { return SetErrorMarking(!FView.errorMarking); }
  // Notes mode: symbols go into the notes instead of the cell. A setting like error marking.
  TOutcome SetNotesMode(bool on);
  TOutcome ToggleNotesMode() { return SetNotesMode(!FView.notesMode); }
  TOutcome SetTimerHidden(bool hidden);
  TOutcome ToggleTimer() { return SetTimerHidden(!FView.timerHidden); }
  // The grid's font one point larger or smaller, within SmallestFontSize..LargestFontSize.
  TOutcome GrowFont();
  TOutcome ShrinkFont();
  // The cell that entries and the hint go to; clamped to the board.
  TOutcome SetCurrentCell(std::int32_t column, std::int32_t row);

  // ---- What the window shows (StateViews.cpp)
  TStateView StateView() const;
  std::vector<TMenuItem> ContextMenu() const;
  TCellView CellView(std::int32_t row, std::int32_t column) const;
  // The current cell carries the selection mark (while the grid has the focus).
  // A paused grid hides where the player was, like its symbols.
  bool ShowsSelection() const {
    return (FGameState == GameState::gsPlaying && !FPaused) || FTypingIn;
  }
  // The command of function key F<number>, when the key is taken in this state.
  std::optional<TCommand> FunctionKey(int number) const;
  // The command of Shift+F<number>, when the key is taken in this state.
  std::optional<TCommand> ShiftFunctionKey(int number) const;
  // The command of Ctrl+Z (Undo) or, with Shift, Ctrl+Shift+Z (Redo), when taken in this state.
  std::optional<TCommand> UndoRedoKey(bool shift) const;
  // The command of Ctrl+<letter> (the upper-case letter), when taken in this state: V pastes, O
  // opens, T types a puzzle in, C copies. Keys that enter a symbol during a game stay entries.
  std::optional<TCommand> ControlKey(char letter) const;
  // The help page of the state: 0 getting started, 1 looking at a puzzle, 2 playing.
  int HelpPage() const;
  static TBilingual QuitQuestion() { return MessageText(TMessage::QuitQuestion); }
  static TBilingual ResumeQuestion() { return MessageText(TMessage::ResumeQuestion); }

  // ---- Operations
  // A new puzzle from the parameters.
  TOutcome Generate();
  // The parameters for a size choice (0: 3×3, 1: 4×4, 2: 5×5) and a level choice (0, 1, 2: E, M,
  // A; anything else: none), then Generate.
  TOutcome Generate(std::int32_t sizeIndex, std::int32_t levelIndex);
  TOutcome ToggleView();
  // Starts a game from the puzzle or solution view.
  TOutcome Play();
  // Ends a running game once the player confirmed QuitQuestion(): back to the puzzle, entries gone.
  TOutcome Quit();
  // The solution's symbol of the current cell, unless it is a given. A key: the marks go.
  TOutcome Hint();
  // The next step a person would take on the player's grid (during a game, on the grid shown):
  // a message, and the cells it talks about marked until the next key, click or entry. A wrong
  // entry is named before anything else, then notes that leave out a cell's symbol; a full,
  // correct grid has nothing to explain. The step comes in stages: the first call on a position
  // says where to look, the next tints the cells, the third gives the whole step; any change of
  // the grid or the notes starts again from the first. `wholeStep` gives the whole step at once.
  TOutcome Explain(bool wholeStep = false);
  // Takes the explanation's marks away (a repaint when there were any). The window calls it for
  // the keys and clicks it handles without the model; the model's own operations on a key, a
  // click, an entry or a change of state call it themselves.
  TOutcome ClearMarks();
  bool HasMarks() const { return FView.marked; }
  // At the current cell: the entry rule and the completion check, or in notes mode the symbol
  // noted or taken out (a space clears the notes). Only during a game.
  TOutcome EnterSymbol(char ch);
  // The move at its cell, which becomes the current cell; a move that changes the grid becomes
  // the newest step of the history, and the steps undone before it are gone. Only while the
  // player's grid is shown in a game.
  TOutcome ApplyMove(const TMove& move);
  // Takes back the newest step still in force, or puts back the oldest one taken back; its cell
  // becomes the current cell and the completion check follows. Only while the player's grid is
  // shown in a game; a new game starts with no steps, a resumed one with the steps it had.
  TOutcome Undo();
  TOutcome Redo();
  bool CanUndo() const { return FDone > 0; }
  bool CanRedo() const { return FDone < FHistory.size(); }
  // A key reached the grid; ch is the character it types, or 0 for a key that types none.
  TOutcome KeyOnGrid(char ch);
  // A symbol or the delete item chosen from the grid's menu.
  TOutcome MenuEntry(char ch);
  // A right click on a cell: the marks go; during a game the cell becomes current.
  TOutcome PointAtCell(std::int32_t column, std::int32_t row);

  // ---- Levels and the player's own puzzles
  // The level of the shown puzzle: 'E', 'M', 'A' (its catalogue table, or its grade), or
  // BeyondLevel for an own puzzle past the ladder; and where the puzzle came from.
  char Level() const { return FLevel; }
  TPuzzleOrigin Origin() const { return FOrigin; }
  // "Livello: Medio" / "Level: Medium", or for an own puzzle "Sudoku proprio: Medio" / "Own
  // puzzle: Medium". Also on the printed page.
  TBilingual LevelCaption() const;
  // A puzzle may be taken in (pasted, opened, typed): no game runs and none is being typed.
  bool TakesOwnPuzzle() const { return !GameRunning() && !FTypingIn; }
  // Shows a puzzle the check accepted like a generated one, in gsPuzzleView, with the check's
  // message. Refused or cancelled checks, or a game that started meanwhile, change nothing.
  TOutcome InstallOwnPuzzle(const TPuzzleCheck& check);
  // The shown puzzle's givens as one line, row by row, "." for an open cell; during type-in the
  // givens typed so far; empty before the first puzzle.
  std::string PuzzleLine() const;
  // Type-in: an empty grid of the chosen size (0, 1, 2: 9×9, 16×16, 25×25) takes givens from
  // the keys and the menu; Confirm asks for the check of TypedPuzzle(), Cancel puts back what was
  // shown before. Only while no game runs.
  TOutcome BeginTypeIn(std::int32_t sizeIndex);
  bool TypingIn() const { return FTypingIn; }
  TOutcome ConfirmTypeIn();
  TOutcome CancelTypeIn();
  std::string TypedPuzzle() const { return FTypingIn ? PuzzleLine() : std::string(); }

  // ---- Keeping a game between runs
  // The running game as the saved-game format writes it, its elapsed time read now.
  std::string SaveText() const;
  // Plays a game a loader accepted (ReadSavedGame) from where it was left: its parameters, grids,
  // notes, view and move history, the clock going on from its elapsed time, in gsPlaying. Only
  // while no game runs.
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
  // The best-times row of the shown puzzle's level (0, 1, 2: E, M, A), or -1 for a puzzle of the
  // player's own, whose grade is not the catalogue's level.
  std::int32_t BestTimesLevel() const;
  // The finished games; a game finished for the first time joins them.
  const TBestTimes& BestTimes() const { return FBestTimes; }
  void SetBestTimes(TBestTimes times) { FBestTimes = std::move(times); }
  // A game worth keeping for the next run: running, and not yet finished.
  bool KeepsGame() const { return GameRunning() && !IsComplete(); }

  // ---- Rules
  bool HasConflict(std::int32_t row, std::int32_t column) const;
  bool IsComplete() const;
  // The time the game has been played: since Play, and before that in earlier runs of a resumed
  // game; on the monotonic clock, so a change of the wall clock does not move it.
  std::int64_t ElapsedMs() const;
  TElapsed Elapsed() const { return SplitElapsed(ElapsedMs()); }
  // The congratulation, when the grid is full and free of conflicts.
  std::optional<TBilingual> CheckCompletion() const;

 private:
  bool NewPuzzle(TOutcome& outcome);
  void SetState(GameState state);
  bool InBoard(std::int32_t row, std::int32_t column) const;
  // A new game or none: no notes, no history.
  void ForgetPlayerWork();
  // Blanks every cell of the player's grid that is not a given.
  void ClearPlayerEntries();
  // Undo or redo of a step: its cells, the current cell, the completion check.
  TOutcome Step(const TStep& step, bool forward);
  void CheckCompletionInto(TOutcome& outcome);
  // On a first completion: the time joins the best times; a line for a new best.
  void RecordFinishedGame(TOutcome& outcome);
  // A pause ends: the clock goes on from where it stood.
  void EndPause();
  TOutcome TypeInSymbol(char ch);
  // A typed given that repeats in its row, column or box.
  bool TypedRepeat(std::int32_t row, std::int32_t column) const;
  TOutcome Setting(bool changed);

  const IPuzzleSource& FPuzzles;
  const IGameClock& FClock;
  std::unique_ptr<TsdBoard> FBoard;
  TGameParams FParams;
  std::int32_t FBoxSize = 3;
  TGameState FData;
  TPlayerView FView;
  GameState FGameState = GameState::gsEmpty;
  TGameTimer FTimer;
  bool FGridSetUp = false;
  // The steps of the game, oldest first; the first FDone are in force, the rest were undone.
  std::vector<TStep> FHistory;
  std::size_t FDone = 0;
  char FLevel = 'E';
  TPuzzleOrigin FOrigin = TPuzzleOrigin::Catalogue;
  // While a puzzle is typed in: what was shown before, put back when the typing is cancelled.
  bool FTypingIn = false;
  struct TShownBefore {
    std::int32_t boxSize = 3;
    TCharGrid play{};
    TCharGrid given{};
    TCharGrid solution{};
    GameState state = GameState::gsEmpty;
    bool gridSetUp = false;
    char level = 'E';
    TPuzzleOrigin origin = TPuzzleOrigin::Catalogue;
  };
  TShownBefore FShownBefore;
  bool FHighlighting = false;
  bool FPaused = false;
  std::int64_t FPausedElapsed = 0;  // the time played when the pause began
  bool FFinishRecorded = false;
  TBestTimes FBestTimes;
};
