// One hand-made candidate grid per rung past the catalogue's levels, at 9×9, 16×16 and 25×25:
// every other cell open with every symbol, the pattern's cells narrowed by hand. The rung's sweep
// must find the pattern, strike exactly the candidates listed, and the finding must hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "Techniques.h"

using namespace tsdtech;

namespace {

using TCell = std::pair<int, int>;  // row, column, from 0

struct TGrid {
  const TGeometry& g;
  std::vector<TMask> cand;
  explicit TGrid(int box) : g(*GeometryFor(box)), cand(g.cells, g.full) {}
  TMask& At(int row, int column) { return cand[row * g.side + column]; }
  // Symbols (values from 0) taken out of a row except at the columns listed.
  void OnlyInRow(int row, std::vector<int> symbols, std::vector<int> columns) {
    for (int c = 0; c < g.side; ++c) {
      if (std::find(columns.begin(), columns.end(), c) != columns.end()) continue;
      for (const int v : symbols) At(row, c) &= ~(TMask{1} << v);
    }
  }
};

TMask Bits(std::initializer_list<int> values) {
  TMask m = 0;
  for (const int v : values) m |= TMask{1} << v;
  return m;
}

struct TCase {
  const char* name;
  TTechnique technique;
  void (*build)(TGrid&);
  std::vector<std::pair<TCell, TMask>> struck;  // exactly these, when `exact`
  bool exact;
};

const TCase kCases[] = {
    {"HiddenTriple",
     TTechnique::HiddenTriple,
     [](TGrid& t) {
       t.OnlyInRow(0, {0, 1, 2}, {0, 4, 7});
     },
     {{{0, 0}, 0}, {{0, 4}, 0}, {{0, 7}, 0}},  // everything but 1, 2, 3 (filled in below)
     true},
    {"NakedQuad",
     TTechnique::NakedQuad,
     [](TGrid& t) {
       t.At(1, 0) = Bits({0, 1});
       t.At(1, 2) = Bits({1, 2});
       t.At(1, 5) = Bits({2, 3});
       t.At(1, 7) = Bits({0, 3});
     },
     {},  // every other cell of row 2 loses 1–4 (filled in below)
     true},
    {"HiddenQuad",
     TTechnique::HiddenQuad,
     [](TGrid& t) {
       t.OnlyInRow(2, {3, 4, 5, 6}, {1, 3, 6, 8});
     },
     {{{2, 1}, 0}, {{2, 3}, 0}, {{2, 6}, 0}, {{2, 8}, 0}},
     true},
    {"XWing",
     TTechnique::XWing,
     [](TGrid& t) {
       t.OnlyInRow(0, {6}, {1, 7});
       t.OnlyInRow(3, {6}, {1, 7});
     },
     {},  // columns 2 and 8 outside rows 1 and 4 lose the 7 (filled in below)
     true},
    {"Swordfish",
     TTechnique::Swordfish,
     [](TGrid& t) {
       t.OnlyInRow(1, {4}, {0, 3});
       t.OnlyInRow(4, {4}, {3, 7});
       t.OnlyInRow(8, {4}, {0, 7});
     },
     {},
     true},
    {"XYWing",
     TTechnique::XYWing,
     [](TGrid& t) {
       t.At(0, 0) = Bits({0, 1});
       t.At(0, 5) = Bits({0, 2});
       t.At(5, 0) = Bits({1, 2});
     },
     {{{5, 5}, Bits({2})}},
     true},
    {"XYZWing",
     TTechnique::XYZWing,
     [](TGrid& t) {
       t.At(0, 0) = Bits({0, 1, 2});
       t.At(0, 5) = Bits({0, 2});
       t.At(1, 1) = Bits({1, 2});
     },
     {},  // the rest of row 1 inside box 1 loses the 3 (filled in below)
     true},
    {"XChain",
     TTechnique::XChain,
     [](TGrid& t) {
       t.OnlyInRow(0, {3}, {0, 8});
       t.OnlyInRow(8, {3}, {1, 8});
     },
     {{{1, 1}, Bits({3})}},  // among others: r2c2 sees r1c1 (box) and r9c2 (column)
     false},
    {"XYChain",
     TTechnique::XYChain,
     [](TGrid& t) {
       t.At(0, 0) = Bits({0, 1});
       t.At(0, 8) = Bits({1, 2});
       t.At(8, 8) = Bits({2, 3});
       t.At(8, 1) = Bits({3, 0});
     },
     {{{8, 0}, Bits({0})}},
     false},
    {"Forcing",
     TTechnique::Forcing,
     [](TGrid& t) {
       t.At(0, 0) = Bits({0, 1});
       t.At(0, 1) = Bits({0, 2});
       t.At(0, 2) = Bits({0, 2});
     },
     {{{0, 0}, Bits({0})}},  // 1 in r1c1 leaves r1c2 and r1c3 both needing the 3
     true},
};

class TechniquePosition : public ::testing::TestWithParam<int> {};

TEST_P(TechniquePosition, EachRungFindsItsPatternAndStrikesExactlyItsCandidates) {
  const int box = GetParam();
  for (const TCase& c : kCases) {
    SCOPED_TRACE(std::string(c.name) + " at box size " + std::to_string(box));
    TGrid t(box);
    c.build(t);
    const TGeometry& g = t.g;
    std::vector<std::pair<TCell, TMask>> expected = c.struck;
    // The expectations that follow from the pattern's lines.
    if (c.technique == TTechnique::HiddenTriple || c.technique == TTechnique::HiddenQuad) {
      const TMask kept =
          c.technique == TTechnique::HiddenTriple ? Bits({0, 1, 2}) : Bits({3, 4, 5, 6});
      for (auto& e : expected) e.second = g.full & ~kept;
    } else if (c.technique == TTechnique::NakedQuad) {
      for (int col = 0; col < g.side; ++col) {
        if (col != 0 && col != 2 && col != 5 && col != 7)
          expected.push_back({{1, col}, Bits({0, 1, 2, 3})});
      }
    } else if (c.technique == TTechnique::XYZWing) {
      for (int col = 1; col < box; ++col) expected.push_back({{0, col}, Bits({2})});
    } else if (c.technique == TTechnique::XWing || c.technique == TTechnique::Swordfish) {
      const bool wing = c.technique == TTechnique::XWing;
      const std::vector<int> rows = wing ? std::vector{0, 3} : std::vector{1, 4, 8};
      const std::vector<int> cols = wing ? std::vector{1, 7} : std::vector{0, 3, 7};
      for (int row = 0; row < g.side; ++row) {
        if (std::find(rows.begin(), rows.end(), row) != rows.end()) continue;
        for (const int col : cols) expected.push_back({{row, col}, Bits({wing ? 6 : 4})});
      }
    }
    std::vector<std::pair<TCell, TMask>> struck;
    TFinding found;
    const TSweepEnd end = Sweep(c.technique, g, t.cand.data(), [&](const TFinding& f) {
      ForEachStrike(g, f, [&](int cell, TMask bits) {
        const TMask gone = t.cand[cell] & bits & ~kPlaced;
        if (gone != 0) struck.push_back({{g.Row(cell), g.Column(cell)}, gone});
        return true;
      });
      found = f;
      return struck.empty();  // the first instance that strikes anything
    });
    ASSERT_EQ(end, TSweepEnd::Stopped);
    EXPECT_EQ(found.FTechnique, c.technique);
    EXPECT_TRUE(Holds(g, t.cand.data(), found));
    std::sort(struck.begin(), struck.end());
    std::sort(expected.begin(), expected.end());
    if (c.exact) {
      EXPECT_EQ(struck, expected);
    } else {
      for (const auto& e : expected) {
        EXPECT_NE(std::find(struck.begin(), struck.end(), e), struck.end());
      }
      // A chain's own cells keep the symbol it strikes, except where one sees both ends.
      for (int i = 0; i < found.FCount; ++i) {
        const int cell = found.FCells[i];
        if (i == 0 || i == found.FCount - 1) {
          EXPECT_EQ(std::count_if(struck.begin(), struck.end(),
                                  [&](const auto& s) {
                                    return s.first == TCell{g.Row(cell), g.Column(cell)};
                                  }),
                    0);
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TechniquePosition, ::testing::Values(3, 4, 5),
                         [](const auto& info) {
                           const int side = info.param * info.param;
                           return std::to_string(side) + "x" + std::to_string(side);
                         });

}  // namespace
