// Checking a player's own puzzle: the text read, a plain repeat named, the solutions counted up to
// two, the level found with the ladder.
#include "OwnPuzzle.h"

#include <array>
#include <optional>
#include <vector>

#include "ExactSolver.h"
#include "PuzzleFormats.h"

namespace {

using tsdtools::kEmpty;
using tsdtools::TCellValue;
using tsdtools::TFormatError;
using tsdtools::TFormatResult;

struct TCancelled {};

TPuzzleCheck Refused(std::string italian, std::string english) {
  TPuzzleCheck check;
  check.message = {std::move(italian), std::move(english)};
  return check;
}

std::string Side(int side) {
  return std::to_string(side) + "\u00d7" + std::to_string(side);
}

// What the size's cells may hold, for the message about a character outside them.
TBilingual SymbolsInWords(int box) {
  switch (box) {
    case 3:
      return {"1\u20139, con . o 0 per una casella vuota", "1\u20139, with . or 0 for a blank"};
    case 4:
      return {"0\u20139 e A\u2013F (oppure 1\u20139 e A\u2013G), con . per una casella vuota",
              "0\u20139 and A\u2013F (or 1\u20139 and A\u2013G), with . for a blank"};
    default:
      return {"A\u2013Y, con . per una casella vuota", "A\u2013Y, with . for a blank"};
  }
}

std::string Shown(char ch) {
  const auto u = static_cast<unsigned char>(ch);
  if (u >= 32 && u < 127) return std::string("\u201c") + ch + "\u201d";
  static const char* hex = "0123456789ABCDEF";
  return std::string("0x") + hex[u >> 4] + hex[u & 15];
}

TPuzzleCheck RefusedFormat(const TFormatResult& read, int sizeOfCells) {
  switch (read.error) {
    case TFormatError::Empty:
      return Refused("Non c'\u00e8 nessun sudoku da leggere: il testo \u00e8 vuoto.",
                     "There is no puzzle to read: the text is empty.");
    case TFormatError::TooLarge:
      return Refused("Questo testo \u00e8 troppo lungo per essere un sudoku.",
                     "This text is too long to be a puzzle.");
    case TFormatError::Binary:
      return Refused("Questo non \u00e8 il testo di un sudoku: contiene dati binari.",
                     "This is not the text of a puzzle: it holds binary data.");
    case TFormatError::UnknownSize: {
      if (read.gridSide > 0) {
        const std::string side = Side(read.gridSide);
        return Refused("Una griglia " + side +
                           " non \u00e8 una misura di questo gioco (9\u00d79, 16\u00d716, "
                           "25\u00d725).",
                       "A " + side +
                           " grid is not a size this game plays (9\u00d79, 16\u00d716, "
                           "25\u00d725).");
      }
      const std::string n = std::to_string(read.cellCount);
      return Refused("Il testo contiene " + n +
                         " caselle; un sudoku ne ha 81 (9\u00d79), 256 (16\u00d716) o 625 "
                         "(25\u00d725).",
                     "The text holds " + n +
                         " cells; a puzzle has 81 (9\u00d79), 256 (16\u00d716) or 625 "
                         "(25\u00d725).");
    }
    case TFormatError::BadSymbol: {
      const std::string line = std::to_string(read.line);
      const TBilingual allowed = SymbolsInWords(sizeOfCells);
      const std::string side = Side(sizeOfCells * sizeOfCells);
      return Refused("Riga " + line + ": " + Shown(read.character) +
                         " non \u00e8 un simbolo di un sudoku " + side + " (" + allowed.italian +
                         ").",
                     "Line " + line + ": " + Shown(read.character) + " is not a symbol of a " +
                         side + " puzzle (" + allowed.english + ").");
    }
    case TFormatError::None:
      break;
  }
  return Refused("", "");
}

// The first symbol repeated in a row, a column or a box, in that order, as the reason the puzzle
// has no solution; nothing when no unit repeats one.
std::optional<TBilingual> PlainRepeat(int box, const std::vector<TCellValue>& cells) {
  const int side = box * box;
  const std::string_view symbols = SymbolsOfBoxSize(box);
  const auto cellOf = [&](int kind, int unit, int k) {
    if (kind == 0) return unit * side + k;
    if (kind == 1) return k * side + unit;
    return (unit / box * box + k / box) * side + unit % box * box + k % box;
  };
  static constexpr std::array<const char*, 3> italian = {"la riga ", "la colonna ", "il riquadro "};
  static constexpr std::array<const char*, 3> english = {"row ", "column ", "box "};
  for (int kind = 0; kind < 3; ++kind) {
    for (int unit = 0; unit < side; ++unit) {
      std::uint32_t seen = 0;
      for (int k = 0; k < side; ++k) {
        const TCellValue v = cells[static_cast<std::size_t>(cellOf(kind, unit, k))];
        if (v == kEmpty) continue;
        const std::uint32_t bit = std::uint32_t{1} << v;
        if (seen & bit) {
          const std::string n = std::to_string(unit + 1);
          const std::string symbol(1, symbols[static_cast<std::size_t>(v)]);
          return TBilingual{std::string("Questo sudoku non ha soluzione: ") + italian[kind] + n +
                                " ha gi\u00e0 un " + symbol,
                            std::string("This puzzle has no solution: ") + english[kind] + n +
                                " already has a " + symbol};
        }
        seen |= bit;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

TBilingual LevelWords(char level) {
  switch (level) {
    case 'E':
      return {"Semplice", "Simple"};
    case 'M':
      return {"Medio", "Medium"};
    case 'A':
      return {"Alto", "high"};
    default:
      return {"oltre Alto", "beyond high"};
  }
}

TBilingual NeededTechnique(const tsdtools::TGeometry& geometry,
                           const tsdtools::TCellValue* puzzle) {
  // The game's levels stop at the hidden pair; the whole ladder says which rung past them the
  // puzzle asks for, or that only trial and error finishes it.
  const tsdtools::TPuzzleRating rating = tsdtools::RatePuzzle(geometry, puzzle);
  return {rating.nameIT, rating.nameEN};
}

TPuzzleCheck CheckPuzzleText(std::string_view text, const std::atomic<bool>* cancel) {
  const TFormatResult read = tsdtools::ReadPuzzleFormats(text);
  if (read.error != TFormatError::None) {
    // A character outside the set is named against the size its cell count gives.
    int box = 3;
    for (int b = 3; b <= 5; ++b)
      if (read.cellCount == static_cast<std::size_t>(b * b * b * b)) box = b;
    return RefusedFormat(read, box);
  }
  const int box = read.box;
  if (std::optional<TBilingual> repeat = PlainRepeat(box, read.cells)) {
    TPuzzleCheck check;
    check.message = std::move(*repeat);
    return check;
  }

  const tsdtools::TGeometry& geometry = *tsdtools::GeometryFor(box);
  std::vector<TCellValue> solution(read.cells.size(), kEmpty);
  int count = 0;
  {
    tsdtools::TExactSolver solver(geometry);
    if (cancel) {
      solver.SetProgress([cancel](long) {
        if (cancel->load(std::memory_order_relaxed)) throw TCancelled{};
      });
    }
    try {
      count = solver.CountSolutions(read.cells.data(), 2, solution.data());
    } catch (const TCancelled&) {
      TPuzzleCheck check;
      check.verdict = TPuzzleCheck::TVerdict::Cancelled;
      return check;
    }
  }
  if (count == 0) return Refused("Questo sudoku non ha soluzione.", "This puzzle has no solution.");
  if (count > 1)
    return Refused("Questo sudoku ha pi\u00f9 di una soluzione; aggiungi dei numeri dati",
                   "This puzzle has more than one solution; add givens");

  tsdtools::TGrader grader(geometry);
  const tsdtools::TGradeResult grade = grader.Grade(read.cells.data());
  TPuzzleCheck check;
  check.verdict = TPuzzleCheck::TVerdict::Accepted;
  check.boxSize = box;
  check.level = tsdtools::LevelLetter(grade.level);
  if (check.level != 'E' && check.level != 'M' && check.level != 'A') check.level = BeyondLevel;
  const std::string_view symbols = SymbolsOfBoxSize(box);
  for (std::size_t i = 0; i < read.cells.size(); ++i) {
    check.puzzle +=
        read.cells[i] == kEmpty ? '.' : symbols[static_cast<std::size_t>(read.cells[i])];
    check.solution += symbols[static_cast<std::size_t>(solution[i])];
  }
  const TBilingual level = LevelWords(check.level);
  if (check.level == BeyondLevel) {
    const TBilingual needed = NeededTechnique(geometry, read.cells.data());
    check.message = {"Sudoku accettato: una sola soluzione, oltre i livelli del gioco (serve " +
                         needed.italian + ").",
                     "Puzzle accepted: one solution, beyond the game's levels (it needs " +
                         needed.english + ")."};
  } else {
    std::string hardestIT;
    std::string hardestEN;
    if (grade.hardest >= 0 && static_cast<std::size_t>(grade.hardest) < tsdtech::kLadder.size()) {
      const tsdtech::TTechniqueInfo& info =
          tsdtech::kLadder[static_cast<std::size_t>(grade.hardest)];
      hardestIT = "; tecnica pi\u00f9 difficile: " + std::string(info.nameIT);
      hardestEN = "; hardest technique: " + std::string(info.name);
    }
    check.message = {"Sudoku accettato: una sola soluzione, livello " + level.italian + " (" +
                         check.level + hardestIT + ").",
                     "Puzzle accepted: one solution, level " + level.english + " (" + check.level +
                         hardestEN + ")."};
  }
  return check;
}
