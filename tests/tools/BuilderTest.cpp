// The builder: planned given counts, thread-count independence, and the generated source's header.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CatalogueBuilder.h"
#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleText.h"

using namespace tsdtools;

namespace {

TEST(CatalogueBuilder, PlannedCountsStayInRangeAndHitTheMean) {
  for (const TTableTarget& target : kTableTargets) {
    const std::vector<int> fixed =
        target.box == 3 && target.level == 'E' ? std::vector<int>{24} : std::vector<int>{};
    const std::vector<int> plan = PlanGivenCounts(target, fixed);
    ASSERT_EQ(plan.size() + fixed.size(), static_cast<std::size_t>(target.count));
    double sum = 0;
    for (int f : fixed) sum += f;
    for (int c : plan) {
      EXPECT_GE(c, target.minGivens);
      EXPECT_LE(c, target.maxGivens);
      sum += c;
    }
    EXPECT_NEAR(sum / target.count, target.meanGivens, 0.05) << target.box << target.level;
  }
}

TEST(CatalogueBuilder, SameSeedSameTableWhateverTheThreadCount) {
  std::vector<TBuiltTable> one, two;
  std::string error;
  TBuildOptions options;
  options.onlyTable = 0;  // 9×9 E: quick, and it holds the fixed first entry
  options.threads = 1;
  ASSERT_TRUE(BuildCatalogue(options, one, error)) << error;
  options.threads = 2;
  ASSERT_TRUE(BuildCatalogue(options, two, error)) << error;
  ASSERT_EQ(one.size(), 1u);
  ASSERT_EQ(one[0].entries.size(), 100u);
  EXPECT_EQ(one[0].entries, two[0].entries);
  EXPECT_EQ(one[0].entries[0], std::string(kFixedFirstPuzzle) + std::string(kFixedFirstSolution));

  const TGeometry& g = *GeometryFor(3);
  TGrader grader(g);
  TExactSolver solver(g);
  for (const std::string& entry : two[0].entries) {
    TPuzzle puzzle;
    std::string error2;
    ASSERT_TRUE(ParsePuzzleText(entry.substr(0, 81), puzzle, error2)) << error2;
    EXPECT_EQ(grader.Grade(puzzle.cells.data()).level, TLevel::Singles);
    EXPECT_EQ(solver.CountSolutions(puzzle.cells.data(), 2, nullptr), 1);
  }
}

TEST(CatalogueBuilder, SourceNamesTheCommandThatRegeneratesIt) {
  TBuiltTable table;
  table.box = 3;
  table.level = 'E';
  table.entries.push_back(std::string(kFixedFirstPuzzle) + std::string(kFixedFirstSolution));
  const std::string source = RenderTablesSource({table}, 42);
  EXPECT_EQ(source.find("// The catalogue's puzzle tables."), 0u);
  EXPECT_NE(source.find("tessamond-catalogue build --seed 42 --output "
                        "catalogue/data/PuzzleTables.cpp\n"),
            std::string::npos);
  EXPECT_NE(source.find("\"" + std::string(kFixedFirstPuzzle) + "\"\n"), std::string::npos);
  EXPECT_NE(source.find("{3, 'E', 1, kEntries3E}"), std::string::npos);
}

}  // namespace
