// The Sudoku rule checks: the board's own solution, and duplicates in a caller's character grid.
#include "TsdBoard.h"

#include "TsdRules.h"

bool TsdBoard::IsSolutionValid() {
  // An empty (unusable) board has no solution to vouch for.
  if (FSide == 0) return false;
  for (std::int32_t row = 0; row < FSide; ++row) {
    for (std::int32_t column = 0; column < FSide; ++column) {
      if (!IsCellValid(row, column)) return false;
    }
  }
  return true;
}

bool TsdBoard::IsCellValid(std::int32_t row, std::int32_t column) {
  const std::int32_t value = FSolution[row][column];
  // The mark keeps the box scan from finding the cell itself.
  FSolution[row][column] = CheckMark;
  const bool clash = RowHasValueBefore(row, column, value) ||
                     ColHasValueAbove(row, column, value) || BoxHasValue(row, column, value);
  FSolution[row][column] = value;
  return !clash;
}

bool TsdBoard::RowHasValueBefore(std::int32_t row, std::int32_t column, std::int32_t value) const {
  for (std::int32_t c = column - 1; c >= 0; --c) {
    if (FSolution[row][c] == value) return true;
  }
  return false;
}

bool TsdBoard::ColHasValueAbove(std::int32_t row, std::int32_t column, std::int32_t value) const {
  for (std::int32_t r = row - 1; r >= 0; --r) {
    if (FSolution[r][column] == value) return true;
  }
  return false;
}

bool TsdBoard::BoxHasValue(std::int32_t row, std::int32_t column, std::int32_t value) const {
  const std::int32_t box = FBoxOfCell[row][column];
  for (std::int32_t r = FBoxTop[box]; r < FBoxTop[box] + FDimension; ++r) {
    for (std::int32_t c = FBoxLeft[box]; c < FBoxLeft[box] + FDimension; ++c) {
      if (FSolution[r][c] == value) return true;
    }
  }
  return false;
}

bool TsdBoard::IsSymbol(char ch) const {
  if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return FSymbols.find(ch) != std::string::npos;
}

bool TsdBoard::RowHasDuplicate(char ch, std::int32_t row, std::int32_t column,
                               const TCharGrid& grid) const {
  if (row < 0 || row >= FSide) return false;
  return TsdRules::RowRepeat(grid, FDimension, ch, row, column).Found();
}

bool TsdBoard::ColHasDuplicate(char ch, std::int32_t row, std::int32_t column,
                               const TCharGrid& grid) const {
  if (column < 0 || column >= FSide) return false;
  return TsdRules::ColumnRepeat(grid, FDimension, ch, row, column).Found();
}

bool TsdBoard::BoxHasDuplicate(char ch, std::int32_t row, std::int32_t column,
                               const TCharGrid& grid) const {
  if (!InBoard(row, column)) return false;
  return TsdRules::BoxRepeat(grid, FDimension, ch, row, column).Found();
}
