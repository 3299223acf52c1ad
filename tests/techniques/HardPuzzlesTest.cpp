// Hard 9×9 and 16×16 puzzles past the catalogue's levels: following the explanations from the start
// solves each, every deduction the grader makes on them is true of the solution, and the grader's
// name for a puzzle is the hardest rung the walk used.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "ExactSolver.h"
#include "Explanation.h"
#include "Grader.h"
#include "PuzzleText.h"

using namespace tsdtech;
using tsdtools::TExactSolver;
using tsdtools::TGrader;

namespace {

struct THardPuzzle {
  std::string technique;
  std::string text;
};

std::vector<THardPuzzle> ReadHardPuzzles() {
  std::vector<THardPuzzle> puzzles;
  std::ifstream in(TESSAMOND_HARD_PUZZLES);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) puzzles.push_back({line.substr(0, tab), line.substr(tab + 1)});
  }
  return puzzles;
}

struct TWatch {
  std::vector<TCellValue> solution;
  int violations = 0;
};

void CheckDeduction(void* context, const TGrader& grader, TTechnique) {
  auto* w = static_cast<TWatch*>(context);
  for (std::size_t c = 0; c < w->solution.size(); ++c) {
    const TCellValue v = grader.Values()[c];
    if (v != kEmpty ? v != w->solution[c]
                    : (grader.Candidates()[c] & (TMask{1} << w->solution[c])) == 0) {
      ++w->violations;
    }
  }
}

TEST(HardPuzzles, WalkingTheExplanationsSolvesEachAndMatchesTheGrade) {
  const std::vector<THardPuzzle> puzzles = ReadHardPuzzles();
  ASSERT_GE(puzzles.size(), 20u);
  std::vector<std::string> rungsSeen;
  for (const THardPuzzle& p : puzzles) {
    SCOPED_TRACE(p.technique + " " + p.text);
    tsdtools::TPuzzle puzzle;
    std::string error;
    ASSERT_TRUE(tsdtools::ParsePuzzleText(p.text, puzzle, error)) << error;
    const int box = puzzle.box;
    const TGeometry& g = *GeometryFor(box);
    const std::string_view symbols = SymbolsOfBoxSize(box);
    TWatch watch;
    watch.solution.resize(g.cells);
    TExactSolver solver(g);
    ASSERT_EQ(solver.CountSolutions(puzzle.cells.data(), 2, watch.solution.data()), 1);

    TGrader grader(g);
    grader.SetObserver(CheckDeduction, &watch);
    const tsdtools::TGradeResult graded = grader.Grade(puzzle.cells.data(), TLevel::Forcing);
    EXPECT_EQ(watch.violations, 0);
    const tsdtools::TPuzzleRating rating = tsdtools::RatePuzzle(g, puzzle.cells.data());
    EXPECT_EQ(rating.nameEN, p.technique == "trial" ? "trial and error" : p.technique);
    EXPECT_EQ(rating.hardest, graded.hardest);

    std::vector<TCellValue> entries(g.cells, kEmpty);
    int hardest = -1, placed = 0;
    bool trial = false;
    for (;;) {
      const TExplanation e =
          ExplainNextStep(box, symbols, puzzle.cells.data(), entries.data(), watch.solution.data());
      if (e.FKind == TExplanationKind::Solved) break;
      ASSERT_TRUE(e.FKind == TExplanationKind::Step || e.FKind == TExplanationKind::Trial)
          << e.FTextEN;
      const int cell = e.FRow * g.side + e.FColumn;
      ASSERT_TRUE(cell >= 0 && cell < g.cells && puzzle.cells[cell] == kEmpty &&
                  entries[cell] == kEmpty);
      ASSERT_EQ(e.FSymbol, symbols[watch.solution[cell]]) << e.FTextEN;
      EXPECT_LE(e.FTextEN.size(), 300u + 200u * e.FEliminations.size()) << e.FTextEN;
      EXPECT_FALSE(e.FLookEN.empty() || e.FLookIT.empty() || e.FTextIT.empty());
      // A step past the singles shows its pattern (a struck cell may be the placement, or a
      // pattern cell itself, and is then marked as that); its first stage shows nothing, its
      // second all but the placement of a step.
      auto count = [](const TExplanation& x, TCellRole role) {
        return std::count_if(x.FCells.begin(), x.FCells.end(),
                             [&](const TMarkedCell& m) { return m.FRole == role; });
      };
      if (!e.FEliminations.empty()) {
        EXPECT_GT(count(e, TCellRole::Pattern), 0) << e.FTextEN;
      }
      // Fish, wings and chains name themselves, in each language.
      for (const TTechnique t : e.FEliminations) {
        if (t < TTechnique::XWing) continue;
        std::string nameIT(InfoOf(t).nameIT);
        nameIT[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(nameIT[0])));
        std::string nameEN(InfoOf(t).name);
        if (t == TTechnique::Forcing) nameEN[0] = 'F';
        EXPECT_NE(e.FTextEN.find(nameEN), std::string::npos) << e.FTextEN;
        EXPECT_NE(e.FTextIT.find(nameIT), std::string::npos) << e.FTextIT;
      }
      EXPECT_TRUE(AtStage(e, 1).FCells.empty() && AtStage(e, 1).FTextEN == e.FLookEN);
      // A trial cell is offered at the first stage and revealed from the second.
      EXPECT_EQ(count(AtStage(e, 2), TCellRole::Placement),
                e.FKind == TExplanationKind::Trial ? 1 : 0);
      EXPECT_EQ(AtStage(e, kHintStages).FTextEN, e.FTextEN);
      if (e.FKind == TExplanationKind::Trial) {
        if (!trial && p.technique != "trial") {
          std::vector<TCellValue> now = puzzle.cells;
          for (int c = 0; c < g.cells; ++c) {
            if (entries[c] != kEmpty) now[c] = entries[c];
          }
          ADD_FAILURE() << "the walk needs trial at " << tsdtools::ToText(box, now);
        }
        trial = true;
      } else {
        hardest = std::max(hardest, static_cast<int>(e.FTechnique));
      }
      entries[cell] = watch.solution[cell];
      ++placed;
    }
    EXPECT_EQ(placed, std::count(puzzle.cells.begin(), puzzle.cells.end(), kEmpty));
    if (p.technique == "trial") {
      EXPECT_TRUE(trial);
    } else {
      EXPECT_FALSE(trial);
      ASSERT_GE(hardest, 0);
      EXPECT_EQ(kLadder[hardest].name, p.technique);
      rungsSeen.emplace_back(kLadder[hardest].name);
    }
  }
  // Every rung past the catalogue's levels that a minimal 9×9 puzzle needs in practice is here;
  // the quads hide behind smaller subsets there and have their own positions.
  for (const TTechniqueInfo& info : kLadder) {
    if (info.level <= TLevel::Subsets || info.technique == TTechnique::NakedQuad ||
        info.technique == TTechnique::HiddenQuad) {
      continue;
    }
    EXPECT_NE(std::find(rungsSeen.begin(), rungsSeen.end(), info.name), rungsSeen.end())
        << info.name;
  }
}

}  // namespace
