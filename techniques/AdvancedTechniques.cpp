// The rungs past the catalogue's levels: larger subsets, fish, wings, chains and forcing chains.
#include <algorithm>
#include <bit>
#include <vector>

#include "Techniques.h"

namespace tsdtech {

namespace {

using detail::OpenCandidates;

TMask LowBit(TMask m) {
  return m & (~m + 1);
}

// The unit positions (bit k: the unit's k-th cell) of the open cells that can hold `bit`.
TMask PlacesOf(const TGeometry& g, const TMask* cand, int unit, TMask bit) {
  TMask places = 0;
  for (int k = 0; k < g.side; ++k) {
    if (OpenCandidates(cand[g.unitCells[unit][k]]) & bit) places |= TMask{1} << k;
  }
  return places;
}

bool PlacedInUnit(const TGeometry& g, const TMask* cand, int unit, TMask bit) {
  for (int k = 0; k < g.side; ++k) {
    if (cand[g.unitCells[unit][k]] == (kPlaced | bit)) return true;
  }
  return false;
}

// Every choice of `size` items (indices rising) whose masks together have at most `size` bits;
// found(union, chosen) answers false to stop. False when stopped.
template <class TFound>
bool Combine(const TMask* items, int n, int size, int start, int depth, TMask acc, int* chosen,
             TFound& found) {
  if (depth == size) return found(acc, chosen);
  for (int i = start; i <= n - (size - depth); ++i) {
    const TMask u = acc | items[i];
    if (CountBits(u) > size) continue;
    chosen[depth] = i;
    if (!Combine(items, n, size, i + 1, depth + 1, u, chosen, found)) return false;
  }
  return true;
}

// Whether striking `bits` from the cells that see every end would remove anything.
bool StrikesAny(const TGeometry& g, const TMask* cand, const int* ends, int count, TMask bits) {
  for (const std::int16_t p : g.peers[ends[0]]) {
    if ((OpenCandidates(cand[p]) & bits) == 0) continue;
    bool all = true;
    for (int i = 1; i < count && all; ++i) all = g.Sees(p, ends[i]);
    if (all) return true;
  }
  return false;
}

std::vector<int> OpenCellsWith(const TGeometry& g, const TMask* cand, int count) {
  std::vector<int> cells;
  for (int cell = 0; cell < g.cells; ++cell) {
    if (!IsPlaced(cand[cell]) && CountBits(cand[cell]) == count) cells.push_back(cell);
  }
  return cells;
}

// Assumes `bit` in `cell` and follows the singles it forces on a copy of the grid, round by
// round (every naked and hidden single of a round placed before the next round looks), for at
// most kForcingRounds rounds. Rounds, not placements, bound the search, so a grid with fewer
// candidates never reaches a contradiction later. True, with the chain written to `f`, when a
// contradiction is reached: only the placements the contradiction rests on are kept, in order.
constexpr int kForcingRounds = 12;

bool Force(const TGeometry& g, const TMask* cand, int cell, TMask bit, TFinding& f) {
  std::array<TMask, kMaxCells> work;
  std::copy(cand, cand + g.cells, work.begin());
  // Who removed each candidate: the placement's index, −1 for what was gone before.
  std::vector<std::int16_t> owner(static_cast<std::size_t>(g.cells * g.side), -1);
  struct TPlacement {
    int cell;
    TMask bit;
    int unit;  // the unit of a hidden single; −1 for a naked single and the assumption
  };
  std::vector<TPlacement> placed;
  int emptied = -1, emptyUnit = -1;
  TMask missing = 0;
  auto put = [&](int c, TMask b, int unit) {
    const auto index = static_cast<std::int16_t>(placed.size());
    placed.push_back({c, b, unit});
    for (TMask rest = work[c] & ~b & ~kPlaced; rest; rest &= rest - 1) {
      owner[c * g.side + std::countr_zero(rest)] = index;
    }
    work[c] = kPlaced | b;
    for (const std::int16_t p : g.peers[c]) {
      if ((work[p] & b) == 0 || IsPlaced(work[p])) continue;
      work[p] &= ~b;
      owner[p * g.side + std::countr_zero(b)] = index;
      if (work[p] == 0 && emptied < 0) emptied = p;
    }
  };
  put(cell, bit, -1);
  for (int round = 0; round < kForcingRounds && emptied < 0; ++round) {
    std::vector<TPlacement> singles;
    for (int c = 0; c < g.cells; ++c) {
      if (!IsPlaced(work[c]) && IsSingle(work[c])) singles.push_back({c, work[c], -1});
    }
    for (int u = 0; u < 3 * g.side && emptyUnit < 0; ++u) {
      TMask once = 0, twice = 0, done = 0;
      for (int k = 0; k < g.side; ++k) {
        const TMask m = work[g.unitCells[u][k]];
        if (IsPlaced(m)) {
          done |= m & ~kPlaced;
          continue;
        }
        twice |= once & m;
        once |= m;
      }
      if ((once | done) != g.full) {
        emptyUnit = u;
        missing = LowBit(g.full & ~(once | done));
        break;
      }
      for (TMask hidden = once & ~twice & ~done; hidden; hidden &= hidden - 1) {
        const TMask b = LowBit(hidden);
        for (int k = 0; k < g.side; ++k) {
          if (work[g.unitCells[u][k]] & b) singles.push_back({g.unitCells[u][k], b, u});
        }
      }
    }
    if (emptyUnit >= 0 || singles.empty()) break;
    for (const TPlacement& s : singles) {
      if (emptied >= 0) break;
      // Still a single after the earlier ones of the round: the same test, asked again.
      if (IsPlaced(work[s.cell]) || (work[s.cell] & s.bit) == 0) continue;
      if (s.unit < 0 ? work[s.cell] != s.bit
                     : CountBits(PlacesOf(g, work.data(), s.unit, s.bit)) != 1 ||
                           PlacedInUnit(g, work.data(), s.unit, s.bit)) {
        continue;
      }
      put(s.cell, s.bit, s.unit);
    }
  }
  if (emptied < 0 && emptyUnit < 0) return false;

  // The placements the contradiction rests on, traced back through who removed what.
  std::vector<char> needed(placed.size(), 0);
  std::vector<int> pending;
  auto require = [&](int c, TMask bits) {
    for (TMask b = cand[c] & ~kPlaced & bits; b; b &= b - 1) {
      const int i = owner[c * g.side + std::countr_zero(b)];
      if (i >= 0 && !needed[i]) {
        needed[i] = 1;
        pending.push_back(i);
      }
    }
  };
  if (emptied >= 0) {
    require(emptied, g.full);
  } else {
    for (int k = 0; k < g.side; ++k) require(g.unitCells[emptyUnit][k], missing);
  }
  needed[0] = 1;
  while (!pending.empty()) {
    const TPlacement& p = placed[static_cast<std::size_t>(pending.back())];
    pending.pop_back();
    if (p.unit < 0) {
      require(p.cell, g.full & ~p.bit);
    } else {
      for (int k = 0; k < g.side; ++k) {
        if (g.unitCells[p.unit][k] != p.cell) require(g.unitCells[p.unit][k], p.bit);
      }
    }
  }
  if (std::count(needed.begin(), needed.end(), 1) > kMaxLinks) return false;
  f = TFinding{};
  f.FTechnique = TTechnique::Forcing;
  f.FSymbols = bit;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    if (!needed[i]) continue;
    f.FCells[f.FCount] = static_cast<std::int16_t>(placed[i].cell);
    f.FMasks[f.FCount] = placed[i].bit;
    ++f.FCount;
  }
  if (emptied >= 0) {
    f.FTarget = static_cast<std::int16_t>(emptied);
  } else {
    f.FUnit = static_cast<std::int16_t>(emptyUnit);
    f.FCover = missing;
  }
  return true;
}

// A chain from breadth-first parents: the cells from the start to `state`, or empty when it
// would visit a cell twice or run past kMaxLinks.
template <class TCellOf>
std::vector<int> Path(const std::vector<int>& parent, int state, TCellOf cellOf) {
  std::vector<int> states;
  for (int s = state; s >= 0; s = parent[s]) {
    states.push_back(s);
    if (static_cast<int>(states.size()) > kMaxLinks) return {};
  }
  std::reverse(states.begin(), states.end());
  std::vector<int> cells;
  for (const int s : states) {
    const int cell = cellOf(s);
    if (std::find(cells.begin(), cells.end(), cell) != cells.end()) return {};
    cells.push_back(cell);
  }
  return cells;
}

}  // namespace

TSweepEnd SweepHiddenSubsets(const TGeometry& g, const TMask* cand, int size, TVisitRef visit) {
  for (int u = 0; u < 3 * g.side; ++u) {
    TMask items[kMaxSide];
    int symbolOf[kMaxSide];
    int n = 0;
    for (int v = 0; v < g.side; ++v) {
      const TMask bit = TMask{1} << v;
      if (PlacedInUnit(g, cand, u, bit)) continue;
      const TMask places = PlacesOf(g, cand, u, bit);
      const int count = CountBits(places);
      if (count < 2 || count > size) continue;
      items[n] = places;
      symbolOf[n++] = v;
    }
    int chosen[4];
    auto found = [&](TMask places, const int* pick) {
      if (CountBits(places) != size) return true;
      TFinding f;
      f.FTechnique = size == 3 ? TTechnique::HiddenTriple : TTechnique::HiddenQuad;
      f.FUnit = static_cast<std::int16_t>(u);
      for (int i = 0; i < size; ++i) f.FSymbols |= TMask{1} << symbolOf[pick[i]];
      for (TMask p = places; p; p &= p - 1) {
        f.FCells[f.FCount++] = g.unitCells[u][std::countr_zero(p)];
      }
      return visit(f);
    };
    if (!Combine(items, n, size, 0, 0, 0, chosen, found)) return TSweepEnd::Stopped;
  }
  return TSweepEnd::Done;
}

TSweepEnd SweepNakedQuads(const TGeometry& g, const TMask* cand, TVisitRef visit) {
  for (int u = 0; u < 3 * g.side; ++u) {
    TMask items[kMaxSide];
    int position[kMaxSide];
    int n = 0;
    for (int k = 0; k < g.side; ++k) {
      const TMask m = cand[g.unitCells[u][k]];
      const int count = CountBits(m);
      if (IsPlaced(m) || count < 2 || count > 4) continue;
      items[n] = m;
      position[n++] = k;
    }
    int chosen[4];
    auto found = [&](TMask symbols, const int* pick) {
      if (CountBits(symbols) != 4) return true;
      TFinding f;
      f.FTechnique = TTechnique::NakedQuad;
      f.FSymbols = symbols;
      f.FUnit = static_cast<std::int16_t>(u);
      f.FCount = 4;
      for (int i = 0; i < 4; ++i) f.FCells[i] = g.unitCells[u][position[pick[i]]];
      return visit(f);
    };
    if (!Combine(items, n, 4, 0, 0, 0, chosen, found)) return TSweepEnd::Stopped;
  }
  return TSweepEnd::Done;
}

TSweepEnd SweepFish(const TGeometry& g, const TMask* cand, int size, TVisitRef visit) {
  for (int v = 0; v < g.side; ++v) {
    const TMask bit = TMask{1} << v;
    for (int byColumn = 0; byColumn < 2; ++byColumn) {
      TMask items[kMaxSide];
      int lineOf[kMaxSide];
      int n = 0;
      for (int line = 0; line < g.side; ++line) {
        const int unit = byColumn ? g.side + line : line;
        const TMask places = PlacesOf(g, cand, unit, bit);
        const int count = CountBits(places);
        if (count < 2 || count > size) continue;
        items[n] = places;
        lineOf[n++] = line;
      }
      int chosen[3];
      auto found = [&](TMask cover, const int* pick) {
        if (CountBits(cover) != size) return true;
        TFinding f;
        f.FTechnique = size == 2 ? TTechnique::XWing : TTechnique::Swordfish;
        f.FSymbols = bit;
        f.FUnit = static_cast<std::int16_t>(byColumn);
        f.FCover = cover;
        for (int i = 0; i < size; ++i) f.FBase |= TMask{1} << lineOf[pick[i]];
        return visit(f);
      };
      if (!Combine(items, n, size, 0, 0, 0, chosen, found)) return TSweepEnd::Stopped;
    }
  }
  return TSweepEnd::Done;
}

TSweepEnd SweepXYWings(const TGeometry& g, const TMask* cand, TVisitRef visit) {
  for (const int pivot : OpenCellsWith(g, cand, 2)) {
    const TMask p = cand[pivot], x = LowBit(p), y = p & ~x;
    for (const std::int16_t a : g.peers[pivot]) {
      const TMask ma = cand[a];
      if (IsPlaced(ma) || CountBits(ma) != 2 || (ma & x) == 0 || (ma & y) != 0) continue;
      const TMask z = ma & ~x;
      for (const std::int16_t b : g.peers[pivot]) {
        if (cand[b] != (y | z)) continue;
        const int ends[2] = {a, b};
        if (!StrikesAny(g, cand, ends, 2, z)) continue;
        TFinding f;
        f.FTechnique = TTechnique::XYWing;
        f.FSymbols = z;
        f.FCount = 3;
        f.FCells[0] = static_cast<std::int16_t>(pivot);
        f.FCells[1] = a;
        f.FCells[2] = b;
        f.FMasks[0] = p;
        f.FMasks[1] = ma;
        f.FMasks[2] = y | z;
        if (!visit(f)) return TSweepEnd::Stopped;
      }
    }
  }
  return TSweepEnd::Done;
}

TSweepEnd SweepXYZWings(const TGeometry& g, const TMask* cand, TVisitRef visit) {
  for (const int pivot : OpenCellsWith(g, cand, 3)) {
    const TMask p = cand[pivot];
    for (const std::int16_t a : g.peers[pivot]) {
      const TMask ma = cand[a];
      if (IsPlaced(ma) || CountBits(ma) != 2 || (ma & ~p) != 0) continue;
      for (const std::int16_t b : g.peers[pivot]) {
        const TMask mb = cand[b];
        if (b <= a || IsPlaced(mb) || CountBits(mb) != 2 || (mb & ~p) != 0) continue;
        if ((ma | mb) != p) continue;
        const TMask z = ma & mb;
        const int ends[3] = {pivot, a, b};
        if (!StrikesAny(g, cand, ends, 3, z)) continue;
        TFinding f;
        f.FTechnique = TTechnique::XYZWing;
        f.FSymbols = z;
        f.FCount = 3;
        f.FCells[0] = static_cast<std::int16_t>(pivot);
        f.FCells[1] = a;
        f.FCells[2] = b;
        f.FMasks[0] = p;
        f.FMasks[1] = ma;
        f.FMasks[2] = mb;
        if (!visit(f)) return TSweepEnd::Stopped;
      }
    }
  }
  return TSweepEnd::Done;
}

// Nodes are the cells of some strong link of the symbol; a state is a node reached through a
// weak link or at the start (even: the next link must be strong) or through a strong link (odd:
// the chain may end there).
TSweepEnd SweepXChains(const TGeometry& g, const TMask* cand, TVisitRef visit) {
  std::vector<int> nodeOf(static_cast<std::size_t>(g.cells));
  for (int v = 0; v < g.side; ++v) {
    const TMask bit = TMask{1} << v;
    std::fill(nodeOf.begin(), nodeOf.end(), -1);
    std::vector<int> cellOf;
    std::vector<std::vector<std::pair<int, int>>> strong;  // (node, unit)
    auto node = [&](int cell) {
      if (nodeOf[cell] < 0) {
        nodeOf[cell] = static_cast<int>(cellOf.size());
        cellOf.push_back(cell);
        strong.emplace_back();
      }
      return nodeOf[cell];
    };
    for (int u = 0; u < 3 * g.side; ++u) {
      if (PlacedInUnit(g, cand, u, bit)) continue;
      const TMask places = PlacesOf(g, cand, u, bit);
      if (CountBits(places) != 2) continue;
      const int a = node(g.unitCells[u][std::countr_zero(places)]);
      const int b = node(g.unitCells[u][31 - std::countl_zero(places)]);
      auto linked = [&](int from, int to) {
        return std::any_of(strong[from].begin(), strong[from].end(),
                           [&](const auto& l) { return l.first == to; });
      };
      if (linked(a, b)) continue;
      strong[a].push_back({b, u});
      strong[b].push_back({a, u});
    }
    const int n = static_cast<int>(cellOf.size());
    if (n < 4) continue;
    std::vector<std::vector<int>> weak(static_cast<std::size_t>(n));
    for (int a = 0; a < n; ++a) {
      for (int b = a + 1; b < n; ++b) {
        if (g.Sees(cellOf[a], cellOf[b])) {
          weak[a].push_back(b);
          weak[b].push_back(a);
        }
      }
    }
    std::vector<int> parent(static_cast<std::size_t>(2 * n)),
        depth(static_cast<std::size_t>(2 * n));
    std::vector<int> viaUnit(static_cast<std::size_t>(2 * n));
    std::vector<int> queue;
    for (int s = 0; s < n; ++s) {
      std::fill(depth.begin(), depth.end(), -1);
      queue.assign(1, 2 * s);
      depth[2 * s] = 0;
      parent[2 * s] = -1;
      for (std::size_t head = 0; head < queue.size(); ++head) {
        const int state = queue[head], at = state / 2;
        const bool odd = state % 2 == 1;
        if (odd && depth[state] >= 3 && cellOf[s] < cellOf[at]) {
          const int ends[2] = {cellOf[s], cellOf[at]};
          if (StrikesAny(g, cand, ends, 2, bit)) {
            const std::vector<int> cells =
                Path(parent, state, [&](int st) { return cellOf[st / 2]; });
            if (!cells.empty()) {
              TFinding f;
              f.FTechnique = TTechnique::XChain;
              f.FSymbols = bit;
              f.FCount = static_cast<std::int8_t>(cells.size());
              int k = static_cast<int>(cells.size()) - 1;
              for (int st = state; st >= 0; st = parent[st], --k) {
                f.FCells[k] = static_cast<std::int16_t>(cells[k]);
                // The strong link into an odd state opens at the cell before it.
                if (st % 2 == 1) f.FMasks[k - 1] = static_cast<TMask>(viaUnit[st]);
              }
              if (!visit(f)) return TSweepEnd::Stopped;
            }
          }
        }
        if (depth[state] + 2 > kMaxLinks) continue;
        if (!odd) {
          for (const auto& [to, unit] : strong[at]) {
            const int next = 2 * to + 1;
            if (depth[next] >= 0) continue;
            depth[next] = depth[state] + 1;
            parent[next] = state;
            viaUnit[next] = unit;
            queue.push_back(next);
          }
        } else {
          for (const int to : weak[at]) {
            const int next = 2 * to;
            if (depth[next] >= 0) continue;
            depth[next] = depth[state] + 1;
            parent[next] = state;
            queue.push_back(next);
          }
        }
      }
    }
  }
  return TSweepEnd::Done;
}

// Nodes are the two-candidate cells; a state is a node with the candidate it would hold if the
// start did not hold the chain's symbol.
TSweepEnd SweepXYChains(const TGeometry& g, const TMask* cand, TVisitRef visit) {
  const std::vector<int> cellOf = OpenCellsWith(g, cand, 2);
  const int n = static_cast<int>(cellOf.size());
  if (n < 3) return TSweepEnd::Done;
  std::vector<int> nodeOf(static_cast<std::size_t>(g.cells), -1);
  for (int i = 0; i < n; ++i) nodeOf[cellOf[i]] = i;
  std::vector<std::vector<int>> near(static_cast<std::size_t>(n));
  for (int a = 0; a < n; ++a) {
    for (const std::int16_t p : g.peers[cellOf[a]]) {
      if (nodeOf[p] >= 0 && (cand[p] & cand[cellOf[a]]) != 0) near[a].push_back(nodeOf[p]);
    }
  }
  // State 2i: node i holds its lower candidate; 2i+1: its higher one.
  auto holding = [&](int state) {
    const TMask m = cand[cellOf[state / 2]];
    return state % 2 == 0 ? LowBit(m) : m & ~LowBit(m);
  };
  std::vector<int> parent(static_cast<std::size_t>(2 * n)), depth(static_cast<std::size_t>(2 * n));
  std::vector<int> queue;
  for (int s = 0; s < n; ++s) {
    for (int startState = 2 * s; startState < 2 * s + 2; ++startState) {
      // The start holds this candidate when it does not hold the other: the chain's symbol.
      const TMask symbol = cand[cellOf[s]] & ~holding(startState);
      std::fill(depth.begin(), depth.end(), -1);
      queue.assign(1, startState);
      depth[startState] = 0;
      parent[startState] = -1;
      for (std::size_t head = 0; head < queue.size(); ++head) {
        const int state = queue[head], at = state / 2;
        const TMask held = holding(state);
        if (depth[state] >= 2 && held == symbol && cellOf[s] < cellOf[at]) {
          const int ends[2] = {cellOf[s], cellOf[at]};
          if (StrikesAny(g, cand, ends, 2, symbol)) {
            const std::vector<int> cells =
                Path(parent, state, [&](int st) { return cellOf[st / 2]; });
            if (!cells.empty()) {
              TFinding f;
              f.FTechnique = TTechnique::XYChain;
              f.FSymbols = symbol;
              f.FCount = static_cast<std::int8_t>(cells.size());
              for (std::size_t i = 0; i < cells.size(); ++i) {
                f.FCells[i] = static_cast<std::int16_t>(cells[i]);
                f.FMasks[i] = cand[cells[i]];
              }
              if (!visit(f)) return TSweepEnd::Stopped;
            }
          }
        }
        if (depth[state] + 2 > kMaxLinks) continue;
        for (const int to : near[at]) {
          const TMask m = cand[cellOf[to]];
          if ((m & held) == 0) continue;
          // It cannot hold what this cell holds, so it holds its other candidate.
          const TMask other = m & ~held;
          const int next = 2 * to + (other == LowBit(m) ? 0 : 1);
          if (depth[next] >= 0) continue;
          depth[next] = depth[state] + 1;
          parent[next] = state;
          queue.push_back(next);
        }
      }
    }
  }
  return TSweepEnd::Done;
}

bool ForcingFrom(const TGeometry& g, const TMask* cand, int cell, TMask bit, TFinding& f) {
  return Force(g, cand, cell, bit, f);
}

TSweepEnd SweepForcing(const TGeometry& g, const TMask* cand, TVisitRef visit) {
  std::vector<TFinding> found;
  TFinding f;
  for (const int cell : OpenCellsWith(g, cand, 2)) {
    for (TMask m = cand[cell]; m; m &= m - 1) {
      if (Force(g, cand, cell, LowBit(m), f)) found.push_back(f);
    }
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const TFinding& a, const TFinding& b) { return a.FCount < b.FCount; });
  for (const TFinding& each : found) {
    if (!visit(each)) return TSweepEnd::Stopped;
  }
  return TSweepEnd::Done;
}

namespace detail {

bool HoldsAdvanced(const TGeometry& g, const TMask* cand, const TFinding& f) {
  switch (f.FTechnique) {
    case TTechnique::XWing:
    case TTechnique::Swordfish:
      for (TMask base = f.FBase; base; base &= base - 1) {
        const int line = std::countr_zero(base);
        const int unit = f.FUnit == 0 ? line : g.side + line;
        const TMask places = PlacesOf(g, cand, unit, f.FSymbols);
        if (places == 0 || (places & ~f.FCover) != 0) return false;
      }
      return true;
    case TTechnique::XYWing:
    case TTechnique::XYZWing:
      for (int i = 0; i < f.FCount; ++i) {
        const TMask m = cand[f.FCells[i]];
        if (IsPlaced(m) || m == 0 || (m & ~f.FMasks[i]) != 0) return false;
      }
      return g.Sees(f.FCells[0], f.FCells[1]) && g.Sees(f.FCells[0], f.FCells[2]);
    case TTechnique::XChain:
      // A cell of the chain that has lost the symbol since only makes its neighbour's case
      // stronger; a strong link must still confine the symbol to its two cells.
      if (f.FCount < 4 || f.FCount % 2 != 0) return false;
      for (int i = 0; i + 1 < f.FCount; ++i) {
        const int a = f.FCells[i], b = f.FCells[i + 1];
        if (i % 2 == 1) {
          if (!g.Sees(a, b)) return false;
          continue;
        }
        const int unit = static_cast<int>(f.FMasks[i]);
        if (unit < 0 || unit >= 3 * g.side || !g.InUnit(a, unit) || !g.InUnit(b, unit)) {
          return false;
        }
        if (PlacedInUnit(g, cand, unit, f.FSymbols)) return false;
        TMask pair = 0;
        for (int k = 0; k < g.side; ++k) {
          if (g.unitCells[unit][k] == a || g.unitCells[unit][k] == b) pair |= TMask{1} << k;
        }
        const TMask places = PlacesOf(g, cand, unit, f.FSymbols);
        if (places == 0 || (places & ~pair) != 0) return false;
      }
      return true;
    case TTechnique::XYChain: {
      if (f.FCount < 3) return false;
      TMask held = f.FMasks[0] & ~f.FSymbols;
      for (int i = 0; i < f.FCount; ++i) {
        const TMask m = cand[f.FCells[i]];
        if (IsPlaced(m) || m == 0 || (m & ~f.FMasks[i]) != 0) return false;
        if (i == 0) continue;
        if (!g.Sees(f.FCells[i - 1], f.FCells[i]) || (f.FMasks[i] & held) == 0) return false;
        held = f.FMasks[i] & ~held;
      }
      return held == f.FSymbols;
    }
    case TTechnique::Forcing: {
      TFinding again;
      return !IsPlaced(cand[f.Cell()]) && (cand[f.Cell()] & f.FSymbols) != 0 &&
             Force(g, cand, f.Cell(), f.FSymbols, again);
    }
    default:
      return false;
  }
}

}  // namespace detail

}  // namespace tsdtech
