// Exact solver: the techniques' propagation plus most-constrained branching, counting up to a
// limit.
#include "ExactSolver.h"

#include <bit>
#include <cstring>

namespace tsdtools {

using tsdtech::TFinding;
using tsdtech::TSweepEnd;
using tsdtech::TTechnique;

TExactSolver::TExactSolver(const TGeometry& geometry) : FGeometry(geometry) {
  FStack.resize(geometry.cells + 2);
  FQueue.reserve(geometry.cells * 2);
}

// Narrows a cell to one value and queues it; false when the value is no longer possible there.
bool TExactSolver::Assign(TState& s, int cell, int value) {
  const TMask bit = TMask{1} << value;
  if ((s.cand[cell] & bit) == 0) return false;
  if (!IsPlaced(s.cand[cell])) {
    s.cand[cell] = bit;
    FQueue.push_back(static_cast<std::int16_t>(cell));
  }
  return true;
}

// Naked singles, as they arise: places every queued single, which queues the peers it leaves with
// one candidate. False on contradiction.
bool TExactSolver::Drain(TState& s) {
  while (!FQueue.empty()) {
    const int cell = FQueue.back();
    FQueue.pop_back();
    const TMask m = s.cand[cell];
    if (IsPlaced(m)) continue;
    --s.unsolved;
    const bool ok = tsdtech::Place(FGeometry, s.cand, cell, std::countr_zero(m), [&](int peer) {
      FQueue.push_back(static_cast<std::int16_t>(peer));
    });
    if (!ok) return false;
  }
  return true;
}

// One sweep of an elimination technique, every instance applied; −1 on contradiction, 1 when
// something changed.
int TExactSolver::Eliminate(TState& s, TTechnique technique) {
  bool changed = false, broken = false;
  const TSweepEnd end = tsdtech::Sweep(technique, FGeometry, s.cand, [&](const TFinding& f) {
    tsdtech::ForEachStrike(FGeometry, f, [&](int cell, TMask bits) {
      const int r = tsdtech::Strike(s.cand, cell, bits);
      if (r < 0) broken = true;
      if (r > 0) {
        changed = true;
        if (IsSingle(s.cand[cell])) FQueue.push_back(static_cast<std::int16_t>(cell));
      }
      return !broken;
    });
    return !broken;
  });
  if (broken || end == TSweepEnd::Contradiction) return -1;
  return changed ? 1 : 0;
}

bool TExactSolver::Propagate(TState& s) {
  const TGeometry& g = FGeometry;
  for (;;) {
    if (!Drain(s)) return false;
    // Hidden singles, each pushed to its peers at once so that the units after it in the same
    // sweep already see it.
    bool pushed = false, broken = false;
    const TSweepEnd end = tsdtech::SweepHiddenSingles(g, s.cand, [&](const TFinding& f) {
      s.cand[f.Cell()] = f.FSymbols;
      FQueue.push_back(static_cast<std::int16_t>(f.Cell()));
      pushed = true;
      broken = !Drain(s);
      return !broken;
    });
    if (broken || end == TSweepEnd::Contradiction) return false;
    if (pushed) continue;
    // Locked candidates settle most of what singles leave on the larger grids, and each one they
    // find saves a whole branch; on 9×9 grids a branch costs less than the sweeps.
    if (g.box < 4) return true;
    int locked = 0;
    for (const TTechnique t : {TTechnique::Pointing, TTechnique::Claiming}) {
      const int r = Eliminate(s, t);
      if (r < 0) return false;
      locked |= r;
    }
    if (locked > 0) continue;
    // On 16×16 and 25×25 grids a wrong branch can run for thousands of nodes before singles notice;
    // pairs and triples cut those branches short.
    int subsets = 0;
    for (const TTechnique t :
         {TTechnique::NakedPair, TTechnique::NakedTriple, TTechnique::HiddenPair}) {
      const int r = Eliminate(s, t);
      if (r < 0) return false;
      subsets |= r;
    }
    if (subsets == 0) return true;
  }
}

void TExactSolver::Search(int depth) {
  if (FNodeLimit > 0 && FNodes >= FNodeLimit) return;
  ++FNodes;
  if (FProgress && FNodes % kProgressNodes == 0) FProgress(FNodes);
  TState& s = FStack[depth];
  const TGeometry& g = FGeometry;
  if (s.unsolved == 0) {
    if (FFound == 0 && FSolution != nullptr) {
      for (int cell = 0; cell < g.cells; ++cell) {
        FSolution[cell] = static_cast<TCellValue>(std::countr_zero(s.cand[cell] & ~kPlaced));
      }
    }
    ++FFound;
    return;
  }
  int best = -1, bestCount = 64;
  for (int cell = 0; cell < g.cells; ++cell) {
    const TMask m = s.cand[cell];
    if (IsPlaced(m)) continue;
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
