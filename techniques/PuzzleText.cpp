// Puzzle text reading for the command-line tool and the verifier.
#include "PuzzleText.h"

#include "TsdBoard.h"

namespace tsdtools {

namespace {

char Upper(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

std::string Printable(char ch) {
  const auto u = static_cast<unsigned char>(ch);
  if (u >= 32 && u < 127) return std::string("'") + ch + "'";
  static const char* kHex = "0123456789ABCDEF";
  return std::string("byte 0x") + kHex[u >> 4] + kHex[u & 15];
}

std::string Characters(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " character" : " characters");
}

std::string_view TrimLineEnds(std::string_view text) {
  while (!text.empty() && (text.front() == '\n' || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

int BoxForLength(std::size_t length) {
  for (int box = 3; box <= kMaxBox; ++box) {
    if (length == static_cast<std::size_t>(box * box * box * box)) return box;
  }
  return 0;
}

}  // namespace

std::string FindRepeatedGiven(const TGeometry& g, const std::vector<TCellValue>& cells) {
  const std::string_view symbols = SymbolsOfBoxSize(g.box);
  for (int u = 0; u < 3 * g.side; ++u) {
    int firstCell[kMaxSide];
    for (int v = 0; v < g.side; ++v) firstCell[v] = -1;
    for (int k = 0; k < g.side; ++k) {
      const int cell = g.unitCells[u][k];
      const int v = cells[cell];
      if (v == kEmpty) continue;
      if (firstCell[v] >= 0) {
        return std::string("contradictory givens: ") + symbols[v] + " appears twice in " +
               UnitName(g, u) + " (" + CellName(g, firstCell[v]) + " and " + CellName(g, cell) +
               ")";
      }
      firstCell[v] = cell;
    }
  }
  return {};
}

bool ParsePuzzleText(std::string_view text, TPuzzle& puzzle, std::string& error) {
  text = TrimLineEnds(text);
  const int box = BoxForLength(text.size());
  if (box == 0) {
    error = "puzzle text has " + Characters(text.size()) +
            "; expected 81 (9x9), 256 (16x16) or 625 (25x25)";
    return false;
  }
  const TGeometry& g = *GeometryFor(box);
  const std::string_view symbols = SymbolsOfBoxSize(box);
  std::vector<TCellValue> cells(g.cells, kEmpty);
  for (int i = 0; i < g.cells; ++i) {
    const char ch = Upper(text[i]);
    if (BlankChars.find(ch) != std::string_view::npos) continue;
    const std::size_t pos = symbols.find(ch);
    if (pos == std::string_view::npos) {
      error = "unknown character " + Printable(text[i]) + " at " + CellName(g, i) + "; a " +
              std::to_string(g.side) + "x" + std::to_string(g.side) + " puzzle uses " +
              std::string(symbols) + " and . ? - or space for blanks";
      return false;
    }
    cells[i] = static_cast<TCellValue>(pos);
  }
  const std::string repeated = FindRepeatedGiven(g, cells);
  if (!repeated.empty()) {
    error = repeated;
    return false;
  }
  puzzle.box = box;
  puzzle.cells = std::move(cells);
  return true;
}

bool ParseSolutionText(std::string_view text, int box, std::vector<TCellValue>& cells,
                       std::string& error) {
  const TGeometry* g = GeometryFor(box);
  if (g == nullptr) {
    error = "unsupported box size " + std::to_string(box);
    return false;
  }
  if (text.size() != static_cast<std::size_t>(g->cells)) {
    error =
        "solution text has " + Characters(text.size()) + "; expected " + std::to_string(g->cells);
    return false;
  }
  const std::string_view symbols = SymbolsOfBoxSize(box);
  cells.assign(g->cells, kEmpty);
  for (int i = 0; i < g->cells; ++i) {
    const std::size_t pos = symbols.find(text[i]);
    if (pos == std::string_view::npos) {
      error = "solution has " + Printable(text[i]) + " at " + CellName(*g, i) +
              ", which is not one of " + std::string(symbols);
      return false;
    }
    cells[i] = static_cast<TCellValue>(pos);
  }
  return true;
}

std::string ToText(int box, const std::vector<TCellValue>& cells, char blank) {
  const std::string_view symbols = SymbolsOfBoxSize(box);
  std::string text(cells.size(), blank);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (cells[i] >= 0 && static_cast<std::size_t>(cells[i]) < symbols.size()) {
      text[i] = symbols[cells[i]];
    }
  }
  return text;
}

}  // namespace tsdtools
