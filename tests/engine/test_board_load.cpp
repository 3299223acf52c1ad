// Loading: length checks and their messages, the sticky error, blanks, case, geometry and export.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "BoardFixtures.h"
#include "TsdBoard.h"

using namespace fixtures;

namespace {

std::string GridRow(const TCharGrid& grid, int row, int side) {
  return std::string(grid[static_cast<std::size_t>(row)].data(), static_cast<std::size_t>(side));
}

struct TLengthCase {
  const char* name;
  std::string symbols;
  std::string puzzle;
  std::string solution;
  std::string message;
};

// Keeps test listings readable: the case's name instead of its bytes.
void PrintTo(const TLengthCase& c, std::ostream* os) {
  *os << c.name;
}

class LoadLengthTest : public ::testing::TestWithParam<TLengthCase> {};

TEST_P(LoadLengthTest, FirstFailingCheckIsReportedAndGridsStayBlank) {
  const TLengthCase& c = GetParam();
  TsdBoard board(3, c.symbols, c.puzzle, c.solution);
  EXPECT_TRUE(board.HasError());
  EXPECT_EQ(board.GetErrorText(), c.message);
  TCharGrid grid = FilledGrid('#');
  board.GetPuzzleGrid(grid);
  for (int row = 0; row < 9; ++row) EXPECT_EQ(GridRow(grid, row, 9), std::string(9, ' '));
  board.GetSolutionGrid(grid);
  for (int row = 0; row < 9; ++row) EXPECT_EQ(GridRow(grid, row, 9), std::string(9, ' '));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, LoadLengthTest,
    ::testing::Values(
        // The symbol set is checked first: the texts' lengths are not even looked at.
        TLengthCase{"ShortSymbols", "12345678", "x", "", "Chars length expected:9 received:8"},
        TLengthCase{"LongSymbols", "1234567890", ExamplePuzzle, ExampleSolution,
                    "Chars length expected:9 received:10"},
        TLengthCase{"ShortPuzzle", std::string(Symbols3), ExamplePuzzle.substr(0, 80), "",
                    "Generator Puzzle dimension expected:81 received:80"},
        TLengthCase{"EmptyPuzzle", std::string(Symbols3), "", ExampleSolution,
                    "Generator Puzzle dimension expected:81 received:0"},
        TLengthCase{"LongSolution", std::string(Symbols3), ExamplePuzzle, ExampleSolution + "1",
                    "Generator Solution dimension expected:81 received:82"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BoardLoad, ErrorIsStickyAndTheLastMessageWins) {
  TsdBoard board(3, "12345678", ExamplePuzzle, ExampleSolution);
  ASSERT_TRUE(board.HasError());

  board.LoadPuzzle(ExamplePuzzle, ExampleSolution, Symbols3);
  EXPECT_TRUE(board.HasError()) << "a later good load must not clear the flag";
  EXPECT_EQ(board.GetErrorText(), "Chars length expected:9 received:8");
  TCharGrid grid = FilledGrid('#');
  board.GetSolutionGrid(grid);
  EXPECT_EQ(GridRow(grid, 0, 9), "835147629") << "the good load still fills the grids";

  board.LoadPuzzle(ExamplePuzzle, "", Symbols3);
  EXPECT_EQ(board.GetErrorText(), "Generator Solution dimension expected:81 received:0");
}

TEST(BoardLoad, FailedReloadKeepsThePreviousGrids) {
  TsdBoard board(3, Symbols3, ExamplePuzzle, ExampleSolution);
  ASSERT_FALSE(board.HasError());
  board.LoadPuzzle(std::string(81, '1'), "too short", Symbols3);
  TCharGrid grid = FilledGrid('#');
  board.GetPuzzleGrid(grid);
  EXPECT_EQ(GridRow(grid, 0, 9), "   1 7   ");
}

TEST(BoardLoad, ExampleLoadsAndExportsCellByCell) {
  TsdBoard board(3, Symbols3, ExamplePuzzle, ExampleSolution);
  ASSERT_FALSE(board.HasError()) << board.GetErrorText();
  EXPECT_EQ(board.GetSide(), 9);
  TCharGrid puzzle = FilledGrid('#');
  TCharGrid solution = FilledGrid('#');
  board.GetPuzzleGrid(puzzle);
  board.GetSolutionGrid(solution);
  for (int i = 0; i < 81; ++i) {
    const char expected = ExamplePuzzle[static_cast<std::size_t>(i)] == '?'
                              ? ' '
                              : ExamplePuzzle[static_cast<std::size_t>(i)];
    EXPECT_EQ(puzzle[static_cast<std::size_t>(i / 9)][static_cast<std::size_t>(i % 9)], expected);
    EXPECT_EQ(solution[static_cast<std::size_t>(i / 9)][static_cast<std::size_t>(i % 9)],
              ExampleSolution[static_cast<std::size_t>(i)]);
  }
  EXPECT_EQ(board.PuzzleValue(0, 3), 0) << "'1' is value 0 of the set";
  EXPECT_EQ(board.PuzzleValue(0, 0), BlankValue);
}

TEST(BoardLoad, EveryBlankCharacterAndForeignSymbolLoadsAsBlank) {
  TsdBoard board(3, Symbols3, ExamplePuzzle, ExampleSolution);
  for (char ch : {'.', '?', '-', ' ', '0', 'x', '\0', '\xff'}) {
    SCOPED_TRACE(static_cast<int>(ch));
    EXPECT_EQ(board.CharToValue(ch), BlankValue);
  }
  EXPECT_EQ(board.CharToValue('9'), 8);
}

TEST(BoardLoad, LowerCaseTextMatchesUpperCaseSymbols) {
  std::string solution = PatternSolution(5, Symbols5);
  std::string lower = solution;
  for (char& ch : lower) ch = static_cast<char>(ch - 'A' + 'a');
  std::string puzzle = CutPuzzle(lower, 3);
  // The symbol set itself may come in lower case too.
  std::string lowerSymbols = "abcdefghijklmnopqrstuvwxy";
  TsdBoard board(5, lowerSymbols, puzzle, lower);
  ASSERT_FALSE(board.HasError()) << board.GetErrorText();
  TCharGrid grid = FilledGrid('#');
  board.GetSolutionGrid(grid);
  EXPECT_EQ(GridRow(grid, 0, 25), solution.substr(0, 25));
  board.GetPuzzleGrid(grid);
  EXPECT_EQ(grid[0][0], 'A');
  EXPECT_EQ(grid[0][1], ' ');
}

TEST(BoardLoad, ExportLeavesEverythingOutsideTheCornerUntouched) {
  TCharGrid grid = FilledGrid('#');
  const std::string large = PatternSolution(5, Symbols5);
  TsdBoard(5, Symbols5, large, large).GetSolutionGrid(grid);
  TsdBoard(3, Symbols3, ExamplePuzzle, ExampleSolution).GetSolutionGrid(grid);
  EXPECT_EQ(GridRow(grid, 0, 9), "835147629");
  EXPECT_EQ(grid[0][9], large[9]) << "column 9 of the earlier 25×25 export stays";
  EXPECT_EQ(grid[9][0], large[9 * 25]);
  EXPECT_EQ(grid[30][30], '#') << "outside both boards";
  EXPECT_EQ(grid[64][64], '#');
}

TEST(BoardGeometry, BoxOfCellIsRowBandMajor) {
  TsdBoard board(3, Symbols3, ExamplePuzzle, ExampleSolution);
  struct {
    int row, column, box;
  } cases[] = {{0, 0, 0}, {0, 8, 2}, {4, 7, 5}, {8, 0, 6}, {8, 8, 8}, {3, 3, 4}, {2, 3, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(board.BoxOfCell(c.row, c.column), c.box) << c.row << "," << c.column;
  }
  EXPECT_EQ(board.BoxOfCell(9, 0), 0) << "a cell outside every box answers 0";
  EXPECT_EQ(board.BoxOfCell(-1, -1), 0);

  for (int n = 1; n <= 8; ++n) {
    const int side = n * n;
    TsdBoard b(n, std::string(static_cast<std::size_t>(side), '#'), "", "");
    for (int row = 0; row < side; ++row) {
      for (int column = 0; column < side; ++column) {
        ASSERT_EQ(b.BoxOfCell(row, column), (row / n) * n + column / n) << n;
      }
    }
  }
}

TEST(BoardLoad, BoxSizeTwoLoadsNormally) {
  const std::string symbols = "ABCD";
  const std::string solution = PatternSolution(2, symbols);
  TsdBoard board(2, symbols, CutPuzzle(solution, 2), solution);
  EXPECT_FALSE(board.HasError()) << board.GetErrorText();
  EXPECT_EQ(board.GetSide(), 4);
  EXPECT_TRUE(board.IsSolutionValid());
}

TEST(BoardLoad, ReloadReplacesTheSymbolSet) {
  TsdBoard board(3, Symbols3, ExamplePuzzle, ExampleSolution);
  const std::string letters = "ABCDEFGHI";
  board.LoadPuzzle(PatternSolution(3, letters), PatternSolution(3, letters), letters);
  ASSERT_FALSE(board.HasError());
  EXPECT_TRUE(board.IsSymbol('c'));
  EXPECT_FALSE(board.IsSymbol('1'));
}

// A box size the 65×65 grids cannot hold is refused with a message, and the board stays safe:
// every later call keeps inside its arrays (the sanitizer build proves the "inside").
class BadBoxSizeTest : public ::testing::TestWithParam<int> {};

TEST_P(BadBoxSizeTest, IsRecordedAndEveryLaterCallIsSafe) {
  const int n = GetParam();
  TsdBoard board(n, Symbols3, ExamplePuzzle, ExampleSolution);
  EXPECT_TRUE(board.HasError());
  EXPECT_EQ(board.GetErrorText(), "Box size expected:1-8 received:" + std::to_string(n));
  EXPECT_EQ(board.GetSide(), 0);

  board.LoadPuzzle(ExamplePuzzle, ExampleSolution, Symbols3);
  EXPECT_EQ(board.GetErrorText(), "Box size expected:1-8 received:" + std::to_string(n));
  board.Genera();
  EXPECT_TRUE(board.GetErrorText().starts_with("Internal error: Genera. Dimensione:"));
  EXPECT_FALSE(board.IsSolutionValid());
  TCharGrid grid = FilledGrid('#');
  board.GetPuzzleGrid(grid);
  board.GetSolutionGrid(grid);
  EXPECT_EQ(grid[0][0], '#');
  EXPECT_FALSE(board.RowHasDuplicate('#', 0, 0, grid));
  EXPECT_FALSE(board.ColHasDuplicate('#', 0, 0, grid));
  EXPECT_FALSE(board.BoxHasDuplicate('#', 0, 0, grid));
  EXPECT_EQ(board.PuzzleValue(0, 0), BlankValue);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, BadBoxSizeTest,
                         ::testing::Values(0, -1, 9, 65, 100000, INT_MIN, INT_MAX));

}  // namespace
