// Every caption and every message of the game, in Italian and English: one table of captions, one
// of messages. The model and the window look their texts up here by name. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Bilingual.h"

// The captions of the window's controls, actions and menu items.
enum class TCaption : std::uint8_t {
  Generate,           // btnGenera and ActGenera before the first puzzle
  Regenerate,         // ActGenera once a puzzle came
  PlayFirst,          // btnPlay before the first state is shown
  PlayAction,         // ActPlay
  Play,               // btnPlay outside a game
  Quit,               // btnPlay during a game
  ShowSolutionFirst,  // btnToggleView and ActToggleView before the first state is shown
  ShowSolution,       // btnToggleView on the player's grid
  ShowGame,           // btnToggleView on the solution
  Print,
  HideTimer,
  Marking,     // the error-marking check box, and the menu's item while marking is off
  MarkingOff,  // the menu's marking item while marking is on
  Notes,
  HintButton,  // cxButton1's own caption
  Hint,        // ActSuggerisci, and the menu's hint item
  Explain,
  Help,
  FontSizeTop,  // the two lines beside the +/- buttons
  FontSizeBottom,
  SizeGroup,
  LevelGroup,
  LevelSimple,
  LevelMedium,
  LevelHigh,
  MenuDelete,  // the menu's item that clears the cell
};

// The messages and questions the game shows. %1, %2, %3 stand for the texts handed with them.
enum class TMessage : std::uint8_t {
  StartReminder,
  BackReminder,
  QuitQuestion,
  ResumeQuestion,
  SetAside,  // %1: the loader's reason
  StoreFailed,
  HintSymbol,      // %1: the symbol
  Congratulation,  // %1 hours, %2 minutes, %3 seconds
  BadSizeIndex,    // %1: the index
  NoEntries,       // the catalogue has no entry for the size and level
  NoEntry,         // the catalogue did not hand the entry it counted
  GaveUp,          // every attempt of a Generate failed
  NoBrowser,       // the link could not be opened; the address follows
  NoBrowserHelp,   // the help could not be opened; the page's path follows
  PrintRefused,
  PrintNotSent,
  PrintFileFailed,  // %1: the file, %2: the reason
  PrintIncomplete,  // the reason when the page came out cut short
};

const TBilingual& CaptionText(TCaption caption);
// The message with %1, %2, ... replaced by the texts handed, each in its language.
TBilingual MessageText(TMessage message, const std::vector<TBilingual>& args = {});
// A text that reads the same in both languages (a symbol, a number, a file name).
TBilingual SameText(std::string text);
