// The saved game: a game written and resumed comes back as it was, and the loader refuses, with
// its reason, every file that is damaged, truncated, of another version or describes no real game.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "GameFixture.h"

namespace {

using enum GameState;
using TKind = TMove::TKind;

// A game in play with entries, notes, error marking, notes mode, the clock hidden, a larger font,
// 90 s on the clock and nine steps of history, the last one undone.
std::string PlayedGame(TGame& g, int boxSize, char level = 'E') {
  g.Source.Pairs[{boxSize, level}] = {MakePair(boxSize)};
  g.Game.SetLevel(level);
  g.Game.SetBoxSize(boxSize);
  g.Game.Generate();
  g.Game.Play();
  g.Game.SetErrorMarking(true);
  const std::string_view symbols = g.Game.Symbols();
  for (int row = 0, done = 0; row < g.Game.Side() && done < 6; ++row)
    for (int column = 0; column < g.Game.Side() && done < 6; ++column)
      if (g.Game.GivenGrid()[row][column] == ' ') {
        const char symbol = symbols[std::size_t(done)];
        const TKind kind = done % 2 ? TKind::Note : TKind::Enter;
        g.Game.ApplyMove({column, row, symbol, kind});
        g.Game.ApplyMove({column, row, symbols.back(), TKind::Note});
        ++done;
      }
  g.Game.Undo();
  g.Game.SetNotesMode(true);
  g.Game.SetTimerHidden(true);
  g.Game.GrowFont();
  g.Game.SetCurrentCell(2, 1);
  g.Clock.Ms += 90'000;
  return g.Game.SaveText();
}

class SavedGame : public testing::TestWithParam<int> {};

TEST_P(SavedGame, ResumesAsItWasLeft) {
  TGame left;
  const std::string text = PlayedGame(left, GetParam(), 'M');
  const TSavedGameRead read = ReadSavedGame(text);
  ASSERT_TRUE(read.game) << read.reason.english;
  TGame resumed;
  resumed.Clock.Ms += 86'400'000;  // the next day
  const TOutcome out = resumed.Game.Resume(*read.game);
  EXPECT_TRUE(out.setUpGrid && out.stateChanged && out.focusGrid && out.messages.empty());
  EXPECT_EQ(out.resizeWindow, GetParam() != 3);
  const TsdGame& a = left.Game;
  const TsdGame& b = resumed.Game;
  EXPECT_EQ(b.State(), gsPlaying);
  EXPECT_TRUE(b.ErrorMarking() && b.NotesMode() && b.TimerHidden());
  EXPECT_EQ(b.FontSize(), DefaultFontSize + 1);
  EXPECT_EQ(b.CurrentColumn() * 100 + b.CurrentRow(), 201);
  EXPECT_EQ(b.Params(), (TGameParams{GetParam(), 'M', TPuzzleOrigin::Catalogue}));
  EXPECT_EQ(b.ElapsedMs(), 90'000);
  for (int row = 0; row < a.Side(); ++row)
    for (int column = 0; column < a.Side(); ++column) {
      EXPECT_EQ(b.PlayGrid()[row][column], a.PlayGrid()[row][column]);
      EXPECT_EQ(b.GivenGrid()[row][column], a.GivenGrid()[row][column]);
      EXPECT_EQ(b.SolutionGrid()[row][column], a.SolutionGrid()[row][column]);
      EXPECT_EQ(b.Notes()[row][column], a.Notes()[row][column]);
    }
  EXPECT_EQ(b.SaveText(), text);  // the same game writes the same bytes
  EXPECT_FALSE(resumed.Game.Resume(*read.game).stateChanged);  // not over a running game
  // Undo and redo go on where they were: the step undone before leaving comes back, and every
  // step in force goes back to the bare puzzle.
  EXPECT_TRUE(resumed.Game.Redo().storeGame);
  left.Game.Redo();
  EXPECT_EQ(b.SaveText(), a.SaveText());
  EXPECT_FALSE(b.CanRedo());
  int undone = 0;
  while (resumed.Game.Undo().repaint) ++undone;
  EXPECT_EQ(undone, 9);
  EXPECT_TRUE(b.PlayGrid() == b.GivenGrid());
  // Quit, then F10: a puzzle of the resumed game's size and level.
  resumed.Source.Pairs[{GetParam(), 'M'}] = {MakePair(GetParam())};
  resumed.Game.Quit();
  const int fetched = resumed.Source.FetchCalls;
  EXPECT_TRUE(resumed.Game.Generate().stateChanged);
  EXPECT_EQ(resumed.Source.FetchCalls, fetched + 1);
  EXPECT_EQ(b.BoxSize(), GetParam());
  EXPECT_EQ(b.Params().level, 'M');
}

// A game kept by an earlier release (version 1, no history) is resumed, and kept again in the
// current version with its history starting where it was left.
TEST(SavedGame, AnEarlierVersionIsResumed) {
  TGame left;
  const std::string text = PlayedGame(left, 3);
  // The version-1 lines of the same game.
  std::string old;
  std::size_t at = 0;
  for (int line = 0; at < text.size(); ++line) {
    const std::size_t end = text.find('\n', at) + 1;
    const std::string l = text.substr(at, end - at);
    at = end;
    if (line == 0) old += "Tessamond saved game 1\n";
    if (line == 1 || line == 4 || line == 5 || line == 6 || (line >= 10 && line <= 13)) old += l;
  }
  const TSavedGameRead read = ReadSavedGame(old);
  ASSERT_TRUE(read.game) << read.reason.english;
  EXPECT_EQ(read.game->level, 'E');
  EXPECT_TRUE(read.game->moves.empty());
  TGame resumed;
  resumed.Game.Resume(*read.game);
  for (int row = 0; row < 9; ++row)
    for (int column = 0; column < 9; ++column) {
      EXPECT_EQ(resumed.Game.PlayGrid()[row][column], left.Game.PlayGrid()[row][column]);
      EXPECT_EQ(resumed.Game.Notes()[row][column], left.Game.Notes()[row][column]);
    }
  EXPECT_FALSE(resumed.Game.TimerHidden() || resumed.Game.CanUndo());
  EXPECT_EQ(resumed.Game.ElapsedMs(), 90'000);
  const TMove open = resumed.First(false);
  resumed.Game.ApplyMove({open.column, open.row, ' '});
  const TSavedGameRead again = ReadSavedGame(resumed.Game.SaveText());
  ASSERT_TRUE(again.game) << again.reason.english;
  EXPECT_EQ(again.game->moves.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SavedGame, testing::Values(3, 4, 5));

// A change to a good file, and the reason the loader must give.
struct TDamage {
  const char* name;
  std::function<void(std::string&)> damage;
  std::string reason;
};

using TChange = std::function<void(std::string&)>;

// `change` applied to line `index` (from 0) of the text.
TChange Line(int index, TChange change) {
  return [index, change](std::string& text) {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) begin = text.find('\n', begin) + 1;
    const std::size_t end = text.find('\n', begin);
    std::string line = text.substr(begin, end - begin);
    change(line);
    text.replace(begin, end - begin, line);
  };
}
TChange Set(int index, std::string line) {
  return Line(index, [line](std::string& l) { l = line; });
}
// The first given (or open) cell of the puzzle.
std::size_t FirstCell(const std::string& text, bool given) {
  const std::size_t at = text.find("puzzle ") + 7;
  return (given ? text.find_first_not_of('.', at) : text.find('.', at)) - at;
}
// The first given (or open) cell of the puzzle becomes `ch` in the grid of line `index`, or for
// ch 0 another symbol than the one it holds.
TChange Cell(int index, bool given, char ch) {
  return [=](std::string& text) {
    const std::size_t cell = FirstCell(text, given);
    Line(index, [=](std::string& l) {
      char& c = l[l.find(' ') + 1 + cell];
      c = ch ? ch : c == '1' ? '2' : '1';
    })(text);
  };
}
// The notes line with `field` in the first given (or open) cell of the puzzle and no other note.
TChange Notes(bool given, std::string field) {
  return [given, field](std::string& text) {
    const std::size_t cell = FirstCell(text, given);
    std::string notes = "notes ";
    for (std::size_t i = 0; i < 81; ++i) notes += (i ? "," : "") + (i == cell ? field : "");
    Set(13, notes)(text);
  };
}

class Refused : public testing::TestWithParam<TDamage> {};

TEST_P(Refused, WithItsReason) {
  TGame g;
  std::string text = PlayedGame(g, 3);
  ASSERT_TRUE(ReadSavedGame(text).game);
  GetParam().damage(text);
  const TSavedGameRead read = ReadSavedGame(text);
  EXPECT_FALSE(read.game);
  EXPECT_EQ(read.reason.english, GetParam().reason);
  EXPECT_FALSE(read.reason.italian.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damages, Refused,
    testing::Values(
        TDamage{"empty", [](std::string& t) { t.clear(); }, "empty"},
        TDamage{"cut", [](std::string& t) { t.resize(t.size() - 7); }, "truncated"},
        TDamage{"cut at a line", [](std::string& t) { t.resize(t.find("solution")); }, "truncated"},
        TDamage{"huge", [](std::string& t) { t.append(MaxSavedGameBytes, '\n'); }, "too large"},
        TDamage{"version", Set(0, "Tessamond saved game 3"), "from another version"},
        TDamage{"crlf", Line(0, [](std::string& l) { l += '\r'; }), "from another version"},
        TDamage{"foreign", Set(0, "[Sudoku]"), "not a Tessamond game"},
        TDamage{"key", Set(1, "size 3"), "line 2: \"box\" expected"},
        TDamage{"box", Set(1, "box 6"), "line 2: bad value"},
        TDamage{"level", Set(2, "level e"), "line 3: bad value"},
        TDamage{"source", Set(3, "source web"), "line 4: bad value"},
        TDamage{"elapsed sign", Set(4, "elapsed-ms -5"), "line 5: bad value"},
        TDamage{"elapsed zeros", Set(4, "elapsed-ms 090000"), "line 5: bad value"},
        TDamage{"elapsed huge", Set(4, "elapsed-ms 99999999999999999999"), "line 5: bad value"},
        TDamage{"marking", Set(5, "marking 2"), "line 6: bad value"},
        TDamage{"font too large", Set(8, "font-size 17"), "line 9: bad value"},
        TDamage{"cell off the board", Set(9, "cell 9 0"), "line 10: bad value"},
        TDamage{"short puzzle", Line(10, [](std::string& l) { l.pop_back(); }),
                "line 11: 80 cells instead of 81"},
        TDamage{"zero in 9x9", Cell(10, false, '0'), "line 11: a character that is no symbol"},
        TDamage{"lower case", Cell(12, false, 'a'), "line 13: a character that is no symbol"},
        TDamage{"rules", Line(11, [](std::string& l) { std::swap(l[10], l[11]); }),
                "line 12: the solution breaks the rules"},
        TDamage{"givens", Cell(10, true, 0), "line 12: the solution disagrees with the givens"},
        TDamage{"given changed", Cell(12, true, 0), "line 13: a given was changed"},
        TDamage{"a field less", Line(13, [](std::string& l) { l.erase(l.find(',', 8), 1); }),
                "line 14: 80 cells instead of 81"},
        TDamage{"a field more", Line(13, [](std::string& l) { l += ','; }),
                "line 14: 82 cells instead of 81"},
        TDamage{"note on a given", Notes(true, "5"), "line 14: notes on a given"},
        TDamage{"notes out of order", Notes(false, "21"),
                "line 14: notes out of order or no symbols"},
        TDamage{"repeated note", Notes(false, "11"), "line 14: notes out of order or no symbols"},
        TDamage{"more in force than kept", Set(14, "moves 9 10"), "line 15: bad value"},
        TDamage{"a move missing", Set(14, "moves 10 8"), "truncated"},
        TDamage{"other moves in force", Set(14, "moves 9 9"),
                "line 26: the moves do not lead to the player's grid"},
        TDamage{"a move of no kind", Set(17, "jump 0 0 1"), "line 18: bad move"},
        TDamage{"a move on a given",
                [](std::string& t) {
                  const std::size_t cell = FirstCell(t, true);
                  Set(17, "enter " + std::to_string(cell % 9) + " " + std::to_string(cell / 9) +
                              " 1")(t);
                },
                "line 18: a move that changes nothing"},
        TDamage{"more", [](std::string& t) { t += "notes ,\n"; }, "line 27: more after the moves"}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(SavedGame, TheMessagesInBothLanguages) {
  EXPECT_EQ(TsdGame::SetAsideMessage({"vuoto", "empty"}),
            (TBilingual{"La partita lasciata non si pu\u00f2 riprendere (vuoto) ed \u00e8 stata "
                        "messa da parte.",
                        "The game you left cannot be resumed (empty) and was set aside."}));
  EXPECT_EQ(TsdGame::ResumeQuestion(),
            (TBilingual{"Riprendere la partita lasciata?", "Resume the game you left?"}));
}

}  // namespace
