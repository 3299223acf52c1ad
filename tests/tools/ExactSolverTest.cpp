// Exact solver: solution counts on known cases at every size, and random complete grids.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExactSolver.h"
#include "PuzzleCatalogue.h"
#include "PuzzleText.h"

using namespace tsdtools;

namespace {

const std::string kPuzzle =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
const std::string kSolution =
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456";

std::vector<TCellValue> Read(const std::string& text) {
  TPuzzle p;
  std::string error;
  EXPECT_TRUE(ParsePuzzleText(text, p, error)) << error;
  return p.cells;
}

TEST(ExactSolver, CountsEveryFourByFourGrid) {
  // There are exactly 288 complete 4×4 grids.
  const TGeometry& g = *GeometryFor(2);
  TExactSolver solver(g);
  std::vector<TCellValue> empty(g.cells, kEmpty);
  EXPECT_EQ(solver.CountSolutions(empty.data(), 1000, nullptr), 288);
  EXPECT_EQ(solver.CountSolutions(empty.data(), 2, nullptr), 2);
}

TEST(ExactSolver, FindsTheOneSolution) {
  const TGeometry& g = *GeometryFor(3);
  TExactSolver solver(g);
  std::vector<TCellValue> found(g.cells, kEmpty);
  EXPECT_EQ(solver.CountSolutions(Read(kPuzzle).data(), 2, found.data()), 1);
  EXPECT_EQ(ToText(3, found), kSolution);
}

// Four cells in two rows of one band and two columns of different stacks, holding x y / y x: the
// two symbols can swap, so a grid without exactly those four cells has two solutions.
bool FindSwappableRectangle(const TGeometry& g, const std::vector<TCellValue>& grid, int cells[4]) {
  const int n = g.box, s = g.side;
  for (int r1 = 0; r1 < s; ++r1) {
    for (int r2 = r1 + 1; r2 < (r1 / n) * n + n; ++r2) {
      for (int c1 = 0; c1 < s; ++c1) {
        for (int c2 = (c1 / n) * n + n; c2 < s; ++c2) {
          if (grid[r1 * s + c1] == grid[r2 * s + c2] && grid[r1 * s + c2] == grid[r2 * s + c1]) {
            cells[0] = r1 * s + c1;
            cells[1] = r1 * s + c2;
            cells[2] = r2 * s + c1;
            cells[3] = r2 * s + c2;
            return true;
          }
        }
      }
    }
  }
  return false;
}

TEST(ExactSolver, SeesTwoSolutionsAndNone) {
  const TGeometry& g = *GeometryFor(3);
  TExactSolver solver(g);
  TRng rng(7);
  std::vector<TCellValue> grid(g.cells, kEmpty);
  int rect[4];
  bool found = false;
  for (int attempt = 0; attempt < 200 && !found; ++attempt) {
    ASSERT_TRUE(solver.RandomGrid(rng, grid.data(), 4000));
    found = FindSwappableRectangle(g, grid, rect);
  }
  ASSERT_TRUE(found);
  std::vector<TCellValue> open = grid;
  for (int cell : rect) open[cell] = kEmpty;
  EXPECT_EQ(solver.CountSolutions(open.data(), 5, nullptr), 2);
  EXPECT_EQ(solver.CountSolutions(open.data(), 1, nullptr), 1);

  std::vector<TCellValue> wrong = Read(kPuzzle);
  wrong[0] = 1;  // r1c1 = 2: no givens repeat, yet no grid completes it
  EXPECT_EQ(solver.CountSolutions(wrong.data(), 2, nullptr), 0);
  std::vector<TCellValue> repeated(g.cells, kEmpty);
  repeated[0] = repeated[1] = 3;
  EXPECT_EQ(solver.CountSolutions(repeated.data(), 2, nullptr), 0);
}

// On the larger grids the search also runs locked candidates, pairs and triples: it must still
// find both solutions of a catalogue puzzle that has lost the givens of a swappable rectangle, and
// exactly two for a full grid without those four cells.
TEST(ExactSolver, CountsTwoSolutionsOnTheLargerGrids) {
  for (int box = 4; box <= 5; ++box) {
    const TGeometry& g = *GeometryFor(box);
    std::string puzzleText, solutionText, error;
    ASSERT_TRUE(GetStoredPuzzle(box, 'A', 0, puzzleText, solutionText));
    TPuzzle puzzle;
    std::vector<TCellValue> solution;
    ASSERT_TRUE(ParsePuzzleText(puzzleText, puzzle, error)) << error;
    ASSERT_TRUE(ParseSolutionText(solutionText, box, solution, error)) << error;
    int rect[4];
    ASSERT_TRUE(FindSwappableRectangle(g, solution, rect)) << box;
    std::vector<TCellValue> open = solution, loose = puzzle.cells;
    for (int cell : rect) open[cell] = loose[cell] = kEmpty;

    TExactSolver solver(g);
    std::vector<TCellValue> found(g.cells, kEmpty);
    EXPECT_EQ(solver.CountSolutions(open.data(), 5, found.data()), 2) << box;
    EXPECT_TRUE(IsCompleteGrid(g, found)) << box;
    EXPECT_EQ(solver.CountSolutions(loose.data(), 2, found.data()), 2) << box;
    EXPECT_TRUE(IsCompleteGrid(g, found)) << box;
    for (int cell = 0; cell < g.cells; ++cell) {
      if (loose[cell] != kEmpty) {
        EXPECT_EQ(found[cell], loose[cell]) << box << " " << cell;
      }
    }
  }
}

TEST(ExactSolver, RandomGridsAreCompleteAndVary) {
  for (int box = 3; box <= 5; ++box) {
    const TGeometry& g = *GeometryFor(box);
    TExactSolver solver(g);
    std::vector<TCellValue> first(g.cells, kEmpty), second(g.cells, kEmpty);
    TRng rng(box);
    bool ok = false;
    for (int attempt = 0; attempt < 20 && !ok; ++attempt)
      ok = solver.RandomGrid(rng, first.data(), 4000);
    ASSERT_TRUE(ok) << box;
    EXPECT_TRUE(IsCompleteGrid(g, first)) << box;
    ok = false;
    for (int attempt = 0; attempt < 20 && !ok; ++attempt)
      ok = solver.RandomGrid(rng, second.data(), 4000);
    ASSERT_TRUE(ok) << box;
    EXPECT_NE(first, second) << box;
  }
}

}  // namespace
