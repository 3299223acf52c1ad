// The spoken forms of what the player hears: entries, settings, views and message boxes.
#include "SpokenTexts.h"

#include <cctype>
#include <optional>

namespace {

TBilingual Join(const TBilingual& first, const TBilingual& second) {
  if (second.english.empty()) return first;
  return {first.italian + ". " + second.italian, first.english + ". " + second.english};
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// Signs Orca reads aloud at its default punctuation level ("most"); a comma, a full stop, "!" and
// "?" are pauses.
bool ReadAloud(char ch) {
  return std::string_view("\"():;<>[]\\|`~{}_#$%&*+/=@^").find(ch) != std::string_view::npos;
}

// The number right after `marker` in text, skipping blanks and read-aloud signs before it.
std::optional<long> NumberAfter(std::string_view text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t i = at + marker.size();
  while (i < text.size() && (text[i] == ' ' || ReadAloud(text[i]))) ++i;
  if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value > 100'000'000) return std::nullopt;  // no elapsed time comes near
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The symbol between the hint's two colons: "… is :7: ".
std::optional<std::string> HintSymbol(std::string_view text, std::string_view prefix) {
  if (!StartsWith(text, prefix) || text.size() < prefix.size() + 2) return std::nullopt;
  if (text[prefix.size() + 1] != ':') return std::nullopt;
  return std::string(1, text[prefix.size()]);
}

}  // namespace

TBilingual SpokenPlace(std::int32_t row, std::int32_t column) {
  const std::string r = std::to_string(row + 1);
  const std::string c = std::to_string(column + 1);
  return {"Riga " + r + ", colonna " + c, "Row " + r + ", column " + c};
}

TBilingual SpokenEntry(const TCellView& before, const TCellView& after, std::string_view notes) {
  if (before.given) return {"Dato iniziale, non si pu\u00f2 cambiare", "Given, cannot be changed"};
  if (after.symbol != ' ') {
    const std::string symbol(1, after.symbol);
    if (after.conflict) return {symbol + ", in conflitto", symbol + ", conflict"};
    return {symbol, symbol};
  }
  if (before.symbol != ' ') return {"Cancellata", "Cleared"};
  if (!notes.empty()) {
    std::string spaced;
    for (const char note : notes) {
      spaced += ' ';
      spaced += note;
    }
    return {"Note" + spaced, "Notes" + spaced};
  }
  if (before.notes != 0) return {"Nessuna nota", "No notes"};
  return {"Vuota", "Empty"};
}

TBilingual SpokenUndo(bool redo, const TBilingual& cellName) {
  return Join(redo ? TBilingual{"Rifatto", "Redone"} : TBilingual{"Annullato", "Undone"}, cellName);
}

TBilingual SpokenSetting(TSpokenSetting setting, bool on) {
  switch (setting) {
    case TSpokenSetting::Notes:
      return on ? TBilingual{"Note attive", "Notes on"}
                : TBilingual{"Note disattivate", "Notes off"};
    case TSpokenSetting::ErrorMarking:
      return on ? TBilingual{"Controllo errori attivo", "Error marking on"}
                : TBilingual{"Controllo errori disattivato", "Error marking off"};
    case TSpokenSetting::Clock:
      return on ? TBilingual{"Orologio nascosto", "Clock hidden"}
                : TBilingual{"Orologio visibile", "Clock shown"};
  }
  return {};
}

TBilingual SpokenStateChange(GameState before, GameState after, const TBilingual& cellName) {
  if (before == after) return {};
  switch (after) {
    case GameState::gsPlaying:
      if (before == GameState::gsPlayingSolution)
        return Join({"La tua partita", "Your game shown"}, cellName);
      return Join({"Partita iniziata", "Game started"}, cellName);
    case GameState::gsSolutionView:
    case GameState::gsPlayingSolution:
      return Join({"Soluzione mostrata", "Solution shown"}, cellName);
    case GameState::gsPuzzleView:
      if (before == GameState::gsPlaying || before == GameState::gsPlayingSolution)
        return Join({"Partita abbandonata", "Game ended"}, cellName);
      return Join({"Schema mostrato", "Puzzle shown"}, cellName);
    case GameState::gsEmpty:
      break;
  }
  return {};
}

TBilingual SpokenNewPuzzle(std::int32_t side, const TBilingual& cellName) {
  const std::string n = std::to_string(side);
  return Join({"Nuovo schema " + n + "\u00d7" + n, "New puzzle " + n + "\u00d7" + n}, cellName);
}

TBilingual SpokenElapsed(const TElapsed& elapsed) {
  const auto count = [](std::int64_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  return {count(elapsed.hours, "ora", "ore") + ", " + count(elapsed.minutes, "minuto", "minuti") +
              " e " + count(elapsed.seconds, "secondo", "secondi"),
          count(elapsed.hours, "hour", "hours") + ", " +
              count(elapsed.minutes, "minute", "minutes") + " and " +
              count(elapsed.seconds, "second", "seconds")};
}

std::string SpokenForm(std::string_view shown) {
  std::string spoken;
  // A pause where the text had a sign; a run of them is one pause, a full stop or "!" winning
  // over a comma ("box)." → "box.").
  const auto pause = [&spoken](char sign) {
    while (!spoken.empty() && spoken.back() == ' ') spoken.pop_back();
    if (spoken.empty()) return;
    if (std::string_view(".!?,").find(spoken.back()) == std::string_view::npos)
      spoken += sign;
    else if (spoken.back() == ',' && sign != ',')
      spoken.back() = sign;
    spoken += ' ';
  };
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const char ch = shown[i];
    if (ch == '\r' || ch == '\n') {
      pause('.');  // "Congratulations !" already ends with one
    } else if (ch == ':' || ch == ';' || ch == '(' || ch == ')') {
      pause(',');  // "finished: press" → "finished, press"
    } else if (ch == '!' || ch == '?' || ch == '.' || ch == ',') {
      if (!spoken.empty() && spoken.back() == ' ') {
        pause(ch);  // "Quit the current game ?" → "… game?"
      } else {
        spoken += ch;
      }
    } else if (ReadAloud(ch) || (ch == '-' && (i == 0 || shown[i - 1] == ' '))) {
      // A dash inside a word ("Ctrl-Z") stays; a lone one is read.
      if (!spoken.empty() && spoken.back() != ' ') spoken += ' ';
    } else if (ch == ' ') {
      if (!spoken.empty() && spoken.back() != ' ') spoken += ' ';
    } else {
      spoken += ch;
    }
  }
  while (!spoken.empty() && (spoken.back() == ' ' || spoken.back() == ',')) spoken.pop_back();
  return spoken;
}

TBilingual SpokenMessage(const TBilingual& shown) {
  const std::string_view it = shown.italian;
  const std::string_view en = shown.english;
  // The hint names "this box", which is a region of the grid too: it means the cell.
  const std::optional<std::string> symbol = HintSymbol(en, "For this box the best symbol is :");
  if (symbol && HintSymbol(it, "Per questa casella il miglior simbolo e' :"))
    return {"Il simbolo giusto per questa casella \u00e8 " + *symbol,
            "The right symbol for this cell is " + *symbol};
  if (StartsWith(en, "To start playing click [Play]"))
    return {"Premi F5 per giocare", "Press F5 to play"};
  if (StartsWith(en, "To play click on [View Game]"))
    return {"Premi F6 per tornare alla tua partita", "Press F6 to go back to your game"};
  if (StartsWith(en, "Congratulations !")) {
    const std::optional<long> hours = NumberAfter(en, "puzzle in");
    const std::optional<long> minutes = NumberAfter(en, "hours,");
    const std::optional<long> seconds = NumberAfter(en, "min. and");
    if (hours && minutes && seconds) {
      const TBilingual time = SpokenElapsed({*hours, *minutes, *seconds});
      // A line that follows the time (a new best time) is read after it.
      const auto after = [](std::string_view text) {
        const std::size_t time = text.find(" min. ");
        const std::size_t end = time == std::string_view::npos ? time : text.find("\r\n", time);
        return end == std::string_view::npos ? std::string()
                                             : ". " + SpokenForm(text.substr(end + 2));
      };
      return {
          "Congratulazioni! Hai completato correttamente il Sudoku in " + time.italian + after(it),
          "Congratulations! You have completed the Sudoku correctly in " + time.english +
              after(en)};
    }
  }
  return {SpokenForm(it), SpokenForm(en)};
}

TBilingual SpokenSizeChoice(std::int32_t boxSize) {
  const std::string box = std::to_string(boxSize);
  const std::string side = std::to_string(boxSize * boxSize);
  return {"Griglia " + side + "\u00d7" + side + ", riquadri " + box + "\u00d7" + box,
          side + "\u00d7" + side + " grid, " + box + "\u00d7" + box + " boxes"};
}
