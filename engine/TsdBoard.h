// The Sudoku board: geometry for a box size, loading a puzzle/solution pair, shuffling, rule
// checks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Capacity of every grid: 65 rows × 65 columns; only the top-left S×S corner is used (S = N·N).
inline constexpr int MaxSide = 65;
// Cell value of an empty cell.
inline constexpr std::int32_t BlankValue = -1;
// Held by the solution cell under test during IsSolutionValid, and never seen outside it.
inline constexpr std::int32_t CheckMark = -2;
// The four characters that read as an empty cell in a puzzle text.
inline constexpr std::string_view BlankChars = ".?- ";

// A character grid, indexed [row][column]; a space is an empty cell. The board exports into it and
// the window keeps three of them. Only the S×S corner is ever written by the board.
using TCharGrid = std::array<std::array<char, MaxSide>, MaxSide>;

// A line or band permutation: entry k names the old position whose content moves to position k.
// Only the first N entries are used.
using TPermutation = std::array<std::int32_t, 5>;
// A relabelling of the S symbol values; only the first S entries are used.
using TSymbolPermutation = std::array<std::int32_t, 25>;

// Which kind of permutation GetRandomReorder draws.
enum class TReorderKind { Lines, Bands };

// Constant permutation tables; none contains the identity. Entries are stored as single bytes.
extern const std::uint8_t LinePerms3[2][3];
extern const std::uint8_t BandPerms3[5][3];
extern const std::uint8_t Perms4[9][4];
extern const std::uint8_t Perms5[44][5];

// TsdBoard holds one puzzle with its solution.
//
// Puzzle text: S·S characters, row by row from the top-left cell. Character i is row i / S,
// column i % S. Any of BlankChars is an empty cell; any other character is looked up in the symbol
// set (ASCII letters are upper-cased first) and a character outside the set also loads as empty.
// The content is not validated: only the three lengths are.
//
// Errors: no operation throws. A failed operation sets a sticky error flag (cleared only by
// constructing a new board) and replaces the error text; callers ask HasError and show
// GetErrorText. Every operation stays inside the board's arrays for any argument, including a box
// size outside 1 to 8, which is recorded as an error and leaves an empty (0×0) board.
class TsdBoard {
 public:
  // Builds the geometry, seeds the process-wide generator from the clock and loads the texts.
  TsdBoard(std::int32_t boxSize, std::string_view symbols, std::string_view puzzleText,
           std::string_view solutionText);

  TsdBoard(const TsdBoard&) = delete;
  TsdBoard& operator=(const TsdBoard&) = delete;

  // Replaces the three texts (upper-cased, also when a check then fails) and, when their lengths
  // are right, overwrites both grids.
  void LoadPuzzle(std::string_view puzzleText, std::string_view solutionText,
                  std::string_view symbols);

  bool HasError() const { return FError; }
  std::string GetErrorText() const { return FErrorText; }
  std::int32_t GetSide() const { return FSide; }
  std::int32_t GetDimension() const { return FDimension; }

  // Write the display character of every cell of the S×S corner; the rest of the grid is untouched.
  void GetPuzzleGrid(TCharGrid& grid) const;
  void GetSolutionGrid(TCharGrid& grid) const;

  // Shuffles puzzle and solution alike: lines inside bands, bands, then symbols (box sizes 3–5).
  void Genera();
  std::string GetTransformKey() const { return FTransformKey; }

  // Rule checks. The duplicate tests read the caller's grid only, compare bytes exactly, and answer
  // false for a row or column outside the board.
  bool IsSolutionValid();
  bool IsSymbol(char ch) const;
  bool RowHasDuplicate(char ch, std::int32_t row, std::int32_t column, const TCharGrid& grid) const;
  bool ColHasDuplicate(char ch, std::int32_t row, std::int32_t column, const TCharGrid& grid) const;
  bool BoxHasDuplicate(char ch, std::int32_t row, std::int32_t column, const TCharGrid& grid) const;

  // Box number of a cell, row-band-major; 0 for a cell outside every box.
  std::int32_t BoxOfCell(std::int32_t row, std::int32_t column) const;
  // Cell value of a text character in the current symbol set.
  std::int32_t CharToValue(char ch) const;

  // Read access to the value grids, for tests and tools.
  std::int32_t PuzzleValue(std::int32_t row, std::int32_t column) const;
  std::int32_t SolutionValue(std::int32_t row, std::int32_t column) const;

  // One draw of GetRandomReorder's table lookup, public so the draw order can be tested.
  static TPermutation GetRandomReorder(std::int32_t boxSize, TReorderKind kind);

 private:
  void SetError(std::string text);
  static void SeedRandom();
  char PuzzleChar(std::int32_t row, std::int32_t column) const;
  char SolutionChar(std::int32_t row, std::int32_t column) const;
  char ValueChar(std::int32_t value) const;
  bool InBoard(std::int32_t row, std::int32_t column) const;

  void reorderColsOfGroup(std::int32_t group, const TPermutation& p);
  void reorderRowsOfGroup(std::int32_t group, const TPermutation& p);
  void reorderColGroups(const TPermutation& p);
  void reorderRowGroups(const TPermutation& p);
  TSymbolPermutation RandomPermutation() const;
  void RelabelSymbols();
  void AppendToKey(const TPermutation& p);

  bool IsCellValid(std::int32_t row, std::int32_t column);
  bool RowHasValueBefore(std::int32_t row, std::int32_t column, std::int32_t value) const;
  bool ColHasValueAbove(std::int32_t row, std::int32_t column, std::int32_t value) const;
  bool BoxHasValue(std::int32_t row, std::int32_t column, std::int32_t value) const;

  using TValueGrid = std::array<std::array<std::int32_t, MaxSide>, MaxSide>;
  using TBoxTable = std::array<std::int32_t, MaxSide>;

  bool FError = false;
  std::string FErrorText;
  std::int32_t FDimension = 0;
  std::int32_t FSide = 0;
  TValueGrid FPuzzle{};
  TValueGrid FSolution{};
  TBoxTable FBoxLeft{};
  TBoxTable FBoxTop{};
  TBoxTable FBoxRight{};
  TBoxTable FBoxBottom{};
  std::int32_t FBoxCount = 0;
  std::int32_t FCellCount = 0;
  TValueGrid FBoxOfCell{};
  std::string FSymbols;
  std::string FPuzzleText;
  std::string FSolutionText;
  std::string FTransformKey;
};
