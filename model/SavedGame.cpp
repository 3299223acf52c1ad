// Writing a saved game, and reading one back with every field checked.
#include "SavedGame.h"

#include <algorithm>
#include <array>

#include "GameState.h"
#include "PuzzleCatalogue.h"
#include "Texts.h"

namespace {

constexpr std::string_view VersionPrefix = "Tessamond saved game ";
constexpr std::string_view Version = "2";
constexpr std::string_view FirstVersion = "1";
constexpr char OpenCell = '.';
constexpr std::string_view CatalogueSource = "catalogue";
constexpr std::string_view OwnSource = "own";

std::string Decimal(std::int64_t value) {
  return std::to_string(value);
}

TSavedGameRead Refuse(TMessage reason, const std::vector<TBilingual>& args = {}) {
  return {std::nullopt, MessageText(reason, args)};
}

TSavedGameRead RefuseAt(int line, TMessage reason, const std::vector<TBilingual>& args = {}) {
  return {std::nullopt,
          MessageText(TMessage::SavedAtLine, {SameText(Decimal(line)), MessageText(reason, args)})};
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

// Decimal digits without leading zeros, at most `limit`.
bool ReadNumber(std::string_view value, std::int64_t limit, std::int64_t& number) {
  if (value.empty() || value.size() > 19 || (value.size() > 1 && value[0] == '0')) return false;
  std::int64_t total = 0;
  for (const char ch : value) {
    if (ch < '0' || ch > '9') return false;
    total = total * 10 + (ch - '0');  // 19 digits at most: checked against the limit below
    if (total > limit) return false;
  }
  number = total;
  return true;
}

bool ReadElapsed(std::string_view value, std::int64_t& ms) {
  return ReadNumber(value, MaxElapsedMs, ms);
}

// Splits "a b" at its first blank: false when there is none.
bool SplitAt(std::string_view value, std::string_view& head, std::string_view& rest) {
  const std::size_t blank = value.find(' ');
  if (blank == std::string_view::npos) return false;
  head = value.substr(0, blank);
  rest = value.substr(blank + 1);
  return true;
}

// "C R" with both below `side`.
bool ReadCell(std::string_view value, std::int64_t side, std::int32_t& column, std::int32_t& row) {
  std::string_view first;
  std::string_view second;
  std::int64_t c = 0;
  std::int64_t r = 0;
  if (!SplitAt(value, first, second) || !ReadNumber(first, side - 1, c) ||
      !ReadNumber(second, side - 1, r))
    return false;
  column = static_cast<std::int32_t>(c);
  row = static_cast<std::int32_t>(r);
  return true;
}

const char* KindWord(TMove::TKind kind) {
  switch (kind) {
    case TMove::TKind::Enter:
      return "enter";
    case TMove::TKind::Note:
      return "note";
    case TMove::TKind::ClearNotes:
      return "clear";
    case TMove::TKind::FillNotes:
      return "fill";
  }
  return "";
}

// One move line: "enter C R X", "note C R X" or "clear C R".
bool ReadMove(std::string_view line, std::string_view symbols, TMove& move) {
  std::string_view word;
  std::string_view rest;
  if (!SplitAt(line, word, rest)) return false;
  const auto side = static_cast<std::int64_t>(symbols.size());
  if (word == "clear" || word == "fill") {
    move = {0, 0, ' ', word == "fill" ? TMove::TKind::FillNotes : TMove::TKind::ClearNotes};
    return ReadCell(rest, side, move.column, move.row);
  }
  const bool enter = word == "enter";
  if (!enter && word != "note") return false;
  // The symbol is the last character, after a blank.
  if (rest.size() < 5 || rest[rest.size() - 2] != ' ') return false;
  const char symbol = rest.back();
  const bool cleared = enter && symbol == OpenCell;
  if (!cleared && symbols.find(symbol) == std::string_view::npos) return false;
  move = {0, 0, cleared ? ' ' : symbol, enter ? TMove::TKind::Enter : TMove::TKind::Note};
  return ReadCell(rest.substr(0, rest.size() - 2), side, move.column, move.row);
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

// The K moves after the start grids. Played from the start grids, every move must change the
// grid, and the first D must give the player's grid and notes.
std::optional<TSavedGameRead> ReadMoves(TLines& lines, std::string_view symbols, std::size_t total,
                                        std::size_t done, TSavedGame& game) {
  const auto side = static_cast<std::int32_t>(symbols.size());
  TGameState state;
  for (std::int32_t row = 0; row < side; ++row)
    for (std::int32_t column = 0; column < side; ++column) {
      const auto cell = static_cast<std::size_t>(row * side + column);
      const char given = game.puzzle[cell];
      const char entry = game.startPlayer[cell];
      state.given[row][column] = given == OpenCell ? ' ' : given;
      state.play[row][column] = entry == OpenCell ? ' ' : entry;
      state.notes[row][column] = game.startNotes[cell];
    }
  std::vector<TStep> steps;
  for (std::size_t k = 0; k < total; ++k) {
    if (lines.AtEnd()) return Refuse(TMessage::SavedTruncated);
    TMove move;
    if (!ReadMove(lines.Next(), symbols, move))
      return RefuseAt(lines.Number(), TMessage::SavedBadMove);
    std::optional<TStep> step = InterpretMove(state, game.boxSize, symbols, move);
    if (!step || step->changes.empty()) return RefuseAt(lines.Number(), TMessage::SavedIdleMove);
    ApplyStep(state, *step, true);
    game.moves.push_back(move);
    steps.push_back(std::move(*step));
  }
  for (std::size_t k = total; k > done; --k) ApplyStep(state, steps[k - 1], false);
  game.done = done;
  for (std::int32_t row = 0; row < side; ++row)
    for (std::int32_t column = 0; column < side; ++column) {
      const auto cell = static_cast<std::size_t>(row * side + column);
      const char entry = game.player[cell] == OpenCell ? ' ' : game.player[cell];
      if (state.play[row][column] != entry || state.notes[row][column] != game.notes[cell])
        return RefuseAt(lines.Number(), TMessage::SavedMovesElsewhere);
    }
  return std::nullopt;
}

}  // namespace

std::string WriteSavedGame(const TSavedGame& game) {
  const std::string_view symbols = SymbolsOfBoxSize(game.boxSize);
  std::string text;
  text.reserve(256 + 4 * game.puzzle.size() + 8 * game.notes.size());
  text.append(VersionPrefix).append(Version).append("\n");
  text.append("box ").append(Decimal(game.boxSize)).append("\n");
  text.append("level ").append(game.level == '\0' ? "-" : std::string(1, game.level)).append("\n");
  text.append("source ")
      .append(game.source == TPuzzleOrigin::Own ? OwnSource : CatalogueSource)
      .append("\n");
  text.append("elapsed-ms ").append(Decimal(game.elapsedMs)).append("\n");
  text.append("marking ").append(game.errorMarking ? "1" : "0").append("\n");
  text.append("notes-mode ").append(game.notesMode ? "1" : "0").append("\n");
  text.append("timer-hidden ").append(game.timerHidden ? "1" : "0").append("\n");
  text.append("font-size ").append(Decimal(game.fontSize)).append("\n");
  text.append("cell ")
      .append(Decimal(game.currentColumn))
      .append(" ")
      .append(Decimal(game.currentRow))
      .append("\n");
  text.append("puzzle ").append(game.puzzle).append("\n");
  text.append("solution ").append(game.solution).append("\n");
  text.append("player ").append(game.player).append("\n");
  const auto writeNotes = [&](const std::vector<TNotes>& notes) {
    for (std::size_t cell = 0; cell < notes.size(); ++cell) {
      if (cell > 0) text += ',';
      for (std::size_t k = 0; k < symbols.size(); ++k)
        if (notes[cell] & (TNotes{1} << k)) text += symbols[k];
    }
    text += '\n';
  };
  text.append("notes ");
  writeNotes(game.notes);
  text.append("moves ")
      .append(Decimal(std::int64_t(game.moves.size())))
      .append(" ")
      .append(Decimal(std::int64_t(game.done)))
      .append("\n");
  text.append("start ").append(game.startPlayer).append("\n");
  text.append("start-notes ");
  writeNotes(game.startNotes);
  for (const TMove& move : game.moves) {
    text.append(KindWord(move.kind))
        .append(" ")
        .append(Decimal(move.column))
        .append(" ")
        .append(Decimal(move.row));
    if (move.kind != TMove::TKind::ClearNotes && move.kind != TMove::TKind::FillNotes)
      text.append(" ").append(1, move.symbol == ' ' ? OpenCell : move.symbol);
    text += '\n';
  }
  return text;
}

TSavedGameRead ReadSavedGame(std::string_view bytes) {
  if (bytes.size() > MaxSavedGameBytes) return Refuse(TMessage::SavedTooLarge);
  if (bytes.empty()) return Refuse(TMessage::SavedEmpty);
  if (bytes.back() != '\n') return Refuse(TMessage::SavedTruncated);

  TLines lines(bytes);
  const std::string_view first = lines.Next();
  if (first.substr(0, VersionPrefix.size()) != VersionPrefix) return Refuse(TMessage::SavedNotOurs);
  const std::string_view version = first.substr(VersionPrefix.size());
  if (version != Version && version != FirstVersion) return Refuse(TMessage::SavedOtherVersion);
  const bool latest = version == Version;

  // The next line must be the field `key`; its value goes to `value`.
  std::string_view value;
  const auto expect = [&](std::string_view key) -> std::optional<TSavedGameRead> {
    if (lines.AtEnd()) return Refuse(TMessage::SavedTruncated);
    if (Field(lines.Next(), key, value)) return std::nullopt;
    return RefuseAt(lines.Number(), TMessage::SavedExpected, {SameText(std::string(key))});
  };
  const auto invalid = [&] { return RefuseAt(lines.Number(), TMessage::SavedBadValue); };
  const auto cells = [&](std::size_t count, std::size_t wanted) {
    return RefuseAt(
        lines.Number(), TMessage::SavedCellCount,
        {SameText(Decimal(std::int64_t(count))), SameText(Decimal(std::int64_t(wanted)))});
  };
  const auto foreign = [&] { return RefuseAt(lines.Number(), TMessage::SavedForeign); };

  TSavedGame game;
  if (auto refused = expect("box")) return *refused;
  if (value.size() != 1 || value[0] < '3' || value[0] > '5') return invalid();
  game.boxSize = value[0] - '0';
  const std::string_view symbols = SymbolsOfBoxSize(game.boxSize);
  const std::size_t count = symbols.size() * symbols.size();

  if (latest) {
    if (auto refused = expect("level")) return *refused;
    if (value == "-") {
      game.level = '\0';
    } else {
      if (value.size() != 1 ||
          std::find(LevelLetters.begin(), LevelLetters.end(), value[0]) == LevelLetters.end())
        return invalid();
      game.level = value[0];
    }
    if (auto refused = expect("source")) return *refused;
    if (value != CatalogueSource && value != OwnSource) return invalid();
    game.source = value == OwnSource ? TPuzzleOrigin::Own : TPuzzleOrigin::Catalogue;
  }
  if (auto refused = expect("elapsed-ms")) return *refused;
  if (!ReadElapsed(value, game.elapsedMs)) return invalid();
  if (auto refused = expect("marking")) return *refused;
  if (!ReadFlag(value, game.errorMarking)) return invalid();
  if (auto refused = expect("notes-mode")) return *refused;
  if (!ReadFlag(value, game.notesMode)) return invalid();
  if (latest) {
    if (auto refused = expect("timer-hidden")) return *refused;
    if (!ReadFlag(value, game.timerHidden)) return invalid();
    if (auto refused = expect("font-size")) return *refused;
    std::int64_t points = 0;
    if (!ReadNumber(value, LargestFontSize, points) || points < SmallestFontSize) return invalid();
    game.fontSize = static_cast<std::int32_t>(points);
    if (auto refused = expect("cell")) return *refused;
    if (!ReadCell(value, std::int64_t(symbols.size()), game.currentColumn, game.currentRow))
      return invalid();
  }

  if (auto refused = expect("puzzle")) return *refused;
  if (value.size() != count) return cells(value.size(), count);
  if (!AllOf(value, symbols, true)) return foreign();
  game.puzzle = value;

  if (auto refused = expect("solution")) return *refused;
  if (value.size() != count) return cells(value.size(), count);
  if (!AllOf(value, symbols, false)) return foreign();
  if (!KeepsTheRules(value, symbols, game.boxSize))
    return RefuseAt(lines.Number(), TMessage::SavedBreaksRules);
  for (std::size_t cell = 0; cell < count; ++cell)
    if (game.puzzle[cell] != OpenCell && game.puzzle[cell] != value[cell])
      return RefuseAt(lines.Number(), TMessage::SavedDisagrees);
  game.solution = value;

  // A player's grid and a notes field, as "player"/"notes" and "start"/"start-notes" hold them.
  const auto readPlayer = [&](std::string_view key,
                              std::string& grid) -> std::optional<TSavedGameRead> {
    if (auto refused = expect(key)) return refused;
    if (value.size() != count) return cells(value.size(), count);
    if (!AllOf(value, symbols, true)) return foreign();
    for (std::size_t cell = 0; cell < count; ++cell)
      if (game.puzzle[cell] != OpenCell && game.puzzle[cell] != value[cell])
        return RefuseAt(lines.Number(), TMessage::SavedGivenChanged);
    grid = value;
    return std::nullopt;
  };
  const auto readNotes = [&](std::string_view key,
                             std::vector<TNotes>& notes) -> std::optional<TSavedGameRead> {
    if (auto refused = expect(key)) return refused;
    const auto fields = static_cast<std::size_t>(std::count(value.begin(), value.end(), ',')) + 1;
    if (fields != count) return cells(fields, count);
    notes.assign(count, 0);
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
        return RefuseAt(lines.Number(), TMessage::SavedBadNotes);
      if (game.puzzle[cell] != OpenCell)
        return RefuseAt(lines.Number(), TMessage::SavedNotesOnGiven);
      notes[cell] |= TNotes{1} << k;
      next = k + 1;
    }
    return std::nullopt;
  };

  if (auto refused = readPlayer("player", game.player)) return *refused;
  if (auto refused = readNotes("notes", game.notes)) return *refused;
  if (!latest) {
    // The moves of an earlier release's game are not known: its history starts where it was left.
    game.startPlayer = game.player;
    game.startNotes = game.notes;
  } else {
    if (auto refused = expect("moves")) return *refused;
    std::string_view first;
    std::string_view second;
    std::int64_t total = 0;
    std::int64_t done = 0;
    if (!SplitAt(value, first, second) || !ReadNumber(first, std::int64_t(MaxSavedMoves), total) ||
        !ReadNumber(second, total, done))
      return invalid();
    if (auto refused = readPlayer("start", game.startPlayer)) return *refused;
    if (auto refused = readNotes("start-notes", game.startNotes)) return *refused;
    if (auto refused = ReadMoves(lines, symbols, static_cast<std::size_t>(total),
                                 static_cast<std::size_t>(done), game))
      return *refused;
  }
  if (!lines.AtEnd()) {
    lines.Next();
    return RefuseAt(lines.Number(),
                    latest ? TMessage::SavedMoreAfterMoves : TMessage::SavedMoreAfterNotes);
  }
  return {std::move(game), {}};
}
