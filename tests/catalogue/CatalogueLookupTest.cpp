// Lookup of the built-in catalogue: counts, fetching, and refusal of unknown sizes, letters,
// indexes.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "PuzzleCatalogue.h"

namespace {

TEST(CatalogueLookup, CountsPerSizeAndLevel) {
  const struct {
    int box;
    char level;
    int count;
  } cases[] = {
      {3, 'E', 100}, {3, 'M', 100}, {3, 'A', 100}, {4, 'E', 50},        {4, 'M', 25},
      {4, 'A', 25},  {5, 'E', 25},  {5, 'M', 25},  {5, 'A', 25},        {3, 'e', 100},
      {4, 'm', 25},  {5, 'a', 25},  {6, 'E', 0},   {3, 'X', 0},         {2, 'E', 0},
      {0, 'M', 0},   {-3, 'A', 0},  {3, '\0', 0},  {INT32_MAX, 'E', 0},
  };
  int total = 0;
  for (const auto& c : cases) {
    EXPECT_EQ(GetStoredPuzzleCount(c.box, c.level), c.count) << c.box << " " << c.level;
  }
  for (int box = 3; box <= 5; ++box) {
    for (char level : LevelLetters) total += GetStoredPuzzleCount(box, level);
  }
  EXPECT_EQ(total, 475);
}

TEST(CatalogueLookup, FirstSimpleNineByNineIsTheFixedExample) {
  std::string puzzle, solution;
  ASSERT_TRUE(GetStoredPuzzle(3, 'E', 0, puzzle, solution));
  EXPECT_EQ(puzzle,
            "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6");
  EXPECT_EQ(solution,
            "835147629729863145641592783456239871397481562218756394562374918984615237173928456");
  std::string lower, lowerSolution;
  ASSERT_TRUE(GetStoredPuzzle(3, 'e', 0, lower, lowerSolution));
  EXPECT_EQ(lower, puzzle);
}

TEST(CatalogueLookup, LastEntryOfEveryTableHasBothHalves) {
  for (int box = 3; box <= 5; ++box) {
    const std::size_t cells = static_cast<std::size_t>(box * box * box * box);
    for (char level : LevelLetters) {
      std::string puzzle, solution;
      const int count = GetStoredPuzzleCount(box, level);
      ASSERT_TRUE(GetStoredPuzzle(box, level, count - 1, puzzle, solution)) << box << level;
      EXPECT_EQ(puzzle.size(), cells);
      EXPECT_EQ(solution.size(), cells);
    }
  }
}

TEST(CatalogueLookup, RefusalLeavesTheOutputsAsTheyWere) {
  const struct {
    int box;
    char level;
    int index;
  } cases[] = {
      {6, 'E', 0},         {3, 'X', 0},         {2, 'E', 0},         {3, 'E', -1},
      {3, 'E', 100},       {4, 'M', 25},        {5, 'A', 25},        {4, 'E', 50},
      {3, 'M', INT32_MAX}, {5, 'E', INT32_MIN}, {INT32_MIN, 'A', 0},
  };
  for (const auto& c : cases) {
    std::string puzzle = "keep me", solution = "and me";
    EXPECT_FALSE(GetStoredPuzzle(c.box, c.level, c.index, puzzle, solution))
        << c.box << " " << c.level << " " << c.index;
    EXPECT_EQ(puzzle, "keep me");
    EXPECT_EQ(solution, "and me");
  }
}

}  // namespace
