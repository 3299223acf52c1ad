// Puzzle text reading: accepted forms and the one-line message for each kind of bad input.
#include <gtest/gtest.h>

#include <string>

#include "PuzzleText.h"

using namespace tsdtools;

namespace {

const std::string kExample =
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";

TEST(PuzzleText, ReadsEveryBlankCharacterAndLowerCase) {
  std::string text = kExample;
  text[0] = '.';
  text[1] = '-';
  text[2] = ' ';
  TPuzzle puzzle;
  std::string error;
  ASSERT_TRUE(ParsePuzzleText(text + "\r\n", puzzle, error)) << error;
  EXPECT_EQ(puzzle.box, 3);
  EXPECT_EQ(puzzle.cells[0], kEmpty);
  EXPECT_EQ(puzzle.cells[3], 0);  // "1" is value 0
  EXPECT_EQ(ToText(3, puzzle.cells), kExample);

  std::string big(625, '?');
  big[0] = 'y';
  ASSERT_TRUE(ParsePuzzleText(big, puzzle, error)) << error;
  EXPECT_EQ(puzzle.box, 5);
  EXPECT_EQ(puzzle.cells[0], 24);
}

TEST(PuzzleText, RefusesBadInputWithOneLine) {
  std::string wrongChar = kExample;
  wrongChar[10] = 'x';
  std::string zeroIn9 = kExample;
  zeroIn9[0] = '0';
  std::string twice = kExample;
  twice[0] = '1';  // row 1 already holds 1 at r1c4
  std::string inBox = std::string(256, '?');
  inBox[0] = 'A';
  inBox[16 + 1] = 'A';  // r2c2, same box as r1c1
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"", "puzzle text has 0 characters; expected 81 (9x9), 256 (16x16) or 625 (25x25)"},
      {kExample.substr(1), "puzzle text has 80 characters"},
      {wrongChar, "unknown character 'x' at r2c2"},
      {zeroIn9, "unknown character '0' at r1c1"},
      {std::string(80, '?') + "\t", "unknown character byte 0x09 at r9c9"},
      {twice, "contradictory givens: 1 appears twice in row 1 (r1c1 and r1c4)"},
      {inBox, "contradictory givens: A appears twice in box 1 (r1c1 and r2c2)"},
  };
  for (const auto& c : cases) {
    TPuzzle puzzle;
    std::string error;
    EXPECT_FALSE(ParsePuzzleText(c.text, puzzle, error)) << c.text;
    EXPECT_NE(error.find(c.expected), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(PuzzleText, SolutionTextMustBeAllSymbols) {
  std::vector<TCellValue> cells;
  std::string error;
  const std::string solution =
      "835147629729863145641592783456239871397481562218756394562374918984615237173928456";
  EXPECT_TRUE(ParseSolutionText(solution, 3, cells, error));
  std::string blank = solution;
  blank[5] = '?';
  EXPECT_FALSE(ParseSolutionText(blank, 3, cells, error));
  EXPECT_NE(error.find("r1c6"), std::string::npos) << error;
  EXPECT_FALSE(ParseSolutionText(solution, 4, cells, error));
  EXPECT_FALSE(ParseSolutionText(solution, 7, cells, error));
}

}  // namespace
