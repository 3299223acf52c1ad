// Rule checks: the board's solution walk and the duplicate tests on a caller's character grid.
#include <gtest/gtest.h>

#include "BoardFixtures.h"
#include "TsdBoard.h"

using namespace fixtures;

namespace {

std::string Swapped(std::string text, std::size_t a, std::size_t b) {
  std::swap(text[a], text[b]);
  return text;
}

std::string WithCell(std::string text, std::size_t index, char ch) {
  return text.replace(index, 1, 1, ch);
}

struct TSolutionCase {
  const char* name;
  std::string solution;
  bool valid;
};

void PrintTo(const TSolutionCase& c, std::ostream* os) {
  *os << c.name;
}

class SolutionValidTest : public ::testing::TestWithParam<TSolutionCase> {};

TEST_P(SolutionValidTest, JudgesTheSolutionAndLeavesItAsItWas) {
  const TSolutionCase& c = GetParam();
  TsdBoard board(3, Symbols3, ExamplePuzzle, c.solution);
  ASSERT_FALSE(board.HasError());
  std::vector<int> before;
  for (int i = 0; i < 81; ++i) before.push_back(board.SolutionValue(i / 9, i % 9));
  EXPECT_EQ(board.IsSolutionValid(), c.valid);
  for (int i = 0; i < 81; ++i) {
    ASSERT_EQ(board.SolutionValue(i / 9, i % 9), before[static_cast<std::size_t>(i)])
        << "cell " << i << " must be restored, never left holding the check mark";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SolutionValidTest,
    ::testing::Values(
        TSolutionCase{"Correct", ExampleSolution, true},
        // Swapping two cells of one row keeps the row but breaks two columns, across boxes.
        TSolutionCase{"ColumnClash", Swapped(ExampleSolution, 0, 8), false},
        // Swapping within a column keeps that column but breaks the rows.
        TSolutionCase{"RowClash", Swapped(ExampleSolution, 0, 9 * 8), false},
        // Rows 0 and 1 swapped in columns 0..2 only would break columns; instead: two rows of a
        // band exchanged whole keep rows, columns and boxes; exchanging rows across bands breaks
        // only boxes.
        TSolutionCase{"BoxClashOnly",
                      ExampleSolution.substr(27, 9) + ExampleSolution.substr(9, 18) +
                          ExampleSolution.substr(0, 9) + ExampleSolution.substr(36),
                      false},
        TSolutionCase{"SameBandRowsExchanged",
                      ExampleSolution.substr(9, 9) + ExampleSolution.substr(0, 9) +
                          ExampleSolution.substr(18),
                      true},
        TSolutionCase{"OneBlankPasses", WithCell(ExampleSolution, 40, '?'), true},
        TSolutionCase{"TwoBlanksInARow", WithCell(WithCell(ExampleSolution, 36, '?'), 44, '?'),
                      false},
        TSolutionCase{"TwoBlanksInAColumn", WithCell(WithCell(ExampleSolution, 4, '?'), 76, '?'),
                      false},
        TSolutionCase{"TwoBlanksInABox", WithCell(WithCell(ExampleSolution, 30, '?'), 50, '?'),
                      false},
        TSolutionCase{"TwoBlanksApart", WithCell(WithCell(ExampleSolution, 0, '?'), 80, '?'),
                      true}),
    [](const auto& info) { return std::string(info.param.name); });

class RulesGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid = FilledGrid('#');
    TsdBoard(3, Symbols3, ExamplePuzzle, ExampleSolution).GetPuzzleGrid(grid);
  }
  TsdBoard board{3, Symbols3, ExamplePuzzle, ExampleSolution};
  TCharGrid grid;
};

TEST_F(RulesGridTest, OwnCharacterNeverCounts) {
  // Row 0 of the puzzle: "   1 7   ".
  EXPECT_FALSE(board.RowHasDuplicate('1', 0, 3, grid));
  EXPECT_FALSE(board.ColHasDuplicate('1', 0, 3, grid));
  EXPECT_FALSE(board.BoxHasDuplicate('1', 0, 3, grid));
}

TEST_F(RulesGridTest, FindsTheSameCharacterElsewhere) {
  grid[0][8] = '1';
  EXPECT_TRUE(board.RowHasDuplicate('1', 0, 8, grid));
  EXPECT_TRUE(board.RowHasDuplicate('1', 0, 3, grid));
  grid[8][3] = '1';
  EXPECT_TRUE(board.ColHasDuplicate('1', 8, 3, grid));
  EXPECT_FALSE(board.BoxHasDuplicate('1', 8, 3, grid)) << "rows 6-8 hold no other 1 in box 7";
}

TEST_F(RulesGridTest, BoxTestLooksAtTheCellsBoxOnly) {
  TCharGrid g = FilledGrid(' ');
  g[4][7] = '5';
  // Same row and column but outside box 5 (rows 3-5, columns 6-8): not a box duplicate.
  g[4][0] = '5';
  g[0][7] = '5';
  EXPECT_FALSE(board.BoxHasDuplicate('5', 4, 7, g));
  g[3][6] = '5';
  EXPECT_TRUE(board.BoxHasDuplicate('5', 4, 7, g));
  g[3][6] = ' ';
  g[5][8] = '5';
  EXPECT_TRUE(board.BoxHasDuplicate('5', 4, 7, g));
  g[5][8] = ' ';
  g[6][7] = '5';  // just below the box
  EXPECT_FALSE(board.BoxHasDuplicate('5', 4, 7, g));
}

TEST_F(RulesGridTest, ComparesBytesExactly) {
  TCharGrid g = FilledGrid(' ');
  g[2][0] = 'A';
  EXPECT_FALSE(board.RowHasDuplicate('a', 2, 5, g)) << "no case folding";
  EXPECT_TRUE(board.RowHasDuplicate('A', 2, 5, g));
  // A blank asks about other blanks like any character.
  EXPECT_TRUE(board.RowHasDuplicate(' ', 2, 5, g));
  EXPECT_TRUE(board.ColHasDuplicate(' ', 2, 5, g));
  EXPECT_TRUE(board.BoxHasDuplicate(' ', 2, 5, g));
}

TEST_F(RulesGridTest, LooksOnlyInsideTheBoard) {
  TCharGrid g = FilledGrid(' ');
  g[0][9] = '3';  // just right of a 9×9 board
  g[9][0] = '3';  // just below
  EXPECT_FALSE(board.RowHasDuplicate('3', 0, 0, g));
  EXPECT_FALSE(board.ColHasDuplicate('3', 0, 0, g));
}

TEST_F(RulesGridTest, CellsOutsideTheBoardAreNeverDuplicates) {
  TCharGrid g = FilledGrid('7');
  struct {
    int row, column;
  } outside[] = {{-1, 0}, {0, -1}, {9, 0},       {0, 9},     {64, 64},
                 {65, 0}, {0, 65}, {-100000, 3}, {3, 100000}};
  for (const auto& c : outside) {
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
    EXPECT_FALSE(board.BoxHasDuplicate('7', c.row, c.column, g));
    if (c.row < 0 || c.row >= 9) {
      EXPECT_FALSE(board.RowHasDuplicate('7', c.row, c.column, g));
    }
    if (c.column < 0 || c.column >= 9) {
      EXPECT_FALSE(board.ColHasDuplicate('7', c.row, c.column, g));
    }
  }
}

TEST(RulesSymbols, IsSymbolUpperCasesAndLooksInTheSet) {
  struct {
    int n;
    char ch;
    bool symbol;
  } cases[] = {
      {5, 'a', true}, {5, 'A', true},  {5, 'y', true},  {5, 'Z', false}, {5, 'z', false},
      {4, '0', true}, {4, 'f', true},  {4, 'F', true},  {4, 'G', false}, {3, '0', false},
      {3, '9', true}, {3, ' ', false}, {3, '.', false}, {3, '?', false}, {3, '\0', false},
  };
  for (const auto& c : cases) {
    const std::string_view symbols = SymbolsOfBoxSize(c.n);
    const std::string solution = PatternSolution(c.n, symbols);
    TsdBoard board(c.n, symbols, solution, solution);
    EXPECT_EQ(board.IsSymbol(c.ch), c.symbol) << c.n << " '" << c.ch << "'";
  }
}

}  // namespace
