// The grader: the ladder of Techniques.h run sweep by sweep, with a line for every deduction.
#include "Grader.h"

#include <bit>

namespace tsdtools {

using tsdtech::TFinding;
using tsdtech::TSweepEnd;

std::string_view LevelName(TLevel level) {
  const auto index = static_cast<std::size_t>(level);
  if (index < LevelLetters.size()) return std::string_view(&LevelLetters[index], 1);
  switch (level) {
    case TLevel::Advanced:
      return "advanced";
    case TLevel::Chains:
      return "chains";
    case TLevel::Forcing:
      return "forcing";
    default:
      return "beyond";
  }
}

char LevelLetter(TLevel level) {
  const auto index = static_cast<std::size_t>(level);
  return index < LevelLetters.size() ? LevelLetters[index] : '-';
}

TLevel LevelOfLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  for (std::size_t i = 0; i < LevelLetters.size(); ++i) {
    if (LevelLetters[i] == letter) return static_cast<TLevel>(i);
  }
  return TLevel::Beyond;
}

TGrader::TGrader(const TGeometry& geometry)
    : FGeometry(geometry), FSymbols(SymbolsOfBoxSize(geometry.box)) {
  FValue.resize(geometry.cells);
  FCand.resize(geometry.cells);
}

std::string TGrader::Sym(int value) const {
  // Sizes without a symbol set (box size 2, for tests) count from 1.
  if (static_cast<std::size_t>(value) >= FSymbols.size()) return std::to_string(value + 1);
  return std::string(1, FSymbols[value]);
}

std::string TGrader::SymSet(TMask mask) const {
  std::string text = "{";
  for (TMask m = mask; m; m &= m - 1) {
    if (text.size() > 1) text += ',';
    text += Sym(std::countr_zero(m));
  }
  return text + "}";
}

std::string TGrader::Describe(const TFinding& f, const std::vector<int>& changed) const {
  const TGeometry& g = FGeometry;
  std::string cells;
  for (std::size_t i = 0; i < changed.size(); ++i) {
    if (i > 0) cells += ", ";
    cells += CellName(g, changed[i]);
  }
  std::string subset;
  for (int i = 0; i < f.FCount; ++i) {
    if (i > 0) subset += ", ";
    subset += CellName(g, f.FCells[i]);
  }
  const std::string name(kLadder[static_cast<int>(f.FTechnique)].name);
  switch (f.FTechnique) {
    case TTechnique::NakedSingle:
      return name + ": " + CellName(g, f.Cell()) + " = " + Sym(f.Value());
    case TTechnique::HiddenSingle:
      return name + ": " + Sym(f.Value()) + " in " + UnitName(g, f.FUnit) + " → " +
             CellName(g, f.Cell());
    case TTechnique::Pointing:
    case TTechnique::Claiming:
      return name + ": " + Sym(f.Value()) + " in " + UnitName(g, f.FUnit) + " lies in " +
             UnitName(g, f.FTarget) + " → removed from " + cells;
    case TTechnique::NakedPair:
    case TTechnique::NakedTriple:
      return name + ": " + SymSet(f.FSymbols) + " in " + subset + " of " + UnitName(g, f.FUnit) +
             " → removed from " + cells;
    case TTechnique::HiddenPair:
    case TTechnique::HiddenTriple:
    case TTechnique::HiddenQuad:
      return name + ": " + SymSet(f.FSymbols) + " in " + UnitName(g, f.FUnit) + " only at " +
             subset + " → other candidates removed from " + cells;
    case TTechnique::NakedQuad:
      return name + ": " + SymSet(f.FSymbols) + " in " + subset + " of " + UnitName(g, f.FUnit) +
             " → removed from " + cells;
    case TTechnique::XWing:
    case TTechnique::Swordfish: {
      std::string base, cover;
      for (TMask b = f.FBase; b; b &= b - 1) base += std::to_string(std::countr_zero(b) + 1);
      for (TMask c = f.FCover; c; c &= c - 1) cover += std::to_string(std::countr_zero(c) + 1);
      const bool rows = f.FUnit == 0;
      return name + ": " + Sym(f.Value()) + " in " + (rows ? "rows " : "columns ") + base +
             " only at " + (rows ? "columns " : "rows ") + cover + " → removed from " + cells;
    }
    case TTechnique::Forcing:
      return name + ": " + Sym(f.Value()) + " at " + CellName(g, f.Cell()) + " leads to a " +
             "contradiction in " + std::to_string(f.FCount - 1) + " singles → removed";
    default:
      return name + ": " + subset + " → " + Sym(f.Value()) + " removed from " + cells;
  }
}

void TGrader::PlaceCell(int cell, int value) {
  FValue[cell] = static_cast<TCellValue>(value);
  ++FFilled;
  if (!tsdtech::Place(FGeometry, FCand.data(), cell, value, [](int) {})) FContradiction = true;
}

bool TGrader::Apply(TTechnique technique) {
  const TGeometry& g = FGeometry;
  bool progress = false;
  std::vector<int> changed;
  const TSweepEnd end = tsdtech::Sweep(technique, g, FCand.data(), [&](const TFinding& f) {
    if (tsdtech::IsSingleTechnique(f.FTechnique)) {
      if (FSteps != nullptr) FSteps->push_back(Describe(f, changed));
      PlaceCell(f.Cell(), f.Value());
      progress = true;
      return !FContradiction;
    }
    int struck = 0;
    changed.clear();
    tsdtech::ForEachStrike(g, f, [&](int cell, TMask bits) {
      const int r = tsdtech::Strike(FCand.data(), cell, bits);
      if (r < 0) FContradiction = true;
      if (r != 0) {
        ++struck;
        if (FSteps != nullptr) changed.push_back(cell);
      }
      return true;
    });
    if (struck > 0) {
      progress = true;
      if (FSteps != nullptr) FSteps->push_back(Describe(f, changed));
    }
    return !FContradiction;
  });
  if (end == TSweepEnd::Contradiction) FContradiction = true;
  return progress;
}

bool TGrader::Load(const TCellValue* puzzle) {
  const TGeometry& g = FGeometry;
  FContradiction = false;
  FFilled = 0;
  for (int cell = 0; cell < g.cells; ++cell) {
    FValue[cell] = kEmpty;
    FCand[cell] = g.full;
  }
  for (int cell = 0; cell < g.cells && !FContradiction; ++cell) {
    const int v = puzzle[cell];
    if (v == kEmpty) continue;
    if (v < 0 || v >= g.side || (FCand[cell] & (TMask{1} << v)) == 0) {
      FContradiction = true;
      break;
    }
    PlaceCell(cell, v);
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

TPuzzleRating RatePuzzle(const TGeometry& geometry, const TCellValue* puzzle) {
  TGrader grader(geometry);
  const TGradeResult r = grader.Grade(puzzle, TLevel::Forcing);
  TPuzzleRating rating;
  rating.contradiction = r.contradiction;
  rating.level = r.level;
  rating.hardest = r.hardest;
  if (r.contradiction) {
    rating.nameEN = "no solution";
    rating.nameIT = "nessuna soluzione";
  } else if (r.level == TLevel::Beyond) {
    rating.trial = true;
    rating.nameEN = "trial and error";
    rating.nameIT = "tentativi";
  } else if (r.hardest < 0) {
    rating.nameEN = "nothing to deduce";
    rating.nameIT = "niente da dedurre";
  } else {
    rating.nameEN = kLadder[r.hardest].name;
    rating.nameIT = kLadder[r.hardest].nameIT;
  }
  return rating;
}

}  // namespace tsdtools
