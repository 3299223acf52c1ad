// The saved game: a game written and resumed comes back as it was, and the loader refuses, with
// its reason, every file that is damaged, truncated, of another version or describes no real game.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "GameFixture.h"

namespace {

using enum GameState;
using TKind = TMove::TKind;

// A game in play with entries, notes, error marking, notes mode and 90 s on the clock.
std::string PlayedGame(TGame& g, int boxSize) {
  g.Reach(gsPlaying, boxSize);
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
  g.Game.SetNotesMode(true);
  g.Clock.Ms += 90'000;
  return g.Game.SaveText();
}

class SavedGame : public testing::TestWithParam<int> {};

TEST_P(SavedGame, ResumesAsItWasLeft) {
  TGame left;
  const std::string text = PlayedGame(left, GetParam());
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
  EXPECT_TRUE(b.ErrorMarking() && b.NotesMode());
  EXPECT_EQ(b.Elapsed().minutes * 60 + b.Elapsed().seconds, 90);
  for (int row = 0; row < a.Side(); ++row)
    for (int column = 0; column < a.Side(); ++column) {
      EXPECT_EQ(b.PlayGrid()[row][column], a.PlayGrid()[row][column]);
      EXPECT_EQ(b.GivenGrid()[row][column], a.GivenGrid()[row][column]);
      EXPECT_EQ(b.SolutionGrid()[row][column], a.SolutionGrid()[row][column]);
      EXPECT_EQ(b.Notes()[row][column], a.Notes()[row][column]);
    }
  EXPECT_FALSE(b.CanUndo());
  EXPECT_EQ(b.SaveText(), text);  // the same game writes the same bytes
  EXPECT_FALSE(resumed.Game.Resume(*read.game).stateChanged);  // not over a running game
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
    Set(8, notes)(text);
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
        TDamage{"elapsed sign", Set(2, "elapsed-ms -5"), "line 3: bad value"},
        TDamage{"elapsed zeros", Set(2, "elapsed-ms 090000"), "line 3: bad value"},
        TDamage{"elapsed huge", Set(2, "elapsed-ms 99999999999999999999"), "line 3: bad value"},
        TDamage{"marking", Set(3, "marking 2"), "line 4: bad value"},
        TDamage{"short puzzle", Line(5, [](std::string& l) { l.pop_back(); }),
                "line 6: 80 cells instead of 81"},
        TDamage{"zero in 9x9", Cell(5, false, '0'), "line 6: a character that is no symbol"},
        TDamage{"lower case", Cell(7, false, 'a'), "line 8: a character that is no symbol"},
        TDamage{"rules", Line(6, [](std::string& l) { std::swap(l[10], l[11]); }),
                "line 7: the solution breaks the rules"},
        TDamage{"givens", Cell(5, true, 0), "line 7: the solution disagrees with the givens"},
        TDamage{"given changed", Cell(7, true, 0), "line 8: a given was changed"},
        TDamage{"a field less", Line(8, [](std::string& l) { l.erase(l.find(',', 8), 1); }),
                "line 9: 80 cells instead of 81"},
        TDamage{"a field more", Line(8, [](std::string& l) { l += ','; }),
                "line 9: 82 cells instead of 81"},
        TDamage{"note on a given", Notes(true, "5"), "line 9: notes on a given"},
        TDamage{"notes out of order", Notes(false, "21"),
                "line 9: notes out of order or no symbols"},
        TDamage{"repeated note", Notes(false, "11"), "line 9: notes out of order or no symbols"},
        TDamage{"more", [](std::string& t) { t += "notes ,\n"; },
                "line 12: more after the last line"}),
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
