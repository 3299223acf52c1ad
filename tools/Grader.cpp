// The technique ladder: singles, locked candidates, then naked pairs/triples and hidden pairs.
//
// Each technique sweeps the whole board once and applies every instance it finds; the ladder then
// restarts from its cheapest rung. A cell keeps its candidate mask until it is placed, so a cell
// that has just become a single still counts as holding its symbol for pointing and hidden pairs
// in the same sweep, and every elimination is a consequence of the givens alone.
#include "Grader.h"

#include <bit>

namespace tsdtools {

std::string_view LevelName(TLevel level) {
  const auto index = static_cast<std::size_t>(level);
  return index < kLevelLetters.size() ? std::string_view(&kLevelLetters[index], 1) : "beyond";
}

char LevelLetter(TLevel level) {
  const auto index = static_cast<std::size_t>(level);
  return index < kLevelLetters.size() ? kLevelLetters[index] : '-';
}

TLevel LevelOfLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  for (std::size_t i = 0; i < kLevelLetters.size(); ++i) {
    if (kLevelLetters[i] == letter) return static_cast<TLevel>(i);
  }
  return TLevel::Beyond;
}

namespace {

// Locked candidates look at a unit cut into N segments (a box into its rows or columns, a line into
// the boxes it crosses): the symbols found in exactly one segment are the locked ones.
TMask InOneSegmentOnly(const TMask* seg, int n) {
  TMask once = 0, twice = 0;
  for (int i = 0; i < n; ++i) {
    twice |= once & seg[i];
    once |= seg[i];
  }
  return once & ~twice;
}

// The segment that holds a symbol known to be in exactly one.
int SegmentHolding(const TMask* seg, TMask bit) {
  int i = 0;
  while ((seg[i] & bit) == 0) ++i;
  return i;
}

std::string CellList(const TGeometry& g, const std::vector<int>& cells) {
  std::string text;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text += ", ";
    text += CellName(g, cells[i]);
  }
  return text;
}

}  // namespace

TGrader::TGrader(const TGeometry& geometry)
    : FGeometry(geometry), FSymbols(SymbolsFor(geometry.box)) {
  FValue.resize(geometry.cells);
  FCand.resize(geometry.cells);
}

std::string TGrader::Sym(int value) const {
  return std::string(1, FSymbols[value]);
}

std::string TGrader::SymSet(TMask mask) const {
  std::string text = "{";
  for (TMask m = mask; m; m &= m - 1) {
    if (text.size() > 1) text += ',';
    text += FSymbols[std::countr_zero(m)];
  }
  return text + "}";
}

void TGrader::Note(std::string line) {
  if (FSteps != nullptr) FSteps->push_back(std::move(line));
}

void TGrader::Place(int cell, int value) {
  const TMask bit = TMask{1} << value;
  FValue[cell] = static_cast<TCellValue>(value);
  FCand[cell] = 0;
  ++FFilled;
  for (const std::int16_t p : FGeometry.peers[cell]) {
    if (FValue[p] == value) FContradiction = true;
    if (FValue[p] != kEmpty) continue;
    FCand[p] &= ~bit;
    if (FCand[p] == 0) FContradiction = true;
  }
}

bool TGrader::Eliminate(int cell, TMask bits) {
  if (FValue[cell] != kEmpty || (FCand[cell] & bits) == 0) return false;
  FCand[cell] &= ~bits;
  if (FCand[cell] == 0) FContradiction = true;
  return true;
}

bool TGrader::NakedSingles() {
  bool progress = false;
  for (int cell = 0; cell < FGeometry.cells && !FContradiction; ++cell) {
    if (FValue[cell] != kEmpty || !IsSingle(FCand[cell])) continue;
    const int v = std::countr_zero(FCand[cell]);
    if (FSteps) Note("naked single: " + CellName(FGeometry, cell) + " = " + Sym(v));
    Place(cell, v);
    progress = true;
  }
  return progress;
}

bool TGrader::HiddenSingles() {
  const TGeometry& g = FGeometry;
  bool progress = false;
  for (int u = 0; u < 3 * g.side && !FContradiction; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    TMask once = 0, twice = 0, placed = 0;
    for (int k = 0; k < g.side; ++k) {
      const int cell = cells[k];
      if (FValue[cell] != kEmpty) {
        placed |= TMask{1} << FValue[cell];
        continue;
      }
      twice |= once & FCand[cell];
      once |= FCand[cell];
    }
    if ((once | placed) != g.full) {
      FContradiction = true;  // some symbol has no place left in this unit
      break;
    }
    for (TMask hidden = once & ~twice; hidden; hidden &= hidden - 1) {
      const int v = std::countr_zero(hidden);
      for (int k = 0; k < g.side; ++k) {
        const int cell = cells[k];
        if (FValue[cell] != kEmpty || (FCand[cell] & (TMask{1} << v)) == 0) continue;
        if (FSteps) {
          Note("hidden single: " + Sym(v) + " in " + UnitName(g, u) + " → " + CellName(g, cell));
        }
        Place(cell, v);
        progress = true;
        break;
      }
    }
  }
  return progress;
}

// Pointing: inside box b, the segments are its N rows (then its N columns). A symbol present in
// exactly one segment must lie in that segment, so it leaves the rest of that whole line.
bool TGrader::Pointing() {
  const TGeometry& g = FGeometry;
  const int n = g.box;
  bool progress = false;
  for (int b = 0; b < g.side; ++b) {
    const int top = (b / n) * n, left = (b % n) * n;
    for (int byColumn = 0; byColumn < 2; ++byColumn) {
      TMask seg[kMaxBox] = {};
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
          const int cell = byColumn ? (top + j) * g.side + left + i : (top + i) * g.side + left + j;
          seg[i] |= FCand[cell];
        }
      }
      for (TMask only = InOneSegmentOnly(seg, n); only; only &= only - 1) {
        const TMask bit = only & (~only + 1);
        const int i = SegmentHolding(seg, bit);
        const int line = byColumn ? left + i : top + i;
        std::vector<int> removed;
        for (int k = 0; k < g.side; ++k) {
          const int cell = byColumn ? k * g.side + line : line * g.side + k;
          if (g.Box(cell) == b) continue;
          if (Eliminate(cell, bit)) removed.push_back(cell);
        }
        if (removed.empty()) continue;
        progress = true;
        if (FSteps) {
          const int unit = byColumn ? g.side + line : line;
          Note("pointing: " + Sym(std::countr_zero(bit)) + " in " + UnitName(g, 2 * g.side + b) +
               " lies in " + UnitName(g, unit) + " → removed from " + CellList(g, removed));
        }
      }
    }
  }
  return progress;
}

// Claiming: inside a row (column), the segments are the N boxes it crosses. A symbol present in
// exactly one segment must lie in that segment, so it leaves the rest of that box.
bool TGrader::Claiming() {
  const TGeometry& g = FGeometry;
  const int n = g.box;
  bool progress = false;
  for (int byColumn = 0; byColumn < 2; ++byColumn) {
    for (int line = 0; line < g.side; ++line) {
      TMask seg[kMaxBox] = {};
      for (int k = 0; k < g.side; ++k) {
        const int cell = byColumn ? k * g.side + line : line * g.side + k;
        seg[k / n] |= FCand[cell];
      }
      for (TMask only = InOneSegmentOnly(seg, n); only; only &= only - 1) {
        const TMask bit = only & (~only + 1);
        const int i = SegmentHolding(seg, bit);
        const int b = byColumn ? i * n + line / n : (line / n) * n + i;
        std::vector<int> removed;
        for (int k = 0; k < g.side; ++k) {
          const int cell = g.unitCells[2 * g.side + b][k];
          if ((byColumn ? g.Column(cell) : g.Row(cell)) == line) continue;
          if (Eliminate(cell, bit)) removed.push_back(cell);
        }
        if (removed.empty()) continue;
        progress = true;
        if (FSteps) {
          const int unit = byColumn ? g.side + line : line;
          Note("claiming: " + Sym(std::countr_zero(bit)) + " in " + UnitName(g, unit) +
               " lies in " + UnitName(g, 2 * g.side + b) + " → removed from " +
               CellList(g, removed));
        }
      }
    }
  }
  return progress;
}

bool TGrader::NakedPairs() {
  const TGeometry& g = FGeometry;
  bool progress = false;
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    for (int a = 0; a < g.side; ++a) {
      const int ca = cells[a];
      if (FValue[ca] != kEmpty || CountBits(FCand[ca]) != 2) continue;
      for (int b = a + 1; b < g.side; ++b) {
        const int cb = cells[b];
        if (FValue[cb] != kEmpty || FCand[cb] != FCand[ca]) continue;
        const TMask pair = FCand[ca];
        std::vector<int> removed;
        for (int k = 0; k < g.side; ++k) {
          if (k != a && k != b && Eliminate(cells[k], pair)) removed.push_back(cells[k]);
        }
        if (removed.empty()) continue;
        progress = true;
        if (FSteps) {
          Note("naked pair: " + SymSet(pair) + " in " + CellName(g, ca) + ", " + CellName(g, cb) +
               " of " + UnitName(g, u) + " → removed from " + CellList(g, removed));
        }
      }
    }
  }
  return progress;
}

bool TGrader::NakedTriples() {
  const TGeometry& g = FGeometry;
  bool progress = false;
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    int pos[kMaxSide];
    int m = 0;
    for (int k = 0; k < g.side; ++k) {
      const int cell = cells[k];
      const int count = CountBits(FCand[cell]);
      if (FValue[cell] == kEmpty && count >= 2 && count <= 3) pos[m++] = k;
    }
    for (int a = 0; a < m; ++a) {
      for (int b = a + 1; b < m; ++b) {
        const TMask ab = FCand[cells[pos[a]]] | FCand[cells[pos[b]]];
        if (CountBits(ab) > 3) continue;
        for (int c = b + 1; c < m; ++c) {
          const TMask triple = ab | FCand[cells[pos[c]]];
          if (CountBits(triple) != 3) continue;
          std::vector<int> removed;
          for (int k = 0; k < g.side; ++k) {
            if (k == pos[a] || k == pos[b] || k == pos[c]) continue;
            if (Eliminate(cells[k], triple)) removed.push_back(cells[k]);
          }
          if (removed.empty()) continue;
          progress = true;
          if (FSteps) {
            Note("naked triple: " + SymSet(triple) + " in " + CellName(g, cells[pos[a]]) + ", " +
                 CellName(g, cells[pos[b]]) + ", " + CellName(g, cells[pos[c]]) + " of " +
                 UnitName(g, u) + " → removed from " + CellList(g, removed));
          }
        }
      }
    }
  }
  return progress;
}

bool TGrader::HiddenPairs() {
  const TGeometry& g = FGeometry;
  bool progress = false;
  for (int u = 0; u < 3 * g.side; ++u) {
    const std::int16_t* cells = g.unitCells[u].data();
    TMask where[kMaxSide] = {};  // bit k: the unit's k-th cell can hold the symbol
    for (int k = 0; k < g.side; ++k) {
      const int cell = cells[k];
      if (FValue[cell] != kEmpty) continue;
      for (TMask c = FCand[cell]; c; c &= c - 1) where[std::countr_zero(c)] |= TMask{1} << k;
    }
    for (int v = 0; v < g.side; ++v) {
      if (CountBits(where[v]) != 2) continue;
      for (int w = v + 1; w < g.side; ++w) {
        if (where[w] != where[v]) continue;
        const TMask keep = (TMask{1} << v) | (TMask{1} << w);
        std::vector<int> changed;
        for (TMask p = where[v]; p; p &= p - 1) {
          const int cell = cells[std::countr_zero(p)];
          if (Eliminate(cell, ~keep)) changed.push_back(cell);
        }
        if (changed.empty()) continue;
        progress = true;
        if (FSteps) {
          Note("hidden pair: " + SymSet(keep) + " in " + UnitName(g, u) + " only at " +
               CellName(g, cells[std::countr_zero(where[v])]) + ", " +
               CellName(g, cells[31 - std::countl_zero(where[v])]) +
               " → other candidates removed from " + CellList(g, changed));
        }
      }
    }
  }
  return progress;
}

bool TGrader::Apply(TTechnique technique) {
  switch (technique) {
    case TTechnique::NakedSingle:
      return NakedSingles();
    case TTechnique::HiddenSingle:
      return HiddenSingles();
    case TTechnique::Pointing:
      return Pointing();
    case TTechnique::Claiming:
      return Claiming();
    case TTechnique::NakedPair:
      return NakedPairs();
    case TTechnique::NakedTriple:
      return NakedTriples();
    case TTechnique::HiddenPair:
      return HiddenPairs();
  }
  return false;
}

bool TGrader::Load(const TCellValue* puzzle) {
  const TGeometry& g = FGeometry;
  FContradiction = false;
  FFilled = 0;
  for (int cell = 0; cell < g.cells; ++cell) {
    FValue[cell] = kEmpty;
    FCand[cell] = g.full;
  }
  for (int cell = 0; cell < g.cells; ++cell) {
    const int v = puzzle[cell];
    if (v == kEmpty) continue;
    if (v < 0 || v >= g.side || (FCand[cell] & (TMask{1} << v)) == 0) {
      FContradiction = true;
      break;
    }
    Place(cell, v);
  }
  return !FContradiction;
}

TGradeResult TGrader::Grade(const TCellValue* puzzle, TLevel ceiling,
                            std::vector<std::string>* steps) {
  const TGeometry& g = FGeometry;
  TGradeResult result;
  FSteps = steps;
  Load(puzzle);
  while (!FContradiction && FFilled < g.cells) {
    int used = -1;
    for (int i = 0; i < static_cast<int>(kLadder.size()); ++i) {
      if (kLadder[i].level > ceiling) break;
      if (Apply(kLadder[i].technique)) {
        used = i;
        break;
      }
    }
    if (used < 0) break;
    if (FObserver != nullptr) FObserver(FObserverContext, *this, kLadder[used].technique);
    const int levelIndex = static_cast<int>(kLadder[used].level);
    if (used > result.hardest) {
      if (result.hardest < 0 || kLadder[result.hardest].level < kLadder[used].level) {
        // Snapshot of the point where the cheaper levels stalled; taken after this step, which
        // only eliminated candidates when it is above singles, so the filled cells are the same.
        result.stalledBefore[levelIndex] = FValue;
      }
      result.hardest = used;
    }
  }
  result.contradiction = FContradiction;
  result.cells = FValue;
  if (!FContradiction && FFilled == g.cells) {
    result.level = result.hardest < 0 ? TLevel::Singles : kLadder[result.hardest].level;
  }
  FSteps = nullptr;
  return result;
}

}  // namespace tsdtools
