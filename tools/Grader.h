// Technique grader: solves like a person would, cheapest technique first, and names the level
// needed.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SudokuGeometry.h"

namespace tsdtools {

// The levels of the catalogue, in ladder order. Beyond: the techniques of all three levels stall.
enum class TLevel : std::uint8_t { Singles = 0, Locked = 1, Subsets = 2, Beyond = 3 };

enum class TTechnique : std::uint8_t {
  NakedSingle,   // a cell with one candidate left takes it
  HiddenSingle,  // a symbol with one possible cell left in a row, column or box goes there
  Pointing,      // a symbol confined to one row (column) inside a box leaves the rest of that line
  Claiming,      // a symbol confined to one box inside a row (column) leaves the rest of that box
  NakedPair,  // two cells of a unit holding the same two candidates: those leave the unit's others
  NakedTriple,  // three cells of a unit whose candidates together are three symbols: likewise
  HiddenPair,   // two symbols confined to the same two cells of a unit: other candidates leave them
};

struct TTechniqueInfo {
  TTechnique technique;
  std::string_view name;
  TLevel level;
};

// The ladder, declared once. The grader always tries the first entry that can make progress and
// goes back to the top after any progress, so a later entry is used only when every earlier one is
// stuck. A level's letter is the catalogue's: E = singles, M = + locked candidates, A = + pairs and
// triples.
inline constexpr std::array<TTechniqueInfo, 7> kLadder = {{
    {TTechnique::NakedSingle, "naked single", TLevel::Singles},
    {TTechnique::HiddenSingle, "hidden single", TLevel::Singles},
    {TTechnique::Pointing, "pointing", TLevel::Locked},
    {TTechnique::Claiming, "claiming", TLevel::Locked},
    {TTechnique::NakedPair, "naked pair", TLevel::Subsets},
    {TTechnique::NakedTriple, "naked triple", TLevel::Subsets},
    {TTechnique::HiddenPair, "hidden pair", TLevel::Subsets},
}};

// The catalogue's letter for each level below Beyond, declared once: E = singles,
// M = + locked candidates, A = + pairs and triples.
inline constexpr std::array<char, 3> kLevelLetters = {'E', 'M', 'A'};

// "E", "M", "A" for the three levels, "beyond" past them.
std::string_view LevelName(TLevel level);
// 'E', 'M', 'A'; '-' for Beyond.
char LevelLetter(TLevel level);
// The level of a catalogue letter ('e' counts as 'E'); Beyond for any other letter.
TLevel LevelOfLetter(char letter);

struct TGradeResult {
  // The lowest level whose techniques complete the puzzle; Beyond when the allowed ones stall.
  TLevel level = TLevel::Beyond;
  // The ladder index of the highest technique that made progress; -1 when none was needed.
  int hardest = -1;
  // The givens contradict each other, or a deduction emptied a cell: the puzzle has no solution.
  bool contradiction = false;
  // The grid as far as the techniques got (complete when level is not Beyond).
  std::vector<TCellValue> cells;
  // For each level: the grid at the moment a technique of that level first made progress, i.e. the
  // point where the cheaper levels stalled. Empty for a level that was never used.
  std::array<std::vector<TCellValue>, 3> stalledBefore;
};

// One grader per thread; Grade may be called any number of times.
class TGrader {
 public:
  explicit TGrader(const TGeometry& geometry);

  // Grades `puzzle` (g.cells values, kEmpty for blanks) using techniques up to `ceiling`. When
  // `steps` is not null, every deduction that changed something is appended as one line, e.g.
  // "hidden single: 7 in box 4 → r5c3".
  TGradeResult Grade(const TCellValue* puzzle, TLevel ceiling = TLevel::Subsets,
                     std::vector<std::string>* steps = nullptr);

  // Called after every technique that changed something, with the grader in its new state. For
  // tests that watch each deduction.
  using TStepObserver = void (*)(void* context, const TGrader& grader, TTechnique technique);
  void SetObserver(TStepObserver observer, void* context) {
    FObserver = observer;
    FObserverContext = context;
  }

  // Hand-driving, for tests: Load places the givens (false on contradiction), SetCandidates
  // narrows one empty cell to a mask, Step applies one technique once.
  bool Load(const TCellValue* puzzle);
  void SetCandidates(int cell, TMask mask) { FCand[cell] = mask; }
  bool Step(TTechnique technique) { return Apply(technique); }

  // The state after the last Grade, Load or Step: candidates (0 for filled cells) and values.
  const std::vector<TMask>& Candidates() const { return FCand; }
  const std::vector<TCellValue>& Values() const { return FValue; }

 private:
  bool Apply(TTechnique technique);
  void Place(int cell, int value);
  bool Eliminate(int cell, TMask bits);
  bool NakedSingles();
  bool HiddenSingles();
  bool Pointing();
  bool Claiming();
  bool NakedPairs();
  bool NakedTriples();
  bool HiddenPairs();
  std::string Sym(int value) const;
  std::string SymSet(TMask mask) const;
  void Note(std::string line);

  const TGeometry& FGeometry;
  std::string_view FSymbols;
  std::vector<TCellValue> FValue;
  std::vector<TMask> FCand;
  int FFilled = 0;
  bool FContradiction = false;
  std::vector<std::string>* FSteps = nullptr;
  TStepObserver FObserver = nullptr;
  void* FObserverContext = nullptr;
};

}  // namespace tsdtools
