// The entry rule: what a move makes of the game state, and a step written forward or back.
#include "GameState.h"

std::optional<TStep> InterpretMove(const TGameState& state, std::int32_t boxSize,
                                   std::string_view symbols, const TMove& move) {
  using TKind = TMove::TKind;
  const auto side = static_cast<std::int32_t>(symbols.size());
  if (boxSize <= 0 || side != boxSize * boxSize || side > MaxSide || move.row < 0 ||
      move.column < 0 || move.row >= side || move.column >= side)
    return std::nullopt;
  const bool fill = move.kind == TKind::FillNotes && FillsNotes(state, boxSize, symbols);
  if (state.given[move.row][move.column] != ' ' && move.kind != TKind::FillNotes)
    return std::nullopt;
  // Exactly a symbol of the set: the rule checks compare bytes, so a lower-case letter stored here
  // would never match its symbol.
  const char ch = move.symbol;
  const std::size_t value = ch == '\0' ? std::string_view::npos : symbols.find(ch);
  const TNotes bit = value == std::string_view::npos ? 0 : TNotes{1} << value;
  const bool hasEntry = state.play[move.row][move.column] != ' ';
  switch (move.kind) {
    case TKind::Enter:
      if (ch != ' ' && bit == 0) return std::nullopt;
      break;
    case TKind::Note:
      if (hasEntry || bit == 0) return std::nullopt;
      break;
    case TKind::ClearNotes:
      if (hasEntry) return std::nullopt;
      break;
    case TKind::FillNotes:
      break;
    default:
      return std::nullopt;
  }

  // What the move makes of every cell; an entry takes its symbol out of the notes of its row,
  // column and box, its own cell's included.
  TStep step{move, {}};
  const std::int32_t boxRow = move.row / boxSize;
  const std::int32_t boxColumn = move.column / boxSize;
  for (std::int32_t row = 0; row < side; ++row) {
    for (std::int32_t column = 0; column < side; ++column) {
      const bool self = row == move.row && column == move.column;
      const bool peer = row == move.row || column == move.column ||
                        (row / boxSize == boxRow && column / boxSize == boxColumn);
      const char symbol = state.play[row][column];
      const TNotes notes = state.notes[row][column];
      char symbolAfter = symbol;
      TNotes notesAfter = notes;
      if (move.kind == TKind::Enter) {
        if (self) symbolAfter = ch;
        if (peer) notesAfter = notes & ~bit;
      } else if (move.kind == TKind::FillNotes) {
        if (state.given[row][column] == ' ' && symbol == ' ')
          notesAfter = fill ? AllowedNotes(state, boxSize, symbols, row, column) : 0;
      } else if (self) {
        notesAfter = move.kind == TKind::Note ? notes ^ bit : 0;
      }
      if (symbolAfter != symbol || notesAfter != notes)
        step.changes.push_back({row, column, symbol, symbolAfter, notes, notesAfter});
    }
  }
  return step;
}

void ApplyStep(TGameState& state, const TStep& step, bool forward) {
  for (const TCellChange& change : step.changes) {
    state.play[change.row][change.column] = forward ? change.symbolAfter : change.symbolBefore;
    state.notes[change.row][change.column] = forward ? change.notesAfter : change.notesBefore;
  }
}
