// Board geometry, loading of puzzle/solution texts and their export as character grids.
#include "TsdBoard.h"

#include <algorithm>

#include "TsdRandom.h"

namespace {

constexpr std::int32_t MinBoxSize = 1;
constexpr std::int32_t MaxBoxSize = 8;  // 8·8 = 64 still fits MaxSide

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  for (char& ch : result) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return result;
}

std::string BoxSizeMessage(std::int32_t boxSize) {
  return "Box size expected:" + std::to_string(MinBoxSize) + "-" + std::to_string(MaxBoxSize) +
         " received:" + std::to_string(boxSize);
}

}  // namespace

TsdBoard::TsdBoard(std::int32_t boxSize, std::string_view symbols, std::string_view puzzleText,
                   std::string_view solutionText) {
  FDimension = boxSize;
  FError = false;
  FErrorText.clear();
  FTransformKey.clear();
  // A box size the grids cannot hold leaves a 0×0 board: every loop below and in every later
  // call then has nothing to visit, so nothing can reach outside the arrays.
  const bool fits = boxSize >= MinBoxSize && boxSize <= MaxBoxSize;
  FSide = fits ? boxSize * boxSize : 0;
  FBoxCount = FSide;
  FCellCount = FSide * FSide;
  if (!fits) SetError(BoxSizeMessage(boxSize));

  for (std::int32_t row = 0; row < FSide; ++row) {
    for (std::int32_t column = 0; column < FSide; ++column) {
      FPuzzle[row][column] = BlankValue;
      FSolution[row][column] = BlankValue;
    }
  }

  std::int32_t box = 0;
  for (std::int32_t top = 0; top < FSide; top += FDimension) {
    for (std::int32_t left = 0; left < FSide; left += FDimension) {
      FBoxLeft[box] = left;
      FBoxTop[box] = top;
      FBoxRight[box] = left + FDimension;
      FBoxBottom[box] = top + FDimension;
      ++box;
    }
  }
  for (std::int32_t row = 0; row < FSide; ++row) {
    for (std::int32_t column = 0; column < FSide; ++column) {
      FBoxOfCell[row][column] = BoxOfCell(row, column);
    }
  }

  SeedRandom();
  LoadPuzzle(puzzleText, solutionText, symbols);
}

void TsdBoard::SetError(std::string text) {
  FError = true;
  FErrorText = std::move(text);
}

void TsdBoard::SeedRandom() {
  TsdRandom::SeedFromClock();
}

std::int32_t TsdBoard::BoxOfCell(std::int32_t row, std::int32_t column) const {
  for (std::int32_t box = 0; box < FBoxCount; ++box) {
    if (FBoxLeft[box] <= column && column < FBoxRight[box] && FBoxTop[box] <= row &&
        row < FBoxBottom[box]) {
      return box;
    }
  }
  return 0;
}

std::int32_t TsdBoard::CharToValue(char ch) const {
  if (BlankChars.find(ch) != std::string_view::npos) return BlankValue;
  const auto position = FSymbols.find(ch);
  return position == std::string::npos ? BlankValue : static_cast<std::int32_t>(position);
}

void TsdBoard::LoadPuzzle(std::string_view puzzleText, std::string_view solutionText,
                          std::string_view symbols) {
  FSymbols = UpperAscii(symbols);
  FPuzzleText = UpperAscii(puzzleText);
  FSolutionText = UpperAscii(solutionText);

  if (FSide == 0) {
    SetError(BoxSizeMessage(FDimension));
    return;
  }
  const auto expectedSymbols = static_cast<std::size_t>(FDimension) * FDimension;
  if (FSymbols.size() != expectedSymbols) {
    SetError("Chars length expected:" + std::to_string(expectedSymbols) +
             " received:" + std::to_string(FSymbols.size()));
    return;
  }
  const auto cells = static_cast<std::size_t>(FCellCount);
  if (FPuzzleText.size() != cells) {
    SetError("Generator Puzzle dimension expected:" + std::to_string(cells) +
             " received:" + std::to_string(FPuzzleText.size()));
    return;
  }
  if (FSolutionText.size() != cells) {
    SetError("Generator Solution dimension expected:" + std::to_string(cells) +
             " received:" + std::to_string(FSolutionText.size()));
    return;
  }

  for (std::size_t i = 0; i < cells; ++i) {
    const auto row = static_cast<std::int32_t>(i / FSide);
    const auto column = static_cast<std::int32_t>(i % FSide);
    FSolution[row][column] = CharToValue(FSolutionText[i]);
    FPuzzle[row][column] = CharToValue(FPuzzleText[i]);
  }
}

bool TsdBoard::InBoard(std::int32_t row, std::int32_t column) const {
  return row >= 0 && row < FSide && column >= 0 && column < FSide;
}

char TsdBoard::ValueChar(std::int32_t value) const {
  // A later load may have replaced the symbol set with a shorter one while the grids kept their
  // values; such a value shows as empty rather than reading past the set.
  if (value < 0 || static_cast<std::size_t>(value) >= FSymbols.size()) return ' ';
  return FSymbols[static_cast<std::size_t>(value)];
}

char TsdBoard::PuzzleChar(std::int32_t row, std::int32_t column) const {
  return ValueChar(FPuzzle[row][column]);
}

char TsdBoard::SolutionChar(std::int32_t row, std::int32_t column) const {
  return ValueChar(FSolution[row][column]);
}

void TsdBoard::GetPuzzleGrid(TCharGrid& grid) const {
  for (std::int32_t row = 0; row < FSide; ++row) {
    for (std::int32_t column = 0; column < FSide; ++column) {
      grid[row][column] = PuzzleChar(row, column);
    }
  }
}

void TsdBoard::GetSolutionGrid(TCharGrid& grid) const {
  for (std::int32_t row = 0; row < FSide; ++row) {
    for (std::int32_t column = 0; column < FSide; ++column) {
      grid[row][column] = SolutionChar(row, column);
    }
  }
}

std::int32_t TsdBoard::PuzzleValue(std::int32_t row, std::int32_t column) const {
  return InBoard(row, column) ? FPuzzle[row][column] : BlankValue;
}

std::int32_t TsdBoard::SolutionValue(std::int32_t row, std::int32_t column) const {
  return InBoard(row, column) ? FSolution[row][column] : BlankValue;
}
