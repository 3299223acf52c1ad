// libFuzzer target for the puzzle engine: any box size, symbol set and texts, then every operation.
//
// Input format (readable, so that seed files can be written by hand):
//   line 1: box size in decimal (anything that does not parse, or that overflows, is taken as is)
//   line 2: symbol set
//   line 3: puzzle text
//   line 4: solution text
//   rest:   a stream of one-byte operations, each followed by its arguments (see RunOperations).
// Besides running every operation for out-of-bounds reads, the target checks what the engine
// promises on every input: exports stay inside the S×S corner and show only symbols or spaces, the
// rule checks change nothing, and a shuffle of a sound pair keeps it sound.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "TsdBoard.h"
#include "TsdRandom.h"

namespace {

// A broken promise aborts, so that libFuzzer keeps the input and prints the reason.
#define FUZZ_CHECK(cond)                                                                   \
  do {                                                                                     \
    if (!(cond)) {                                                                         \
      std::fprintf(stderr, "fuzz_engine: check failed at line %d: %s\n", __LINE__, #cond); \
      std::abort();                                                                        \
    }                                                                                      \
  } while (0)

constexpr char Sentinel = '\x7f';

class TReader {
 public:
  TReader(const std::uint8_t* data, std::size_t size)
      : FText(reinterpret_cast<const char*>(data), size) {}

  bool AtEnd() const { return FPos >= FText.size(); }

  // Up to the next newline (consumed) or the end.
  std::string_view Line() {
    const std::size_t end = std::min(FText.find('\n', FPos), FText.size());
    const std::string_view line = FText.substr(FPos, end - FPos);
    FPos = end < FText.size() ? end + 1 : end;
    return line;
  }

  std::uint8_t Byte() { return AtEnd() ? 0 : static_cast<std::uint8_t>(FText[FPos++]); }

  std::int32_t Int32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return static_cast<std::int32_t>(value);
  }

 private:
  std::string_view FText;
  std::size_t FPos = 0;
};

// Decimal with an optional sign; wraps like a 32-bit register on overflow, which keeps huge and
// negative box sizes reachable from short text.
std::int32_t ParseBoxSize(std::string_view text) {
  std::uint32_t value = 0;
  bool negative = false;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& ch : result) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  }
  return result;
}

// What the board was last given; the checks below compare against it.
struct TLoaded {
  std::string symbols;
  bool usable = false;  // the last load succeeded on a board without a sticky error
};

void CheckExports(const TsdBoard& board, const TLoaded& loaded) {
  const std::int32_t side = board.GetSide();
  FUZZ_CHECK(side >= 0 && side <= MaxSide);
  TCharGrid puzzle;
  TCharGrid solution;
  for (auto& row : puzzle) row.fill(Sentinel);
  for (auto& row : solution) row.fill(Sentinel);
  board.GetPuzzleGrid(puzzle);
  board.GetSolutionGrid(solution);
  for (std::int32_t row = 0; row < MaxSide; ++row) {
    for (std::int32_t column = 0; column < MaxSide; ++column) {
      const char p = puzzle[row][column];
      const char s = solution[row][column];
      if (row >= side || column >= side) {
        // Outside the corner the caller's grid is never written.
        FUZZ_CHECK(p == Sentinel && s == Sentinel);
        continue;
      }
      // A shown character is a space or a character of the current set.
      FUZZ_CHECK(p == ' ' || loaded.symbols.find(p) != std::string::npos);
      FUZZ_CHECK(s == ' ' || loaded.symbols.find(s) != std::string::npos);
      const std::int32_t pv = board.PuzzleValue(row, column);
      const std::int32_t sv = board.SolutionValue(row, column);
      FUZZ_CHECK(pv >= BlankValue && pv < side);
      FUZZ_CHECK(sv >= BlankValue && sv < side);
    }
  }
}

std::array<std::int32_t, MaxSide * MaxSide> SolutionSnapshot(const TsdBoard& board) {
  std::array<std::int32_t, MaxSide * MaxSide> values{};
  const std::int32_t side = board.GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      values[static_cast<std::size_t>(row * MaxSide + column)] = board.SolutionValue(row, column);
    }
  }
  return values;
}

// True when every given of the puzzle equals the solution's value in the same cell.
bool GivensAgree(const TsdBoard& board) {
  const std::int32_t side = board.GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const std::int32_t given = board.PuzzleValue(row, column);
      if (given != BlankValue && given != board.SolutionValue(row, column)) return false;
    }
  }
  return true;
}

int CountGivens(const TsdBoard& board) {
  int count = 0;
  const std::int32_t side = board.GetSide();
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      if (board.PuzzleValue(row, column) != BlankValue) ++count;
    }
  }
  return count;
}

bool IsValidSolution(TsdBoard& board) {
  const auto before = SolutionSnapshot(board);
  const bool valid = board.IsSolutionValid();
  // The check marks one cell at a time and must put every one back.
  FUZZ_CHECK(before == SolutionSnapshot(board));
  return valid;
}

void CheckKey(const std::string& key, std::int32_t boxSize) {
  const std::size_t groups = static_cast<std::size_t>(2 * boxSize + 2);
  FUZZ_CHECK(key.size() == groups * static_cast<std::size_t>(boxSize) + groups - 1);
  for (std::size_t i = 0; i < key.size(); ++i) {
    const std::size_t inGroup = i % static_cast<std::size_t>(boxSize + 1);
    if (inGroup == static_cast<std::size_t>(boxSize)) {
      FUZZ_CHECK(key[i] == '-');
    } else {
      FUZZ_CHECK(key[i] >= '0' && key[i] < static_cast<char>('0' + boxSize));
    }
  }
}

void RunGenera(TsdBoard& board, const TLoaded& loaded) {
  const bool wasSound =
      loaded.usable && !board.HasError() && IsValidSolution(board) && GivensAgree(board);
  const int givens = CountGivens(board);
  const std::string keyBefore = board.GetTransformKey();
  const bool hadError = board.HasError();
  const std::int32_t boxSize = board.GetDimension();
  board.Genera();
  if (boxSize < 3 || boxSize > 5) {
    // Refused: recorded as an error, the key untouched.
    FUZZ_CHECK(board.HasError());
    FUZZ_CHECK(board.GetTransformKey() == keyBefore);
    return;
  }
  FUZZ_CHECK(board.HasError() == hadError);
  CheckKey(board.GetTransformKey(), boxSize);
  FUZZ_CHECK(CountGivens(board) == givens);
  if (wasSound) {
    FUZZ_CHECK(IsValidSolution(board));
    FUZZ_CHECK(GivensAgree(board));
  }
}

void RunLoad(TsdBoard& board, TLoaded& loaded, std::string_view symbols, std::string_view puzzle,
             std::string_view solution) {
  const bool hadError = board.HasError();
  board.LoadPuzzle(puzzle, solution, symbols);
  loaded.symbols = Upper(symbols);
  const std::int32_t side = board.GetSide();
  const auto cells = static_cast<std::size_t>(side) * static_cast<std::size_t>(side);
  const bool lengthsFit = side > 0 && loaded.symbols.size() == static_cast<std::size_t>(side) &&
                          puzzle.size() == cells && solution.size() == cells;
  // The error flag is sticky, and set exactly when a length is wrong.
  FUZZ_CHECK(board.HasError() == (hadError || !lengthsFit));
  if (!lengthsFit) FUZZ_CHECK(!board.GetErrorText().empty());
  loaded.usable = lengthsFit && !hadError;
}

std::int32_t SmallOrBig(TReader& in) {
  // Mostly nearby rows and columns, sometimes any 32-bit value.
  const std::uint8_t selector = in.Byte();
  if (selector & 0x80) return in.Int32();
  return static_cast<std::int32_t>(static_cast<std::int8_t>(in.Byte()));
}

void RunOperations(TsdBoard& board, TLoaded& loaded, TReader& in) {
  TCharGrid grid;
  for (auto& row : grid) row.fill(' ');
  int budget = 64;  // keeps each input quick however long it is
  while (!in.AtEnd() && budget-- > 0) {
    switch (in.Byte()) {
      case 'G':
        RunGenera(board, loaded);
        break;
      case 'V':
        (void)IsValidSolution(board);
        break;
      case 'E':
        CheckExports(board, loaded);
        break;
      case 'P':  // the grid the duplicate tests read: the board's puzzle, solution, or a text
        switch (in.Byte() % 3) {
          case 0:
            board.GetPuzzleGrid(grid);
            break;
          case 1:
            board.GetSolutionGrid(grid);
            break;
          default: {
            const std::string_view text = in.Line();
            for (std::size_t i = 0; i < text.size() && i < MaxSide * MaxSide; ++i) {
              grid[i / MaxSide][i % MaxSide] = text[i];
            }
          }
        }
        break;
      case 'D': {  // the three duplicate tests, rows and columns anywhere
        const char ch = static_cast<char>(in.Byte());
        const std::int32_t row = SmallOrBig(in);
        const std::int32_t column = SmallOrBig(in);
        const TCharGrid before = grid;
        const bool inRow = board.RowHasDuplicate(ch, row, column, grid);
        const bool inColumn = board.ColHasDuplicate(ch, row, column, grid);
        const bool inBox = board.BoxHasDuplicate(ch, row, column, grid);
        FUZZ_CHECK(before == grid);
        const std::int32_t side = board.GetSide();
        if (row < 0 || row >= side) FUZZ_CHECK(!inRow);
        if (column < 0 || column >= side) FUZZ_CHECK(!inColumn);
        if (row < 0 || row >= side || column < 0 || column >= side) FUZZ_CHECK(!inBox);
        break;
      }
      case 'S': {
        const char ch = static_cast<char>(in.Byte());
        const bool symbol = board.IsSymbol(ch);
        const char upper = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
        FUZZ_CHECK(symbol == (loaded.symbols.find(upper) != std::string::npos));
        (void)board.CharToValue(ch);
        break;
      }
      case 'X': {  // the public lookups, anywhere
        const std::int32_t row = SmallOrBig(in);
        const std::int32_t column = SmallOrBig(in);
        const std::int32_t box = board.BoxOfCell(row, column);
        FUZZ_CHECK(box >= 0 && (box < board.GetSide() || box == 0));
        (void)board.PuzzleValue(row, column);
        (void)board.SolutionValue(row, column);
        break;
      }
      case 'K': {  // a table draw for any box size
        const std::int32_t boxSize = SmallOrBig(in);
        const TPermutation p = TsdBoard::GetRandomReorder(
            boxSize, (in.Byte() & 1) ? TReorderKind::Bands : TReorderKind::Lines);
        for (const std::int32_t entry : p) FUZZ_CHECK(entry >= 0 && entry < 5);
        break;
      }
      case 'L': {  // reload with three new lines: symbols, puzzle, solution
        const std::string_view symbols = in.Line();
        const std::string_view puzzle = in.Line();
        const std::string_view solution = in.Line();
        RunLoad(board, loaded, symbols, puzzle, solution);
        break;
      }
      default:
        break;
    }
  }
}

TsdRandom::TClockReading FixedClock() {
  return {20240101u, 7};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fixed clock makes the constructor's reseed, and with it every shuffle, repeatable per input.
  TsdRandom::SetClockSource(&FixedClock);
  TReader in(data, size);
  const std::int32_t boxSize = ParseBoxSize(in.Line());
  const std::string_view symbols = in.Line();
  const std::string_view puzzle = in.Line();
  const std::string_view solution = in.Line();

  // The board is about 70 KB of arrays: on the heap, as the window keeps it.
  auto* board = new TsdBoard(boxSize, symbols, puzzle, solution);
  const bool fits = boxSize >= 1 && boxSize <= 8;
  FUZZ_CHECK(board->GetSide() == (fits ? boxSize * boxSize : 0));
  if (!fits) FUZZ_CHECK(board->HasError());
  FUZZ_CHECK(board->GetTransformKey().empty());

  TLoaded loaded;
  loaded.symbols = Upper(symbols);
  const auto cells = static_cast<std::size_t>(board->GetSide()) * board->GetSide();
  loaded.usable = fits && loaded.symbols.size() == static_cast<std::size_t>(board->GetSide()) &&
                  puzzle.size() == cells && solution.size() == cells;
  FUZZ_CHECK(board->HasError() == !loaded.usable);

  CheckExports(*board, loaded);
  RunOperations(*board, loaded, in);
  CheckExports(*board, loaded);
  delete board;
  return 0;
}
