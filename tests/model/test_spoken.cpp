// What a screen reader is handed to say: the game's own messages reworded without signs read aloud,
// the news of an entry, of a setting and of another view.
#include <gtest/gtest.h>

#include <string>

#include "SpokenTexts.h"
#include "Texts.h"

namespace {

// Orca's default punctuation level reads these aloud ("colon", "left bracket").
bool HasReadAloudSign(const std::string& text) {
  return text.find_first_of("\"():;<>[]\\|`~{}_#$%&*+/=@^\r\n") != std::string::npos;
}

}  // namespace

TEST(Spoken, EveryMessageOfTheGameIsSpokenWithoutSigns) {
  const std::vector<TBilingual> args{SameText("7"), SameText("41"), SameText("37")};
  for (auto m = std::uint8_t(TMessage::StartReminder); m <= std::uint8_t(TMessage::HintOnGiven);
       ++m) {
    const TBilingual shown = MessageText(TMessage(m), args);
    const TBilingual spoken = SpokenMessage(shown);
    EXPECT_FALSE(HasReadAloudSign(spoken.english)) << int(m) << ": " << spoken.english;
    EXPECT_FALSE(HasReadAloudSign(spoken.italian)) << int(m) << ": " << spoken.italian;
    EXPECT_FALSE(spoken.english.empty() || spoken.italian.empty()) << int(m);
  }
}

TEST(Spoken, TheGamesMessagesAreReworded) {
  const struct {
    TBilingual shown;
    std::string english;
    std::string italian;
  } cases[] = {
      {MessageText(TMessage::HintSymbol, {SameText("B")}), "The right symbol for this cell is B",
       "Il simbolo giusto per questa casella \u00e8 B"},
      {MessageText(TMessage::StartReminder), "Press F5 to play", "Premi F5 per giocare"},
      {MessageText(TMessage::BackReminder), "Press F6 to go back to your game",
       "Premi F6 per tornare alla tua partita"},
      {MessageText(TMessage::Congratulation, {SameText("0"), SameText("41"), SameText("37")}),
       "Congratulations! You have completed the Sudoku correctly in 0 hours, 41 minutes and 37 "
       "seconds",
       "Congratulazioni! Hai completato correttamente il Sudoku in 0 ore, 41 minuti e 37 secondi"},
      {MessageText(TMessage::Congratulation, {SameText("1"), SameText("1"), SameText("1")}),
       "Congratulations! You have completed the Sudoku correctly in 1 hour, 1 minute and 1 second",
       "Congratulazioni! Hai completato correttamente il Sudoku in 1 ora, 1 minuto e 1 secondo"},
      {MessageText(TMessage::FinishedGenerate),
       "This game is finished, press F5 to quit it, then F10 for a new puzzle.",
       "Questa partita \u00e8 finita, premi F5 per abbandonarla, poi F10 per un nuovo schema."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpokenMessage(c.shown).english, c.english);
    EXPECT_EQ(SpokenMessage(c.shown).italian, c.italian);
  }
}

TEST(Spoken, OtherTextsKeepTheirWordsAndPauses) {
  const struct {
    const char* shown;
    const char* spoken;
  } cases[] = {
      {"Row 5, column 5: only 8 can go here (every other symbol is in its box).",
       "Row 5, column 5, only 8 can go here, every other symbol is in its box."},
      {"Quit the current game ?", "Quit the current game?"},
      {"Use Ctrl-Z - or [F5] !\r\nthen", "Use Ctrl-Z or F5! then"},
      {" :: ", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SpokenForm(c.shown), c.spoken) << c.shown;
}

TEST(Spoken, AnEntrySaysWhatTheCellNowHolds) {
  const TCellView empty{};
  const TCellView seven{'7'};
  const TCellView sevenConflict{'7', false, true};
  const TCellView given{'4', true};
  const TCellView noted{' ', false, false, 0b101};
  const struct {
    TCellView before;
    TCellView after;
    const char* notes;
    const char* english;
    const char* italian;
  } cases[] = {
      {empty, seven, "", "7", "7"},
      {seven, sevenConflict, "", "7, conflict", "7, in conflitto"},
      {seven, empty, "", "Cleared", "Cancellata"},
      {empty, noted, "13", "Notes 1 3", "Note 1 3"},
      {noted, empty, "", "No notes", "Nessuna nota"},
      {empty, empty, "", "Empty", "Vuota"},
      {given, given, "", "Given, cannot be changed", "Dato iniziale, non si pu\u00f2 cambiare"},
  };
  for (const auto& c : cases) {
    const TBilingual spoken = SpokenEntry(c.before, c.after, c.notes);
    EXPECT_EQ(spoken.english, c.english);
    EXPECT_EQ(spoken.italian, c.italian);
  }
}

TEST(Spoken, AnotherViewIsNamedWithTheCurrentCell) {
  const TBilingual cell{"Riga 1, colonna 2, 5", "Row 1, column 2, 5"};
  using enum GameState;
  const struct {
    GameState before;
    GameState after;
    const char* english;
  } cases[] = {
      {gsPuzzleView, gsPlaying, "Game started. Row 1, column 2, 5"},
      {gsSolutionView, gsPlaying, "Game started. Row 1, column 2, 5"},
      {gsPlaying, gsPlayingSolution, "Solution shown. Row 1, column 2, 5"},
      {gsPlayingSolution, gsPlaying, "Your game shown. Row 1, column 2, 5"},
      {gsPuzzleView, gsSolutionView, "Solution shown. Row 1, column 2, 5"},
      {gsSolutionView, gsPuzzleView, "Puzzle shown. Row 1, column 2, 5"},
      {gsPlaying, gsPuzzleView, "Game ended. Row 1, column 2, 5"},
      {gsPlaying, gsPlaying, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SpokenStateChange(c.before, c.after, cell).english, c.english)
        << int(c.before) << " to " << int(c.after);
  EXPECT_EQ(SpokenStateChange(gsPlaying, gsPuzzleView, cell).italian,
            "Partita abbandonata. Riga 1, colonna 2, 5");
}
