// Notes, notes mode and the undo/redo history of the game model, and which changes are kept for
// the next run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameFixture.h"

namespace {

using enum GameState;
using TKind = TMove::TKind;

// The first open cell after `from`, row by row, that satisfies `fits`.
template <typename F>
TMove OpenCell(const TGame& g, F fits) {
  for (int row = 0; row < g.Game.Side(); ++row)
    for (int column = 0; column < g.Game.Side(); ++column)
      if (g.Game.GivenGrid()[row][column] == ' ' && fits(row, column)) return {column, row, ' '};
  return {-1, -1, ' '};
}

std::string NotesAt(const TGame& g, const TMove& at) {
  return g.Game.NoteSymbols(g.Game.Notes()[at.row][at.column]);
}

// What one key does to a cell, with notes mode on or off. Before the key the open cell holds the
// note "3", the entry cell the entry "5".
struct TKeyCase {
  bool notesMode;
  enum { Open, Entry, Given } cell;
  char typed;
  char symbolAfter;  // '=': as before
  std::string notesAfter;
};

class NotesMode : public testing::TestWithParam<TKeyCase> {};

TEST_P(NotesMode, KeyOnTheCurrentCell) {
  const TKeyCase& k = GetParam();
  TGame g;
  g.Reach(gsPlaying);
  const TMove open = g.First(false);
  const TMove entry = OpenCell(g, [&](int row, int) { return row != open.row; });
  g.Game.SetNotesMode(true);
  g.Game.ApplyMove({open.column, open.row, '3', TKind::Note});
  g.Game.ApplyMove({entry.column, entry.row, '5'});
  g.Game.SetNotesMode(k.notesMode);
  const TMove at = k.cell == TKeyCase::Open    ? open
                   : k.cell == TKeyCase::Entry ? entry
                                               : g.First(true);
  const char before = g.Play(at);
  const std::string notesBefore = NotesAt(g, at);
  g.Game.SetCurrentCell(at.column, at.row);
  const TOutcome out = g.Game.KeyOnGrid(k.typed);
  const char after = k.symbolAfter == '=' ? before : k.symbolAfter;
  EXPECT_EQ(g.Play(at), after);
  EXPECT_EQ(NotesAt(g, at), k.notesAfter);
  EXPECT_EQ(out.storeGame, after != before || k.notesAfter != notesBefore);
  // A cell shows its notes only while it holds no entry.
  EXPECT_EQ(g.Game.CellView(at.row, at.column).notes,
            after == ' ' ? g.Game.Notes()[at.row][at.column] : 0u);
}

INSTANTIATE_TEST_SUITE_P(Keys, NotesMode,
                         testing::Values(TKeyCase{true, TKeyCase::Open, '7', '=', "37"},
                                         TKeyCase{true, TKeyCase::Open, '3', '=', ""},
                                         TKeyCase{true, TKeyCase::Open, ' ', '=', ""},
                                         TKeyCase{true, TKeyCase::Open, '0', '=', "3"},
                                         TKeyCase{true, TKeyCase::Entry, '7', '=', ""},
                                         TKeyCase{true, TKeyCase::Entry, ' ', '=', ""},
                                         TKeyCase{true, TKeyCase::Given, '7', '=', ""},
                                         TKeyCase{false, TKeyCase::Open, '7', '7', "3"},
                                         TKeyCase{false, TKeyCase::Open, '3', '3', ""},
                                         TKeyCase{false, TKeyCase::Open, ' ', ' ', "3"}));

TEST(Notes, AnEntryClearsItsSymbolFromRowColumnAndBoxAsOneStep) {
  TGame g;
  g.Reach(gsPlaying);
  const TMove target = g.First(false);
  const auto box = [](int line) { return line / 3; };
  const TMove cells[] = {
      target,
      OpenCell(g, [&](int r, int c) { return r == target.row && box(c) != box(target.column); }),
      OpenCell(g, [&](int r, int c) { return c == target.column && box(r) != box(target.row); }),
      OpenCell(g,
               [&](int r, int c) {
                 return r != target.row && c != target.column && box(r) == box(target.row) &&
                        box(c) == box(target.column);
               }),
      OpenCell(g, [&](int r,
                      int c) { return box(r) != box(target.row) && box(c) != box(target.column); }),
  };
  for (const TMove& cell : cells) {
    ASSERT_GE(cell.row, 0);
    for (char note : {'4', '6'}) g.Game.ApplyMove({cell.column, cell.row, note, TKind::Note});
  }
  g.Game.ApplyMove({target.column, target.row, '4'});
  const std::vector<std::string> after = {"6", "6", "6", "6", "46"};
  for (std::size_t i = 0; i < after.size(); ++i) EXPECT_EQ(NotesAt(g, cells[i]), after[i]) << i;
  g.Game.Undo();
  EXPECT_EQ(g.Play(target), ' ');
  for (const TMove& cell : cells) EXPECT_EQ(NotesAt(g, cell), "46");
}

using TSnapshot = std::pair<TCharGrid, TNoteGrid>;

TSnapshot Snap(const TGame& g) {
  return {g.Game.PlayGrid(), g.Game.Notes()};
}

TEST(History, UndoAndRedoWalkTheStepsAndFollowTheirCells) {
  TGame g;
  g.Reach(gsPlaying);
  const TMove a = g.First(false);
  const TMove b = OpenCell(g, [&](int row, int) { return row != a.row; });
  const TMove moves[] = {{a.column, a.row, '1'},
                         {b.column, b.row, '2', TKind::Note},
                         {b.column, b.row, '3'},
                         {a.column, a.row, ' '}};
  std::vector<TSnapshot> states{Snap(g)};
  EXPECT_FALSE(g.Game.CanUndo());
  for (const TMove& move : moves) {
    EXPECT_TRUE(g.Game.ApplyMove(move).storeGame);
    states.push_back(Snap(g));
  }
  for (int i = 3; i >= 0; --i) {
    EXPECT_TRUE(g.Game.Undo().repaint);
    EXPECT_EQ(Snap(g), states[std::size_t(i)]);
    EXPECT_EQ(g.Game.CurrentColumn(), moves[i].column);
    EXPECT_EQ(g.Game.CurrentRow(), moves[i].row);
  }
  EXPECT_FALSE(g.Game.Undo().repaint);  // nothing left to take back
  for (std::size_t i = 1; i <= 4; ++i) {
    g.Game.Redo();
    EXPECT_EQ(Snap(g), states[i]);
  }
  EXPECT_FALSE(g.Game.Redo().repaint);
  g.Game.Undo();
  g.Game.Undo();
  // A move that changes nothing keeps the steps ahead; a change drops them.
  g.Game.ApplyMove({a.column, a.row, '1'});  // a holds it already
  EXPECT_TRUE(g.Game.CanRedo());
  g.Game.ApplyMove({a.column, a.row, '9'});
  EXPECT_FALSE(g.Game.CanRedo());
  // Only on the game's own grid; quitting and a new game start with no steps.
  g.Game.ToggleView();
  EXPECT_FALSE(g.Game.Undo().repaint);
  g.Game.ToggleView();
  EXPECT_TRUE(g.Game.CanUndo());
  g.Game.Quit();
  g.Game.Play();
  EXPECT_FALSE(g.Game.CanUndo() || g.Game.CanRedo());
}

TEST(History, CompletionIsCheckedAfterUndoAndRedo) {
  TGame g;
  g.Reach(gsPlaying);
  const TMove last = g.First(false);
  g.FillAllBut(last);
  EXPECT_TRUE(g.Game.ApplyMove({last.column, last.row, g.Solution(last)}).completed);
  g.Game.SetCurrentCell(0, 0);
  EXPECT_FALSE(g.Game.Undo().completed);
  const TOutcome redone = g.Game.Redo();
  EXPECT_TRUE(redone.completed);
  EXPECT_EQ(redone.messages.size(), 1u);
  EXPECT_EQ(g.Game.CurrentColumn(), last.column);
}

// Every change of a running game is kept at once; quitting forgets it; nothing else is kept.
TEST(Keeping, WhatIsKeptAndForgotten) {
  TGame g;
  g.Reach(gsPuzzleView);
  EXPECT_FALSE(g.Game.SetErrorMarking(true).storeGame);  // no game runs
  const TOutcome play = g.Game.Play();
  EXPECT_TRUE(play.storeGame);
  const TMove open = g.First(false);
  const TMove given = g.First(true);
  const struct {
    TOutcome outcome;
    bool stored;
  } steps[] = {
      {g.Game.ApplyMove({open.column, open.row, '2'}), true},
      {g.Game.ApplyMove({open.column, open.row, '2'}), false},
      {g.Game.ApplyMove({given.column, given.row, '2'}), false},
      {g.Game.SetErrorMarking(false), true},
      {g.Game.SetNotesMode(true), true},
      {g.Game.SetNotesMode(true), false},
      {g.Game.Undo(), true},
      {g.Game.ToggleView(), false},
  };
  for (const auto& step : steps) {
    EXPECT_EQ(step.outcome.storeGame, step.stored);
    EXPECT_FALSE(step.outcome.forgetGame);
  }
  EXPECT_TRUE(g.Game.Quit().forgetGame);
}

}  // namespace
