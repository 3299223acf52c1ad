// The verifier passes the built-in tables and catches each kind of fault in a doctored copy.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "CatalogueVerifier.h"
#include "PuzzleCatalogue.h"

using namespace tsdtools;

namespace {

// The built-in tables with one entry (box 3, level `level`, `index`) rewritten by `edit`.
TEntrySource Doctored(char level, int index,
                      std::function<void(std::string& puzzle, std::string& solution)> edit,
                      int countChange = 0) {
  TEntrySource source;
  // Only the 9×9 tables are offered, which keeps each run quick; the larger ones then report as
  // empty, which no case below looks for.
  source.count = [=](std::int32_t box, char l) {
    if (box != 3) return 0;
    return GetStoredPuzzleCount(box, l) + (l == level ? countChange : 0);
  };
  source.fetch = [=](std::int32_t box, char l, std::int32_t i, std::string& p, std::string& s) {
    if (!GetStoredPuzzle(box, l, i, p, s)) return false;
    if (box == 3 && l == level && i == index) edit(p, s);
    return true;
  };
  return source;
}

bool Mentions(const TVerifyReport& report, const std::string& text) {
  for (const std::string& p : report.problems) {
    if (p.find(text) != std::string::npos) return true;
  }
  return false;
}

TEST(CatalogueVerifier, BuiltInTablesPass) {
  const TVerifyReport report = VerifyCatalogue(BuiltInCatalogue());
  for (const std::string& p : report.problems) ADD_FAILURE() << p;
  ASSERT_EQ(report.tables.size(), 9u);
  EXPECT_EQ(report.tables[0].grades[0], 100);
  EXPECT_NE(FormatSummary(report).find("25x25 A"), std::string::npos);
}

// An entry that no technique of the catalogue's levels finishes counts in the summary's last
// column, whatever rung (or none) the grader reaches.
TEST(CatalogueVerifier, EntryPastTheLevelsCountsAsBeyond) {
  const TVerifyReport report = VerifyCatalogue(
      Doctored('A', 5, [](std::string& p, std::string&) { p = std::string(81, CatalogueBlank); }));
  ASSERT_FALSE(report.tables.empty());
  const TTableSummary& a = report.tables[2];
  ASSERT_EQ(a.level, 'A');
  EXPECT_EQ(a.grades[3], 1);
  EXPECT_EQ(a.grades[0] + a.grades[1] + a.grades[2] + a.grades[3], a.count);
}

TEST(CatalogueVerifier, CatchesEachFault) {
  std::string otherPuzzle, otherSolution;
  ASSERT_TRUE(GetStoredPuzzle(3, 'M', 7, otherPuzzle, otherSolution));
  const struct {
    const char* name;
    char level;
    int index;
    std::function<void(std::string&, std::string&)> edit;
    int countChange;
    const char* expected;
  } cases[] = {
      {"given differs", 'M', 3,
       [](std::string& p, std::string& s) {
         const std::size_t i = p.find_first_not_of(CatalogueBlank);
         p[i] = s[i] == '9' ? '1' : static_cast<char>(s[i] + 1);
       },
       0, "9x9 M #3: given at"},
      {"too few givens", 'A', 5,
       [](std::string& p, std::string&) { p = std::string(81, CatalogueBlank); }, 0,
       "9x9 A #5: has several solutions"},
      {"bad character", 'E', 9, [](std::string& p, std::string&) { p[40] = '.'; }, 0,
       "neither a symbol nor '?'"},
      {"duplicate entry", 'E', 4,
       [=](std::string& p, std::string& s) {
         p = otherPuzzle;
         s = otherSolution;
       },
       0, "9x9 M #7: same puzzle as 9x9 E #4"},
      {"broken solution", 'E', 2, [](std::string&, std::string& s) { std::swap(s[0], s[1]); }, 0,
       "9x9 E #2: solution breaks a Sudoku rule"},
      {"wrong first entry", 'E', 0, [](std::string& p, std::string& s) { p = s = ""; }, 0,
       "9x9 E #0: puzzle or solution is not 81"},
      {"missing entry", 'A', 0, [](std::string&, std::string&) {}, -1,
       "9x9 A: holds 99 entries, expected 100"},
      {"wrong level", 'A', 11,
       [](std::string& p, std::string& s) {
         // Give away every cell but one: singles finish it.
         p = s;
         p[0] = CatalogueBlank;
       },
       0, "9x9 A #11: graded E, expected A"},
  };
  for (const auto& c : cases) {
    const TVerifyReport report = VerifyCatalogue(Doctored(c.level, c.index, c.edit, c.countChange));
    EXPECT_FALSE(report.Ok()) << c.name;
    EXPECT_TRUE(Mentions(report, c.expected)) << c.name;
  }
}

}  // namespace
