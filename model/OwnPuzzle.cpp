// Checking a player's own puzzle: the text read, a plain repeat named, the solutions counted up to
// two, the level found with the ladder.
#include "OwnPuzzle.h"

#include <array>
#include <optional>
#include <vector>

#include "ExactSolver.h"
#include "PuzzleFormats.h"
#include "Texts.h"

namespace {

using tsdtools::kEmpty;
using tsdtools::TCellValue;
using tsdtools::TFormatError;
using tsdtools::TFormatResult;

struct TCancelled {};

TPuzzleCheck Refused(TBilingual message) {
  TPuzzleCheck check;
  check.message = std::move(message);
  return check;
}

std::string Side(int side) {
  return std::to_string(side) + "\u00d7" + std::to_string(side);
}

// What the size's cells may hold, for the message about a character outside them.
TBilingual SymbolsInWords(int box) {
  switch (box) {
    case 3:
      return MessageText(TMessage::OwnSymbols9);
    case 4:
      return MessageText(TMessage::OwnSymbols16);
    default:
      return MessageText(TMessage::OwnSymbols25);
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
      return Refused(MessageText(TMessage::OwnEmpty));
    case TFormatError::TooLarge:
      return Refused(MessageText(TMessage::OwnTooLong));
    case TFormatError::Binary:
      return Refused(MessageText(TMessage::OwnBinary));
    case TFormatError::UnknownSize: {
      if (read.gridSide > 0)
        return Refused(MessageText(TMessage::OwnBadSide, {SameText(Side(read.gridSide))}));
      return Refused(
          MessageText(TMessage::OwnBadCount, {SameText(std::to_string(read.cellCount))}));
    }
    case TFormatError::BadSymbol: {
      return Refused(
          MessageText(TMessage::OwnBadSymbol,
                      {SameText(std::to_string(read.line)), SameText(Shown(read.character)),
                       SameText(Side(sizeOfCells * sizeOfCells)), SymbolsInWords(sizeOfCells)}));
    }
    case TFormatError::None:
      break;
  }
  return Refused({});
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
  static constexpr std::array<TMessage, 3> units = {TMessage::UnitRow, TMessage::UnitColumn,
                                                    TMessage::UnitBox};
  for (int kind = 0; kind < 3; ++kind) {
    for (int unit = 0; unit < side; ++unit) {
      std::uint32_t seen = 0;
      for (int k = 0; k < side; ++k) {
        const TCellValue v = cells[static_cast<std::size_t>(cellOf(kind, unit, k))];
        if (v == kEmpty) continue;
        const std::uint32_t bit = std::uint32_t{1} << v;
        if (seen & bit) {
          return MessageText(TMessage::OwnRepeat,
                             {MessageText(units[static_cast<std::size_t>(kind)]),
                              SameText(std::to_string(unit + 1)),
                              SameText(std::string(1, symbols[static_cast<std::size_t>(v)]))});
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
      return CaptionText(TCaption::LevelSimple);
    case 'M':
      return CaptionText(TCaption::LevelMedium);
    case 'A':
      return CaptionText(TCaption::LevelHigh);
    default:
      return CaptionText(TCaption::LevelBeyond);
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
  if (count == 0) return Refused(MessageText(TMessage::OwnNoSolution));
  if (count > 1) return Refused(MessageText(TMessage::OwnManySolutions));

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
    check.message = MessageText(TMessage::OwnAcceptedBeyond, {needed});
  } else {
    TBilingual hardest;
    if (grade.hardest >= 0 && static_cast<std::size_t>(grade.hardest) < tsdtech::kLadder.size()) {
      const tsdtech::TTechniqueInfo& info =
          tsdtech::kLadder[static_cast<std::size_t>(grade.hardest)];
      hardest = MessageText(TMessage::OwnHardest,
                            {TBilingual{std::string(info.nameIT), std::string(info.name)}});
    }
    check.message = MessageText(TMessage::OwnAcceptedLevel,
                                {level, SameText(std::string(1, check.level)), hardest});
  }
  return check;
}
