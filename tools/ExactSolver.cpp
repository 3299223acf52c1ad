// Exact solver: singles propagation plus most-constrained branching, counting up to a limit.
#include "ExactSolver.h"

#include <bit>
#include <cstring>

namespace tsdtools {

namespace {
// Marks a cell whose value has been pushed to its peers; lives in the top bit of its mask, which no
// symbol uses (at most 25 symbols).
constexpr TMask kDone = TMask{1} << 31;
}  // namespace

TExactSolver::TExactSolver(const TGeometry& geometry) : FGeometry(geometry) {
  FStack.resize(geometry.cells + 2);
  FQueue.reserve(geometry.cells * 2);
}

bool TExactSolver::Assign(TState& s, int cell, int value) {
  const TMask bit = TMask{1} << value;
  if ((s.cand[cell] & bit) == 0) return false;
  if ((s.cand[cell] & kDone) == 0) {
    s.cand[cell] = bit;
    FQueue.push_back(static_cast<std::int16_t>(cell));
  }
  return true;
}

// Pushes every queued single to its peers; false on contradiction.
bool TExactSolver::Drain(TState& s) {
  const TGeometry& g = FGeometry;
  while (!FQueue.empty()) {
    const int cell = FQueue.back();
    FQueue.pop_back();
    if (s.cand[cell] & kDone) continue;
    const TMask bit = s.cand[cell];
    s.cand[cell] |= kDone;
    --s.unsolved;
    for (const std::int16_t p : g.peers[cell]) {
      TMask& m = s.cand[p];
      if ((m & bit) == 0) continue;
      if (m & kDone) return false;
      m &= ~bit;
      if (m == 0) return false;
      if (IsSingle(m)) FQueue.push_back(p);
    }
  }
  return true;
}

bool TExactSolver::Propagate(TState& s) {
  const TGeometry& g = FGeometry;
  for (;;) {
    if (!Drain(s)) return false;
    // Hidden singles: a symbol with one possible cell left in a unit goes there. Each one is pushed
    // to its peers at once, so the units after it in the same sweep already see it.
    bool pushed = false;
    for (int u = 0; u < 3 * g.side; ++u) {
      TMask once = 0, twice = 0, placed = 0;
      const std::int16_t* cells = g.unitCells[u].data();
      for (int k = 0; k < g.side; ++k) {
        const TMask m = s.cand[cells[k]];
        if (m & kDone) {
          placed |= m;
          continue;
        }
        twice |= once & m;
        once |= m;
      }
      placed &= ~kDone;
      if ((once | placed) != g.full) return false;
      for (TMask hidden = once & ~twice & ~placed; hidden; hidden &= hidden - 1) {
        const TMask bit = hidden & (~hidden + 1);
        int k = 0;
        while (k < g.side && (s.cand[cells[k]] & bit) == 0) ++k;
        if (k == g.side) return false;  // an earlier placement in this sweep took its last place
        TMask& m = s.cand[cells[k]];
        if (m & kDone) continue;
        m = bit;
        FQueue.push_back(cells[k]);
        pushed = true;
        if (!Drain(s)) return false;
      }
    }
    if (pushed) continue;
    // Locked candidates settle most of what singles leave on the larger grids, and each one they
    // find saves a whole branch; on 9×9 grids a branch costs less than the sweeps.
    if (FGeometry.box < 4) return true;
    const int locked = LockedCandidates(s);
    if (locked < 0) return false;
    if (locked > 0) continue;
    // On 16×16 and 25×25 grids a wrong branch can run for thousands of nodes before singles notice;
    // pairs and triples cut those branches short.
    const int pairs = Subsets(s);
    if (pairs < 0) return false;
    if (pairs == 0) return true;
  }
}

// Naked pairs, naked triples and hidden pairs in every unit; -1 on contradiction, 1 when something
// changed.
int TExactSolver::Subsets(TState& s) {
  const TGeometry& g = FGeometry;
  int changed = 0;
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    TMask where[kMaxSide] = {};
    for (int k = 0; k < g.side; ++k) {
      const TMask m = s.cand[cells[k]];
      if (m & kDone) continue;
      for (TMask c = m; c; c &= c - 1) where[std::countr_zero(c)] |= TMask{1} << k;
      if (CountBits(m) != 2) continue;
      for (int j = k + 1; j < g.side; ++j) {
        if (s.cand[cells[j]] != m) continue;
        for (int o = 0; o < g.side; ++o) {
          if (o == k || o == j || (s.cand[cells[o]] & kDone)) continue;
          for (TMask b = s.cand[cells[o]] & m; b; b &= b - 1) {
            const int r = Strike(s, cells[o], b & (~b + 1));
            if (r < 0) return -1;
            changed += r;
          }
        }
      }
    }
    // Naked triples: three cells whose candidates together are three symbols.
    int pos[kMaxSide];
    int m3 = 0;
    for (int k = 0; k < g.side; ++k) {
      const TMask m = s.cand[cells[k]];
      if ((m & kDone) == 0 && CountBits(m) <= 3) pos[m3++] = k;
    }
    for (int a = 0; a < m3; ++a) {
      for (int b = a + 1; b < m3; ++b) {
        const TMask ab = s.cand[cells[pos[a]]] | s.cand[cells[pos[b]]];
        if (CountBits(ab) > 3) continue;
        for (int c = b + 1; c < m3; ++c) {
          const TMask triple = ab | s.cand[cells[pos[c]]];
          if (CountBits(triple) != 3) continue;
          for (int o = 0; o < g.side; ++o) {
            if (o == pos[a] || o == pos[b] || o == pos[c] || (s.cand[cells[o]] & kDone)) continue;
            for (TMask t = s.cand[cells[o]] & triple; t; t &= t - 1) {
              const int r = Strike(s, cells[o], t & (~t + 1));
              if (r < 0) return -1;
              changed += r;
            }
          }
        }
      }
    }
    for (int v = 0; v < g.side; ++v) {
      if (CountBits(where[v]) != 2) continue;
      for (int w = v + 1; w < g.side; ++w) {
        if (where[w] != where[v]) continue;
        const TMask keep = (TMask{1} << v) | (TMask{1} << w);
        for (TMask p = where[v]; p; p &= p - 1) {
          TMask& m = s.cand[cells[std::countr_zero(p)]];
          if ((m & kDone) || (m & ~keep) == 0) continue;
          m &= keep;
          ++changed;
        }
      }
    }
  }
  return changed > 0 ? 1 : 0;
}

// Removes `bit` from a cell outside a segment; -1 on contradiction, 1 when something changed.
int TExactSolver::Strike(TState& s, int cell, TMask bit) {
  TMask& m = s.cand[cell];
  if ((m & bit) == 0) return 0;
  if (m & kDone) return -1;
  m &= ~bit;
  if (m == 0) return -1;
  if (IsSingle(m)) FQueue.push_back(static_cast<std::int16_t>(cell));
  return 1;
}

// Pointing and claiming over every box/line intersection. A segment is the N cells where box b
// meets a row (or column); a symbol found in exactly one segment of a box leaves the rest of that
// line, and one found in exactly one segment of a line leaves the rest of that box.
int TExactSolver::LockedCandidates(TState& s) {
  const TGeometry& g = FGeometry;
  const int n = g.box, side = g.side;
  int changed = 0;
  for (int byColumn = 0; byColumn < 2; ++byColumn) {
    // seg[line][stack]: union of the line's cells inside the stack-th box it crosses.
    TMask seg[kMaxSide][kMaxBox];
    for (int line = 0; line < side; ++line) {
      for (int j = 0; j < n; ++j) {
        TMask u = 0;
        for (int k = j * n; k < j * n + n; ++k) {
          const TMask m = s.cand[byColumn ? k * side + line : line * side + k];
          if ((m & kDone) == 0) u |= m;  // placed symbols are gone from their peers already
        }
        seg[line][j] = u;
      }
    }
    auto cellAt = [&](int line, int k) { return byColumn ? k * side + line : line * side + k; };
    // Claiming: the line's N segments.
    for (int line = 0; line < side; ++line) {
      TMask once = 0, twice = 0;
      for (int j = 0; j < n; ++j) {
        twice |= once & seg[line][j];
        once |= seg[line][j];
      }
      for (TMask only = once & ~twice; only; only &= only - 1) {
        const TMask bit = only & (~only + 1);
        int j = 0;
        while ((seg[line][j] & bit) == 0) ++j;
        const int band = line / n;
        for (int other = band * n; other < band * n + n; ++other) {
          if (other == line) continue;
          for (int k = j * n; k < j * n + n; ++k) {
            const int r = Strike(s, cellAt(other, k), bit);
            if (r < 0) return -1;
            changed += r;
          }
        }
      }
    }
    // Pointing: the box's N segments along this direction.
    for (int band = 0; band < n; ++band) {
      for (int j = 0; j < n; ++j) {
        TMask once = 0, twice = 0;
        for (int i = 0; i < n; ++i) {
          twice |= once & seg[band * n + i][j];
          once |= seg[band * n + i][j];
        }
        for (TMask only = once & ~twice; only; only &= only - 1) {
          const TMask bit = only & (~only + 1);
          int i = 0;
          while ((seg[band * n + i][j] & bit) == 0) ++i;
          const int line = band * n + i;
          for (int k = 0; k < side; ++k) {
            if (k / n == j) continue;
            const int r = Strike(s, cellAt(line, k), bit);
            if (r < 0) return -1;
            changed += r;
          }
        }
      }
    }
  }
  return changed > 0 ? 1 : 0;
}

void TExactSolver::Search(int depth) {
  if (FNodeLimit > 0 && FNodes >= FNodeLimit) return;
  ++FNodes;
  TState& s = FStack[depth];
  const TGeometry& g = FGeometry;
  if (s.unsolved == 0) {
    if (FFound == 0 && FSolution != nullptr) {
      for (int cell = 0; cell < g.cells; ++cell) {
        FSolution[cell] = static_cast<TCellValue>(std::countr_zero(s.cand[cell] & ~kDone));
      }
    }
    ++FFound;
    return;
  }
  int best = -1, bestCount = 64;
  for (int cell = 0; cell < g.cells; ++cell) {
    const TMask m = s.cand[cell];
    if (m & kDone) continue;
    const int count = CountBits(m);
    if (count < bestCount) {
      best = cell;
      bestCount = count;
      if (count == 2) break;
    }
  }
  int values[kMaxSide];
  int n = 0;
  for (TMask m = s.cand[best]; m; m &= m - 1) values[n++] = std::countr_zero(m);
  if (FRng != nullptr) FRng->Shuffle(values, n);
  for (int i = 0; i < n; ++i) {
    TState& next = FStack[depth + 1];
    std::memcpy(next.cand, s.cand, sizeof(TMask) * g.cells);
    next.unsolved = s.unsolved;
    FQueue.clear();
    if (Assign(next, best, values[i]) && Propagate(next)) Search(depth + 1);
    if (FFound >= FLimit || (FNodeLimit > 0 && FNodes >= FNodeLimit)) return;
  }
}

TExactSolver::TState& TExactSolver::Reset(int limit, long nodeLimit, TRng* rng,
                                          TCellValue* solution) {
  TState& s = FStack[0];
  for (int cell = 0; cell < FGeometry.cells; ++cell) s.cand[cell] = FGeometry.full;
  s.unsolved = FGeometry.cells;
  FQueue.clear();
  FFound = 0;
  FNodes = 0;
  FNodeLimit = nodeLimit;
  FLimit = limit;
  FRng = rng;
  FSolution = solution;
  return s;
}

int TExactSolver::CountSolutions(const TCellValue* puzzle, int limit, TCellValue* solution) {
  const TGeometry& g = FGeometry;
  TState& s = Reset(limit < 1 ? 1 : limit, 0, nullptr, solution);
  for (int cell = 0; cell < g.cells; ++cell) {
    const int v = puzzle[cell];
    if (v == kEmpty) continue;
    if (v < 0 || v >= g.side || !Assign(s, cell, v)) return 0;
  }
  if (!Propagate(s)) return 0;
  Search(0);
  return FFound;
}

bool TExactSolver::RandomGrid(TRng& rng, TCellValue* grid, long nodeLimit) {
  const TGeometry& g = FGeometry;
  TState& s = Reset(1, nodeLimit, &rng, grid);
  // The first row is a random permutation: any grid can be relabelled to one, so nothing is lost.
  int first[kMaxSide];
  for (int v = 0; v < g.side; ++v) first[v] = v;
  rng.Shuffle(first, g.side);
  for (int c = 0; c < g.side; ++c) Assign(s, c, first[c]);
  bool ok = Propagate(s);
  if (ok) Search(0);
  FRng = nullptr;
  return ok && FFound == 1;
}

}  // namespace tsdtools
