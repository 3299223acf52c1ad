// A player's own puzzle: every text form read from real sample files, the check's three answers at
// every size with their words, bad input refused with nothing changed, and the game that takes
// the puzzle in, types one in, copies it out, keeps it and resumes it; the chosen level reaches
// the game.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "GameFixture.h"
#include "Grader.h"
#include "OwnPuzzle.h"
#include "PuzzleFormats.h"

namespace {

using enum GameState;
using TVerdict = TPuzzleCheck::TVerdict;

std::string Sample(const std::string& name) {
  std::ifstream file(std::string(TSD_PUZZLE_SAMPLES) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  EXPECT_FALSE(text.str().empty()) << name;
  return text.str();
}

constexpr const char* Euler =
    "003020600900305001001806400008102900700000008006708200002609500800203009005010300";

struct TFormatCase {
  const char* file;
  const char* sameAs;  // another sample, or a one-line text, holding the very same cells
  int box;
};

class Formats : public testing::TestWithParam<TFormatCase> {};

TEST_P(Formats, ReadTheSameCellsAsTheirOneLineForm) {
  const TFormatCase& c = GetParam();
  const tsdtools::TFormatResult read = tsdtools::ReadPuzzleFormats(Sample(c.file));
  ASSERT_EQ(read.error, tsdtools::TFormatError::None) << c.file << " line " << read.line;
  EXPECT_EQ(read.box, c.box);
  const std::string sameAs = c.sameAs;
  const std::string same = sameAs.find('.') != std::string::npos ? Sample(sameAs) : sameAs;
  EXPECT_EQ(read.cells, tsdtools::ReadPuzzleFormats(same).cells) << c.file;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, Formats,
    testing::Values(TFormatCase{"euler.sdk", Euler, 3}, TFormatCase{"euler.ss", Euler, 3},
                    TFormatCase{"euler-boxed.txt", Euler, 3},
                    TFormatCase{"euler-zeros.txt", Euler, 3},
                    // 1-based symbols 1–9 A–G read as 0–9 A–F, so both files are one puzzle.
                    TFormatCase{"16x16-one-based.txt", "16x16-zero-based.txt", 4},
                    TFormatCase{"25x25.sdk", "25x25.sdk", 5}));

// Givens of the sample whose first open cell takes the symbol that already stands first in its
// row: no solution, for the plain reason of a repeat.
std::string WithRepeatInFirstRow(std::string line, char& repeated) {
  const std::size_t given = line.find_first_not_of('.');
  const std::size_t open = line.find('.');
  repeated = line[given];
  line[open] = repeated;
  return line;
}

class CheckAtEverySize : public testing::TestWithParam<const char*> {};

TEST_P(CheckAtEverySize, AnswersOneNoneOrSeveralSolutions) {
  const TPuzzleCheck one = CheckPuzzleText(Sample(GetParam()));
  ASSERT_EQ(one.verdict, TVerdict::Accepted) << one.message.english;
  EXPECT_EQ(one.message.english.rfind("Puzzle accepted: one solution, level ", 0), 0u);
  EXPECT_NE(std::string("EMA").find(one.level), std::string::npos);
  // The grade given is the ladder's own.
  const tsdtools::TFormatResult read = tsdtools::ReadPuzzleFormats(one.puzzle);
  tsdtools::TGrader grader(*tsdtools::GeometryFor(read.box));
  EXPECT_EQ(tsdtools::LevelLetter(grader.Grade(read.cells.data()).level), one.level);

  char repeated = 0;
  const TPuzzleCheck none = CheckPuzzleText(WithRepeatInFirstRow(one.puzzle, repeated));
  EXPECT_EQ(none.verdict, TVerdict::Refused);
  EXPECT_EQ(none.message.english,
            std::string("This puzzle has no solution: row 1 already has a ") + repeated);
  EXPECT_EQ(none.message.italian,
            std::string("Questo sudoku non ha soluzione: la riga 1 ha gi\u00e0 un ") + repeated);

  const TPuzzleCheck several = CheckPuzzleText(std::string(one.puzzle.size(), '.'));
  EXPECT_EQ(several.verdict, TVerdict::Refused);
  EXPECT_EQ(several.message.english, "This puzzle has more than one solution; add givens");
}

INSTANTIATE_TEST_SUITE_P(Samples, CheckAtEverySize,
                         testing::Values("euler.sdk", "16x16-zero-based.txt", "25x25.sdk"));

TEST(Check, NamesNoRepeatWhereNoneExplainsTheContradiction) {
  // Row 1 holds 1–8 and column 9 holds the 9 below: r1c9 can take nothing.
  const std::string text = "12345678." + std::string(8, '.') + "9" + std::string(63, '.');
  const TPuzzleCheck check = CheckPuzzleText(text);
  EXPECT_EQ(check.verdict, TVerdict::Refused);
  EXPECT_EQ(check.message.english, "This puzzle has no solution.");
}

TEST(Check, GradesTheHardestKnownPuzzlesPastTheLadderAndSaysWhatTheyNeed) {
  const TPuzzleCheck check = CheckPuzzleText(Sample("hardest.txt"));
  ASSERT_EQ(check.verdict, TVerdict::Accepted);
  EXPECT_EQ(check.level, BeyondLevel);
  EXPECT_NE(check.message.english.find("beyond the game's levels (it needs "), std::string::npos);
}

// Past the game's levels the message names the rung the whole ladder needs, as the teacher
// would use it; the puzzles come from the techniques' own hard set.
TEST(Check, NamesTheRungAPuzzlePastTheLevelsNeeds) {
  const struct {
    const char* puzzle;
    const char* english;
    const char* italian;
  } cases[] = {
      {"3?9??6????6???2???8???7??4???1?????3????579?6???1??5??12?6??????96???8????7?2???5",
       "(it needs X-Wing)", "(serve X-Wing)"},
      {"???2?196?3?????????1?????4?1???????8?75???32??62??5??9?????3???45?6??1???2??1?68?",
       "(it needs XY-Wing)", "(serve XY-Wing)"},
  };
  for (const auto& c : cases) {
    const TPuzzleCheck check = CheckPuzzleText(c.puzzle);
    ASSERT_EQ(check.verdict, TVerdict::Accepted) << c.puzzle;
    EXPECT_EQ(check.level, BeyondLevel);
    EXPECT_NE(check.message.english.find(c.english), std::string::npos) << check.message.english;
    EXPECT_NE(check.message.italian.find(c.italian), std::string::npos) << check.message.italian;
  }
}

struct TBadCase {
  const char* what;
  std::string text;
  const char* english;
};

TEST(Check, RefusesBadInputWithOneClearMessageAndTheGameUntouched) {
  std::string grid17;
  for (int row = 0; row < 17; ++row) grid17 += std::string(17, '.') + "\n";
  const TBadCase cases[] = {
      {"binary",
       std::string("\x7f"
                   "ELF\x02\x01\x01\0\0",
                   9),
       "This is not the text of a puzzle: it holds binary data."},
      {"10 MB", std::string(10 << 20, '1'), "This text is too long to be a puzzle."},
      {"17x17", grid17,
       "A 17\u00d717 grid is not a size this game plays (9\u00d79, 16\u00d716, "
       "25\u00d725)."},
      {"letter", "# header\n" + std::string(40, '.') + "X" + std::string(40, '.'),
       "Line 2: \u201cX\u201d is not a symbol of a 9\u00d79 puzzle (1\u20139, with . or 0 for a "
       "blank)."},
      {"25x25 digit", std::string(300, '.') + "7" + std::string(324, '.'),
       "Line 1: \u201c7\u201d is not a symbol of a 25\u00d725 puzzle (A\u2013Y, with . for a "
       "blank)."},
      {"short", std::string(80, '.'),
       "The text holds 80 cells; a puzzle has 81 (9\u00d79), 256 (16\u00d716) or 625 "
       "(25\u00d725)."},
      {"empty", "\n# only a comment\n\n", "There is no puzzle to read: the text is empty."},
  };
  TGame g;
  g.Reach(gsSolutionView);
  const TCharGrid given = g.Game.GivenGrid();
  for (const TBadCase& c : cases) {
    const TPuzzleCheck check = CheckPuzzleText(c.text);
    EXPECT_EQ(check.verdict, TVerdict::Refused) << c.what;
    EXPECT_EQ(check.message.english, c.english) << c.what;
    EXPECT_FALSE(check.message.italian.empty()) << c.what;
    const TOutcome outcome = g.Game.InstallOwnPuzzle(check);
    EXPECT_EQ(outcome.messages, std::vector<TBilingual>{check.message}) << c.what;
    EXPECT_FALSE(outcome.stateChanged || outcome.setUpGrid || outcome.repaint) << c.what;
    EXPECT_EQ(g.Game.State(), gsSolutionView) << c.what;
    EXPECT_EQ(g.Game.GivenGrid(), given) << c.what;
  }
}

TEST(OwnPuzzle, IsShownCopiedPlayedKeptAndResumedAsItWasGiven) {
  TGame g;
  g.Reach(gsPuzzleView, 4);
  const TPuzzleCheck check = CheckPuzzleText(Sample("euler.ss"));
  const TOutcome outcome = g.Game.InstallOwnPuzzle(check);
  EXPECT_TRUE(outcome.setUpGrid && outcome.resizeWindow && outcome.stateChanged);
  EXPECT_EQ(outcome.messages, std::vector<TBilingual>{check.message});
  EXPECT_EQ(g.Game.State(), gsPuzzleView);
  EXPECT_EQ(g.Game.Origin(), TPuzzleOrigin::Own);
  // Not shuffled: the copy is the puzzle as the player gave it.
  std::string euler = Euler;
  for (char& ch : euler) ch = ch == '0' ? '.' : ch;
  EXPECT_EQ(g.Game.PuzzleLine(), euler);
  EXPECT_EQ(g.Game.LevelCaption().english, "Own puzzle: Simple");
  // The size choice follows the shown puzzle, so the size group shows 3x3 and F10 makes a 9×9.
  EXPECT_EQ(g.Game.Params().boxSize, 3);

  g.Game.Play();
  const TMove open = g.First(false);
  g.Game.ApplyMove({open.column, open.row, g.Solution(open)});
  EXPECT_EQ(g.Game.PuzzleLine(), euler);  // a game in play copies its givens
  const TSavedGameRead read = ReadSavedGame(g.Game.SaveText());
  ASSERT_TRUE(read.game) << read.reason.english;
  EXPECT_EQ(read.game->source, TPuzzleOrigin::Own);

  TGame later;
  later.Game.Resume(*read.game);
  EXPECT_EQ(later.Game.State(), gsPlaying);
  EXPECT_EQ(later.Game.PuzzleLine(), euler);
  EXPECT_EQ(later.Play(open), g.Solution(open));
  EXPECT_EQ(later.Game.LevelCaption(), g.Game.LevelCaption());
  // A puzzle is taken only while no game runs.
  EXPECT_FALSE(later.Game.InstallOwnPuzzle(CheckPuzzleText(Sample("25x25.sdk"))).setUpGrid);
}

TEST(OwnPuzzle, IsTypedInAndATypingCancelledPutsBackWhatWasShown) {
  TGame g;
  g.Reach(gsSolutionView);
  const TCharGrid solution = g.Game.SolutionGrid();
  EXPECT_TRUE(g.Game.BeginTypeIn(1).resizeWindow);
  EXPECT_TRUE(g.Game.TypingIn());
  EXPECT_EQ(g.Game.BoxSize(), 4);
  EXPECT_FALSE(g.Game.FunctionKey(10));  // no Generate while typing
  g.Game.KeyOnGrid('F');
  g.Game.KeyOnGrid('x');  // not a symbol
  g.Game.KeyOnGrid('0');
  EXPECT_EQ(g.Game.TypedPuzzle(), "F0" + std::string(254, '.'));
  EXPECT_TRUE(g.Game.ConfirmTypeIn().checkTypedPuzzle);
  g.Game.CancelTypeIn();
  EXPECT_EQ(g.Game.State(), gsSolutionView);
  EXPECT_EQ(g.Game.SolutionGrid(), solution);
  EXPECT_EQ(g.Game.BoxSize(), 3);

  g.Game.BeginTypeIn(0);
  for (int cell = 0; cell < 81; ++cell) {
    g.Game.SetCurrentCell(cell % 9, cell / 9);
    if (Euler[cell] != '0') g.Game.KeyOnGrid(Euler[cell]);
  }
  const TOutcome installed = g.Game.InstallOwnPuzzle(CheckPuzzleText(g.Game.TypedPuzzle()));
  EXPECT_TRUE(installed.stateChanged);
  EXPECT_FALSE(g.Game.TypingIn());
  EXPECT_EQ(g.Game.State(), gsPuzzleView);
}

class Levels : public testing::TestWithParam<int> {};

TEST_P(Levels, GenerateDrawsFromTheChosenLevelsTable) {
  TFakeClock clock;
  TsdGame game(BuiltInPuzzles(), clock);
  game.Start();
  const int size = GetParam() / 3;
  const int level = GetParam() % 3;
  game.Generate(size, level);
  ASSERT_EQ(game.State(), gsPuzzleView);
  EXPECT_EQ(game.Level(), LevelLetters[std::size_t(level)]);
  EXPECT_EQ(game.Origin(), TPuzzleOrigin::Catalogue);
  // A shuffle keeps the grade, so the puzzle shown grades as its table's level.
  const tsdtools::TFormatResult read = tsdtools::ReadPuzzleFormats(game.PuzzleLine());
  tsdtools::TGrader grader(*tsdtools::GeometryFor(read.box));
  EXPECT_EQ(tsdtools::LevelLetter(grader.Grade(read.cells.data()).level), game.Level());
}

INSTANTIATE_TEST_SUITE_P(SizesAndLevels, Levels, testing::Range(0, 9));

}  // namespace
