// Finds the next step on a player's grid with the ladder's techniques, and words it in English and
// Italian.
#include "Explanation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <tuple>

namespace tsdtech {

namespace {

// ---------------------------------------------------------------------------------------------
// Words. Rows, columns and boxes are counted from 1 in every text.

using TStrings = std::vector<std::string>;

std::string Num(int n) {
  return std::to_string(n);
}

// "a", "a and b", "a, b and c" with `last` as the joining word.
std::string Join(const TStrings& items, std::string_view last) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? " " + std::string(last) + " " : ", ";
    out += items[i];
  }
  return out;
}

// Groups that hold commas themselves: "a, and b"; "a; b; and c".
std::string JoinGroups(const TStrings& groups, std::string_view last) {
  const std::string separator = groups.size() > 2 ? "; " : ", ";
  std::string out;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (i > 0) out += separator + (i + 1 == groups.size() ? std::string(last) + " " : "");
    out += groups[i];
  }
  return out;
}

std::string Capital(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

TUnitKind KindOf(const TGeometry& g, int unit) {
  return unit < g.side ? TUnitKind::Row : unit < 2 * g.side ? TUnitKind::Column : TUnitKind::Box;
}
int NumberOf(const TGeometry& g, int unit) {
  return unit % g.side + 1;
}

// English.

// "a 7", "an 8", "an F": the article goes by how the symbol is read aloud.
std::string AnEN(char symbol) {
  return (std::string_view("8AEFHILMNORSX").find(symbol) != std::string_view::npos ? "an " : "a ") +
         std::string(1, symbol);
}
std::string UnitEN(const TGeometry& g, int unit) {
  static constexpr std::array<std::string_view, 3> kNames = {"row ", "column ", "box "};
  return std::string(kNames[static_cast<int>(KindOf(g, unit))]) + Num(NumberOf(g, unit));
}
std::string KindEN(const TGeometry& g, int unit) {
  static constexpr std::array<std::string_view, 3> kNames = {"row", "column", "box"};
  return std::string(kNames[static_cast<int>(KindOf(g, unit))]);
}
std::string CellEN(const TGeometry& g, int cell) {
  return "row " + Num(g.Row(cell) + 1) + ", column " + Num(g.Column(cell) + 1);
}
// Cells of one unit as a player finds them there: columns in a row, rows in a column, and in a
// box the columns row by row. "column 2", "columns 2 and 7", "row 2, columns 1 and 2, and row 3,
// column 2". Cells come in reading order.
std::string LineEN(std::string_view word, const TStrings& numbers) {
  return std::string(word) + (numbers.size() > 1 ? "s " : " ") + Join(numbers, "and");
}
std::string PlacesEN(const TGeometry& g, int unit, const std::vector<int>& cells) {
  const TUnitKind kind = KindOf(g, unit);
  TStrings numbers, groups;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int cell = cells[i];
    numbers.push_back(Num((kind == TUnitKind::Column ? g.Row(cell) : g.Column(cell)) + 1));
    if (kind != TUnitKind::Box) continue;
    if (i + 1 == cells.size() || g.Row(cells[i + 1]) != g.Row(cell)) {
      groups.push_back("row " + Num(g.Row(cell) + 1) + ", " + LineEN("column", numbers));
      numbers.clear();
    }
  }
  if (kind != TUnitKind::Box) return LineEN(kind == TUnitKind::Row ? "column" : "row", numbers);
  return JoinGroups(groups, "and");
}

// Italian. Digits are read as numbers (masculine: "il 7", "l'8", "lo 0"), letters as letters
// (feminine: "la B", "l'F").

bool ItalianVowelSound(char symbol) {
  return std::string_view("18AEFHILMNORSUXY").find(symbol) != std::string_view::npos;
}
std::string IlIT(char symbol) {
  const std::string s(1, symbol);
  if (symbol >= '0' && symbol <= '9') {
    return symbol == '0' ? "lo " + s : ItalianVowelSound(symbol) ? "l'" + s : "il " + s;
  }
  return ItalianVowelSound(symbol) ? "l'" + s : "la " + s;
}
std::string UnIT(char symbol) {
  const std::string s(1, symbol);
  if (symbol >= '0' && symbol <= '9') return symbol == '0' ? "uno " + s : "un " + s;
  return ItalianVowelSound(symbol) ? "un'" + s : "una " + s;
}
std::string UnitIT(const TGeometry& g, int unit) {
  static constexpr std::array<std::string_view, 3> kNames = {"riga ", "colonna ", "riquadro "};
  return std::string(kNames[static_cast<int>(KindOf(g, unit))]) + Num(NumberOf(g, unit));
}
// The unit with an article, bare or joined to "di" or "in": "la riga 4", "della riga 4",
// "nel riquadro 3".
std::string UnitArtIT(const TGeometry& g, int unit, std::string_view preposition = "") {
  const bool box = KindOf(g, unit) == TUnitKind::Box;
  std::string article;
  if (preposition == "di") {
    article = box ? "del " : "della ";
  } else if (preposition == "in") {
    article = box ? "nel " : "nella ";
  } else {
    article = box ? "il " : "la ";
  }
  return article + UnitIT(g, unit);
}
std::string KindArtIT(const TGeometry& g, int unit) {
  static constexpr std::array<std::string_view, 3> kNames = {"della riga", "della colonna",
                                                             "del riquadro"};
  return std::string(kNames[static_cast<int>(KindOf(g, unit))]);
}
std::string CellIT(const TGeometry& g, int cell) {
  return "riga " + Num(g.Row(cell) + 1) + ", colonna " + Num(g.Column(cell) + 1);
}
// As PlacesEN, led by "in" when `in` is set: "nella colonna 2", "nelle colonne 2 e 7",
// "in riga 2, colonne 1 e 2, e in riga 3, colonna 2"; without it: "colonne 2 e 7".
std::string LineIT(bool row, const TStrings& numbers) {
  const bool many = numbers.size() > 1;
  return std::string(row ? (many ? "righe " : "riga ") : (many ? "colonne " : "colonna ")) +
         Join(numbers, "e");
}
std::string PlacesIT(const TGeometry& g, int unit, const std::vector<int>& cells, bool in) {
  const TUnitKind kind = KindOf(g, unit);
  TStrings numbers, groups;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int cell = cells[i];
    numbers.push_back(Num((kind == TUnitKind::Column ? g.Row(cell) : g.Column(cell)) + 1));
    if (kind != TUnitKind::Box) continue;
    if (i + 1 == cells.size() || g.Row(cells[i + 1]) != g.Row(cell)) {
      groups.push_back((in ? "in riga " : "riga ") + Num(g.Row(cell) + 1) + ", " +
                       LineIT(false, numbers));
      numbers.clear();
    }
  }
  if (kind == TUnitKind::Box) return JoinGroups(groups, "e");
  const std::string prefix = in ? (numbers.size() > 1 ? "nelle " : "nella ") : "";
  return prefix + LineIT(kind == TUnitKind::Column, numbers);
}

// Symbols of a mask: "1 or 8", "2, 4 or 6" (and the Italian "1 o 8").
std::string SymbolList(std::string_view symbols, TMask mask, std::string_view last) {
  TStrings items;
  for (TMask m = mask; m; m &= m - 1) items.emplace_back(1, symbols[std::countr_zero(m)]);
  return Join(items, last);
}
std::string ArticleListIT(std::string_view symbols, TMask mask) {
  TStrings items;
  for (TMask m = mask; m; m &= m - 1) items.push_back(IlIT(symbols[std::countr_zero(m)]));
  return Join(items, "e");
}

// The ladder, as the no-step sentences name it.
constexpr std::string_view kNoStepEN =
    "No step can be found here with singles, locked candidates, naked and hidden pairs, triples "
    "and quads, X-Wing, XY-Wing, Swordfish, XYZ-Wing, X-chains, XY-chains or forcing chains";
constexpr std::string_view kNoStepIT =
    "Qui non si trova alcun passo con singoli, candidati bloccati, coppie, triple e quaterne nude "
    "e nascoste, X-Wing, XY-Wing, Swordfish, XYZ-Wing, catene X, catene XY o catene forzanti";

// ---------------------------------------------------------------------------------------------
// The search.

// A candidate actually removed by an elimination.
struct TRemoved {
  int cell;
  TMask bits;
};

// One elimination of a step, with the grid as it stood before it.
struct TEliminationStep {
  TFinding finding;
  std::vector<TRemoved> removed;
  std::vector<int> pattern;  // where the locked symbol could go, or the pair's/triple's cells
};

// The rungs that eliminate: every rung of the ladder after the two singles.
constexpr int kFirstElimination = 2;
static_assert(kLadder[kFirstElimination - 1].level == TLevel::Singles &&
              kLadder[kFirstElimination].level != TLevel::Singles);
constexpr int kRungs = static_cast<int>(kLadder.size());

// Applies an elimination and records what it removed.
void ApplyStrikes(const TGeometry& g, TMask* cand, const TFinding& f,
                  std::vector<TRemoved>& removed) {
  removed.clear();
  ForEachStrike(g, f, [&](int cell, TMask bits) {
    const TMask gone = cand[cell] & bits;
    if (gone != 0 && Strike(cand, cell, bits) != 0) removed.push_back({cell, gone});
    return true;
  });
}

void Undo(TMask* cand, const std::vector<TRemoved>& removed) {
  for (const TRemoved& r : removed) cand[r.cell] |= r.bits;
}

TFinding SingleAt(TTechnique technique, int cell, TMask bit, int unit) {
  TFinding f;
  f.FTechnique = technique;
  f.FSymbols = bit;
  f.FUnit = static_cast<std::int16_t>(unit);
  f.FCount = 1;
  f.FCells[0] = static_cast<std::int16_t>(cell);
  return f;
}

// A single that the removals just made: only cells and units they touched can hold one.
bool SingleUnlockedBy(const TGeometry& g, const TMask* cand, const std::vector<TRemoved>& removed,
                      TFinding& single) {
  for (const TRemoved& r : removed) {
    if (!IsPlaced(cand[r.cell]) && IsSingle(cand[r.cell])) {
      single = SingleAt(TTechnique::NakedSingle, r.cell, cand[r.cell], -1);
      return true;
    }
  }
  for (const TRemoved& r : removed) {
    for (TMask bits = r.bits; bits; bits &= bits - 1) {
      const TMask bit = bits & (~bits + 1);
      for (const int unit : g.unitsOfCell[r.cell]) {
        int place = -1, count = 0;
        for (int k = 0; k < g.side && count < 2; ++k) {
          const int cell = g.unitCells[unit][k];
          if ((cand[cell] & bit) == 0) continue;
          // A placed copy means the unit has the symbol already: nothing to find there.
          count += IsPlaced(cand[cell]) ? 2 : 1;
          place = cell;
        }
        if (count == 1) {
          single = SingleAt(TTechnique::HiddenSingle, place, bit, unit);
          return true;
        }
      }
    }
  }
  return false;
}

// The first single on the grid, naked before hidden.
bool FirstSingle(const TGeometry& g, const TMask* cand, TFinding& single) {
  auto take = [&](const TFinding& f) {
    single = f;
    return false;
  };
  return SweepNakedSingles(g, cand, take) == TSweepEnd::Stopped ||
         SweepHiddenSingles(g, cand, take) == TSweepEnd::Stopped;
}

class TExplainer {
 public:
  TExplainer(const TGeometry& g, std::string_view symbols, const TCellValue* givens,
             const TCellValue* entries, const TCellValue* solution, const std::uint32_t* notes)
      : FG(g),
        FSymbols(symbols),
        FGivens(givens),
        FEntries(entries),
        FSolution(solution),
        FNotes(notes) {}

  TExplanation Run();

 private:
  TCellValue Shown(int cell) const {
    return FGivens[cell] != kEmpty ? FGivens[cell] : FEntries[cell];
  }
  char Sym(int value) const { return FSymbols[static_cast<std::size_t>(value)]; }
  void Mark(int cell, TCellRole role);
  void MarkUnit(int unit);
  int WrongEntry(int cell);
  bool FindStep(std::vector<TEliminationStep>& steps, TFinding& single);
  bool Unlock(int first, int last, std::vector<TEliminationStep>& steps, TFinding& single);
  bool Chain(int ceiling, std::vector<TEliminationStep>& steps, TFinding& single);
  std::pair<std::string, std::string> AdvancedWords(const TEliminationStep& step);
  std::pair<std::string, std::string> Look(const TFinding& f) const;
  bool NotesCheck(const std::uint32_t* notes);
  TExplanation Trial();
  std::string Chip(int cell) const;
  std::string CandidatesText(TMask mask) const;
  std::string ChainText(const TFinding& f, bool xy) const;
  std::vector<int> PatternOf(const TMask* cand, const TFinding& f) const;
  std::pair<std::string, std::string> Words(const TEliminationStep& step);
  std::pair<std::string, std::string> Words(const TFinding& single, bool after);
  void MarkReasons(const TFinding& single);

  const TGeometry& FG;
  std::string_view FSymbols;
  const TCellValue* FGivens;
  const TCellValue* FEntries;
  const TCellValue* FSolution;
  const std::uint32_t* FNotes;
  std::array<TMask, kMaxCells> FCand{};  // from the givens and the right entries
  std::array<TMask, kMaxCells> FWork{};
  TExplanation FResult;
};

void TExplainer::Mark(int cell, TCellRole role) {
  // The most telling role wins when a cell plays several.
  static constexpr std::array<int, 5> kRank = {0, 1, 4, 2, 3};  // by TCellRole
  for (TMarkedCell& m : FResult.FCells) {
    if (m.FRow != FG.Row(cell) || m.FColumn != FG.Column(cell)) continue;
    if (kRank[static_cast<int>(role)] < kRank[static_cast<int>(m.FRole)]) m.FRole = role;
    return;
  }
  FResult.FCells.push_back({FG.Row(cell), FG.Column(cell), role});
}

void TExplainer::MarkUnit(int unit) {
  const TMarkedUnit u{KindOf(FG, unit), unit % FG.side};
  for (const TMarkedUnit& m : FResult.FUnits) {
    if (m.FKind == u.FKind && m.FIndex == u.FIndex) return;
  }
  FResult.FUnits.push_back(u);
}

// The reason a wrong entry is named with, strongest first: a repeat the player can see with a
// given, then with a right entry; a cell it leaves with nothing; a symbol it leaves without a
// place; a repeat with another wrong entry (both named); last, only the solution.
int TExplainer::WrongEntry(int cell) {
  const TGeometry& g = FG;
  const int v = FEntries[cell];
  const char s = Sym(v);
  FResult = TExplanation{};
  FResult.FKind = TExplanationKind::WrongEntry;
  FResult.FRow = g.Row(cell);
  FResult.FColumn = g.Column(cell);
  FResult.FSymbol = s;
  Mark(cell, TCellRole::Wrong);
  // "<the entry> cannot be right: <unit> already has <s> in <place><tail>", in both languages.
  const auto sayRepeat = [&](const std::string& en, const std::string& it, int unit, int place,
                             std::string_view tailEN, std::string_view tailIT) {
    const std::vector<int> where = {place};
    FResult.FTextEN = en + UnitEN(g, unit) + " already has " + AnEN(s) + " in " +
                      PlacesEN(g, unit, where) + std::string(tailEN);
    FResult.FTextIT = it + UnitArtIT(g, unit) + " ha già " + UnIT(s) + " " +
                      PlacesIT(g, unit, where, true) + std::string(tailIT);
  };
  std::string en = "The " + std::string(1, s) + " in " + CellEN(g, cell) + " cannot be right: ";
  std::string it = "Nella cella in " + CellIT(g, cell) + " non può esserci " + UnIT(s) + ": ";
  auto wrongAt = [&](int c) {
    return FGivens[c] == kEmpty && FEntries[c] != kEmpty && FEntries[c] != FSolution[c];
  };

  // A repeat in its row, column or box: a given before a right entry before a wrong one.
  int best = -1, bestUnit = -1, bestRank = 3;
  for (int i = 0; i < 3; ++i) {
    const int unit = g.unitsOfCell[cell][i];
    for (int k = 0; k < g.side; ++k) {
      const int other = g.unitCells[unit][k];
      if (other == cell || Shown(other) != v) continue;
      const int rank = FGivens[other] != kEmpty ? 0 : wrongAt(other) ? 2 : 1;
      if (rank < bestRank) {
        best = other;
        bestUnit = unit;
        bestRank = rank;
      }
    }
  }
  if (best >= 0 && bestRank < 2) {
    Mark(best, TCellRole::Reason);
    MarkUnit(bestUnit);
    sayRepeat(en, it, bestUnit, best, ".", ".");
    return bestRank;
  }

  // Placed on the grid of the givens and the right entries: a peer the player left open with
  // nothing, or a symbol left without a place in a unit free of other wrong entries.
  FWork = FCand;
  const TMask bit = TMask{1} << v;
  for (const std::int16_t p : g.peers[cell]) {
    if (Shown(p) != kEmpty) continue;
    if (!IsPlaced(FWork[p]) && (FWork[p] & ~bit) == 0) {
      Mark(p, TCellRole::Reason);
      FResult.FTextEN = en + "it leaves " + CellEN(g, p) + " with no possible symbol.";
      FResult.FTextIT =
          it + "la cella in " + CellIT(g, p) + " resterebbe senza alcun simbolo possibile.";
      return 2;
    }
  }
  if (!IsPlaced(FWork[cell]) && (FWork[cell] & bit) != 0) {
    Place(g, FWork.data(), cell, v, [](int) {});
    for (int unit = 0; unit < 3 * g.side; ++unit) {
      TMask seen = 0;
      bool otherWrong = false;
      for (int k = 0; k < g.side; ++k) {
        const int c = g.unitCells[unit][k];
        seen |= FWork[c] & ~kPlaced;
        otherWrong |= c != cell && wrongAt(c);
      }
      if (seen == g.full || otherWrong) continue;
      const char missing = Sym(std::countr_zero(g.full & ~seen));
      MarkUnit(unit);
      FResult.FTextEN =
          en + "it leaves no place for " + std::string(1, missing) + " in " + UnitEN(g, unit) + ".";
      FResult.FTextIT =
          it + IlIT(missing) + " non avrebbe più posto " + UnitArtIT(g, unit, "in") + ".";
      return 3;
    }
  }
  if (best >= 0) {
    // The only repeat is with another wrong entry: both are named and marked.
    Mark(best, TCellRole::Wrong);
    MarkUnit(bestUnit);
    sayRepeat(en, it, bestUnit, best, ", and neither of the two is right.",
              ", e nessuno dei due è giusto.");
    return 4;
  }
  FResult.FTextEN = en + "the puzzle's solution has another symbol there.";
  FResult.FTextIT = it + "la soluzione ha un altro simbolo in quella cella.";
  return 5;
}

// The first open cell, in reading order, whose notes leave out the symbol it needs.
bool TExplainer::NotesCheck(const std::uint32_t* notes) {
  const TGeometry& g = FG;
  for (int cell = 0; cell < g.cells; ++cell) {
    if (Shown(cell) != kEmpty) continue;
    const TMask mine = notes[cell] & g.full;
    if (mine == 0 || (mine & (TMask{1} << FSolution[cell])) != 0) continue;
    const char s = Sym(FSolution[cell]);
    FResult.FKind = TExplanationKind::Notes;
    FResult.FRow = g.Row(cell);
    FResult.FColumn = g.Column(cell);
    FResult.FSymbol = s;
    Mark(cell, TCellRole::Wrong);
    FResult.FTextEN =
        "Your notes in " + CellEN(g, cell) + " leave out the " + std::string(1, s) + " it needs.";
    FResult.FTextIT =
        "Le tue note in " + CellIT(g, cell) + " non contengono " + IlIT(s) + " che serve lì.";
    return true;
  }
  return false;
}

// Every rung stalls: the cell the search would branch on first (fewest candidates, then reading
// order), with its solution's symbol, offered first and revealed at the next stage.
TExplanation TExplainer::Trial() {
  const TGeometry& g = FG;
  int best = -1;
  for (int cell = 0; cell < g.cells; ++cell) {
    if (IsPlaced(FCand[cell])) continue;
    if (best < 0 || CountBits(FCand[cell]) < CountBits(FCand[best])) best = cell;
  }
  FResult.FKind = TExplanationKind::Trial;
  FResult.FLookEN = std::string(kNoStepEN) +
                    ": this position needs trial and error. Press F3 again to see one cell found "
                    "by trial.";
  FResult.FLookIT = std::string(kNoStepIT) +
                    ": questa posizione richiede dei tentativi. Premi di nuovo F3 per vedere una "
                    "cella trovata per tentativi.";
  if (best < 0) return FResult;
  const char s = Sym(FSolution[best]);
  Mark(best, TCellRole::Placement);
  FResult.FRow = g.Row(best);
  FResult.FColumn = g.Column(best);
  FResult.FSymbol = s;
  FResult.FTextEN =
      "Found by trial, not by a technique: " + CellEN(g, best) + " holds " + AnEN(s) + ".";
  FResult.FTextIT =
      "Trovato per tentativi, non con una tecnica: in " + CellIT(g, best) + " va " + IlIT(s) + ".";
  return FResult;
}

std::vector<int> TExplainer::PatternOf(const TMask* cand, const TFinding& f) const {
  std::vector<int> cells;
  if (f.FTechnique == TTechnique::Pointing || f.FTechnique == TTechnique::Claiming) {
    for (int k = 0; k < FG.side; ++k) {
      const int cell = FG.unitCells[f.FUnit][k];
      if (!IsPlaced(cand[cell]) && (cand[cell] & f.FSymbols) != 0) cells.push_back(cell);
    }
  } else if (f.FTechnique == TTechnique::XWing || f.FTechnique == TTechnique::Swordfish) {
    // The symbol's places in the base lines, in reading order.
    for (int cell = 0; cell < FG.cells; ++cell) {
      const int line = f.FUnit == 0 ? FG.Row(cell) : FG.Column(cell);
      if ((f.FBase & (TMask{1} << line)) && !IsPlaced(cand[cell]) && (cand[cell] & f.FSymbols)) {
        cells.push_back(cell);
      }
    }
  } else {
    for (int i = 0; i < f.FCount; ++i) cells.push_back(f.FCells[i]);
  }
  return cells;
}

// The cheapest single; else, level by level, the first elimination of that level that unlocks a
// single on its own, or the shortest chain of eliminations up to that level that does. A step
// never uses a technique above the level the position needs.
// The catalogue's levels are searched a level at a time; past them, a rung at a time, so that a
// step uses the cheapest rung that gives one.
bool TExplainer::FindStep(std::vector<TEliminationStep>& steps, TFinding& single) {
  if (FirstSingle(FG, FCand.data(), single)) return true;
  for (int first = kFirstElimination; first < kRungs;) {
    int last = first;
    if (kLadder[first].level <= TLevel::Subsets) {
      while (last + 1 < kRungs && kLadder[last + 1].level == kLadder[first].level) ++last;
    }
    if (Unlock(first, last, steps, single) || Chain(last, steps, single)) return true;
    steps.clear();
    first = last + 1;
  }
  return false;
}

bool TExplainer::Unlock(int first, int last, std::vector<TEliminationStep>& steps,
                        TFinding& single) {
  FWork = FCand;
  std::vector<TRemoved> removed;
  for (int rung = first; rung <= last; ++rung) {
    const TTechnique t = kLadder[rung].technique;
    bool found = false;
    Sweep(t, FG, FWork.data(), [&](const TFinding& f) {
      ApplyStrikes(FG, FWork.data(), f, removed);
      if (removed.empty()) return true;
      found = SingleUnlockedBy(FG, FWork.data(), removed, single);
      Undo(FWork.data(), removed);
      if (found) steps.push_back({f, removed, PatternOf(FWork.data(), f)});
      return !found;
    });
    if (found) return true;
  }
  return false;
}

// No one elimination unlocks a single. Eliminations are applied as the grader applies them (every
// instance of the cheapest technique that has one) until singles appear; then, for each of them,
// the eliminations it rests on are traced back (the candidates its reasoning needs gone, the
// elimination that removed each, what that one needed in turn), and the single that needs the
// fewest is told with exactly those.
bool TExplainer::Chain(int ceiling, std::vector<TEliminationStep>& steps, TFinding& single) {
  const TGeometry& g = FG;
  std::vector<TFinding> applied;
  std::vector<std::int16_t> owner(static_cast<std::size_t>(g.cells * g.side), -1);
  std::vector<TRemoved> removed;
  FWork = FCand;
  TFinding any;
  while (!FirstSingle(g, FWork.data(), any)) {
    bool progress = false;
    for (int rung = kFirstElimination; rung <= ceiling; ++rung) {
      Sweep(kLadder[rung].technique, g, FWork.data(), [&](const TFinding& f) {
        ApplyStrikes(g, FWork.data(), f, removed);
        if (removed.empty()) return true;
        for (const TRemoved& r : removed) {
          for (TMask bits = r.bits; bits; bits &= bits - 1) {
            owner[r.cell * g.side + std::countr_zero(bits)] =
                static_cast<std::int16_t>(applied.size());
          }
        }
        applied.push_back(f);
        progress = true;
        return true;
      });
      if (progress) break;
    }
    if (!progress) return false;  // every elimination is spent and still no single
  }

  // The eliminations a finding rests on: whoever removed the candidates its test needs gone.
  std::vector<char> needed;
  std::vector<int> pending;
  auto require = [&](int cell, TMask bits) {
    if (IsPlaced(FCand[cell])) return;
    for (TMask b = FCand[cell] & bits; b; b &= b - 1) {
      const int i = owner[cell * g.side + std::countr_zero(b)];
      if (i >= 0 && !needed[i]) {
        needed[i] = 1;
        pending.push_back(i);
      }
    }
  };
  auto requireOthers = [&](int unit, const TFinding& f, TMask bits, bool outsideTarget) {
    for (int k = 0; k < g.side; ++k) {
      const int cell = g.unitCells[unit][k];
      bool own = false;
      if (outsideTarget) {
        own = g.InUnit(cell, f.FTarget);
      } else {
        for (int i = 0; i < f.FCount; ++i) own |= f.FCells[i] == cell;
      }
      if (!own) require(cell, bits);
    }
  };
  auto rests = [&](const TFinding& f) {
    switch (f.FTechnique) {
      case TTechnique::NakedSingle:
        return require(f.Cell(), g.full & ~f.FSymbols);
      case TTechnique::HiddenSingle:
        return requireOthers(f.FUnit, f, f.FSymbols, false);
      case TTechnique::Pointing:
      case TTechnique::Claiming:
        return requireOthers(f.FUnit, f, f.FSymbols, true);
      case TTechnique::NakedPair:
      case TTechnique::NakedTriple:
      case TTechnique::NakedQuad:
        for (int i = 0; i < f.FCount; ++i) require(f.FCells[i], g.full & ~f.FSymbols);
        return;
      case TTechnique::HiddenPair:
      case TTechnique::HiddenTriple:
      case TTechnique::HiddenQuad:
        return requireOthers(f.FUnit, f, f.FSymbols, false);
      case TTechnique::XWing:
      case TTechnique::Swordfish:
        // The base lines' cells outside the cover lines.
        for (TMask base = f.FBase; base; base &= base - 1) {
          const int line = std::countr_zero(base);
          for (int k = 0; k < g.side; ++k) {
            if (f.FCover & (TMask{1} << k)) continue;
            require(f.FUnit == 0 ? line * g.side + k : k * g.side + line, f.FSymbols);
          }
        }
        return;
      case TTechnique::XYWing:
      case TTechnique::XYZWing:
      case TTechnique::XYChain:
        for (int i = 0; i < f.FCount; ++i) require(f.FCells[i], g.full & ~f.FMasks[i]);
        return;
      case TTechnique::XChain:
        // Each strong link: the rest of its unit.
        for (int i = 0; i + 1 < f.FCount; i += 2) {
          const int unit = static_cast<int>(f.FMasks[i]);
          for (int k = 0; k < g.side; ++k) {
            const int cell = g.unitCells[unit][k];
            if (cell != f.FCells[i] && cell != f.FCells[i + 1]) require(cell, f.FSymbols);
          }
        }
        return;
      case TTechnique::Forcing:
        // Its singles read the whole grid.
        for (int cell = 0; cell < g.cells; ++cell) require(cell, g.full);
        return;
    }
  };
  auto trace = [&](const TFinding& target) {
    needed.assign(applied.size(), 0);
    pending.clear();
    rests(target);
    while (!pending.empty()) {
      const int i = pending.back();
      pending.pop_back();
      rests(applied[static_cast<std::size_t>(i)]);
    }
    std::vector<TFinding> chain;
    for (std::size_t i = 0; i < applied.size(); ++i) {
      if (needed[i]) chain.push_back(applied[i]);
    }
    return chain;
  };
  std::vector<TFinding> best;
  bool found = false;
  auto consider = [&](const TFinding& target) {
    std::vector<TFinding> chain = trace(target);
    if (!found || chain.size() < best.size()) {
      best = std::move(chain);
      single = target;
      found = true;
    }
    return true;
  };
  SweepNakedSingles(g, FWork.data(), consider);
  SweepHiddenSingles(g, FWork.data(), consider);

  // Replays a chain on a fresh grid: each elimination must still hold and remove something, and
  // the single must follow. Then drops whatever the single can do without.
  auto replay = [&](const std::vector<TFinding>& trial, std::vector<TEliminationStep>* out) {
    FWork = FCand;
    for (TFinding f : trial) {
      if (!Holds(g, FWork.data(), f)) return false;
      // A forcing chain is told as it runs on this grid, which may differ from the one it was
      // found on.
      if (f.FTechnique == TTechnique::Forcing &&
          !ForcingFrom(g, FWork.data(), f.Cell(), f.FSymbols, f)) {
        return false;
      }
      std::vector<int> pattern = PatternOf(FWork.data(), f);
      ApplyStrikes(g, FWork.data(), f, removed);
      if (removed.empty()) return false;
      if (out != nullptr) out->push_back({f, removed, std::move(pattern)});
    }
    return Holds(g, FWork.data(), single);
  };
  if (!found || !replay(best, nullptr)) return false;
  for (int i = static_cast<int>(best.size()) - 1; i >= 0 && best.size() > 1; --i) {
    std::vector<TFinding> trial = best;
    trial.erase(trial.begin() + i);
    if (replay(trial, nullptr)) best = std::move(trial);
  }
  return replay(best, &steps);
}

std::pair<std::string, std::string> TExplainer::Words(const TEliminationStep& step) {
  const TGeometry& g = FG;
  const TFinding& f = step.finding;
  for (const int cell : step.pattern) Mark(cell, TCellRole::Pattern);
  for (const TRemoved& r : step.removed) Mark(r.cell, TCellRole::Struck);
  if (InfoOf(f.FTechnique).level > TLevel::Subsets && f.FTechnique != TTechnique::HiddenTriple &&
      f.FTechnique != TTechnique::NakedQuad && f.FTechnique != TTechnique::HiddenQuad) {
    return AdvancedWords(step);
  }
  MarkUnit(f.FUnit);
  if (f.FTarget >= 0) MarkUnit(f.FTarget);
  const std::string en = Capital(UnitEN(g, f.FUnit)) + ": ";
  const std::string it = Capital(UnitIT(g, f.FUnit)) + ": ";
  switch (f.FTechnique) {
    case TTechnique::Pointing:
    case TTechnique::Claiming: {
      const char s = Sym(f.Value());
      // The segment's cells are listed along the line: columns in a row, rows in a column.
      const int line = f.FTechnique == TTechnique::Pointing ? f.FTarget : f.FUnit;
      return {en + std::string(1, s) + " can only go in " + UnitEN(g, f.FTarget) + " (" +
                  PlacesEN(g, line, step.pattern) + "), so no other cell of " +
                  UnitEN(g, f.FTarget) + " can hold " + AnEN(s) + ".",
              it + IlIT(s) + " può andare solo " + UnitArtIT(g, f.FTarget, "in") + " (" +
                  PlacesIT(g, line, step.pattern, false) + "), quindi nessun'altra cella " +
                  UnitArtIT(g, f.FTarget, "di") + " può contenere " + UnIT(s) + "."};
    }
    case TTechnique::NakedPair:
    case TTechnique::NakedTriple:
    case TTechnique::NakedQuad:
      return {en + "the cells in " + PlacesEN(g, f.FUnit, step.pattern) + " can only hold " +
                  SymbolList(FSymbols, f.FSymbols, "or") + " between them, so no other cell of " +
                  UnitEN(g, f.FUnit) + " can hold " + SymbolList(FSymbols, f.FSymbols, "or") + ".",
              it + "le celle " + PlacesIT(g, f.FUnit, step.pattern, true) +
                  " possono contenere solo " + SymbolList(FSymbols, f.FSymbols, "o") +
                  ", quindi nessun'altra cella " + UnitArtIT(g, f.FUnit, "di") + " può contenere " +
                  SymbolList(FSymbols, f.FSymbols, "o") + "."};
    case TTechnique::HiddenPair:
    case TTechnique::HiddenTriple:
    case TTechnique::HiddenQuad: {
      static constexpr std::array<std::string_view, 5> kEN = {"", "", "two", "three", "four"};
      static constexpr std::array<std::string_view, 5> kIT = {"", "", "due", "tre", "quattro"};
      const int n = std::clamp<int>(f.FCount, 2, 4);
      return {en + SymbolList(FSymbols, f.FSymbols, "and") + " can only go in " +
                  PlacesEN(g, f.FUnit, step.pattern) + ", so those " + std::string(kEN[n]) +
                  " cells can hold only " + SymbolList(FSymbols, f.FSymbols, "or") + ".",
              it + ArticleListIT(FSymbols, f.FSymbols) + " possono andare solo " +
                  PlacesIT(g, f.FUnit, step.pattern, true) + ", quindi quelle " +
                  std::string(kIT[n]) + " celle possono contenere solo " +
                  SymbolList(FSymbols, f.FSymbols, "o") + "."};
    }
    default:
      break;
  }
  return {};
}

// Wings, chains and forcing chains name cells short, as rNcM (row N, column M): their texts list
// many of them. A cell of a pattern shows the candidates it is limited to: "r1c1 {1,2}".
std::string TExplainer::CandidatesText(TMask mask) const {
  std::string text = "{";
  for (TMask m = mask; m; m &= m - 1) {
    if (text.size() > 1) text += ',';
    text += Sym(std::countr_zero(m));
  }
  return text + "}";
}

std::string TExplainer::Chip(int cell) const {
  return "r" + Num(FG.Row(cell) + 1) + "c" + Num(FG.Column(cell) + 1);
}

// The chain's cells, joined by "=" for a strong link and "–" for a weak one (X-chain) or all by
// "–" with their candidates (XY-chain). A long chain keeps its first and last links in the text
// and leaves the middle to the tints.
std::string TExplainer::ChainText(const TFinding& f, bool xy) const {
  auto piece = [&](int i) {
    std::string text = Chip(f.FCells[i]);
    if (xy) text += " " + CandidatesText(f.FMasks[i]);
    return text;
  };
  auto link = [&](int i) { return !xy && i % 2 == 0 ? " = " : " – "; };
  const int n = f.FCount;
  const int keep = xy ? 2 : 3;
  std::string out;
  for (int i = 0; i < n; ++i) {
    if (n > 2 * keep && i == keep) {
      out += " … ";
      i = n - keep;
    } else if (i > 0) {
      out += link(i - 1);
    }
    out += piece(i);
  }
  return out;
}

std::pair<std::string, std::string> TExplainer::AdvancedWords(const TEliminationStep& step) {
  const TGeometry& g = FG;
  const TFinding& f = step.finding;
  const char s = Sym(f.Value());
  const std::string sym(1, s);
  switch (f.FTechnique) {
    case TTechnique::XWing:
    case TTechnique::Swordfish: {
      const bool rows = f.FUnit == 0;
      TStrings base, cover;
      for (TMask b = f.FBase; b; b &= b - 1) {
        base.push_back(Num(std::countr_zero(b) + 1));
        MarkUnit((rows ? 0 : g.side) + std::countr_zero(b));
      }
      for (TMask c = f.FCover; c; c &= c - 1) cover.push_back(Num(std::countr_zero(c) + 1));
      const std::string name(InfoOf(f.FTechnique).name);
      const std::string baseEN = (rows ? "rows " : "columns ") + Join(base, "and");
      const std::string coverEN = (rows ? "columns " : "rows ") + Join(cover, "and");
      const std::string baseIT = (rows ? "righe " : "colonne ") + Join(base, "e");
      const std::string coverIT = (rows ? "colonne " : "righe ") + Join(cover, "e");
      return {name + " on " + sym + ": in " + baseEN + " the " + sym + " can only go in " +
                  coverEN + ", so no other cell of " + coverEN + " can hold " + AnEN(s) + ".",
              name + " (" + sym + "): nelle " + baseIT + " " + IlIT(s) + " può andare solo nelle " +
                  coverIT + ", quindi nessun'altra cella delle " + coverIT + " può contenere " +
                  UnIT(s) + "."};
    }
    case TTechnique::XYWing:
    case TTechnique::XYZWing: {
      auto chip = [&](int i) { return Chip(f.FCells[i]) + " " + CandidatesText(f.FMasks[i]); };
      const bool xyz = f.FTechnique == TTechnique::XYZWing;
      const std::string name(InfoOf(f.FTechnique).name);
      return {name + ": " + chip(0) + " sees " + chip(1) + " and " + chip(2) + "; one of " +
                  (xyz ? "the three" : "the last two") + " holds " + sym +
                  ", so no cell that sees " + (xyz ? "all three" : "both of them") + " can hold " +
                  AnEN(s) + ".",
              name + ": " + chip(0) + " vede " + chip(1) + " e " + chip(2) + "; una " +
                  (xyz ? "delle tre" : "delle ultime due") + " contiene " + IlIT(s) +
                  ", quindi nessuna cella che le vede " + (xyz ? "tutte e tre" : "entrambe") +
                  " può contenere " + UnIT(s) + "."};
    }
    case TTechnique::XChain:
      // "=" joins a symbol's only two places in a unit; the help page says so.
      return {"X-chain on " + sym + ": " + ChainText(f, false) + ". One of the ends holds the " +
                  sym + ", so a cell that sees both cannot.",
              "Catena X (" + sym + "): " + ChainText(f, false) + ". Uno degli estremi contiene " +
                  IlIT(s) + ", quindi una cella che li vede entrambi non può."};
    case TTechnique::XYChain:
      return {"XY-chain on " + sym + ": " + ChainText(f, true) + ". If the first cell is not " +
                  sym + ", the last is, so a cell that sees both cannot be " + sym + ".",
              "Catena XY (" + sym + "): " + ChainText(f, true) + ". Se la prima cella non è " +
                  sym + ", lo è l'ultima, quindi una cella che le vede entrambe non può esserlo."};
    case TTechnique::Forcing: {
      TStrings forced;
      const int shown = std::min<int>(f.FCount, 7);
      for (int i = 1; i < f.FCount; ++i) {
        if (i == shown - 2 && f.FCount > shown) {
          forced.push_back("…");
          i = f.FCount - 2;
          continue;
        }
        forced.push_back(Chip(f.FCells[i]) + " = " +
                         std::string(1, Sym(std::countr_zero(f.FMasks[i]))));
      }
      std::string endEN, endIT;
      if (f.FTarget >= 0) {
        Mark(f.FTarget, TCellRole::Reason);
        endEN = Chip(f.FTarget) + " would have no candidate left";
        endIT = "in " + Chip(f.FTarget) + " non resterebbe alcun candidato";
      } else {
        MarkUnit(f.FUnit);
        const char missing = Sym(std::countr_zero(f.FCover));
        endEN = UnitEN(g, f.FUnit) + " would have no place for " + AnEN(missing);
        endIT = UnitArtIT(g, f.FUnit) + " non avrebbe posto per " + IlIT(missing);
      }
      const std::string start = Chip(f.Cell());
      std::string list;
      for (const std::string& each : forced) list += each + ", ";
      const std::string listEN = list.empty() ? "" : list + "and ";
      const std::string listIT = list.empty() ? "" : list + "e ";
      return {"Forcing chain: if " + start + " held " + AnEN(s) + ": " + listEN + endEN + ". So " +
                  start + " cannot hold " + AnEN(s) + ".",
              "Catena forzante: se in " + start + " ci fosse " + IlIT(s) + ": " + listIT + endIT +
                  ". Quindi " + start + " non può contenere " + IlIT(s) + "."};
    }
    default:
      return {};
  }
}

// Where to look and what kind of step it is, without the step itself.
std::pair<std::string, std::string> TExplainer::Look(const TFinding& f) const {
  const TGeometry& g = FG;
  const char s = Sym(f.Value());
  const std::string sym(1, s);
  const std::string name(InfoOf(f.FTechnique).name), nameIT(InfoOf(f.FTechnique).nameIT);
  switch (f.FTechnique) {
    case TTechnique::NakedSingle:
      return {"Look at " + CellEN(g, f.Cell()) + ": only one symbol fits there.",
              "Guarda la cella in " + CellIT(g, f.Cell()) + ": lì entra un solo simbolo."};
    case TTechnique::HiddenSingle:
      return {"Look at " + UnitEN(g, f.FUnit) + ": one symbol has only one place there.",
              "Guarda " + UnitArtIT(g, f.FUnit) + ": un simbolo vi ha un solo posto."};
    case TTechnique::Pointing: {
      const bool row = f.FTarget < g.side;
      return {"Look at " + UnitEN(g, f.FUnit) + ": one symbol can only go in one of its " +
                  (row ? "rows." : "columns."),
              "Guarda " + UnitArtIT(g, f.FUnit) + ": un simbolo può andare solo in una delle sue " +
                  (row ? "righe." : "colonne.")};
    }
    case TTechnique::Claiming:
      return {"Look at " + UnitEN(g, f.FUnit) + ": one symbol can only go in one of the boxes " +
                  "it crosses.",
              "Guarda " + UnitArtIT(g, f.FUnit) + ": un simbolo può andare solo in uno dei " +
                  "riquadri che attraversa."};
    case TTechnique::NakedPair:
    case TTechnique::NakedTriple:
    case TTechnique::NakedQuad:
    case TTechnique::HiddenPair:
    case TTechnique::HiddenTriple:
    case TTechnique::HiddenQuad: {
      return {"Look at " + UnitEN(g, f.FUnit) + ": there is a " + name + " there.",
              "Guarda " + UnitArtIT(g, f.FUnit) + ": lì c'è una " + nameIT + "."};
    }
    case TTechnique::XWing:
    case TTechnique::Swordfish:
    case TTechnique::XYWing:
    case TTechnique::XYZWing:
      return {
          "There is " +
              std::string(f.FTechnique == TTechnique::XWing || f.FTechnique == TTechnique::XYWing ||
                                  f.FTechnique == TTechnique::XYZWing
                              ? "an "
                              : "a ") +
              name + " on " + sym + ".",
          std::string(f.FTechnique == TTechnique::Swordfish ? "C'è uno " : "C'è un ") + nameIT +
              " per " + IlIT(s) + "."};
    case TTechnique::XChain:
    case TTechnique::XYChain:
      return {"There is an " + name + " on " + sym + ".",
              "C'è una " + nameIT + " per " + IlIT(s) + "."};
    case TTechnique::Forcing:
      return {"Try " + AnEN(s) + " in " + CellEN(g, f.Cell()) + ": it leads to a contradiction.",
              "Prova " + IlIT(s) + " in " + CellIT(g, f.Cell()) + ": porta a una contraddizione."};
  }
  return {};
}

// The cells whose symbols make a single: for a hidden single, for each other open cell of the
// unit, one placed copy of the symbol it sees (shared where one serves several); for a naked
// single, one placed copy of each other symbol in the cell's row, column or box.
void TExplainer::MarkReasons(const TFinding& single) {
  const TGeometry& g = FG;
  auto sees = [&](int a, int b) {
    return g.Row(a) == g.Row(b) || g.Column(a) == g.Column(b) || g.Box(a) == g.Box(b);
  };
  if (single.FTechnique == TTechnique::NakedSingle) {
    for (int v = 0; v < g.side; ++v) {
      if (v == single.Value()) continue;
      for (const int unit : g.unitsOfCell[single.Cell()]) {
        int holder = -1;
        for (int k = 0; k < g.side && holder < 0; ++k) {
          const int cell = g.unitCells[unit][k];
          if (Shown(cell) == v && FSolution[cell] == v) holder = cell;
        }
        if (holder < 0) continue;
        Mark(holder, TCellRole::Reason);
        break;
      }
    }
    return;
  }
  std::vector<int> blockers;
  for (int k = 0; k < g.side; ++k) {
    const int cell = g.unitCells[single.FUnit][k];
    if (cell == single.Cell() || IsPlaced(FCand[cell])) continue;
    if (std::any_of(blockers.begin(), blockers.end(), [&](int b) { return sees(b, cell); })) {
      continue;
    }
    for (const std::int16_t p : g.peers[cell]) {
      if (FCand[p] == (kPlaced | single.FSymbols)) {
        blockers.push_back(p);
        break;
      }
    }
  }
  for (const int b : blockers) Mark(b, TCellRole::Reason);
}

std::pair<std::string, std::string> TExplainer::Words(const TFinding& single, bool after) {
  const TGeometry& g = FG;
  const int cell = single.Cell();
  const char s = Sym(single.Value());
  Mark(cell, TCellRole::Placement);
  MarkReasons(single);
  if (single.FTechnique == TTechnique::NakedSingle) {
    for (const int unit : g.unitsOfCell[cell]) MarkUnit(unit);
    return {Capital(CellEN(g, cell)) + ": only " + std::string(1, s) + " can go here" +
                (after ? " now (every other symbol is in its row, column or box, or has just "
                         "been ruled out)."
                       : " (every other symbol is already in its row, column or box)."),
            Capital(CellIT(g, cell)) + ": " + (after ? "ora " : "") + "qui può andare solo " +
                IlIT(s) + " (tutti gli altri simboli compaiono già nella sua riga, colonna o " +
                "riquadro" + (after ? ", oppure sono appena stati esclusi)." : ").")};
  }
  const int unit = single.FUnit;
  MarkUnit(unit);
  const std::vector<int> where = {cell};
  return {Capital(UnitEN(g, unit)) + ": " + std::string(1, s) + " can " + (after ? "now " : "") +
              "only go in " + PlacesEN(g, unit, where) + " (every other open cell of the " +
              KindEN(g, unit) + " sees " + AnEN(s) +
              (after ? " or has just been ruled out)." : ")."),
          Capital(UnitIT(g, unit)) + ": " + (after ? "ora " : "") + IlIT(s) + " può andare solo " +
              (KindOf(g, unit) == TUnitKind::Box ? "nella cella " : "") +
              PlacesIT(g, unit, where, true) + " (ogni altra cella libera " + KindArtIT(g, unit) +
              " vede già " + UnIT(s) + (after ? ", oppure è appena stata esclusa)." : ").")};
}

TExplanation TExplainer::Run() {
  const TGeometry& g = FG;
  std::vector<TCellValue> known(g.cells, kEmpty);
  bool full = true, wrong = false;
  for (int cell = 0; cell < g.cells; ++cell) {
    if (FGivens[cell] != kEmpty || FEntries[cell] == kEmpty) {
      full &= FGivens[cell] != kEmpty;
      known[cell] = FGivens[cell];
      continue;
    }
    wrong |= FEntries[cell] != FSolution[cell];
    known[cell] = FEntries[cell] == FSolution[cell] ? FEntries[cell] : kEmpty;
  }
  LoadCandidates(g, known.data(), FCand.data());
  if (wrong) {
    // Named against the grid of the givens and the right entries only: the wrong entry with the
    // strongest reason, the first in reading order among equals.
    int bestRank = 99;
    TExplanation best;
    for (int cell = 0; cell < g.cells; ++cell) {
      if (FGivens[cell] != kEmpty || FEntries[cell] == kEmpty) continue;
      if (FEntries[cell] == FSolution[cell]) continue;
      const int rank = WrongEntry(cell);
      if (rank < bestRank) {
        bestRank = rank;
        best = FResult;
      }
    }
    return best;
  }
  if (FNotes != nullptr && NotesCheck(FNotes)) return FResult;
  if (full) {
    FResult.FKind = TExplanationKind::Solved;
    FResult.FTextEN = "The grid is complete and correct: there is nothing left to explain.";
    FResult.FTextIT = "La griglia è completa e corretta: non resta niente da spiegare.";
    return FResult;
  }
  std::vector<TEliminationStep> steps;
  TFinding single;
  if (!FindStep(steps, single)) return Trial();
  if (single.Value() != FSolution[single.Cell()]) {
    FResult.FKind = TExplanationKind::NoStep;
    FResult.FTextEN = std::string(kNoStepEN) + ".";
    FResult.FTextIT = std::string(kNoStepIT) + ".";
    return FResult;
  }
  FResult.FKind = TExplanationKind::Step;
  FResult.FTechnique = single.FTechnique;
  for (const TEliminationStep& step : steps) {
    const auto [en, it] = Words(step);
    FResult.FTextEN += en + " ";
    FResult.FTextIT += it + " ";
    FResult.FEliminations.push_back(step.finding.FTechnique);
    FResult.FTechnique = std::max(FResult.FTechnique, step.finding.FTechnique);
  }
  const auto [en, it] = Words(single, !steps.empty());
  FResult.FTextEN += en;
  FResult.FTextIT += it;
  std::tie(FResult.FLookEN, FResult.FLookIT) = Look(steps.empty() ? single : steps.front().finding);
  FResult.FRow = g.Row(single.Cell());
  FResult.FColumn = g.Column(single.Cell());
  FResult.FSymbol = Sym(single.Value());
  return FResult;
}

TExplanation BadInput(std::string en, std::string it) {
  TExplanation e;
  e.FKind = TExplanationKind::BadInput;
  e.FTextEN = "Cannot explain this position: " + std::move(en);
  e.FTextIT = "Impossibile spiegare questa posizione: " + std::move(it);
  return e;
}

// The symbol set must give every value its own character, none of them a blank.
bool UsableSymbols(std::string_view symbols, int side) {
  if (static_cast<int>(symbols.size()) != side) return false;
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    if (BlankChars.find(symbols[i]) != std::string_view::npos || symbols.find(symbols[i]) != i) {
      return false;
    }
  }
  return true;
}

}  // namespace

TExplanation ExplainNextStep(std::int32_t boxSize, std::string_view symbols,
                             const TCellValue* givens, const TCellValue* entries,
                             const TCellValue* solution, const std::uint32_t* notes) {
  const TGeometry* g = GeometryFor(boxSize);
  if (g == nullptr || givens == nullptr || entries == nullptr || solution == nullptr) {
    return BadInput("no board of box size " + Num(boxSize) + ".",
                    "nessuna griglia con riquadri di lato " + Num(boxSize) + ".");
  }
  if (!UsableSymbols(symbols, g->side)) {
    return BadInput("the symbol set is not " + Num(g->side) + " distinct symbols.",
                    "l'insieme dei simboli non è di " + Num(g->side) + " simboli distinti.");
  }
  std::vector<TCellValue> solved(solution, solution + g->cells);
  if (!IsCompleteGrid(*g, solved)) {
    return BadInput("the solution is not a complete, valid grid.",
                    "la soluzione non è una griglia completa e valida.");
  }
  for (int cell = 0; cell < g->cells; ++cell) {
    const bool givenOk = givens[cell] == kEmpty || givens[cell] == solution[cell];
    const bool entryOk = entries[cell] >= kEmpty && entries[cell] < g->side;
    if (!givenOk || !entryOk) {
      return BadInput(
          givenOk ? "an entry is not a symbol of the grid." : "a given differs from the solution.",
          givenOk ? "una voce non è un simbolo della griglia."
                  : "un dato iniziale è diverso dalla soluzione.");
    }
  }
  return TExplainer(*g, symbols, givens, entries, solution, notes).Run();
}

TExplanation AtStage(const TExplanation& whole, int stage) {
  if (stage >= kHintStages || whole.FLookEN.empty()) return whole;
  if (whole.FKind == TExplanationKind::Trial && stage >= 2) return whole;
  TExplanation view = whole;
  view.FTextEN = whole.FLookEN;
  view.FTextIT = whole.FLookIT;
  view.FRow = view.FColumn = -1;
  view.FSymbol = 0;
  if (stage <= 1) {
    view.FCells.clear();
    view.FUnits.clear();
  } else {
    std::erase_if(view.FCells,
                  [](const TMarkedCell& c) { return c.FRole == TCellRole::Placement; });
  }
  return view;
}

TExplanation ExplainNextStep(std::int32_t boxSize, std::string_view symbols,
                             const TCharGrid& givens, const TCharGrid& play,
                             const TCharGrid& solution, const TNoteMasks* notes) {
  const TGeometry* g = GeometryFor(boxSize);
  if (g == nullptr || !UsableSymbols(symbols, g->side)) {
    return ExplainNextStep(boxSize, symbols, nullptr, nullptr, nullptr);
  }
  std::array<TCellValue, 256> valueOf;
  valueOf.fill(static_cast<TCellValue>(-2));  // neither a symbol nor a blank
  for (const char blank : BlankChars) valueOf[static_cast<unsigned char>(blank)] = kEmpty;
  for (std::size_t v = 0; v < symbols.size(); ++v) {
    const auto ch = static_cast<unsigned char>(symbols[v]);
    valueOf[ch] = static_cast<TCellValue>(v);
    if (ch >= 'A' && ch <= 'Z') valueOf[ch - 'A' + 'a'] = static_cast<TCellValue>(v);
  }
  std::array<TCellValue, kMaxCells> given{}, entry{}, solved{};
  for (int cell = 0; cell < g->cells; ++cell) {
    const int row = g->Row(cell), column = g->Column(cell);
    const TCellValue gv = valueOf[static_cast<unsigned char>(givens[row][column])];
    const TCellValue pv = valueOf[static_cast<unsigned char>(play[row][column])];
    const TCellValue sv = valueOf[static_cast<unsigned char>(solution[row][column])];
    if (gv == -2 || pv == -2 || sv < 0) {
      const std::string where = "r" + Num(row + 1) + "c" + Num(column + 1);
      return BadInput("the grids hold something other than a symbol at " + where + ".",
                      "le griglie contengono qualcosa che non è un simbolo in " + where + ".");
    }
    given[cell] = gv;
    entry[cell] = gv == kEmpty ? pv : kEmpty;
    solved[cell] = sv;
  }
  std::array<std::uint32_t, kMaxCells> noted{};
  if (notes != nullptr) {
    for (int cell = 0; cell < g->cells; ++cell)
      noted[cell] = (*notes)[g->Row(cell)][g->Column(cell)];
  }
  return ExplainNextStep(boxSize, symbols, given.data(), entry.data(), solved.data(),
                         notes != nullptr ? noted.data() : nullptr);
}

}  // namespace tsdtech
