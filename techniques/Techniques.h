// The solving techniques, one implementation of each, for the grader, the exact solver and the
// step explanations alike.
//
// THE LADDER, cheapest first. A person (and the grader) always tries the first rung that makes
// progress and goes back to the top after any progress, so a rung is used only when every rung
// above it is stuck. Cells are named rNcM, counted from 1; the examples are on a 9×9 grid.
//
//  1. Naked single (level E). A cell with one candidate left holds it.
//     r5c5 sees 1, 2, 3, 4, 6, 7, 8 and 9 in its row, column and box: r5c5 is 5.
//  2. Hidden single (E). A symbol with one possible cell left in a row, column or box goes there.
//     Every cell of row 4 but r4c2 sees a 7 in its column or box: r4c2 is 7.
//  3. Pointing (M, locked candidates). Inside a box, a symbol whose candidates all lie in one row
//     (column) must be in that row (column) of the box, so it leaves the rest of the line.
//     In box 1 the 4 can only be in r1c1 or r1c3: r1c4 … r1c9 lose the 4.
//  4. Claiming (M, locked candidates). Inside a row (column), a symbol whose candidates all lie in
//     one box must be in that box's part of the line, so it leaves the rest of the box.
//     In row 1 the 4 can only be in r1c2 or r1c3, both in box 1: r2c1 … r3c3 lose the 4.
//  5. Naked pair (A). Two cells of a unit with the same two candidates hold those two symbols
//     between them, so every other cell of the unit loses both.
//     r1c1 and r1c6 can only hold 1 or 2: the other cells of row 1 lose 1 and 2.
//  6. Naked triple (A). Three cells of a unit whose candidates together are three symbols: the
//     same, with three. r1c1 {1,2}, r1c5 {2,3} and r1c9 {1,3}: the rest of row 1 loses 1, 2, 3.
//  7. Hidden pair (A). Two symbols whose only places in a unit are the same two cells fill those
//     two cells, which therefore lose every other candidate.
//     In row 1 the 6 and the 8 can only go to r1c2 and r1c7: both keep {6,8} and nothing else.
//
// Past the catalogue's three levels (each rung below is found on every size, 9×9 to 25×25):
//  8. Hidden triple. Three symbols whose places in a unit are the same three cells: those cells
//     lose every other candidate. In box 5 the 1, 4 and 9 fit only r4c4, r5c6 and r6c5.
//  9. Naked quad. Four cells of a unit whose candidates together are four symbols: the rest of the
//     unit loses them. r2c1 {1,5}, r2c3 {5,7}, r2c6 {1,7,8}, r2c8 {1,8}: row 2 loses 1, 5, 7, 8.
// 10. Hidden quad. Four symbols confined to the same four cells of a unit: those cells lose the
//     rest. In column 3 the 2, 3, 6 and 8 fit only r1c3, r4c3, r7c3 and r9c3.
// 11. X-Wing. In two rows a symbol fits only in the same two columns: one of each pair holds it,
//     so the rest of those two columns loses it. 7 only in c2/c8 of r1 and r4: r6c2 loses 7.
// 12. XY-Wing. A pivot {x,y} sees a pincer {x,z} and a pincer {y,z}: one pincer holds z, so a cell
//     that sees both pincers loses z. r1c1 {1,2}, r1c7 {1,3}, r3c2 {2,3}: r3c7 loses 3.
// 13. Swordfish. The X-Wing with three rows (columns) and three columns (rows).
//     5 only in columns 1, 4, 8 of rows 2, 5, 9: the rest of columns 1, 4, 8 loses 5.
// 14. XYZ-Wing. A pivot {x,y,z} sees a pincer {x,z} and a pincer {y,z}: a cell seeing all three
//     loses z. r2c2 {1,2,3}, r2c7 {1,3}, r3c1 {2,3}: r2c1 and r2c3 lose 3.
// 15. X-chain (what simple colouring finds). Conjugate pairs of one symbol (its only two places in
//     a unit) joined by cells that see each other: one end of the chain holds it, so a cell seeing
//     both ends loses it. 4: r1c1=r1c5-r5c5=r5c9: r9c1, if it sees r1c1 and r5c9... loses 4.
// 16. XY-chain. Cells of two candidates each, each sharing one with the next, starting and ending
//     with z: one end holds z. r1c1 {3,5}-r1c6 {5,8}-r4c6 {8,2}-r4c2 {2,3}: r2c2 and r4c1 lose 3.
// 17. Forcing chain. Assume a candidate of a two-candidate cell and follow the singles it forces:
//     when they reach a contradiction (a cell with nothing, a symbol with no place), the
//     assumption was wrong. The singles are followed for at most 12 rounds, and only those the
//     contradiction rests on are told (at most kMaxLinks − 1 of them).
// Past those, a position needs trial and error: the explanation says so and reveals one cell the
// search chose, saying it was found by trial.
//
// An open cell keeps its candidates until it is placed, and a placed cell keeps its symbol's bit
// (Geometry.h): a cell that has just become a single still counts as holding its symbol for every
// later test of the sweep, which keeps pointing and hidden pairs sound.
//
// The code below is the finding half of each technique: a sweep walks the grid in a fixed order
// and hands every instance it finds (a TFinding) to a visitor, re-reading the grid after each, so
// what the visitor changes is seen by the rest of the sweep. What an instance does to the grid
// follows from the instance alone (ForEachStrike, Place); the grader applies every instance, the
// solver applies them until the grid settles, and the explanation tries them one by one on a copy.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "Geometry.h"

namespace tsdtech {

// The levels of the ladder; each catalogue level letter names one (E = Singles, M = Locked,
// A = Subsets), which keep their techniques exactly. Advanced, Chains and Forcing hold the rungs
// past them, for puzzles a player brings. Beyond: every rung stalls.
enum class TLevel : std::uint8_t {
  Singles = 0,
  Locked = 1,
  Subsets = 2,
  Advanced = 3,
  Chains = 4,
  Forcing = 5,
  Beyond = 6
};
inline constexpr int kLevelCount = static_cast<int>(TLevel::Beyond);

// The ladder, declared once: identifier, English name, Italian name, level. It expands into the
// TTechnique enumeration and the kLadder table, in this order.
#define TSD_TECHNIQUE_LADDER(X)                                      \
  X(NakedSingle, "naked single", "singolo nudo", Singles)            \
  X(HiddenSingle, "hidden single", "singolo nascosto", Singles)      \
  X(Pointing, "pointing", "candidati bloccati nel riquadro", Locked) \
  X(Claiming, "claiming", "candidati bloccati sulla linea", Locked)  \
  X(NakedPair, "naked pair", "coppia nuda", Subsets)                 \
  X(NakedTriple, "naked triple", "tripla nuda", Subsets)             \
  X(HiddenPair, "hidden pair", "coppia nascosta", Subsets)           \
  X(HiddenTriple, "hidden triple", "tripla nascosta", Advanced)      \
  X(NakedQuad, "naked quad", "quaterna nuda", Advanced)              \
  X(HiddenQuad, "hidden quad", "quaterna nascosta", Advanced)        \
  X(XWing, "X-Wing", "X-Wing", Advanced)                             \
  X(XYWing, "XY-Wing", "XY-Wing", Advanced)                          \
  X(Swordfish, "Swordfish", "Swordfish", Advanced)                   \
  X(XYZWing, "XYZ-Wing", "XYZ-Wing", Advanced)                       \
  X(XChain, "X-chain", "catena X", Chains)                           \
  X(XYChain, "XY-chain", "catena XY", Chains)                        \
  X(Forcing, "forcing chain", "catena forzante", Forcing)

enum class TTechnique : std::uint8_t {
#define TSD_TECHNIQUE_ENUM(id, name, nameIT, level) id,
  TSD_TECHNIQUE_LADDER(TSD_TECHNIQUE_ENUM)
#undef TSD_TECHNIQUE_ENUM
};

struct TTechniqueInfo {
  TTechnique technique;
  std::string_view name;    // English
  std::string_view nameIT;  // Italian
  TLevel level;
};

inline constexpr std::array kLadder = {
#define TSD_TECHNIQUE_ROW(id, name, nameIT, level) \
  TTechniqueInfo{TTechnique::id, name, nameIT, TLevel::level},
    TSD_TECHNIQUE_LADDER(TSD_TECHNIQUE_ROW)
#undef TSD_TECHNIQUE_ROW
};

constexpr const TTechniqueInfo& InfoOf(TTechnique technique) {
  return kLadder[static_cast<std::size_t>(technique)];
}
constexpr bool IsSingleTechnique(TTechnique technique) {
  return InfoOf(technique).level == TLevel::Singles;
}

// The most cells one finding lists: a chain's cells, a forcing chain's placements.
inline constexpr int kMaxLinks = 16;

// One instance of a technique, as found on a candidate grid.
struct TFinding {
  TTechnique FTechnique = TTechnique::NakedSingle;
  // Singles, locked candidates, fish, wings, chains: the one symbol's bit (for wings and chains the
  // one they strike; for a forcing chain the one assumed and struck). Subsets: their symbols.
  TMask FSymbols = 0;
  // Where it holds: the unit of a hidden single or subset; the box of a pointing; the row or
  // column of a claiming. Fish: 0 when the base lines are rows, 1 when columns. Forcing chain: the
  // unit left without a place for the symbol FCover, or −1. −1 for the rest.
  std::int16_t FUnit = -1;
  // Where it strikes: the row or column of a pointing, the box of a claiming. Forcing chain: the
  // cell left with no candidate, or −1. −1 otherwise.
  std::int16_t FTarget = -1;
  // Singles: the cell. Subsets: their cells, in unit order. Wings: pivot, then the pincers. Chains:
  // the cells in chain order. Forcing chain: the assumed cell, then each cell the singles fill.
  std::int8_t FCount = 0;
  std::array<std::int16_t, kMaxLinks> FCells{};
  // Per listed cell. Wings and XY-chains: the candidates the pattern needs that cell limited to.
  // X-chains: for the cell opening a strong link (even index), the unit where the two cells are
  // the symbol's only places. Forcing chain: the bit of the symbol each filled cell takes.
  std::array<TMask, kMaxLinks> FMasks{};
  // Fish: the base lines and the cover lines, bit i for line i. Forcing chain: FCover as above.
  TMask FBase = 0;
  TMask FCover = 0;

  int Cell() const { return FCells[0]; }
  int Value() const { return std::countr_zero(FSymbols); }
};

// How a sweep ended: every instance visited, stopped by its visitor, or a contradiction met (some
// symbol has no place left in a unit).
enum class TSweepEnd { Done, Stopped, Contradiction };

// Places `value` in a cell and strikes it from every peer; newSingle(peer) is called for each open
// peer left with one candidate. False when that breaks the rule (a peer already holds the value,
// or an open peer is left with nothing); the grid is then only partly updated.
template <class TOnSingle>
bool Place(const TGeometry& g, TMask* cand, int cell, int value, TOnSingle&& newSingle) {
  const TMask bit = TMask{1} << value;
  cand[cell] = kPlaced | bit;
  for (const std::int16_t p : g.peers[cell]) {
    TMask& m = cand[p];
    if ((m & bit) == 0) continue;
    if (m & kPlaced) return false;
    m &= ~bit;
    if (m == 0) return false;
    if (IsSingle(m)) newSingle(p);
  }
  return true;
}

// Strikes `bits` from one cell: 0 when it held none of them, 1 when it lost some, −1 when that
// breaks the rule (a placed cell holds one of them, or an open cell is left with nothing).
inline int Strike(TMask* cand, int cell, TMask bits) {
  TMask& m = cand[cell];
  if ((m & bits) == 0) return 0;
  if (m & kPlaced) return -1;
  m &= ~bits;
  return m == 0 ? -1 : 1;
}

// The candidates an elimination strikes, cell by cell in unit order: strike(cell, bits) for each
// cell it reaches (whether or not the cell still holds them), until strike answers false. Singles
// strike nothing: they place.
template <class TOnStrike>
void ForEachStrike(const TGeometry& g, const TFinding& f, TOnStrike&& strike) {
  switch (f.FTechnique) {
    case TTechnique::NakedSingle:
    case TTechnique::HiddenSingle:
      return;
    case TTechnique::Pointing:
    case TTechnique::Claiming: {
      // The target unit minus the N cells it shares with the unit that holds the symbol, walked
      // segment by segment: this runs for every locked symbol the solver meets.
      const int n = g.box, s = g.side;
      const bool pointing = f.FTechnique == TTechnique::Pointing;
      const int line = pointing ? f.FTarget : f.FUnit, b = (pointing ? f.FUnit : f.FTarget) - 2 * s;
      const bool row = line < s;
      const int index = row ? line : line - s;  // the row's or column's number
      const int top = (b / n) * n, left = (b % n) * n;
      for (int i = 0; i < n; ++i) {
        if (pointing) {  // the line's other boxes
          const int skip = row ? left / n : top / n;
          if (i == skip) continue;
          for (int k = i * n; k < i * n + n; ++k) {
            if (!strike(row ? index * s + k : k * s + index, f.FSymbols)) return;
          }
        } else {  // the box's other lines
          if ((row ? top : left) + i == index) continue;
          for (int j = 0; j < n; ++j) {
            const int cell = row ? (top + i) * s + left + j : (top + j) * s + left + i;
            if (!strike(cell, f.FSymbols)) return;
          }
        }
      }
      return;
    }
    case TTechnique::NakedPair:
    case TTechnique::NakedTriple:
    case TTechnique::NakedQuad:
      for (int k = 0; k < g.side; ++k) {
        const int cell = g.unitCells[f.FUnit][k];
        bool inSubset = false;
        for (int i = 0; i < f.FCount; ++i) inSubset |= f.FCells[i] == cell;
        if (!inSubset && !strike(cell, f.FSymbols)) return;
      }
      return;
    case TTechnique::HiddenPair:
    case TTechnique::HiddenTriple:
    case TTechnique::HiddenQuad:
      for (int i = 0; i < f.FCount; ++i) {
        if (!strike(f.FCells[i], g.full & ~f.FSymbols)) return;
      }
      return;
    case TTechnique::XWing:
    case TTechnique::Swordfish:
      // The cover lines, outside the base lines.
      for (TMask cover = f.FCover; cover; cover &= cover - 1) {
        const int c = std::countr_zero(cover);
        for (int k = 0; k < g.side; ++k) {
          if (f.FBase & (TMask{1} << k)) continue;
          if (!strike(f.FUnit == 0 ? k * g.side + c : c * g.side + k, f.FSymbols)) return;
        }
      }
      return;
    case TTechnique::XYWing:
    case TTechnique::XYZWing:
    case TTechnique::XChain:
    case TTechnique::XYChain: {
      // Every cell that sees each end: the pincers of a wing (and its pivot too for an XYZ-Wing),
      // the two ends of a chain.
      std::array<int, 3> ends{};
      int count = 0;
      if (f.FTechnique == TTechnique::XYWing) {
        ends = {f.FCells[1], f.FCells[2], 0};
        count = 2;
      } else if (f.FTechnique == TTechnique::XYZWing) {
        ends = {f.FCells[0], f.FCells[1], f.FCells[2]};
        count = 3;
      } else {
        ends = {f.FCells[0], f.FCells[f.FCount - 1], 0};
        count = 2;
      }
      for (const std::int16_t p : g.peers[ends[0]]) {
        bool all = true;
        for (int i = 1; i < count; ++i) all = all && g.Sees(p, ends[i]);
        if (all && !strike(p, f.FSymbols)) return;
      }
      return;
    }
    case TTechnique::Forcing:
      strike(f.FCells[0], f.FSymbols);
      return;
  }
}

namespace detail {

// Locked candidates cut a unit into N segments (a box into its rows or columns, a line into the
// boxes it crosses): the symbols found in exactly one segment are the locked ones.
inline TMask InOneSegmentOnly(const TMask* seg, int n) {
  TMask once = 0, twice = 0;
  for (int i = 0; i < n; ++i) {
    twice |= once & seg[i];
    once |= seg[i];
  }
  return once & ~twice;
}

// The segment that holds a symbol known to be in exactly one.
inline int SegmentHolding(const TMask* seg, TMask bit) {
  int i = 0;
  while ((seg[i] & bit) == 0) ++i;
  return i;
}

inline TMask OpenCandidates(TMask m) {
  return (m & kPlaced) ? 0 : m;
}

}  // namespace detail

// Naked singles: every open cell with one candidate, in cell order.
template <class TVisit>
TSweepEnd SweepNakedSingles(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  for (int cell = 0; cell < g.cells; ++cell) {
    const TMask m = cand[cell];
    if ((m & kPlaced) || !IsSingle(m)) continue;
    TFinding f;
    f.FTechnique = TTechnique::NakedSingle;
    f.FSymbols = m;
    f.FCount = 1;
    f.FCells[0] = static_cast<std::int16_t>(cell);
    if (!visit(f)) return TSweepEnd::Stopped;
  }
  return TSweepEnd::Done;
}

// Hidden singles: unit by unit (rows, columns, boxes), each symbol with one open place and not yet
// placed in the unit, lowest symbol first.
template <class TVisit>
TSweepEnd SweepHiddenSingles(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    TMask once = 0, twice = 0, placed = 0;
    for (int k = 0; k < g.side; ++k) {
      const TMask m = cand[cells[k]];
      if (m & kPlaced) {
        placed |= m;
        continue;
      }
      twice |= once & m;
      once |= m;
    }
    placed &= ~kPlaced;
    if ((once | placed) != g.full) return TSweepEnd::Contradiction;
    for (TMask hidden = once & ~twice & ~placed; hidden; hidden &= hidden - 1) {
      const TMask bit = hidden & (~hidden + 1);
      // Re-read: what the visitor did for an earlier symbol of this unit may have taken this one's
      // place, or placed it.
      int k = 0;
      while (k < g.side && (cand[cells[k]] & bit) == 0) ++k;
      if (k == g.side) return TSweepEnd::Contradiction;
      if (cand[cells[k]] & kPlaced) continue;
      TFinding f;
      f.FTechnique = TTechnique::HiddenSingle;
      f.FSymbols = bit;
      f.FUnit = static_cast<std::int16_t>(u);
      f.FCount = 1;
      f.FCells[0] = cells[k];
      if (!visit(f)) return TSweepEnd::Stopped;
    }
  }
  return TSweepEnd::Done;
}

// Pointing: box by box, its rows then its columns as segments.
template <class TVisit>
TSweepEnd SweepPointing(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  const int n = g.box;
  for (int b = 0; b < g.side; ++b) {
    const int top = (b / n) * n, left = (b % n) * n;
    for (int byColumn = 0; byColumn < 2; ++byColumn) {
      TMask seg[kMaxBox] = {};
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
          const int cell = byColumn ? (top + j) * g.side + left + i : (top + i) * g.side + left + j;
          seg[i] |= detail::OpenCandidates(cand[cell]);
        }
      }
      for (TMask only = detail::InOneSegmentOnly(seg, n); only; only &= only - 1) {
        const TMask bit = only & (~only + 1);
        const int i = detail::SegmentHolding(seg, bit);
        TFinding f;
        f.FTechnique = TTechnique::Pointing;
        f.FSymbols = bit;
        f.FUnit = static_cast<std::int16_t>(2 * g.side + b);
        f.FTarget = static_cast<std::int16_t>(byColumn ? g.side + left + i : top + i);
        if (!visit(f)) return TSweepEnd::Stopped;
      }
    }
  }
  return TSweepEnd::Done;
}

// Claiming: every row, then every column, with the boxes it crosses as segments.
template <class TVisit>
TSweepEnd SweepClaiming(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  const int n = g.box;
  for (int byColumn = 0; byColumn < 2; ++byColumn) {
    for (int line = 0; line < g.side; ++line) {
      const int unit = byColumn ? g.side + line : line;
      TMask seg[kMaxBox] = {};
      for (int k = 0; k < g.side; ++k)
        seg[k / n] |= detail::OpenCandidates(cand[g.unitCells[unit][k]]);
      for (TMask only = detail::InOneSegmentOnly(seg, n); only; only &= only - 1) {
        const TMask bit = only & (~only + 1);
        const int i = detail::SegmentHolding(seg, bit);
        const int b = byColumn ? i * n + line / n : (line / n) * n + i;
        TFinding f;
        f.FTechnique = TTechnique::Claiming;
        f.FSymbols = bit;
        f.FUnit = static_cast<std::int16_t>(unit);
        f.FTarget = static_cast<std::int16_t>(2 * g.side + b);
        if (!visit(f)) return TSweepEnd::Stopped;
      }
    }
  }
  return TSweepEnd::Done;
}

// Naked pairs: unit by unit, pairs of open cells in unit order.
template <class TVisit>
TSweepEnd SweepNakedPairs(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    for (int a = 0; a < g.side; ++a) {
      const TMask ma = cand[cells[a]];
      if ((ma & kPlaced) || CountBits(ma) != 2) continue;
      for (int b = a + 1; b < g.side; ++b) {
        if (cand[cells[b]] != cand[cells[a]] || CountBits(cand[cells[a]]) != 2) continue;
        TFinding f;
        f.FTechnique = TTechnique::NakedPair;
        f.FSymbols = cand[cells[a]];
        f.FUnit = static_cast<std::int16_t>(u);
        f.FCount = 2;
        f.FCells = {cells[a], cells[b], 0};
        if (!visit(f)) return TSweepEnd::Stopped;
      }
    }
  }
  return TSweepEnd::Done;
}

// Naked triples: unit by unit, triples of open cells holding two or three candidates each.
template <class TVisit>
TSweepEnd SweepNakedTriples(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    int pos[kMaxSide];
    int m = 0;
    for (int k = 0; k < g.side; ++k) {
      const TMask mk = cand[cells[k]];
      const int count = CountBits(mk);
      if (!(mk & kPlaced) && count >= 2 && count <= 3) pos[m++] = k;
    }
    for (int a = 0; a < m; ++a) {
      for (int b = a + 1; b < m; ++b) {
        const TMask ab = cand[cells[pos[a]]] | cand[cells[pos[b]]];
        if (CountBits(ab) > 3) continue;
        for (int c = b + 1; c < m; ++c) {
          const TMask triple = ab | cand[cells[pos[c]]];
          if ((triple & kPlaced) || CountBits(triple) != 3) continue;
          TFinding f;
          f.FTechnique = TTechnique::NakedTriple;
          f.FSymbols = triple;
          f.FUnit = static_cast<std::int16_t>(u);
          f.FCount = 3;
          f.FCells = {cells[pos[a]], cells[pos[b]], cells[pos[c]]};
          if (!visit(f)) return TSweepEnd::Stopped;
        }
      }
    }
  }
  return TSweepEnd::Done;
}

// Hidden pairs: unit by unit, pairs of symbols (lowest first) whose open places are the same two
// cells.
template <class TVisit>
TSweepEnd SweepHiddenPairs(const TGeometry& g, const TMask* cand, TVisit&& visit) {
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    TMask where[kMaxSide] = {};  // bit k: the unit's k-th cell can hold the symbol
    for (int k = 0; k < g.side; ++k) {
      for (TMask c = detail::OpenCandidates(cand[cells[k]]); c; c &= c - 1) {
        where[std::countr_zero(c)] |= TMask{1} << k;
      }
    }
    for (int v = 0; v < g.side; ++v) {
      if (CountBits(where[v]) != 2) continue;
      for (int w = v + 1; w < g.side; ++w) {
        if (where[w] != where[v]) continue;
        TFinding f;
        f.FTechnique = TTechnique::HiddenPair;
        f.FSymbols = (TMask{1} << v) | (TMask{1} << w);
        f.FUnit = static_cast<std::int16_t>(u);
        f.FCount = 2;
        f.FCells = {cells[std::countr_zero(where[v])], cells[31 - std::countl_zero(where[v])], 0};
        if (!visit(f)) return TSweepEnd::Stopped;
      }
    }
  }
  return TSweepEnd::Done;
}

// The rungs past the catalogue's levels, found outside this header (AdvancedTechniques.cpp). Each
// visits its instances in a fixed order, as the sweeps above do.
class TVisitRef {
 public:
  template <class TVisit>
  requires(!std::is_same_v<std::remove_cvref_t<TVisit>, TVisitRef>)
      TVisitRef(TVisit& visit)  // NOLINT: a reference to any visitor, the way a lambda is passed
      : FObject(&visit), FCall([](void* object, const TFinding& f) {
          return static_cast<bool>((*static_cast<TVisit*>(object))(f));
        }) {}
  bool operator()(const TFinding& f) const { return FCall(FObject, f); }

 private:
  void* FObject;
  bool (*FCall)(void*, const TFinding&);
};

// Hidden triples (size 3) and quads (4); naked quads.
TSweepEnd SweepHiddenSubsets(const TGeometry& g, const TMask* cand, int size, TVisitRef visit);
TSweepEnd SweepNakedQuads(const TGeometry& g, const TMask* cand, TVisitRef visit);
// X-Wing (size 2) and Swordfish (3): symbol by symbol, base rows then base columns.
TSweepEnd SweepFish(const TGeometry& g, const TMask* cand, int size, TVisitRef visit);
TSweepEnd SweepXYWings(const TGeometry& g, const TMask* cand, TVisitRef visit);
TSweepEnd SweepXYZWings(const TGeometry& g, const TMask* cand, TVisitRef visit);
// Chains, shortest first from each start, visited only when they strike something.
TSweepEnd SweepXChains(const TGeometry& g, const TMask* cand, TVisitRef visit);
TSweepEnd SweepXYChains(const TGeometry& g, const TMask* cand, TVisitRef visit);
// Forcing chains from the two-candidate cells, shortest first.
TSweepEnd SweepForcing(const TGeometry& g, const TMask* cand, TVisitRef visit);
// The forcing chain from assuming `bit` in `cell`: true, with it in `f`, when it contradicts.
bool ForcingFrom(const TGeometry& g, const TMask* cand, int cell, TMask bit, TFinding& f);

// The sweep of one rung of the ladder.
template <class TVisit>
TSweepEnd Sweep(TTechnique technique, const TGeometry& g, const TMask* cand, TVisit&& visit) {
  switch (technique) {
    case TTechnique::NakedSingle:
      return SweepNakedSingles(g, cand, visit);
    case TTechnique::HiddenSingle:
      return SweepHiddenSingles(g, cand, visit);
    case TTechnique::Pointing:
      return SweepPointing(g, cand, visit);
    case TTechnique::Claiming:
      return SweepClaiming(g, cand, visit);
    case TTechnique::NakedPair:
      return SweepNakedPairs(g, cand, visit);
    case TTechnique::NakedTriple:
      return SweepNakedTriples(g, cand, visit);
    case TTechnique::HiddenPair:
      return SweepHiddenPairs(g, cand, visit);
    case TTechnique::HiddenTriple:
      return SweepHiddenSubsets(g, cand, 3, visit);
    case TTechnique::NakedQuad:
      return SweepNakedQuads(g, cand, visit);
    case TTechnique::HiddenQuad:
      return SweepHiddenSubsets(g, cand, 4, visit);
    case TTechnique::XWing:
      return SweepFish(g, cand, 2, visit);
    case TTechnique::XYWing:
      return SweepXYWings(g, cand, visit);
    case TTechnique::Swordfish:
      return SweepFish(g, cand, 3, visit);
    case TTechnique::XYZWing:
      return SweepXYZWings(g, cand, visit);
    case TTechnique::XChain:
      return SweepXChains(g, cand, visit);
    case TTechnique::XYChain:
      return SweepXYChains(g, cand, visit);
    case TTechnique::Forcing:
      return SweepForcing(g, cand, visit);
  }
  return TSweepEnd::Done;
}

// Whether a finding still holds on a grid: the test its sweep made, asked of one instance.
bool Holds(const TGeometry& g, const TMask* cand, const TFinding& f);
namespace detail {
bool HoldsAdvanced(const TGeometry& g, const TMask* cand, const TFinding& f);
}

// The grid of a position: every cell open with every symbol, then each value of `cells`
// (kEmpty for blanks) placed in cell order. False when two of them break the rule.
bool LoadCandidates(const TGeometry& g, const TCellValue* cells, TMask* cand);

}  // namespace tsdtech
