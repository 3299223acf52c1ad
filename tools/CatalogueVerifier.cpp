// The catalogue's proof: re-checks every entry with the exact solver and the grader.
#include "CatalogueVerifier.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>

#include "CatalogueTargets.h"
#include "ExactSolver.h"
#include "Grader.h"
#include "PuzzleCatalogue.h"
#include "PuzzleText.h"

namespace tsdtools {

namespace {

std::string TableName(int box, char level) {
  const int side = box * box;
  return std::to_string(side) + "x" + std::to_string(side) + " " + level;
}

}  // namespace

TVerifyReport VerifyCatalogue(const TEntrySource& source) {
  TVerifyReport report;
  std::map<std::string, std::string> puzzlesSeen, solutionsSeen;  // text → where first seen
  for (const TTableTarget& target : kTableTargets) {
    const TGeometry& g = *GeometryFor(target.box);
    const std::string_view symbols = SymbolsOfBoxSize(target.box);
    const std::string name = TableName(target.box, target.level);
    TExactSolver solver(g);
    TGrader grader(g);
    TTableSummary summary;
    summary.box = target.box;
    summary.level = target.level;
    summary.count = source.count(target.box, target.level);
    auto problem = [&](const std::string& text) { report.problems.push_back(text); };
    if (summary.count != target.count) {
      problem(name + ": holds " + std::to_string(summary.count) + " entries, expected " +
              std::to_string(target.count));
    }
    long givensSum = 0;
    summary.minGivens = g.cells;
    summary.maxGivens = 0;
    for (int index = 0; index < summary.count; ++index) {
      const std::string where = name + " #" + std::to_string(index);
      std::string puzzleText, solutionText;
      if (!source.fetch(target.box, target.level, index, puzzleText, solutionText)) {
        problem(where + ": cannot be fetched");
        continue;
      }
      if (puzzleText.size() != static_cast<std::size_t>(g.cells) ||
          solutionText.size() != static_cast<std::size_t>(g.cells)) {
        problem(where + ": puzzle or solution is not " + std::to_string(g.cells) + " characters");
        continue;
      }
      std::vector<TCellValue> puzzle(g.cells, kEmpty), solution;
      std::string error;
      bool charsOk = true;
      for (int i = 0; i < g.cells; ++i) {
        const char ch = puzzleText[i];
        if (ch == CatalogueBlank) continue;
        const std::size_t pos = symbols.find(ch);
        if (pos == std::string_view::npos) {
          problem(where + ": puzzle character '" + std::string(1, ch) + "' at " + CellName(g, i) +
                  " is neither a symbol nor '" + std::string(1, CatalogueBlank) + "'");
          charsOk = false;
          break;
        }
        puzzle[i] = static_cast<TCellValue>(pos);
      }
      if (!ParseSolutionText(solutionText, target.box, solution, error)) {
        problem(where + ": " + error);
        charsOk = false;
      }
      if (!charsOk) continue;
      if (!IsCompleteGrid(g, solution)) problem(where + ": solution breaks a Sudoku rule");
      int givens = 0;
      for (int i = 0; i < g.cells; ++i) {
        if (puzzle[i] == kEmpty) continue;
        ++givens;
        if (puzzle[i] != solution[i]) {
          problem(where + ": given at " + CellName(g, i) + " differs from the solution");
          break;
        }
      }
      std::vector<TCellValue> found(g.cells, kEmpty);
      const int solutions = solver.CountSolutions(puzzle.data(), 2, found.data());
      if (solutions != 1) {
        problem(where + ": has " + (solutions == 0 ? std::string("no") : std::string("several")) +
                " solutions");
      } else if (found != solution) {
        problem(where + ": its one solution is not the stored one");
      }
      const TGradeResult grade = grader.Grade(puzzle.data());
      // The summary's last column takes every rung past the catalogue's levels, and an entry no
      // rung finishes.
      const int column =
          std::min(static_cast<int>(grade.level), static_cast<int>(std::size(summary.grades)) - 1);
      ++summary.grades[column];
      if (LevelLetter(grade.level) != target.level) {
        problem(where + ": graded " + std::string(LevelName(grade.level)) + ", expected " +
                target.level);
      }
      if (givens < target.minGivens || givens > target.maxGivens) {
        problem(where + ": " + std::to_string(givens) + " givens, outside " +
                std::to_string(target.minGivens) + "–" + std::to_string(target.maxGivens));
      }
      givensSum += givens;
      summary.minGivens = std::min(summary.minGivens, givens);
      summary.maxGivens = std::max(summary.maxGivens, givens);
      if (!puzzlesSeen.emplace(puzzleText, where).second) {
        problem(where + ": same puzzle as " + puzzlesSeen[puzzleText]);
      }
      if (!solutionsSeen.emplace(solutionText, where).second) {
        problem(where + ": same solution as " + solutionsSeen[solutionText]);
      }
      if (target.box == 3 && target.level == 'E' && index == 0 &&
          (puzzleText != kFixedFirstPuzzle || solutionText != kFixedFirstSolution)) {
        problem(where + ": is not the fixed first entry");
      }
    }
    if (summary.count > 0) {
      summary.meanGivens = static_cast<double>(givensSum) / summary.count;
      if (std::fabs(summary.meanGivens - target.meanGivens) > kMeanTolerance) {
        char buf[160];
        std::snprintf(buf, sizeof buf, "%s: mean givens %.2f, expected %.1f ± %.1f", name.c_str(),
                      summary.meanGivens, target.meanGivens, kMeanTolerance);
        problem(buf);
      }
    } else {
      summary.minGivens = 0;
    }
    report.tables.push_back(summary);
  }
  return report;
}

TEntrySource BuiltInCatalogue() {
  return {GetStoredPuzzleCount, GetStoredPuzzle};
}

std::string FormatSummary(const TVerifyReport& report) {
  std::string out = "table    count  givens min  max   mean   grades E/M/A/beyond\n";
  for (const TTableSummary& t : report.tables) {
    char line[160];
    const std::string name = TableName(t.box, t.level);
    std::snprintf(line, sizeof line, "%-8s %5d  %10d %4d %6.2f   %d/%d/%d/%d\n", name.c_str(),
                  t.count, t.minGivens, t.maxGivens, t.meanGivens, t.grades[0], t.grades[1],
                  t.grades[2], t.grades[3]);
    out += line;
  }
  return out;
}

}  // namespace tsdtools
