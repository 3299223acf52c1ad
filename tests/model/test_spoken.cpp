// What a screen reader is handed to say: the game's own messages reworded without signs read aloud.
// The news of entries, settings and views is checked against Orca itself (tests/e2e/orca_game.py).
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
