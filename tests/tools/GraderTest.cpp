// The grader: each technique on a hand-made position, the ladder's grades, and soundness on real
// puzzles (no deduction ever strikes the solution's symbol).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Grader.h"
#include "PuzzleCatalogue.h"
#include "PuzzleText.h"

using namespace tsdtools;

namespace {

const TGeometry& G9() {
  return *GeometryFor(3);
}
int Cell(int row, int column) {
  return row * 9 + column;
}  // 0-based
TMask Bit(int symbol) {
  return TMask{1} << (symbol - 1);
}  // symbols "1".."9"

// A grader loaded with an empty 9×9 grid: every cell holds every candidate.
struct TEmptyBoard {
  TGrader grader{G9()};
  std::vector<TMask> before;
  TEmptyBoard() {
    std::vector<TCellValue> empty(81, kEmpty);
    EXPECT_TRUE(grader.Load(empty.data()));
  }
  void Snapshot() { before = grader.Candidates(); }
  // Cells whose candidates changed since the snapshot, as (cell, removed bits).
  std::vector<std::pair<int, TMask>> Removed() const {
    std::vector<std::pair<int, TMask>> out;
    for (int c = 0; c < 81; ++c) {
      if (before[c] != grader.Candidates()[c])
        out.push_back({c, before[c] & ~grader.Candidates()[c]});
    }
    return out;
  }
};

TEST(GraderTechnique, NakedSingleFillsTheCellAndClearsPeers) {
  TEmptyBoard b;
  b.grader.SetCandidates(Cell(4, 4), Bit(5));
  EXPECT_FALSE(b.grader.Step(TTechnique::HiddenSingle));
  EXPECT_TRUE(b.grader.Step(TTechnique::NakedSingle));
  EXPECT_EQ(b.grader.Values()[Cell(4, 4)], 4);
  for (int p : G9().peers[Cell(4, 4)]) EXPECT_EQ(b.grader.Candidates()[p] & Bit(5), 0u) << p;
  EXPECT_EQ(b.grader.Candidates()[Cell(0, 0)], G9().full);
}

TEST(GraderTechnique, HiddenSingleFindsTheOnlyPlace) {
  TEmptyBoard b;
  for (int c = 0; c < 9; ++c) {
    if (c != 3) b.grader.SetCandidates(Cell(0, c), G9().full & ~Bit(7));
  }
  EXPECT_FALSE(b.grader.Step(TTechnique::NakedSingle));
  std::vector<std::string> lines;
  EXPECT_TRUE(b.grader.Step(TTechnique::HiddenSingle));
  EXPECT_EQ(b.grader.Values()[Cell(0, 3)], 6);
  std::vector<TCellValue> puzzle(81, kEmpty);
  for (int c = 0; c < 8; ++c) puzzle[Cell(0, c)] = static_cast<TCellValue>(c);
  TGrader grader(G9());
  grader.Grade(puzzle.data(), TLevel::Singles, &lines);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], "naked single: r1c9 = 9");
}

TEST(GraderTechnique, PointingStrikesTheRestOfTheLine) {
  TEmptyBoard b;
  // In box 1, symbol 4 can only be in its top row.
  for (int r = 1; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) b.grader.SetCandidates(Cell(r, c), G9().full & ~Bit(4));
  }
  b.Snapshot();
  EXPECT_FALSE(b.grader.Step(TTechnique::Claiming));
  EXPECT_TRUE(b.grader.Step(TTechnique::Pointing));
  const auto removed = b.Removed();
  ASSERT_EQ(removed.size(), 6u);
  for (const auto& [cell, bits] : removed) {
    EXPECT_EQ(G9().Row(cell), 0);
    EXPECT_GE(G9().Column(cell), 3);
    EXPECT_EQ(bits, Bit(4));
  }
}

TEST(GraderTechnique, ClaimingStrikesTheRestOfTheBox) {
  TEmptyBoard b;
  // In row 1, symbol 4 can only be in box 1.
  for (int c = 3; c < 9; ++c) b.grader.SetCandidates(Cell(0, c), G9().full & ~Bit(4));
  b.Snapshot();
  EXPECT_FALSE(b.grader.Step(TTechnique::Pointing));
  EXPECT_TRUE(b.grader.Step(TTechnique::Claiming));
  const auto removed = b.Removed();
  ASSERT_EQ(removed.size(), 6u);
  for (const auto& [cell, bits] : removed) {
    EXPECT_GE(G9().Row(cell), 1);
    EXPECT_LE(G9().Row(cell), 2);
    EXPECT_LT(G9().Column(cell), 3);
    EXPECT_EQ(bits, Bit(4));
  }
}

TEST(GraderTechnique, NakedPairAndTripleStrikeTheirSymbolsFromTheUnit) {
  {
    TEmptyBoard b;
    b.grader.SetCandidates(Cell(0, 0), Bit(1) | Bit(2));
    b.grader.SetCandidates(Cell(0, 5), Bit(1) | Bit(2));
    b.Snapshot();
    EXPECT_FALSE(b.grader.Step(TTechnique::HiddenPair));
    EXPECT_TRUE(b.grader.Step(TTechnique::NakedPair));
    const auto removed = b.Removed();
    ASSERT_EQ(removed.size(), 7u);
    for (const auto& [cell, bits] : removed) {
      EXPECT_EQ(G9().Row(cell), 0);
      EXPECT_EQ(bits, Bit(1) | Bit(2));
    }
  }
  {
    TEmptyBoard b;
    b.grader.SetCandidates(Cell(0, 0), Bit(1) | Bit(2));
    b.grader.SetCandidates(Cell(0, 4), Bit(2) | Bit(3));
    b.grader.SetCandidates(Cell(0, 8), Bit(1) | Bit(3));
    b.Snapshot();
    EXPECT_FALSE(b.grader.Step(TTechnique::NakedPair));
    EXPECT_TRUE(b.grader.Step(TTechnique::NakedTriple));
    const auto removed = b.Removed();
    ASSERT_EQ(removed.size(), 6u);
    for (const auto& [cell, bits] : removed) {
      EXPECT_EQ(G9().Row(cell), 0);
      EXPECT_EQ(bits, Bit(1) | Bit(2) | Bit(3));
    }
  }
}

TEST(GraderTechnique, HiddenPairStripsTheOtherCandidates) {
  TEmptyBoard b;
  // In row 1, symbols 6 and 8 can only go to r1c2 and r1c7.
  for (int c = 0; c < 9; ++c) {
    if (c != 1 && c != 6) b.grader.SetCandidates(Cell(0, c), G9().full & ~(Bit(6) | Bit(8)));
  }
  b.Snapshot();
  EXPECT_FALSE(b.grader.Step(TTechnique::NakedPair));
  EXPECT_FALSE(b.grader.Step(TTechnique::NakedTriple));
  EXPECT_TRUE(b.grader.Step(TTechnique::HiddenPair));
  EXPECT_EQ(b.grader.Candidates()[Cell(0, 1)], Bit(6) | Bit(8));
  EXPECT_EQ(b.grader.Candidates()[Cell(0, 6)], Bit(6) | Bit(8));
  EXPECT_EQ(b.Removed().size(), 2u);
}

TEST(GraderLadder, DeclaredCheapestFirst) {
  for (std::size_t i = 1; i < kLadder.size(); ++i)
    EXPECT_LE(kLadder[i - 1].level, kLadder[i].level);
  EXPECT_EQ(LevelOfLetter('m'), TLevel::Locked);
  EXPECT_EQ(LevelOfLetter('X'), TLevel::Beyond);
  for (char letter : LevelLetters) EXPECT_EQ(LevelLetter(LevelOfLetter(letter)), letter);
}

std::vector<TCellValue> Read(const std::string& text) {
  TPuzzle p;
  std::string error;
  EXPECT_TRUE(ParsePuzzleText(text, p, error)) << error;
  return p.cells;
}

TEST(GraderLadder, GradesAndExplains) {
  TGrader grader(G9());
  const std::string example =
      "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6";
  std::vector<std::string> steps;
  TGradeResult r = grader.Grade(Read(example).data(), TLevel::Subsets, &steps);
  EXPECT_EQ(r.level, TLevel::Singles);
  EXPECT_EQ(ToText(3, r.cells),
            "835147629729863145641592783456239871397481562218756394562374918984615237173928456");
  EXPECT_EQ(steps.size(), 57u);  // one line per filled cell
  EXPECT_EQ(steps[0], "hidden single: 5 in row 9 → r9c8");

  // An empty grid has many solutions, so sound techniques cannot complete it.
  std::vector<TCellValue> empty(81, kEmpty);
  r = grader.Grade(empty.data());
  EXPECT_EQ(r.level, TLevel::Beyond);
  EXPECT_FALSE(r.contradiction);

  std::vector<TCellValue> clash = Read(example);
  clash[0] = 1;  // r1c1 = 2: no repeated given, but no solution either
  r = grader.Grade(clash.data());
  EXPECT_EQ(r.level, TLevel::Beyond);
  EXPECT_TRUE(r.contradiction);
}

// Every catalogue entry, graded with a watcher on each deduction: nothing placed or struck may
// contradict the stored solution, every technique of the ladder must fire somewhere, and a
// ceiling below an entry's level must stall it.
struct TSoundness {
  std::vector<TCellValue> solution;
  int fired[kLadder.size()] = {};
  int violations = 0;
};

void CheckStep(void* context, const TGrader& grader, TTechnique technique) {
  auto* s = static_cast<TSoundness*>(context);
  ++s->fired[static_cast<int>(technique)];
  for (std::size_t c = 0; c < s->solution.size(); ++c) {
    const TCellValue v = grader.Values()[c];
    const bool wrong = v != kEmpty ? v != s->solution[c]
                                   : (grader.Candidates()[c] & (TMask{1} << s->solution[c])) == 0;
    if (wrong) ++s->violations;
  }
}

TEST(GraderLadder, SoundOnEveryCatalogueEntryAndEveryTechniqueFires) {
  TSoundness watch;
  int graded = 0;
  for (int box = 3; box <= 5; ++box) {
    const TGeometry& g = *GeometryFor(box);
    TGrader grader(g);
    grader.SetObserver(CheckStep, &watch);
    for (char letter : LevelLetters) {
      const TLevel level = LevelOfLetter(letter);
      for (int i = 0; i < GetStoredPuzzleCount(box, letter); ++i) {
        std::string puzzleText, solutionText;
        ASSERT_TRUE(GetStoredPuzzle(box, letter, i, puzzleText, solutionText));
        TPuzzle puzzle;
        std::string error;
        ASSERT_TRUE(ParsePuzzleText(puzzleText, puzzle, error)) << error;
        ASSERT_TRUE(ParseSolutionText(solutionText, box, watch.solution, error)) << error;
        const TGradeResult r = grader.Grade(puzzle.cells.data());
        ASSERT_EQ(r.level, level) << box << letter << i;
        EXPECT_EQ(r.cells, watch.solution);
        if (level != TLevel::Singles) {
          const auto below = static_cast<TLevel>(static_cast<int>(level) - 1);
          EXPECT_EQ(grader.Grade(puzzle.cells.data(), below).level, TLevel::Beyond);
        }
        ++graded;
      }
    }
  }
  EXPECT_EQ(graded, 475);
  EXPECT_EQ(watch.violations, 0);
  for (std::size_t t = 0; t < kLadder.size(); ++t) {
    // The rungs past the catalogue's levels fire on the hard puzzles (techniques tests).
    if (kLadder[t].level <= TLevel::Subsets) {
      EXPECT_GT(watch.fired[t], 0) << kLadder[t].name;
    }
  }
}

}  // namespace
