// Harmless variants of a kept file made readable, and games no player could have left refused.
#include "SavedGameChecks.h"

#include <algorithm>
#include <vector>

#include "ExactSolver.h"
#include "PuzzleCatalogue.h"
#include "Texts.h"

std::string NormaliseSavedGameText(std::string_view bytes) {
  // A file cut off at the read limit stays too large, whatever it would shrink to.
  if (bytes.size() > MaxSavedGameBytes) return std::string(bytes);
  constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark)
    bytes.remove_prefix(ByteOrderMark.size());
  std::size_t returns = 0;
  std::size_t crlf = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r') continue;
    ++returns;
    if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++crlf;
  }
  const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  if (returns == 0 || returns != crlf || crlf != lines) return std::string(bytes);
  std::string text;
  text.reserve(bytes.size());
  for (const char ch : bytes)
    if (ch != '\r') text += ch;
  return text;
}

std::optional<TBilingual> ImplausibleSavedGame(const TSavedGame& game) {
  if (game.elapsedMs > MaxPlausibleElapsedMs) return MessageText(TMessage::SavedTooLong);
  const tsdtech::TGeometry* geometry = tsdtech::GeometryFor(game.boxSize);
  const std::string_view symbols = SymbolsOfBoxSize(game.boxSize);
  const auto cells = static_cast<std::size_t>(geometry ? geometry->cells : 0);
  if (!geometry || game.puzzle.size() != cells || game.solution.size() != cells)
    return MessageText(TMessage::SavedWrongSize);
  std::vector<tsdtech::TCellValue> puzzle(cells, tsdtech::kEmpty);
  for (std::size_t cell = 0; cell < cells; ++cell)
    if (const std::size_t k = symbols.find(game.puzzle[cell]); k != std::string_view::npos)
      puzzle[cell] = static_cast<tsdtech::TCellValue>(k);
  std::vector<tsdtech::TCellValue> found(cells, tsdtech::kEmpty);
  tsdtools::TExactSolver solver(*geometry);
  const int solutions = solver.CountSolutions(puzzle.data(), 2, found.data());
  bool same = solutions == 1;
  for (std::size_t cell = 0; same && cell < cells; ++cell)
    same =
        found[cell] >= 0 && symbols[static_cast<std::size_t>(found[cell])] == game.solution[cell];
  if (solutions > 1) return MessageText(TMessage::SavedManySolutions);
  if (!same) return MessageText(TMessage::SavedOtherSolution);
  return std::nullopt;
}

TSavedGameRead LoadKeptGame(std::string_view bytes) {
  const std::string text = NormaliseSavedGameText(bytes);
  TSavedGameRead read = ReadSavedGame(text);
  if (!read.game) return read;
  if (std::optional<TBilingual> reason = ImplausibleSavedGame(*read.game))
    return {std::nullopt, std::move(*reason)};
  return read;
}
