// The game model's rules, without a window: generating with its retries and messages, the state
// table, entries and completion, the hint, conflicts and the current cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameFixture.h"
#include "Texts.h"

namespace {

using enum GameState;

std::vector<std::string> English(const std::vector<TBilingual>& texts) {
  std::vector<std::string> english;
  for (const TBilingual& text : texts) english.push_back(text.english);
  return english;
}

TEST(Game, StartsEmptyWithOnlyGenerate) {
  TGame g;
  EXPECT_EQ(g.Game.State(), gsEmpty);
  EXPECT_EQ(g.Game.BoxSize(), 3);
  EXPECT_EQ(g.Game.Board(), nullptr);
  EXPECT_FALSE(g.Game.GridSetUp());
  const TStateView view = g.Game.StateView();
  EXPECT_TRUE(view.generate);
  EXPECT_FALSE(view.play || view.toggleView || view.print || view.hint || view.explain ||
               view.gamePanel || view.contextMenu || view.playCaption || view.toggleCaption);
  EXPECT_TRUE(g.Game.ContextMenu().empty());
}

class GenerateEachSize : public testing::TestWithParam<int> {};

TEST_P(GenerateEachSize, InstallsThePuzzleAndItsSolution) {
  const int boxSize = GetParam();
  const int side = boxSize * boxSize;
  TGame g;
  const TOutcome out = g.Generate(boxSize);
  EXPECT_TRUE(out.messages.empty());
  EXPECT_TRUE(out.setUpGrid && out.stateChanged && out.focusGrid);
  EXPECT_EQ(out.resizeWindow, boxSize != 3);  // the window opened sized for 3×3
  EXPECT_EQ(out.generateCaption, (TBilingual{"Rigenera [F10]", "Generate [F10]"}));
  EXPECT_EQ(g.Game.State(), gsPuzzleView);
  ASSERT_NE(g.Game.Board(), nullptr);
  EXPECT_EQ(g.Game.Board()->GetSide(), side);
  EXPECT_EQ(g.Game.Symbols(), SymbolsOfBoxSize(boxSize));
  int givens = 0;
  for (int row = 0; row < side; ++row)
    for (int column = 0; column < side; ++column) {
      const char given = g.Game.GivenGrid()[row][column];
      EXPECT_EQ(g.Game.PlayGrid()[row][column], given);
      EXPECT_NE(g.Game.Symbols().find(g.Game.SolutionGrid()[row][column]), std::string::npos);
      if (given == ' ') continue;
      ++givens;
      EXPECT_EQ(given, g.Game.SolutionGrid()[row][column]);
    }
  EXPECT_EQ(givens, (side * side + 2) / 3);  // the puzzle's pattern, shuffled
  EXPECT_FALSE(g.Game.Board()->HasError());
}

INSTANTIATE_TEST_SUITE_P(Sizes, GenerateEachSize, testing::Values(3, 4, 5));

TEST(Game, GeneratesFromTheBuiltInCatalogue) {
  TFakeClock clock;
  TsdGame game(BuiltInPuzzles(), clock);
  game.Start();
  ASSERT_TRUE(game.Generate(0, 0).messages.empty());
  int givens = 0;
  for (int row = 0; row < 9; ++row)
    for (int column = 0; column < 9; ++column) givens += game.GivenGrid()[row][column] != ' ';
  EXPECT_GE(givens, 23);
  EXPECT_LE(givens, 27);
}

TEST(Game, SameSizeReloadsTheBoardAnotherSizeReplacesIt) {
  TGame g;
  g.Generate(3);
  const TsdBoard* first = g.Game.Board();
  EXPECT_FALSE(g.Generate(3).setUpGrid);
  EXPECT_EQ(g.Game.Board(), first);
  const TOutcome other = g.Generate(4);
  EXPECT_TRUE(other.setUpGrid && other.resizeWindow);
  EXPECT_EQ(g.Game.Board()->GetSide(), 16);
  EXPECT_EQ(g.Game.BoxSize(), 4);
}

// Every way an attempt fails, eleven times over, then the retry message.
struct TFailure {
  const char* name;
  int sizeIndex;
  int levelIndex;
  int forcedCount;      // −1: the table answers
  bool breakTheEntry;   // the 9×9 entry one character short
  bool breakSolution;   // two cells of the 9×9 solution swapped
  std::string message;  // per attempt, English; empty: none
  GameState after;
};

class GenerateFails : public testing::TestWithParam<TFailure> {};

TEST_P(GenerateFails, ElevenAttemptsThenGiveUp) {
  const TFailure& f = GetParam();
  for (const bool afterAPuzzle : {false, true}) {
    TGame g;
    if (afterAPuzzle) g.Generate(4);
    const GameState before = g.Game.State();
    const TsdBoard* board = g.Game.Board();
    const TCharGrid play = g.Game.PlayGrid();
    auto& pair = g.Source.Pairs[{3, 'E'}][0];
    if (f.breakTheEntry) pair.first.pop_back();
    if (f.breakSolution) std::swap(pair.second[0], pair.second[1]);
    g.Source.ForcedCount = f.forcedCount;
    if (f.forcedCount > 0) g.Source.Pairs.clear();  // a count the table cannot back
    const TOutcome out = g.Game.Generate(f.sizeIndex, f.levelIndex);
    std::vector<std::string> expected(f.message.empty() ? 0 : 11, f.message);
    expected.push_back("INTERNAL ERROR ENGINE 10 RETRIES");
    EXPECT_EQ(English(out.messages), expected) << f.name;
    EXPECT_FALSE(out.generateCaption);
    const bool reachedBoard = f.after == gsEmpty;
    EXPECT_EQ(g.Game.State(), reachedBoard ? gsEmpty : before) << f.name;
    EXPECT_EQ(out.stateChanged, reachedBoard) << f.name;
    if (reachedBoard) {
      EXPECT_TRUE(out.setUpGrid);  // the grid was set up for 9×9 before the board refused it
      EXPECT_EQ(g.Game.BoxSize(), 3);
      EXPECT_EQ(g.Game.Board()->HasError(), f.breakTheEntry);
    } else {
      // Nothing moved: the puzzle on screen, its size and its board stay.
      EXPECT_FALSE(out.setUpGrid);
      EXPECT_EQ(g.Game.Board(), board);
      EXPECT_EQ(g.Game.BoxSize(), afterAPuzzle ? 4 : 3);
      EXPECT_TRUE(g.Game.PlayGrid() == play);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, GenerateFails,
    testing::Values(
        TFailure{"no size", -1, 0, -1, false, false, "incorrect checkbox index:-1", gsPuzzleView},
        TFailure{"size past the three", 3, 0, -1, false, false, "incorrect checkbox index:3",
                 gsPuzzleView},
        TFailure{"empty catalogue", 0, 0, 0, false, false, "ENGINE ERROR: 001", gsPuzzleView},
        TFailure{"no level", 0, -1, -1, false, false, "ENGINE ERROR: 001", gsPuzzleView},
        TFailure{"empty level M", 0, 1, -1, false, false, "ENGINE ERROR: 001", gsPuzzleView},
        TFailure{"fetch fails", 0, 0, 5, false, false, "ENGINE ERROR: 002", gsPuzzleView},
        TFailure{"entry too short", 0, 0, -1, true, false,
                 "Generator Puzzle dimension expected:81 received:80", gsEmpty},
        TFailure{"solution breaks the rules", 0, 0, -1, false, true, "", gsEmpty}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(Game, MessagesWithANumberInBothLanguages) {
  TGame g;
  const TOutcome out = g.Game.Generate(-1, 0);
  EXPECT_EQ(out.messages[0],
            (TBilingual{"index of checkbox errato:-1", "incorrect checkbox index:-1"}));
  EXPECT_EQ(g.Source.CountCalls, 0);
}

// Bad entries reach the player as the board's own message, or, for a solution that breaks the
// rules, as the retry message alone; foreign puzzle characters load as open cells.
TEST(Game, BadCatalogueEntriesAsTheBoardSaysThem) {
  const auto [p, s] = MakePair(3);
  std::string foreign = s;
  foreign[0] = 'x';
  foreign[1] = static_cast<char>(0xE9);
  const struct {
    std::string puzzle, solution, message;
  } entries[] = {
      {"", s, "Generator Puzzle dimension expected:81 received:0"},
      {p + p, s + s, "Generator Puzzle dimension expected:81 received:162"},
      {p, s + "1", "Generator Solution dimension expected:81 received:82"},
      {p, foreign, ""},
  };
  for (const auto& entry : entries) {
    TGame g;
    g.Source.Pairs[{3, 'E'}] = {{entry.puzzle, entry.solution}};
    const std::vector<std::string> shown = English(g.Generate(3).messages);
    EXPECT_EQ(shown.size(), entry.message.empty() ? 1u : 12u) << entry.message;
    EXPECT_EQ(shown.front(),
              entry.message.empty() ? "INTERNAL ERROR ENGINE 10 RETRIES" : entry.message);
    EXPECT_EQ(g.Game.State(), gsEmpty);
  }
  TGame g;
  std::string puzzle = p;
  puzzle[0] = 'x';  // cell 0 is a given of the pattern; make it and two more foreign
  puzzle[3] = '0';
  puzzle[6] = static_cast<char>(0xE9);
  g.Source.Pairs[{3, 'E'}] = {{puzzle, s}};
  EXPECT_TRUE(g.Generate(3).messages.empty());
  int open = 0;
  for (int row = 0; row < 9; ++row)
    for (int column = 0; column < 9; ++column) open += g.Game.PlayGrid()[row][column] == ' ';
  EXPECT_EQ(open, 81 - 27 + 3);
}

TEST(Game, AnotherSizeAfterABrokenBoardStartsClean) {
  TGame g;
  g.Source.Pairs[{3, 'E'}][0].first.pop_back();
  g.Generate(3);
  ASSERT_TRUE(g.Game.Board()->HasError());
  // The error sticks to the 9×9 board ...
  EXPECT_EQ(g.Generate(3).messages.size(), 12u);
  // ... and a new size makes a new board.
  EXPECT_TRUE(g.Generate(4).messages.empty());
  EXPECT_EQ(g.Game.State(), gsPuzzleView);
}

// The state table: what is enabled and shown, the two captions, and the context menu.
struct TRow {
  GameState state;
  bool generate, hint, gamePanel;
  TBilingual toggle, play;
  std::vector<std::string> menuEnglish;  // after the symbols, for gsPlaying
};

class StateTable : public testing::TestWithParam<TRow> {};

TEST_P(StateTable, EnablesShowsAndCaptions) {
  const TRow& row = GetParam();
  TGame g;
  g.Reach(row.state);
  ASSERT_EQ(g.Game.State(), row.state);
  const TStateView view = g.Game.StateView();
  EXPECT_EQ(view.generate, row.generate);
  EXPECT_TRUE(view.play && view.toggleView && view.print && view.contextMenu);
  EXPECT_EQ(view.hint, row.hint);
  EXPECT_EQ(view.gamePanel, row.gamePanel);
  EXPECT_EQ(*view.toggleCaption, row.toggle);
  EXPECT_EQ(*view.playCaption, row.play);
  std::vector<std::string> menu;
  for (const TMenuItem& item : g.Game.ContextMenu()) menu.push_back(item.caption.english);
  EXPECT_EQ(menu, row.menuEnglish);
  // The function keys follow the same table.
  EXPECT_EQ(g.Game.FunctionKey(4).has_value(), row.hint);
  EXPECT_EQ(view.explain, row.hint);  // explaining is a hint too: only on the grid in play
  EXPECT_EQ(g.Game.FunctionKey(3).has_value(), row.hint);
  EXPECT_EQ(g.Game.FunctionKey(9).has_value(), row.gamePanel);
  EXPECT_EQ(g.Game.FunctionKey(10).has_value(), row.generate);
  // F2 (notes) and Ctrl+Z took nothing before, and take nothing outside the game's own grid.
  EXPECT_EQ(g.Game.FunctionKey(2).has_value(), row.gamePanel);
  EXPECT_EQ(g.Game.UndoRedoKey(false).has_value(), row.gamePanel);
  EXPECT_EQ(g.Game.UndoRedoKey(true).has_value(), row.gamePanel);
  for (int key : {1, 5, 6, 7, 8}) EXPECT_TRUE(g.Game.FunctionKey(key)) << "F" << key;
  // F11 (highlight) and F12 (pause) took nothing before, and take nothing outside the game's grid.
  EXPECT_EQ(g.Game.FunctionKey(11).has_value(), row.gamePanel);
  EXPECT_EQ(g.Game.FunctionKey(12).has_value(), row.gamePanel);
  EXPECT_FALSE(g.Game.FunctionKey(13));
}

const TBilingual ShowSolution{" Mostra soluzione [F6] ", " Show solution [F6] "};
const TBilingual ShowGame{" Mostra gioco [F6] ", " Show game [F6] "};
const TBilingual PlayCaption{" Gioca [F5] ", " Play [F5] "};
const TBilingual QuitCaption{" Abbandona gioco [F5] ", " Quit game [F5] "};

INSTANTIATE_TEST_SUITE_P(
    States, StateTable,
    testing::Values(TRow{gsPuzzleView,
                         true,
                         false,
                         false,
                         ShowSolution,
                         PlayCaption,
                         {"Play [F5]", " Show solution [F6] ", "Paste puzzle", "Open puzzle...",
                          "Type in a puzzle", "Copy puzzle"}},
                    TRow{gsSolutionView,
                         true,
                         false,
                         false,
                         ShowGame,
                         PlayCaption,
                         {"Play [F5]", " Show game [F6] ", "Paste puzzle", "Open puzzle...",
                          "Type in a puzzle", "Copy puzzle"}},
                    TRow{
                        gsPlaying,
                        false,
                        true,
                        true,
                        ShowSolution,
                        QuitCaption,
                        {"Delete ", "1", "2", "3", "4", "5", "6", "7", "8", "9", "View errors [F8]",
                         "Hint! [F4]", "Quit game [F5]", "Show solution [F6]"}},
                    TRow{gsPlayingSolution,
                         false,
                         false,
                         false,
                         ShowGame,
                         QuitCaption,
                         {"Quit game [F5]", "Show game [F6]"}}));

TEST(Game, PlayingMenuInItalianWithMarkingAndEachSymbolSet) {
  TGame g;
  g.Reach(gsPlaying, 5);
  g.Game.SetErrorMarking(true);
  const std::vector<TMenuItem> items = g.Game.ContextMenu();
  ASSERT_EQ(items.size(), 1u + 25 + 4);
  EXPECT_EQ(items[0].caption.italian, "Cancella ");
  EXPECT_EQ(items[0].symbol, ' ');
  for (int i = 0; i < 25; ++i) EXPECT_EQ(items[1 + i].symbol, Symbols5[i]);
  std::vector<std::string> tail;
  for (std::size_t i = 26; i < items.size(); ++i) tail.push_back(items[i].caption.italian);
  EXPECT_EQ(tail, (std::vector<std::string>{"Disattiva controllo [F8]", "Suggerimento! [F4]",
                                            "Abbandona gioco [F5]", "Mostra soluzione [F6]"}));
  EXPECT_EQ(items[26].caption.english, "Disable control [F8]");
}

TEST(Game, TransitionsAndWhatTheyKeep) {
  TGame g;
  EXPECT_FALSE(g.Game.ToggleView().stateChanged);  // nothing to toggle yet
  EXPECT_FALSE(g.Game.Play().stateChanged);
  g.Generate(3);
  const GameState walk[] = {gsSolutionView, gsPuzzleView, gsSolutionView};
  for (GameState next : walk) {
    EXPECT_TRUE(g.Game.ToggleView().stateChanged);
    EXPECT_EQ(g.Game.State(), next);
  }
  g.Clock.Ms += 5000;
  EXPECT_TRUE(g.Game.Play().stateChanged);  // from the solution view
  EXPECT_EQ(g.Game.State(), gsPlaying);
  EXPECT_EQ(g.Game.ElapsedMs(), 0);          // the clock starts at Play
  EXPECT_FALSE(g.Game.Play().stateChanged);  // a running game is quit, not restarted
  // The clock hidden during a game shows again on the way back from the solution.
  g.Game.SetTimerHidden(true);
  g.Game.ToggleView();
  EXPECT_EQ(g.Game.State(), gsPlayingSolution);
  EXPECT_TRUE(g.Game.TimerHidden());
  g.Game.ToggleView();
  EXPECT_FALSE(g.Game.TimerHidden());
  // Quit: back to the puzzle, entries gone, givens kept.
  const TMove open = g.First(false);
  g.Game.ApplyMove({open.column, open.row, '5'});
  const TCharGrid givens = g.Game.GivenGrid();
  EXPECT_TRUE(g.Game.Quit().stateChanged);
  EXPECT_EQ(g.Game.State(), gsPuzzleView);
  for (int row = 0; row < 9; ++row)
    for (int column = 0; column < 9; ++column)
      EXPECT_EQ(g.Game.PlayGrid()[row][column], givens[row][column]);
  EXPECT_FALSE(g.Game.Quit().stateChanged);
  EXPECT_EQ(TsdGame::QuitQuestion(),
            (TBilingual{"Abbandona il gioco in corso ?", "Quit the current game ?"}));
}

// What each typed character stores in an open cell, per size; '-' means nothing changes.
struct TEntry {
  int boxSize;
  char typed;
  char stored;
};

class EntryRule : public testing::TestWithParam<TEntry> {};

TEST_P(EntryRule, StoresExactlyTheSymbolsOfTheSet) {
  const TEntry& e = GetParam();
  TGame g;
  g.Reach(gsPlaying, e.boxSize);
  const TMove open = g.First(false);
  g.Game.SetCurrentCell(open.column, open.row);
  const TOutcome out = g.Game.KeyOnGrid(e.typed);
  EXPECT_EQ(g.Play(open), e.stored == '-' ? ' ' : e.stored);
  EXPECT_EQ(out.repaint, e.stored != '-');
  EXPECT_TRUE(out.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EntryRule,
    testing::Values(TEntry{3, '1', '1'}, TEntry{3, '9', '9'}, TEntry{3, '0', '-'},
                    TEntry{3, 'A', '-'}, TEntry{3, '\0', '-'}, TEntry{4, '0', '0'},
                    TEntry{4, 'F', 'F'}, TEntry{4, 'G', '-'}, TEntry{4, 'a', '-'},
                    TEntry{5, 'A', 'A'}, TEntry{5, 'Y', 'Y'}, TEntry{5, 'Z', '-'},
                    TEntry{5, '1', '-'}, TEntry{5, 'b', '-'}, TEntry{5, ' ', ' '}));

TEST(Game, SpaceClearsAnEntryAndGivensNeverChange) {
  TGame g;
  g.Reach(gsPlaying);
  const TMove open = g.First(false);
  g.Game.ApplyMove({open.column, open.row, '7'});
  EXPECT_EQ(g.Play(open), '7');
  g.Game.MenuEntry(' ');  // the menu's delete item, at the cell the move made current
  EXPECT_EQ(g.Play(open), ' ');
  const TMove given = g.First(true);
  const char symbol = g.Play(given);
  for (char ch : {' ', symbol == '1' ? '2' : '1'}) {
    EXPECT_FALSE(g.Game.ApplyMove({given.column, given.row, ch}).repaint);
    EXPECT_EQ(g.Play(given), symbol);
  }
  // Nothing is entered outside a game.
  g.Game.ToggleView();
  EXPECT_FALSE(g.Game.MenuEntry('5').repaint);
  EXPECT_FALSE(g.Game.ApplyMove({open.column, open.row, '5'}).repaint);
}

struct TReminder {
  GameState state;
  TBilingual message;
};

class KeyOutsideTheGame : public testing::TestWithParam<TReminder> {};

TEST_P(KeyOutsideTheGame, OnlyReminds) {
  TGame g;
  g.Reach(GetParam().state);
  const TCharGrid before = g.Game.PlayGrid();
  for (char ch : {'5', ' ', '\0'}) {
    const TOutcome out = g.Game.KeyOnGrid(ch);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0], GetParam().message);
  }
  EXPECT_TRUE(g.Game.PlayGrid() == before);
  EXPECT_EQ(g.Game.State(), GetParam().state);
}

const TBilingual Start{"Per iniziare a giocare clicka su [Gioca] o premi [F5] !",
                       "To start playing click [Play] or press [F5] !"};

INSTANTIATE_TEST_SUITE_P(
    States, KeyOutsideTheGame,
    testing::Values(TReminder{gsEmpty, Start}, TReminder{gsPuzzleView, Start},
                    TReminder{gsSolutionView, Start},
                    TReminder{gsPlayingSolution,
                              {"Per giocare clicka su [Visualizza gioco] o premi [F6] !",
                               "To play click on [View Game] or press [F6] !"}}));

// The congratulation and its elapsed time.
struct TFinish {
  std::int64_t seconds;
  TBilingual message;
};

class Completion : public testing::TestWithParam<TFinish> {};

TEST_P(Completion, CongratulatesWithTheTimeTaken) {
  TGame g;
  g.Clock.Ms += 250;  // a start in the middle of a second
  // A faster game before: this one is no new best, and the congratulation is all there is.
  TBestTimes earlier;
  earlier.Add({3, 0, 1});
  g.Game.SetBestTimes(earlier);
  g.Reach(gsPlaying);
  const TMove last = g.First(false);
  g.FillAllBut(last);
  EXPECT_FALSE(g.Game.IsComplete());
  g.Clock.Ms += GetParam().seconds * 1000;
  TOutcome out = g.Game.ApplyMove({last.column, last.row, g.Solution(last)});
  ASSERT_EQ(out.messages.size(), 1u);
  EXPECT_EQ(out.messages[0], GetParam().message);
  EXPECT_TRUE(out.completed);
  EXPECT_EQ(g.Game.State(), gsPlaying);
  // The same symbol again: still full and right, so the message comes again.
  EXPECT_TRUE(g.Game.EnterSymbol(g.Solution(last)).completed);
}

INSTANTIATE_TEST_SUITE_P(
    Times, Completion,
    testing::Values(
        TFinish{59,
                {"Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:0: ore, :0 "
                 "min. e 59 secondi.",
                 "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:0: "
                 "hours, :0 min. and 59 seconds."}},
        TFinish{3723,
                {"Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:1: ore, :2 "
                 "min. e 3 secondi.",
                 "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:1: "
                 "hours, :2 min. and 3 seconds."}},
        TFinish{26 * 3600 + 7,
                {"Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:26: ore, :0 "
                 "min. e 7 secondi.",
                 "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:26: "
                 "hours, :0 min. and 7 seconds."}}));

TEST(Game, AConflictHoldsBackTheCongratulationUntilMended) {
  TGame g;
  g.Reach(gsPlaying);
  const TMove a = g.First(false);
  TMove b = a;
  for (int column = a.column + 1; column < 9 && b.column == a.column; ++column)
    if (g.Game.GivenGrid()[a.row][column] == ' ') b.column = column;
  ASSERT_NE(b.column, a.column);
  g.FillAllBut(a);
  // The two answers swapped: a full grid with conflicts.
  g.Game.ApplyMove({b.column, b.row, g.Solution(a)});
  EXPECT_TRUE(g.Game.ApplyMove({a.column, a.row, g.Solution(b)}).messages.empty());
  EXPECT_TRUE(g.Game.HasConflict(a.row, a.column));
  EXPECT_TRUE(g.Game.ApplyMove({a.column, a.row, g.Solution(a)}).messages.empty());
  EXPECT_TRUE(g.Game.ApplyMove({b.column, b.row, g.Solution(b)}).completed);
}

TEST(Game, HintNamesTheSolutionOfAnOpenCellOnly) {
  TGame g;
  g.Reach(gsPlaying);
  const TMove given = g.First(true);
  g.Game.SetCurrentCell(given.column, given.row);
  TOutcome out = g.Game.Hint();
  // On a given the hint says why it has nothing to tell.
  ASSERT_EQ(out.messages.size(), 1u);
  EXPECT_EQ(out.messages[0], MessageText(TMessage::HintOnGiven));
  EXPECT_TRUE(out.focusGrid);
  const TMove open = g.First(false);
  const char answer = g.Solution(open);
  const char wrong = answer == '1' ? '2' : '1';
  for (const char content : {' ', wrong}) {
    g.Game.ApplyMove({open.column, open.row, content});
    out = g.Game.Hint();
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_EQ(out.messages[0].english,
              std::string("For this box the best symbol is :") + answer + ": ");
    EXPECT_EQ(out.messages[0].italian,
              std::string("Per questa casella il miglior simbolo e' :") + answer + ": ");
    EXPECT_EQ(g.Play(open), content);
  }
}

TEST(Game, CellsShowTheRightGridAndMarkConflictsOnlyWhilePlayingWithMarkingOn) {
  TGame g;
  g.Reach(gsPlaying, 4);
  // An entry repeating the first given of its row: both are conflicts, givens included.
  int row = 0, given = -1, open = -1;
  for (; row < 16 && (given < 0 || open < 0); ++row) {
    given = open = -1;
    for (int column = 0; column < 16; ++column) {
      if (g.Game.GivenGrid()[row][column] != ' ' && given < 0) given = column;
      if (g.Game.GivenGrid()[row][column] == ' ' && open < 0) open = column;
    }
  }
  --row;
  const char symbol = g.Game.GivenGrid()[row][given];
  g.Game.ApplyMove({open, row, symbol});
  EXPECT_TRUE(g.Game.HasConflict(row, given));
  EXPECT_TRUE(g.Game.HasConflict(row, open));
  EXPECT_FALSE(g.Game.CellView(row, open).conflict);  // marking off
  g.Game.SetErrorMarking(true);
  const TCellView entry = g.Game.CellView(row, open);
  EXPECT_TRUE(entry.conflict && !entry.given);
  EXPECT_EQ(entry.symbol, symbol);
  EXPECT_TRUE(g.Game.CellView(row, given).conflict && g.Game.CellView(row, given).given);
  EXPECT_TRUE(g.Game.ShowsSelection());
  // The solution views show the solution, never a mark; no selection mark outside the game.
  const char answer = g.Game.SolutionGrid()[row][open];
  g.Game.ToggleView();
  EXPECT_EQ(g.Game.CellView(row, open).symbol, answer);
  EXPECT_FALSE(g.Game.CellView(row, open).conflict || g.Game.ShowsSelection());
  g.Game.ToggleView();
  g.Game.Quit();  // the puzzle view: the entry is gone
  EXPECT_EQ(g.Game.CellView(row, open).symbol, ' ');
  EXPECT_FALSE(g.Game.ShowsSelection());
  g.Game.ToggleView();
  EXPECT_EQ(g.Game.CellView(row, open).symbol, answer);
  EXPECT_EQ(g.Game.CellView(-1, 70).symbol, ' ');  // outside every grid: nothing
}

TEST(Game, TheSetUpGridShowsDotsUntilAPuzzleIsInstalled) {
  TGame g;
  g.Source.Pairs[{3, 'E'}][0].first.pop_back();  // the board refuses it after the set-up
  g.Generate(3);
  EXPECT_TRUE(g.Game.GridSetUp());
  for (int row = 0; row < MaxSide; ++row)
    for (int column = 0; column < MaxSide; ++column) ASSERT_EQ(g.Game.PlayGrid()[row][column], '.');
}

TEST(Game, CurrentCellStaysOnTheBoard) {
  TGame g;
  g.Reach(gsPuzzleView, 4);
  g.Game.SetCurrentCell(40, -3);
  EXPECT_EQ(g.Game.CurrentColumn(), 15);
  EXPECT_EQ(g.Game.CurrentRow(), 0);
  EXPECT_FALSE(g.Game.PointAtCell(2, 3).repaint);  // a right click moves it only during a game
  EXPECT_EQ(g.Game.CurrentColumn(), 15);
  g.Game.Play();
  EXPECT_TRUE(g.Game.PointAtCell(2, 3).repaint);
  EXPECT_EQ(g.Game.CurrentColumn(), 2);
  EXPECT_EQ(g.Game.CurrentRow(), 3);
  // A new size starts at the top-left cell.
  g.Game.Quit();
  g.Generate(3);
  EXPECT_EQ(g.Game.CurrentColumn() + g.Game.CurrentRow(), 0);
}

TEST(Game, HelpPagePerState) {
  const std::pair<GameState, int> pages[] = {
      {gsEmpty, 0}, {gsPuzzleView, 1}, {gsSolutionView, 1}, {gsPlaying, 2}, {gsPlayingSolution, 2}};
  for (const auto& [state, page] : pages) {
    TGame game;
    game.Reach(state);
    EXPECT_EQ(game.Game.HelpPage(), page);
  }
}

TEST(Game, ClosingFreesTheBoard) {
  TGame g;
  g.Generate(3);
  g.Game.Close();
  EXPECT_EQ(g.Game.Board(), nullptr);
  EXPECT_FALSE(g.Game.HasConflict(0, 0));
}

// ---- Explaining the next step (F3)

// A game in play on the shipped catalogue, where the explanations always find a step.
struct TPlayedGame {
  TFakeClock Clock;
  TsdGame Game{BuiltInPuzzles(), Clock};
  explicit TPlayedGame(int boxSize) {
    Game.Start();
    Game.Generate(boxSize - 3, 0);
    Game.Play();
  }
  // The cells carrying the mark, row by row; any mark at all for TCellMark::None.
  std::vector<TMove> Marked(TCellMark mark) const {
    std::vector<TMove> cells;
    for (int row = 0; row < MaxSide; ++row)
      for (int column = 0; column < MaxSide; ++column) {
        const TCellMark m = Game.CellView(row, column).mark;
        if (mark == TCellMark::None ? m != mark : m == mark) cells.push_back({column, row, ' '});
      }
    return cells;
  }
  // Whether the row (0), column (1) or box (2) through the cell is tinted all along.
  bool UnitMarked(const TMove& at, int unit) const {
    const int box = Game.BoxSize();
    for (int k = 0; k < Game.Side(); ++k) {
      const int row = unit == 0 ? at.row : unit == 1 ? k : at.row / box * box + k / box;
      const int column = unit == 0 ? k : unit == 1 ? at.column : at.column / box * box + k % box;
      if (Game.CellView(row, column).mark == TCellMark::None) return false;
    }
    return true;
  }
};

// Every key, click and entry the model hears of takes the marks away, as does a change of state
// and the window's own keys and clicks.
TEST(Explain, MarksTheStepUntilTheNextKeyClickOrEntry) {
  const struct {
    const char* name;
    void (*act)(TsdGame&, const TMove& open);
  } operations[] = {
      {"arrow key", [](TsdGame& g, const TMove&) { g.KeyOnGrid('\0'); }},
      {"entry",
       [](TsdGame& g, const TMove& o) {
         g.ApplyMove({o.column, o.row, '5'});
       }},
      {"menu delete", [](TsdGame& g, const TMove&) { g.MenuEntry(' '); }},
      {"right click", [](TsdGame& g, const TMove& o) { g.PointAtCell(o.column, o.row); }},
      {"hint", [](TsdGame& g, const TMove&) { g.Hint(); }},
      {"show solution", [](TsdGame& g, const TMove&) { g.ToggleView(); }},
      {"the window's key or click", [](TsdGame& g, const TMove&) { g.ClearMarks(); }},
  };
  for (const auto& op : operations) {
    SCOPED_TRACE(op.name);
    TPlayedGame g(3);
    const TCharGrid before = g.Game.PlayGrid();
    const TOutcome out = g.Game.Explain(true);
    ASSERT_EQ(out.messages.size(), 1u);
    EXPECT_TRUE(out.repaint && out.focusGrid);
    // One placement, on an open cell, of the symbol the text names, in a row, column or box
    // tinted all along; the symbols that make the point beside it; the grid itself untouched.
    const std::vector<TMove> placement = g.Marked(TCellMark::Placement);
    ASSERT_EQ(placement.size(), 1u);
    EXPECT_EQ(g.Game.PlayGrid()[placement[0].row][placement[0].column], ' ');
    const std::string symbol(1, g.Game.SolutionGrid()[placement[0].row][placement[0].column]);
    EXPECT_NE(out.messages[0].english.find(" " + symbol + " "), std::string::npos);
    EXPECT_NE(out.messages[0].italian, out.messages[0].english);
    EXPECT_TRUE(g.UnitMarked(placement[0], 0) || g.UnitMarked(placement[0], 1) ||
                g.UnitMarked(placement[0], 2));
    EXPECT_FALSE(g.Marked(TCellMark::Reason).empty());
    EXPECT_TRUE(g.Game.PlayGrid() == before);

    op.act(g.Game, placement[0]);
    EXPECT_TRUE(g.Marked(TCellMark::None).empty() && !g.Game.HasMarks());
    EXPECT_FALSE(g.Game.ClearMarks().repaint);  // nothing left to clear: no repaint asked for
  }
  // Outside a game there is nothing to explain, and nothing is said.
  for (const GameState state : {gsEmpty, gsPuzzleView, gsSolutionView, gsPlayingSolution}) {
    TGame g;
    g.Reach(state);
    EXPECT_TRUE(g.Game.Explain().messages.empty());
    EXPECT_FALSE(g.Game.HasMarks());
  }
}

TEST(Explain, StagesOfOneStepStartAgainOnAnyChange) {
  TPlayedGame g(3);
  const TBilingual whole = g.Game.Explain(true).messages.at(0);
  g.Game.ClearMarks();
  // The whole step asked for at once is no stage: the next F3 starts from the first.
  const TBilingual look = g.Game.Explain().messages.at(0);
  EXPECT_NE(look.english, whole.english);
  EXPECT_FALSE(g.Game.HasMarks());
  const TBilingual tinted = g.Game.Explain().messages.at(0);
  EXPECT_EQ(tinted, look);
  EXPECT_TRUE(g.Game.HasMarks());
  EXPECT_TRUE(g.Marked(TCellMark::Placement).empty());
  EXPECT_EQ(g.Game.Explain().messages.at(0), whole);
  ASSERT_EQ(g.Marked(TCellMark::Placement).size(), 1u);
  EXPECT_EQ(g.Game.Explain().messages.at(0), whole);  // the last stage stays

  // An entry elsewhere changes the grid: the first stage again, for the step of the new grid.
  const TMove placement = g.Marked(TCellMark::Placement)[0];
  g.Game.ApplyMove(
      {placement.column, placement.row, g.Game.SolutionGrid()[placement.row][placement.column]});
  EXPECT_FALSE(g.Game.Explain().messages.at(0).english.empty());
  EXPECT_FALSE(g.Game.HasMarks());

  // Notes that leave out a cell's symbol are named before any step, and the cell tinted.
  std::int32_t row = 0, column = 0;
  while (g.Game.PlayGrid()[row][column] != ' ') {
    if (++column == 9) column = 0, ++row;
  }
  const char needed = g.Game.SolutionGrid()[row][column];
  const char other = needed == '1' ? '2' : '1';
  g.Game.SetNotesMode(true);
  g.Game.ApplyMove({column, row, other, TMove::TKind::Note});
  const TOutcome out = g.Game.Explain();
  EXPECT_EQ(out.messages.at(0).english, "Your notes in row " + std::to_string(row + 1) +
                                            ", column " + std::to_string(column + 1) +
                                            " leave out the " + needed + " it needs.");
  ASSERT_EQ(g.Marked(TCellMark::Wrong).size(), 1u);
  EXPECT_EQ(g.Marked(TCellMark::Wrong)[0].row, row);
}

TEST(Explain, AWrongEntryFirstAndNothingOnAFullCorrectGrid) {
  TPlayedGame g(4);
  std::vector<TMove> open;
  for (int row = 0; row < 16; ++row)
    for (int column = 0; column < 16; ++column)
      if (g.Game.GivenGrid()[row][column] == ' ')
        open.push_back({column, row, g.Game.SolutionGrid()[row][column]});
  // A right entry first, then a wrong one in the last open cell, where no step would look.
  g.Game.ApplyMove(open.front());
  TMove wrong = open.back();
  wrong.symbol = wrong.symbol == 'A' ? 'B' : 'A';
  g.Game.ApplyMove(wrong);
  TOutcome out = g.Game.Explain();
  ASSERT_EQ(out.messages.size(), 1u);
  const std::string where = std::string("The ") + wrong.symbol + " in row " +
                            std::to_string(wrong.row + 1) + ", column " +
                            std::to_string(wrong.column + 1) + " cannot be right: ";
  EXPECT_EQ(out.messages[0].english.rfind(where, 0), 0u) << out.messages[0].english;
  const std::vector<TMove> marked = g.Marked(TCellMark::Wrong);
  ASSERT_EQ(marked.size(), 1u);
  EXPECT_EQ(std::pair(marked[0].row, marked[0].column), std::pair(wrong.row, wrong.column));
  EXPECT_TRUE(g.Marked(TCellMark::Placement).empty());

  for (const TMove& move : open) g.Game.ApplyMove(move);
  ASSERT_TRUE(g.Game.IsComplete());
  out = g.Game.Explain();
  ASSERT_EQ(out.messages.size(), 1u);
  EXPECT_EQ(out.messages[0],
            (TBilingual{"La griglia è completa e corretta: non resta niente da spiegare.",
                        "The grid is complete and correct: there is nothing left to explain."}));
  EXPECT_FALSE(g.Game.HasMarks());
}

}  // namespace
