// Step explanations: one fixed position per technique (text and marks), wrong entries named first,
// and every catalogue puzzle completed by following the explanations from its start.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Explanation.h"
#include "PuzzleCatalogue.h"

using namespace tsdtech;

namespace {

// A 9×9 text ("." blank) in the corner of a character grid, as the game model holds it.
TCharGrid Grid(std::string_view text) {
  TCharGrid grid{};
  for (auto& row : grid) row.fill('#');  // outside the corner: must never be read
  for (std::size_t i = 0; i < text.size(); ++i) grid[i / 9][i % 9] = text[i] == '.' ? ' ' : text[i];
  return grid;
}

std::string Solution(char level, int index) {
  std::string puzzle, solution;
  EXPECT_TRUE(GetStoredPuzzle(3, level, index, puzzle, solution));
  return solution;
}

bool Has(const TExplanation& e, int row, int column, TCellRole role) {
  return std::any_of(e.FCells.begin(), e.FCells.end(), [&](const TMarkedCell& c) {
    return c.FRow == row && c.FColumn == column && c.FRole == role;
  });
}

bool HasUnit(const TExplanation& e, TUnitKind kind, int index) {
  return std::any_of(e.FUnits.begin(), e.FUnits.end(),
                     [&](const TMarkedUnit& u) { return u.FKind == kind && u.FIndex == index; });
}

// Positions where the cheapest step is the named technique, each checked by hand against its
// grid; the solution is the catalogue entry the position comes from. Rows and columns below are
// counted from 1, as in the texts.
struct TStepCase {
  const char* name;
  char level;
  int index;
  std::string_view position;
  TTechnique technique;  // the hardest the step uses
  std::vector<TTechnique> eliminations;
  int row, column;
  char symbol;
  std::vector<std::pair<int, int>> pattern;
  TUnitKind unitKind;  // a unit the step must mark
  int unitNumber;
  std::string_view en, it;  // it: only checked when given
};

const TStepCase kStepCases[] = {
    {"NakedSingle",
     'E',
     0,
     "8351476297298631456415927834562398713974.1562218756394562374918984615237173928456",
     TTechnique::NakedSingle,
     {},
     5,
     5,
     '8',
     {},
     TUnitKind::Box,
     5,
     "Row 5, column 5: only 8 can go here (every other symbol is already in its row, column or "
     "box).",
     "Riga 5, colonna 5: qui può andare solo l'8 (tutti gli altri simboli compaiono già nella sua "
     "riga, colonna o riquadro)."},
    {"HiddenSingle",
     'E',
     0,
     "...1.7......8....5....927.3....3.......4.156..1..5..9.5.2....1.9....5......9..4.6",
     TTechnique::HiddenSingle,
     {},
     9,
     8,
     '5',
     {},
     TUnitKind::Row,
     9,
     "Row 9: 5 can only go in column 8 (every other open cell of the row sees a 5).",
     "Riga 9: il 5 può andare solo nella colonna 8 (ogni altra cella libera della riga vede già un "
     "5)."},
    {"Pointing",
     'M',
     1,
     "21....7.3.34..2....9.3.8..4387..9462162487..9459236871..3...9.79......45...92....",
     TTechnique::Pointing,
     {TTechnique::Pointing},
     9,
     2,
     '7',
     {{2, 1}, {3, 1}},
     TUnitKind::Column,
     1,
     "Box 1: 7 can only go in column 1 (rows 2 and 3), so no other cell of column 1 can hold a 7. "
     "Row 9: 7 can now only go in column 2 (every other open cell of the row sees a 7 or has just "
     "been "
     "ruled out).",
     "Riquadro 1: il 7 può andare solo nella colonna 1 (righe 2 e 3), quindi nessun'altra cella "
     "della colonna 1 può contenere un 7. Riga 9: ora il 7 può andare solo nella colonna 2 (ogni "
     "altra cella libera della riga vede già un 7, oppure è appena stata esclusa)."},
    {"Claiming",
     'M',
     13,
     "...78......7..........4.873..3926417..4...26567245139834..6.7..7.6...5.92........",
     TTechnique::Claiming,
     {TTechnique::Claiming},
     8,
     2,
     '1',
     {{7, 3}, {9, 3}},
     TUnitKind::Box,
     7,
     "Column 3: 8 can only go in box 7 (rows 7 and 9), so no other cell of box 7 can hold an 8. "
     "Row 8, column 2: only 1 can go here now (every other symbol is in its row, column or box, "
     "or has just been ruled out).",
     ""},
    {"NakedPair",
     'A',
     1,
     ".712.34989.8714...34.9.87.113.8265..8..497.1.46.1358...943821..28.6719..71.549.82",
     TTechnique::NakedPair,
     {TTechnique::NakedPair},
     2,
     7,
     '2',
     {{5, 2}, {5, 3}},
     TUnitKind::Column,
     7,
     "Row 5: the cells in columns 2 and 3 can only hold 2 or 5 between them, so no other cell of "
     "row 5 can hold 2 or 5. Column 7: 2 can now only go in row 2 (every other open cell of the "
     "column "
     "sees a 2 or has just been ruled out).",
     ""},
    {"NakedTriple",
     'A',
     3,
     "1..8.9....5.3..12..7.1.2....976..482.1.2..976286.9..1.86.9....4731.2..9...9..3..1",
     TTechnique::NakedTriple,
     {TTechnique::NakedTriple},
     7,
     8,
     '3',
     {{8, 7}, {8, 9}, {9, 8}},
     TUnitKind::Box,
     9,
     "Box 9: the cells in row 8, columns 7 and 9, and row 9, column 8 can only hold 5, 6 or 8 "
     "between them, so no other cell of box 9 can hold 5, 6 or 8. Row 7, column 8: only 3 can go "
     "here now (every other symbol is in its row, column or box, or has just been ruled out).",
     "Riquadro 9: le celle in riga 8, colonne 7 e 9, e in riga 9, colonna 8 possono contenere "
     "solo 5, 6 o 8, quindi nessun'altra cella del riquadro 9 può contenere 5, 6 o 8. Riga 7, "
     "colonna 8: ora qui può andare solo il 3 (tutti gli altri simboli compaiono già nella sua "
     "riga, colonna o riquadro, oppure sono appena stati esclusi)."},
    {"HiddenPair",
     'A',
     13,
     "..9......8....7.2....645198....539.235....7.1.....1453..63..2....4.......1..26...",
     TTechnique::HiddenPair,
     {TTechnique::HiddenPair},
     2,
     3,
     '5',
     {{1, 1}, {4, 1}},
     TUnitKind::Box,
     1,
     "Column 1: 1 and 4 can only go in rows 1 and 4, so those two cells can hold only 1 or 4. "
     "Box 1: 5 can now only go in row 2, column 3 (every other open cell of the box sees a 5 or "
     "has "
     "just been ruled out).",
     "Colonna 1: l'1 e il 4 possono andare solo nelle righe 1 e 4, quindi quelle due celle "
     "possono contenere solo 1 o 4. Riquadro 1: ora il 5 può andare solo nella cella in riga 2, "
     "colonna 3 (ogni altra cella libera del riquadro vede già un 5, oppure è appena stata "
     "esclusa)."},
};

TEST(Explanation, EachTechniqueOnItsPosition) {
  for (const TStepCase& c : kStepCases) {
    SCOPED_TRACE(c.name);
    const TCharGrid position = Grid(c.position);
    const TExplanation e =
        ExplainNextStep(3, Symbols3, position, position, Grid(Solution(c.level, c.index)));
    ASSERT_EQ(e.FKind, TExplanationKind::Step) << e.FTextEN;
    EXPECT_EQ(e.FEliminations, c.eliminations);
    EXPECT_EQ(e.FTechnique, c.technique);
    EXPECT_EQ(e.FRow, c.row - 1);
    EXPECT_EQ(e.FColumn, c.column - 1);
    EXPECT_EQ(e.FSymbol, c.symbol);
    EXPECT_EQ(e.FTextEN, c.en);
    if (!c.it.empty()) {
      EXPECT_EQ(e.FTextIT, c.it);
    }
    EXPECT_TRUE(Has(e, c.row - 1, c.column - 1, TCellRole::Placement));
    for (const auto& [row, column] : c.pattern) {
      EXPECT_TRUE(Has(e, row - 1, column - 1, TCellRole::Pattern)) << row << "," << column;
    }
    const auto patterns = std::count_if(e.FCells.begin(), e.FCells.end(), [](const TMarkedCell& m) {
      return m.FRole == TCellRole::Pattern;
    });
    EXPECT_EQ(patterns, static_cast<long>(c.pattern.size()));
    EXPECT_TRUE(HasUnit(e, c.unitKind, c.unitNumber - 1));
  }
}

// Entries against the example solution; of the wrong ones, the one with the plainest reason is
// named (a repeat with a given, then with a right entry, …), the first in reading order among
// equals, whatever else the position offers.
struct TWrongCase {
  const char* name;
  std::string_view position;                  // givens
  std::vector<std::pair<int, char>> entries;  // cell index (from 0) and symbol
  int row, column;
  std::pair<int, int> reason;  // a cell marked as the reason; {0, 0} for none
  std::string_view en, it;
};

const TWrongCase kWrongCases[] = {
    {"RepeatInRowBeforeAnyStep",
     "...1.7......8....5....927.3....3.......4.156..1..5..9.5.2....1.9....5......9..4.6",
     {{79, '3'}, {0, '1'}},
     1,
     1,
     {1, 4},
     "The 1 in row 1, column 1 cannot be right: row 1 already has a 1 in column 4.",
     "Nella cella in riga 1, colonna 1 non può esserci un 1: la riga 1 ha già un 1 nella colonna "
     "4."},
    {"AGivenRepeatBeatsAnEarlierPlausibleEntry",
     "...1.7......8....5....927.3....3.......4.156..1..5..9.5.2....1.9....5......9..4.6",
     {{0, '2'}, {40, '1'}},
     5,
     5,
     {5, 6},
     "The 1 in row 5, column 5 cannot be right: row 5 already has a 1 in column 6.",
     "Nella cella in riga 5, colonna 5 non può esserci un 1: la riga 5 ha già un 1 nella colonna "
     "6."},
    {"TheGivenIsCitedNotTheOtherWrongEntry",
     "...1.7......8....5....927.3....3.......4.156..1..5..9.5.2....1.9....5......9..4.6",
     {{0, '2'}, {4, '2'}},
     1,
     5,
     {3, 6},
     "The 2 in row 1, column 5 cannot be right: box 2 already has a 2 in row 3, column 6.",
     "Nella cella in riga 1, colonna 5 non può esserci un 2: il riquadro 2 ha già un 2 in riga 3, "
     "colonna 6."},
    {"LeavesACellEmpty",
     "..5147629729863145641592783456239871.97481562218756394562374918984615237173928456",
     {{0, '3'}},
     1,
     1,
     {1, 2},
     "The 3 in row 1, column 1 cannot be right: it leaves row 1, column 2 with no possible "
     "symbol.",
     "Nella cella in riga 1, colonna 1 non può esserci un 3: la cella in riga 1, colonna 2 "
     "resterebbe senza alcun simbolo possibile."},
    {"LeavesASymbolNoPlace",
     "83514.6.972986314564159..83456239871397481562218756394562374918984615.37173928456",
     {{23, '7'}},
     3,
     6,
     {0, 0},
     "The 7 in row 3, column 6 cannot be right: it leaves no place for 7 in row 1.",
     "Nella cella in riga 3, colonna 6 non può esserci un 7: il 7 non avrebbe più posto nella "
     "riga 1."},
    {"OnlyTheSolutionSays",
     "...1.7......8....5....927.3....3.......4.156..1..5..9.5.2....1.9....5......9..4.6",
     {{0, '2'}},
     1,
     1,
     {0, 0},
     "The 2 in row 1, column 1 cannot be right: the puzzle's solution has another symbol there.",
     "Nella cella in riga 1, colonna 1 non può esserci un 2: la soluzione ha un altro simbolo in "
     "quella cella."},
};

TEST(Explanation, AWrongEntryIsNamedFirst) {
  const TCharGrid solution = Grid(Solution('E', 0));
  for (const TWrongCase& c : kWrongCases) {
    SCOPED_TRACE(c.name);
    const TCharGrid givens = Grid(c.position);
    TCharGrid play = givens;
    for (const auto& [cell, symbol] : c.entries) play[cell / 9][cell % 9] = symbol;
    const TExplanation e = ExplainNextStep(3, Symbols3, givens, play, solution);
    ASSERT_EQ(e.FKind, TExplanationKind::WrongEntry);
    EXPECT_EQ(e.FRow, c.row - 1);
    EXPECT_EQ(e.FColumn, c.column - 1);
    EXPECT_EQ(e.FTextEN, c.en);
    EXPECT_EQ(e.FTextIT, c.it);
    EXPECT_TRUE(Has(e, c.row - 1, c.column - 1, TCellRole::Wrong));
    if (c.reason.first > 0) {
      EXPECT_TRUE(Has(e, c.reason.first - 1, c.reason.second - 1, TCellRole::Reason));
    }
  }
}

TEST(Explanation, FullGridsAndBadInput) {
  const std::string solution = Solution('E', 0);
  const TCharGrid solved = Grid(solution);
  EXPECT_EQ(ExplainNextStep(3, Symbols3, Grid(std::string(81, '.')), solved, solved).FKind,
            TExplanationKind::Solved);
  std::string broken = solution;
  std::swap(broken[0], broken[1]);  // two rules broken: no longer a solution
  const struct {
    const char* name;
    int box;
    std::string_view symbols;
    std::string play, solution;
  } cases[] = {
      {"size", 6, Symbols3, solution, solution},
      {"symbols", 3, "12345678", solution, solution},
      {"repeated symbol", 3, "123456788", solution, solution},
      {"solution", 3, Symbols3, solution, broken},
      {"foreign character", 3, Symbols3, "x" + solution.substr(1), solution},
  };
  for (const auto& c : cases) {
    const TExplanation e = ExplainNextStep(c.box, c.symbols, Grid(std::string(81, '.')),
                                           Grid(c.play), Grid(c.solution));
    EXPECT_EQ(e.FKind, TExplanationKind::BadInput) << c.name;
    EXPECT_FALSE(e.FTextEN.empty() || e.FTextIT.empty()) << c.name;
  }
}

// Every catalogue puzzle, from its givens alone: each explanation is a sound step on an empty cell,
// and placing its symbol each time fills the grid to the stored solution.
class ExplanationWalk : public ::testing::TestWithParam<std::pair<int, char>> {};

TEST_P(ExplanationWalk, FollowingTheStepsSolvesEveryPuzzle) {
  const auto [box, level] = GetParam();
  const std::string_view symbols = SymbolsOfBoxSize(box);
  const int cells = box * box * box * box;
  int used[kLadder.size()] = {};
  for (int i = 0; i < GetStoredPuzzleCount(box, level); ++i) {
    std::string puzzle, solution;
    ASSERT_TRUE(GetStoredPuzzle(box, level, i, puzzle, solution));
    std::vector<TCellValue> givens(cells, kEmpty), entries(cells, kEmpty), solved(cells);
    int blanks = 0;
    for (int c = 0; c < cells; ++c) {
      solved[c] = static_cast<TCellValue>(symbols.find(solution[c]));
      if (puzzle[c] == CatalogueBlank) {
        ++blanks;
      } else {
        givens[c] = static_cast<TCellValue>(symbols.find(puzzle[c]));
      }
    }
    for (int step = 0;; ++step) {
      const TExplanation e =
          ExplainNextStep(box, symbols, givens.data(), entries.data(), solved.data());
      if (e.FKind == TExplanationKind::Solved) {
        EXPECT_EQ(step, blanks) << level << i;
        break;
      }
      ASSERT_EQ(e.FKind, TExplanationKind::Step) << level << i << ": " << e.FTextEN;
      const int cell = e.FRow * box * box + e.FColumn;
      ASSERT_EQ(givens[cell] == kEmpty && entries[cell] == kEmpty, true) << level << i;
      ASSERT_EQ(e.FSymbol, solution[cell]) << level << i << ": " << e.FTextEN;
      ASSERT_FALSE(e.FTextEN.empty() || e.FTextIT.empty());
      ++used[static_cast<int>(e.FTechnique)];
      entries[cell] = solved[cell];
    }
  }
  // A level's puzzles need its rungs, and nothing above them.
  const TLevel top = static_cast<TLevel>(
      std::find(LevelLetters.begin(), LevelLetters.end(), level) - LevelLetters.begin());
  for (std::size_t t = 0; t < kLadder.size(); ++t) {
    if (kLadder[t].level > top) {
      EXPECT_EQ(used[t], 0) << kLadder[t].name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, ExplanationWalk,
                         ::testing::Values(std::pair{3, 'E'}, std::pair{3, 'M'}, std::pair{3, 'A'},
                                           std::pair{4, 'E'}, std::pair{4, 'M'}, std::pair{4, 'A'},
                                           std::pair{5, 'E'}, std::pair{5, 'M'}, std::pair{5, 'A'}),
                         [](const auto& info) {
                           return std::to_string(info.param.first) + info.param.second;
                         });

}  // namespace
