// Shuffling: the permutation tables, what each drawn permutation does to the grids, the key, the
// order of the random draws, and the invariants a shuffle must keep for every size.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <vector>

#include "BoardFixtures.h"
#include "TsdBoard.h"
#include "TsdRandom.h"

using namespace fixtures;

namespace {

using TValues = std::vector<std::vector<int>>;
using TPerm = std::vector<int>;

template <std::size_t Rows, std::size_t Width>
std::vector<TPerm> TableRows(const std::uint8_t (&table)[Rows][Width]) {
  std::vector<TPerm> rows;
  for (const auto& row : table) rows.emplace_back(std::begin(row), std::end(row));
  return rows;
}

std::vector<TPerm> AllPermutations(int n, bool derangementsOnly) {
  TPerm p(static_cast<std::size_t>(n));
  std::iota(p.begin(), p.end(), 0);
  std::vector<TPerm> all;
  do {
    bool moved = true;
    for (int k = 0; k < n; ++k) moved = moved && p[static_cast<std::size_t>(k)] != k;
    if (moved || !derangementsOnly) all.push_back(p);
  } while (std::next_permutation(p.begin(), p.end()));
  return all;
}

TEST(ShuffleTables, HoldExactlyThePermutationsThatMoveEveryPosition) {
  EXPECT_EQ(TableRows(LinePerms3), AllPermutations(3, true));
  EXPECT_EQ(TableRows(Perms4), AllPermutations(4, true));
  const auto perms5 = TableRows(Perms5);
  EXPECT_EQ(perms5, AllPermutations(5, true)) << "44 rows in lexicographic order";
  EXPECT_EQ(perms5.front(), (TPerm{1, 0, 3, 4, 2}));
  EXPECT_EQ(perms5.back(), (TPerm{4, 3, 1, 2, 0}));
}

TEST(ShuffleTables, BandPerms3IsEveryNonIdentityInTheGivenOrder) {
  const std::vector<TPerm> expected = {{1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}, {0, 2, 1}};
  EXPECT_EQ(TableRows(BandPerms3), expected);
}

TValues Snapshot(const TsdBoard& board, bool puzzle) {
  const int side = board.GetSide();
  TValues v(static_cast<std::size_t>(side), std::vector<int>(static_cast<std::size_t>(side)));
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) {
      v[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
          puzzle ? board.PuzzleValue(r, c) : board.SolutionValue(r, c);
    }
  }
  return v;
}

std::vector<TPerm> ParseKey(const std::string& key, int n) {
  std::vector<TPerm> groups;
  std::stringstream in(key);
  std::string group;
  while (std::getline(in, group, '-')) {
    TPerm p;
    for (char ch : group) p.push_back(ch - '0');
    EXPECT_EQ(static_cast<int>(p.size()), n) << key;
    groups.push_back(p);
  }
  EXPECT_EQ(static_cast<int>(groups.size()), 2 * n + 2) << key;
  return groups;
}

// Where the content of final line `line` came from, composed from the key independently of the
// board's own step-by-step copies: first the band permutation, then the line permutation of the
// band that moved there.
int SourceLine(int line, int n, const std::vector<TPerm>& lineGroups, const TPerm& bands) {
  const int band = bands[static_cast<std::size_t>(line / n)];
  return band * n + lineGroups[static_cast<std::size_t>(band)][static_cast<std::size_t>(line % n)];
}

// Checks that `after` is `before` moved as the key says and relabelled by one bijection that keeps
// blanks blank. Returns that relabelling (old value → new value).
std::map<int, int> ExpectMovedAsKeySays(const TValues& before, const TValues& after,
                                        const std::string& key, int n,
                                        std::map<int, int> relabel = {}) {
  const auto groups = ParseKey(key, n);
  if (static_cast<int>(groups.size()) != 2 * n + 2) return relabel;
  const std::vector<TPerm> colGroups(groups.begin(), groups.begin() + n);
  const std::vector<TPerm> rowGroups(groups.begin() + n, groups.begin() + 2 * n);
  const TPerm& colBands = groups[static_cast<std::size_t>(2 * n)];
  const TPerm& rowBands = groups[static_cast<std::size_t>(2 * n + 1)];
  const int side = n * n;
  for (int r = 0; r < side; ++r) {
    for (int c = 0; c < side; ++c) {
      const int from = before[static_cast<std::size_t>(SourceLine(r, n, rowGroups, rowBands))]
                             [static_cast<std::size_t>(SourceLine(c, n, colGroups, colBands))];
      const int to = after[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
      if (from == BlankValue) {
        EXPECT_EQ(to, BlankValue) << r << "," << c;
        continue;
      }
      auto [it, fresh] = relabel.emplace(from, to);
      EXPECT_EQ(it->second, to) << "value " << from << " relabelled two ways at " << r << "," << c;
    }
  }
  std::set<int> images;
  for (const auto& [from, to] : relabel) {
    EXPECT_TRUE(to >= 0 && to < side);
    images.insert(to);
  }
  EXPECT_EQ(images.size(), relabel.size()) << "the relabelling must be one-to-one";
  return relabel;
}

TsdBoard MakeBoard(int n, int keepEvery) {
  const std::string_view symbols = SymbolsOfBoxSize(n);
  const std::string solution = PatternSolution(n, symbols);
  return TsdBoard(n, symbols, CutPuzzle(solution, keepEvery), solution);
}

int Givens(const TValues& v) {
  int count = 0;
  for (const auto& row : v)
    count += static_cast<int>(
        std::count_if(row.begin(), row.end(), [](int x) { return x != BlankValue; }));
  return count;
}

class ShuffleSizeTest : public ::testing::TestWithParam<int> {};

TEST_P(ShuffleSizeTest, ManySeedsMoveCellsAsTheKeySaysAndKeepEveryRule) {
  const int n = GetParam();
  const int side = n * n;
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    SCOPED_TRACE(seed);
    TFixedClock clock(seed, static_cast<int>(seed % 60));
    TsdBoard board = MakeBoard(n, 3);
    ASSERT_FALSE(board.HasError());
    const TValues puzzleBefore = Snapshot(board, true);
    const TValues solutionBefore = Snapshot(board, false);
    board.Genera();
    ASSERT_FALSE(board.HasError()) << board.GetErrorText();
    const std::string key = board.GetTransformKey();
    ASSERT_EQ(static_cast<int>(key.size()), (2 * n + 2) * (n + 1) - 1);

    const TValues puzzleAfter = Snapshot(board, true);
    const TValues solutionAfter = Snapshot(board, false);
    const auto relabel = ExpectMovedAsKeySays(solutionBefore, solutionAfter, key, n);
    EXPECT_EQ(static_cast<int>(relabel.size()), side);
    // The puzzle moves and relabels exactly as the solution does.
    ExpectMovedAsKeySays(puzzleBefore, puzzleAfter, key, n, relabel);

    EXPECT_TRUE(board.IsSolutionValid());
    EXPECT_EQ(Givens(puzzleAfter), Givens(puzzleBefore));
    for (int r = 0; r < side; ++r) {
      for (int c = 0; c < side; ++c) {
        const int given = puzzleAfter[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
        if (given != BlankValue) {
          ASSERT_EQ(given, board.SolutionValue(r, c));
        }
      }
    }
    if (::testing::Test::HasFailure()) return;
  }
}

TEST_P(ShuffleSizeTest, KeyGroupsComeFromTheirTables) {
  const int n = GetParam();
  for (std::uint64_t seed = 100; seed < 140; ++seed) {
    TFixedClock clock(seed, 1);
    TsdBoard board = MakeBoard(n, 2);
    board.Genera();
    const auto groups = ParseKey(board.GetTransformKey(), n);
    ASSERT_EQ(static_cast<int>(groups.size()), 2 * n + 2);
    const auto lines = n == 3   ? TableRows(LinePerms3)
                       : n == 4 ? TableRows(Perms4)
                                : TableRows(Perms5);
    const auto bands = n == 3 ? TableRows(BandPerms3) : lines;
    for (int g = 0; g < 2 * n; ++g) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), groups[static_cast<std::size_t>(g)]),
                lines.end());
    }
    for (int g = 2 * n; g < 2 * n + 2; ++g) {
      EXPECT_NE(std::find(bands.begin(), bands.end(), groups[static_cast<std::size_t>(g)]),
                bands.end());
    }
  }
}

TEST_P(ShuffleSizeTest, SolutionWithBlanksIsShuffledWithoutHarm) {
  const int n = GetParam();
  const std::string_view symbols = SymbolsOfBoxSize(n);
  std::string solution = PatternSolution(n, symbols);
  solution[0] = '?';
  TsdBoard board(n, symbols, CutPuzzle(solution, 2), solution);
  const TValues before = Snapshot(board, false);
  board.Genera();
  EXPECT_FALSE(board.HasError());
  ExpectMovedAsKeySays(before, Snapshot(board, false), board.GetTransformKey(), n);
  EXPECT_TRUE(board.IsSolutionValid()) << "one blank stands once in its row, column and box";
}

INSTANTIATE_TEST_SUITE_P(Sizes, ShuffleSizeTest, ::testing::Values(3, 4, 5));

TEST(Shuffle, NineByNineKeyShape) {
  for (std::uint64_t seed = 0; seed < 50; ++seed) {
    TFixedClock clock(seed, 30);
    TsdBoard board = MakeBoard(3, 2);
    EXPECT_EQ(board.GetTransformKey(), "") << "no key before the first shuffle";
    board.Genera();
    const std::string key = board.GetTransformKey();
    ASSERT_EQ(key.size(), 31u);
    const auto groups = ParseKey(key, 3);
    for (int g = 0; g < 6; ++g) {
      const std::string text = key.substr(static_cast<std::size_t>(g * 4), 3);
      EXPECT_TRUE(text == "120" || text == "201") << key;
    }
    EXPECT_NE(key.substr(24, 3), "012");
    EXPECT_NE(key.substr(28, 3), "012");
  }
}

// The order of the draws is the contract: with the clock fixed, the seed is replayed here draw by
// draw (the minute's discards, one line permutation per column band, one per row band, the column
// bands, the row bands, then the symbol permutation with rejection) and must give the same key and
// the same relabelling.
class DrawOrderTest : public ::testing::TestWithParam<int> {};

TEST_P(DrawOrderTest, ReplayedDrawsGiveTheSameShuffle) {
  const int n = GetParam();
  const int side = n * n;
  const std::uint64_t seed = 20261209;
  const int minute = 0;  // counts as 60: 120 discarded draws
  std::string key;
  std::vector<int> relabel;
  {
    TsdRandom::Seed(seed);
    for (int i = 0; i < 120; ++i) TsdRandom::Below(2);
    const auto lines = n == 3   ? TableRows(LinePerms3)
                       : n == 4 ? TableRows(Perms4)
                                : TableRows(Perms5);
    const auto bands = n == 3 ? TableRows(BandPerms3) : lines;
    auto append = [&](const TPerm& p) {
      if (!key.empty()) key += '-';
      for (int v : p) key += static_cast<char>('0' + v);
    };
    for (int g = 0; g < 2 * n; ++g)
      append(lines[static_cast<std::size_t>(TsdRandom::Below(static_cast<int>(lines.size())))]);
    for (int g = 0; g < 2; ++g)
      append(bands[static_cast<std::size_t>(TsdRandom::Below(static_cast<int>(bands.size())))]);
    while (static_cast<int>(relabel.size()) < side) {
      const int v = TsdRandom::Below(side);
      if (std::find(relabel.begin(), relabel.end(), v) == relabel.end()) relabel.push_back(v);
    }
  }

  TFixedClock clock(seed, minute);
  TsdBoard board = MakeBoard(n, 2);
  const TValues before = Snapshot(board, false);
  board.Genera();
  EXPECT_EQ(board.GetTransformKey(), key);
  std::map<int, int> expectedRelabel;
  for (int v = 0; v < side; ++v) expectedRelabel[v] = relabel[static_cast<std::size_t>(v)];
  const auto actual = ExpectMovedAsKeySays(before, Snapshot(board, false), key, n);
  EXPECT_EQ(actual, expectedRelabel);
}

INSTANTIATE_TEST_SUITE_P(Sizes, DrawOrderTest, ::testing::Values(3, 4, 5));

TEST(Shuffle, PinnedSeedGivesAKnownNineByNineGame) {
  TFixedClock clock(42, 7);
  TsdBoard board(3, Symbols3, ExamplePuzzle, ExampleSolution);
  board.Genera();
  EXPECT_EQ(board.GetTransformKey(), "201-120-201-120-201-201-120-120");
  TCharGrid grid = FilledGrid('#');
  board.GetSolutionGrid(grid);
  EXPECT_EQ(std::string(grid[0].data(), 9), "163284579");
}

TEST(Shuffle, SecondRunPermutesTheFirstRunsResult) {
  TFixedClock clock(7, 7);
  TsdBoard board = MakeBoard(4, 2);
  board.Genera();
  const TValues once = Snapshot(board, false);
  board.Genera();
  ExpectMovedAsKeySays(once, Snapshot(board, false), board.GetTransformKey(), 4);
}

TEST(Shuffle, UnsupportedBoxSizeIsRefusedAndChangesNothing) {
  const std::string symbols = "ABCD";
  const std::string solution = PatternSolution(2, symbols);
  TsdBoard board(2, symbols, CutPuzzle(solution, 2), solution);
  const TValues puzzle = Snapshot(board, true);
  const TValues sol = Snapshot(board, false);
  board.Genera();
  EXPECT_TRUE(board.HasError());
  EXPECT_EQ(board.GetErrorText(), "Internal error: Genera. Dimensione:2: non gestita !");
  EXPECT_EQ(board.GetTransformKey(), "");
  EXPECT_EQ(Snapshot(board, true), puzzle);
  EXPECT_EQ(Snapshot(board, false), sol);
}

TEST(Random, BelowStaysInRangeAndAdvancesOneStepPerDraw) {
  TsdRandom::Seed(99);
  std::vector<int> mixed;
  for (int bound : {1, 2, 5, 25, 44, 1000}) mixed.push_back(TsdRandom::Below(bound));
  TsdRandom::Seed(99);
  for (int i = 0; i < 5; ++i) TsdRandom::Below(7);
  const int sixth = TsdRandom::Below(1000);
  EXPECT_EQ(sixth, mixed.back()) << "five draws of any bound advance the generator five steps";
  EXPECT_EQ(TsdRandom::Below(0), 0);
  EXPECT_EQ(TsdRandom::Below(-3), 0);
  std::vector<int> counts(9);
  for (int i = 0; i < 9000; ++i) {
    const int v = TsdRandom::Below(9);
    ASSERT_TRUE(v >= 0 && v < 9);
    ++counts[static_cast<std::size_t>(v)];
  }
  for (int c : counts) EXPECT_GT(c, 800) << "every value comes up";
}

}  // namespace
