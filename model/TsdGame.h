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

#include "PuzzleSource.h"
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

// A text in both interface languages; the window shows the Italian one when its language is "IT".
struct TBilingual {
  std::string italian;
  std::string english;
  bool operator==(const TBilingual&) const = default;
};

// Captions the window's controls share with the grid's menu: the error-marking check box's (the
// menu's marking item while marking is off) and the hint action's.
inline const TBilingual MarkingCaption{"Controllo attivo [F8]", "View errors [F8]"};
inline const TBilingual HintCaption{"Suggerimento! [F4]", "Hint! [F4]"};

// One change of the player's grid: `symbol` goes into the cell (column, row); a space clears it.
struct TMove {
  std::int32_t column = 0;
  std::int32_t row = 0;
  char symbol = ' ';
};

// What an operation asks of the window. The window carries it out in the order of the fields: set
// the grid up for BoxSize() (sizing the window for it first when resizeWindow), repaint the grid,
// show the messages one after another, give the grid the focus, follow the state, take the new
// Generate caption. It also moves the grid's current cell to the model's whenever they differ.
struct TOutcome {
  bool setUpGrid = false;
  bool resizeWindow = false;
  bool repaint = false;
  std::vector<TBilingual> messages;
  bool focusGrid = false;
  bool stateChanged = false;
  std::optional<TBilingual> generateCaption;
  bool completed = false;  // an entry left the grid full and free of conflicts
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
  Explain
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
  TCellMark mark = TCellMark::None;  // the tint under the symbol
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
  void SetErrorMarking(bool on) { FErrorMarking = on; }
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
  // The help page of the state: 0 getting started, 1 looking at a puzzle, 2 playing.
  int HelpPage() const;
  static TBilingual QuitQuestion();

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
  // The entry rule at the current cell, then the completion check. Only during a game.
  TOutcome EnterSymbol(char ch);
  // The entry rule at the move's cell, which becomes the current cell. Only during a game.
  TOutcome ApplyMove(const TMove& move);
  // A key reached the grid; ch is the character it types, or 0 for a key that types none.
  TOutcome KeyOnGrid(char ch);
  // A symbol or the delete item chosen from the grid's menu.
  TOutcome MenuEntry(char ch);
  // A right click on a cell; during a game it makes the cell current (true).
  bool PointAtCell(std::int32_t column, std::int32_t row);

  // ---- Rules
  bool HasConflict(std::int32_t row, std::int32_t column) const;
  bool IsComplete() const;
  // The time since Play.
  TElapsed Elapsed() const;
  // The congratulation, when the grid is full and free of conflicts.
  std::optional<TBilingual> CheckCompletion() const;

 private:
  bool NewPuzzle(std::int32_t sizeIndex, std::int32_t levelIndex, TOutcome& outcome);
  void SetState(GameState state);
  bool InBoard(std::int32_t row, std::int32_t column) const;

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
  std::int32_t FCurrentColumn = 0;
  std::int32_t FCurrentRow = 0;
  // The tints of the last explanation, [row][column]; FMarked while any is set.
  std::array<std::array<TCellMark, MaxSide>, MaxSide> FMarks{};
  bool FMarked = false;
};
