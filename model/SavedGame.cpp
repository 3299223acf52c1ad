// Writing a saved game, and reading one back with every field checked.
#include "SavedGame.h"

#include <algorithm>
#include <array>

#include "PuzzleCatalogue.h"

namespace {

constexpr std::string_view VersionPrefix = "Tessamond saved game ";
constexpr std::string_view Version = "2";
// Saves of version 1 have no level and origin lines: a catalogue puzzle of level E.
constexpr std::string_view FirstVersion = "1";
constexpr char OpenCell = '.';

std::string Decimal(std::int64_t value) {
  return std::to_string(value);
}

TSavedGameRead Refuse(std::string italian, std::string english) {
  return {std::nullopt, {std::move(italian), std::move(english)}};
}

TSavedGameRead RefuseAt(int line, const std::string& italian, const std::string& english) {
  const std::string n = Decimal(line);
  return Refuse("riga " + n + ": " + italian, "line " + n + ": " + english);
}

// The lines of the file, each without its "\n".
class TLines {
 public:
  explicit TLines(std::string_view text) : FText(text) {}
  bool AtEnd() const { return FPos >= FText.size(); }
  int Number() const { return FNumber; }
  std::string_view Next() {
    const std::size_t end = FText.find('\n', FPos);
    const std::string_view line = FText.substr(FPos, end - FPos);
    FPos = end + 1;  // every line ends with "\n": checked before the first read
    ++FNumber;
    return line;
  }

 private:
  std::string_view FText;
  std::size_t FPos = 0;
  int FNumber = 0;
};

// The value of a "key value" line, or false when the line has another key.
bool Field(std::string_view line, std::string_view key, std::string_view& value) {
  if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ')
    return false;
  value = line.substr(key.size() + 1);
  return true;
}

bool ReadFlag(std::string_view value, bool& flag) {
  if (value != "0" && value != "1") return false;
  flag = value == "1";
  return true;
}

bool ReadElapsed(std::string_view value, std::int64_t& ms) {
  if (value.empty() || value.size() > 19 || (value.size() > 1 && value[0] == '0')) return false;
  std::int64_t total = 0;
  for (const char ch : value) {
    if (ch < '0' || ch > '9') return false;
    total = total * 10 + (ch - '0');  // 19 digits at most: checked against the limit below
    if (total > MaxElapsedMs) return false;
  }
  ms = total;
  return true;
}

// Each row, column and box holds every symbol once: with S·S symbols of a set of S, no repeat in
// any of them is enough.
bool KeepsTheRules(std::string_view solution, std::string_view symbols, int boxSize) {
  const auto side = static_cast<int>(symbols.size());
  std::array<TNotes, 25> rows{};
  std::array<TNotes, 25> columns{};
  std::array<TNotes, 25> boxes{};
  for (int cell = 0; cell < side * side; ++cell) {
    const int row = cell / side;
    const int column = cell % side;
    const int box = (row / boxSize) * boxSize + column / boxSize;
    const TNotes bit = TNotes{1} << symbols.find(solution[static_cast<std::size_t>(cell)]);
    if ((rows[row] | columns[column] | boxes[box]) & bit) return false;
    rows[row] |= bit;
    columns[column] |= bit;
    boxes[box] |= bit;
  }
  return true;
}

bool AllOf(std::string_view text, std::string_view symbols, bool openAllowed) {
  for (const char ch : text) {
    const bool open = openAllowed && ch == OpenCell;
    if (!open && symbols.find(ch) == std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

std::string WriteSavedGame(const TSavedGame& game) {
  const std::string_view symbols = SymbolsOfBoxSize(game.boxSize);
  std::string text;
  text.reserve(256 + 4 * game.puzzle.size() + 8 * game.notes.size());
  text.append(VersionPrefix).append(Version).append("\n");
  text.append("box ").append(Decimal(game.boxSize)).append("\n");
  text.append("elapsed-ms ").append(Decimal(game.elapsedMs)).append("\n");
  text.append("marking ").append(game.errorMarking ? "1" : "0").append("\n");
  text.append("notes-mode ").append(game.notesMode ? "1" : "0").append("\n");
  text.append("puzzle ").append(game.puzzle).append("\n");
  text.append("solution ").append(game.solution).append("\n");
  text.append("player ").append(game.player).append("\n");
  text.append("notes ");
  for (std::size_t cell = 0; cell < game.notes.size(); ++cell) {
    if (cell > 0) text += ',';
    for (std::size_t k = 0; k < symbols.size(); ++k)
      if (game.notes[cell] & (TNotes{1} << k)) text += symbols[k];
  }
  text += '\n';
  text.append("level ").append(1, game.level).append("\n");
  text.append("origin ").append(game.ownPuzzle ? "own" : "catalogue").append("\n");
  return text;
}

TSavedGameRead ReadSavedGame(std::string_view bytes) {
  if (bytes.size() > MaxSavedGameBytes) return Refuse("troppo grande", "too large");
  if (bytes.empty()) return Refuse("vuoto", "empty");
  if (bytes.back() != '\n') return Refuse("troncato", "truncated");

  TLines lines(bytes);
  const std::string_view first = lines.Next();
  if (first.substr(0, VersionPrefix.size()) != VersionPrefix)
    return Refuse("non \u00e8 una partita di Tessamond", "not a Tessamond game");
  const std::string_view version = first.substr(VersionPrefix.size());
  if (version != Version && version != FirstVersion)
    return Refuse("di un'altra versione", "from another version");

  // The next line must be the field `key`; its value goes to `value`.
  std::string_view value;
  const auto expect = [&](std::string_view key) -> std::optional<TSavedGameRead> {
    if (lines.AtEnd()) return Refuse("troncato", "truncated");
    if (Field(lines.Next(), key, value)) return std::nullopt;
    const std::string k(key);
    return RefuseAt(lines.Number(), "atteso \"" + k + "\"", "\"" + k + "\" expected");
  };
  const auto invalid = [&] { return RefuseAt(lines.Number(), "valore non valido", "bad value"); };
  const auto cells = [&](std::size_t count, std::size_t wanted) {
    return RefuseAt(
        lines.Number(),
        Decimal(std::int64_t(count)) + " caselle invece di " + Decimal(std::int64_t(wanted)),
        Decimal(std::int64_t(count)) + " cells instead of " + Decimal(std::int64_t(wanted)));
  };
  const auto foreign = [&] {
    return RefuseAt(lines.Number(), "carattere estraneo", "a character that is no symbol");
  };

  TSavedGame game;
  if (auto refused = expect("box")) return *refused;
  if (value.size() != 1 || value[0] < '3' || value[0] > '5') return invalid();
  game.boxSize = value[0] - '0';
  const std::string_view symbols = SymbolsOfBoxSize(game.boxSize);
  const std::size_t count = symbols.size() * symbols.size();

  if (auto refused = expect("elapsed-ms")) return *refused;
  if (!ReadElapsed(value, game.elapsedMs)) return invalid();
  if (auto refused = expect("marking")) return *refused;
  if (!ReadFlag(value, game.errorMarking)) return invalid();
  if (auto refused = expect("notes-mode")) return *refused;
  if (!ReadFlag(value, game.notesMode)) return invalid();

  if (auto refused = expect("puzzle")) return *refused;
  if (value.size() != count) return cells(value.size(), count);
  if (!AllOf(value, symbols, true)) return foreign();
  game.puzzle = value;

  if (auto refused = expect("solution")) return *refused;
  if (value.size() != count) return cells(value.size(), count);
  if (!AllOf(value, symbols, false)) return foreign();
  if (!KeepsTheRules(value, symbols, game.boxSize))
    return RefuseAt(lines.Number(), "la soluzione viola le regole",
                    "the solution breaks the rules");
  for (std::size_t cell = 0; cell < count; ++cell)
    if (game.puzzle[cell] != OpenCell && game.puzzle[cell] != value[cell])
      return RefuseAt(lines.Number(), "la soluzione contraddice le caselle date",
                      "the solution disagrees with the givens");
  game.solution = value;

  if (auto refused = expect("player")) return *refused;
  if (value.size() != count) return cells(value.size(), count);
  if (!AllOf(value, symbols, true)) return foreign();
  for (std::size_t cell = 0; cell < count; ++cell)
    if (game.puzzle[cell] != OpenCell && game.puzzle[cell] != value[cell])
      return RefuseAt(lines.Number(), "una casella data \u00e8 cambiata", "a given was changed");
  game.player = value;

  if (auto refused = expect("notes")) return *refused;
  const auto fields = static_cast<std::size_t>(std::count(value.begin(), value.end(), ',')) + 1;
  if (fields != count) return cells(fields, count);
  game.notes.assign(count, 0);
  std::size_t cell = 0;
  std::size_t next = 0;  // the lowest symbol position the cell may still note
  for (const char ch : value) {
    if (ch == ',') {
      ++cell;
      next = 0;
      continue;
    }
    const std::size_t k = symbols.find(ch);
    if (k == std::string_view::npos || k < next)
      return RefuseAt(lines.Number(), "note non valide", "notes out of order or no symbols");
    if (game.puzzle[cell] != OpenCell)
      return RefuseAt(lines.Number(), "note su una casella data", "notes on a given");
    game.notes[cell] |= TNotes{1} << k;
    next = k + 1;
  }

  if (version == Version) {
    if (auto refused = expect("level")) return *refused;
    if (value.size() != 1 || std::string_view("EMA-").find(value[0]) == std::string_view::npos)
      return invalid();
    game.level = value[0];
    if (auto refused = expect("origin")) return *refused;
    if (value != "own" && value != "catalogue") return invalid();
    game.ownPuzzle = value == "own";
  }
  if (!lines.AtEnd()) {
    lines.Next();
    return RefuseAt(lines.Number(), "altro dopo l'ultima riga", "more after the last line");
  }
  return {std::move(game), {}};
}
