// The parts of the techniques that need no inlining: loading a position, re-checking a finding.
#include "Techniques.h"

namespace tsdtech {

namespace {

// The open cells of a unit that can hold any of `bits`, as unit positions (bit k: k-th cell).
TMask PlacesIn(const TGeometry& g, const TMask* cand, int unit, TMask bits) {
  TMask places = 0;
  for (int k = 0; k < g.side; ++k) {
    if ((detail::OpenCandidates(cand[g.unitCells[unit][k]]) & bits) != 0) places |= TMask{1} << k;
  }
  return places;
}

TMask PlacedIn(const TGeometry& g, const TMask* cand, int unit) {
  TMask placed = 0;
  for (int k = 0; k < g.side; ++k) {
    const TMask m = cand[g.unitCells[unit][k]];
    if (m & kPlaced) placed |= m & ~kPlaced;
  }
  return placed;
}

}  // namespace

bool Holds(const TGeometry& g, const TMask* cand, const TFinding& f) {
  switch (f.FTechnique) {
    case TTechnique::NakedSingle:
      return cand[f.Cell()] == f.FSymbols;
    case TTechnique::HiddenSingle: {
      if (cand[f.Cell()] & kPlaced || (cand[f.Cell()] & f.FSymbols) == 0) return false;
      if (PlacedIn(g, cand, f.FUnit) & f.FSymbols) return false;
      return CountBits(PlacesIn(g, cand, f.FUnit, f.FSymbols)) == 1;
    }
    case TTechnique::Pointing:
    case TTechnique::Claiming: {
      // Some place left in the holding unit, and every one of them inside the target unit.
      bool any = false;
      for (int k = 0; k < g.side; ++k) {
        const int cell = g.unitCells[f.FUnit][k];
        if ((detail::OpenCandidates(cand[cell]) & f.FSymbols) == 0) continue;
        if (!g.InUnit(cell, f.FTarget)) return false;
        any = true;
      }
      return any;
    }
    case TTechnique::NakedPair:
    case TTechnique::NakedTriple:
    case TTechnique::NakedQuad: {
      TMask together = 0;
      for (int i = 0; i < f.FCount; ++i) {
        if (cand[f.FCells[i]] & kPlaced) return false;
        together |= cand[f.FCells[i]];
      }
      return (together & ~f.FSymbols) == 0;
    }
    case TTechnique::HiddenPair:
    case TTechnique::HiddenTriple:
    case TTechnique::HiddenQuad: {
      if (PlacedIn(g, cand, f.FUnit) & f.FSymbols) return false;
      TMask allowed = 0;
      for (int k = 0; k < g.side; ++k) {
        const int cell = g.unitCells[f.FUnit][k];
        for (int i = 0; i < f.FCount; ++i) {
          if (cell == f.FCells[i]) allowed |= TMask{1} << k;
        }
      }
      for (TMask s = f.FSymbols; s; s &= s - 1) {
        if ((PlacesIn(g, cand, f.FUnit, s & (~s + 1)) & ~allowed) != 0) return false;
      }
      return true;
    }
    default:
      return detail::HoldsAdvanced(g, cand, f);
  }
}

bool LoadCandidates(const TGeometry& g, const TCellValue* cells, TMask* cand) {
  for (int cell = 0; cell < g.cells; ++cell) cand[cell] = g.full;
  for (int cell = 0; cell < g.cells; ++cell) {
    const int v = cells[cell];
    if (v == kEmpty) continue;
    if (v < 0 || v >= g.side || (cand[cell] & kPlaced) || (cand[cell] & (TMask{1} << v)) == 0) {
      return false;
    }
    if (!Place(g, cand, cell, v, [](int) {})) return false;
  }
  return true;
}

}  // namespace tsdtech
