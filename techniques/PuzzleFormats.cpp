// Reading a player's puzzle from the common text forms: one line, a grid with or without
// separators, and the files of other Sudoku programs.
#include "PuzzleFormats.h"

#include <string>

namespace tsdtools {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Blanks = ".-?*_";
constexpr std::string_view CellSeparators = "|+ \t";
constexpr std::string_view RuleCharacters = "-+|=* \t";

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A line that draws the grid's bands rather than holding cells: "-----------", "---+---+---",
// "*-----------*", "=====".
bool IsRule(std::string_view line) {
  return line.find_first_not_of(RuleCharacters) == std::string_view::npos;
}

bool IsSkipped(std::string_view line) {
  if (line.empty() || line.front() == '#') return true;
  if (line.front() == '[' && line.back() == ']') return true;
  return IsRule(line);
}

// The cells of a line, with the characters that only separate them taken out.
std::string CellsOf(std::string_view line) {
  std::string cells;
  for (const char ch : line)
    if (CellSeparators.find(ch) == std::string_view::npos) cells += ch;
  return cells;
}

int BoxOfCellCount(std::size_t count) {
  for (int box = 3; box <= 5; ++box)
    if (count == static_cast<std::size_t>(box * box * box * box)) return box;
  return 0;
}

struct TRow {
  std::string cells;
  std::string firstWord;  // the cells before the first space or tab
  int line = 0;
};

char Upper(char ch) {
  return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
}

}  // namespace

TFormatResult ReadPuzzleFormats(std::string_view text) {
  TFormatResult result;
  if (text.size() > MaxPuzzleInputBytes) {
    result.error = TFormatError::TooLarge;
    return result;
  }
  if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
    text.remove_prefix(ByteOrderMark.size());
  for (const char ch : text) {
    const auto u = static_cast<unsigned char>(ch);
    if ((u < 32 && ch != '\t' && ch != '\r' && ch != '\n') || u == 127) {
      result.error = TFormatError::Binary;
      return result;
    }
  }

  std::vector<TRow> rows;
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trim(line);
    if (IsSkipped(line)) continue;
    const std::size_t wordEnd = line.find_first_of(" \t");
    rows.push_back({CellsOf(line), CellsOf(line.substr(0, wordEnd)), lineNumber});
  }
  if (rows.empty()) {
    result.error = TFormatError::Empty;
    return result;
  }

  // The cells in reading order, each with the line it came from.
  std::string cells;
  std::vector<int> lineOf;
  const auto take = [&](const std::string& part, int line) {
    cells += part;
    lineOf.insert(lineOf.end(), part.size(), line);
  };
  bool square = rows.size() > 1;
  for (const TRow& row : rows) square = square && row.cells.size() == rows.size();
  if (rows.size() == 1 && BoxOfCellCount(rows[0].firstWord.size()) != 0) {
    take(rows[0].firstWord, rows[0].line);
  } else {
    for (const TRow& row : rows) take(row.cells, row.line);
  }
  const int box = BoxOfCellCount(cells.size());
  if (box == 0) {
    result.error = TFormatError::UnknownSize;
    result.cellCount = cells.size();
    result.gridSide = square ? static_cast<int>(rows.size()) : 0;
    return result;
  }

  std::string_view symbols = SymbolsOfBoxSize(box);
  if (box == 4 && cells.find('0') == std::string::npos &&
      cells.find_first_of("Gg") != std::string::npos)
    symbols = "123456789ABCDEFG";
  result.cells.assign(cells.size(), kEmpty);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const char ch = Upper(cells[i]);
    if (Blanks.find(ch) != std::string_view::npos || (box == 3 && ch == '0')) continue;
    const std::size_t value = symbols.find(ch);
    if (value == std::string_view::npos) {
      result.error = TFormatError::BadSymbol;
      result.line = lineOf[i];
      result.character = cells[i];
      result.cellCount = cells.size();
      result.cells.clear();
      return result;
    }
    result.cells[i] = static_cast<TCellValue>(value);
  }
  result.box = box;
  return result;
}

}  // namespace tsdtools
