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
  MenuDelete,     // the menu's item that clears the cell
  LevelHighName,  // "High" as the statistics and a new best time name the level
  LevelBeyond,    // an own puzzle harder than the game's levels
  LevelLabel,     // before the level's name beside a generated puzzle
  OwnLevelLabel,  // before the level's name beside an own puzzle
  // The comforts' controls.
  Highlight,   // cbxEvidenzia
  FillNotes,   // btnRiempiNote
  Statistics,  // btnStatistiche
  Pause,       // btnPausa while the game runs
  GoOn,        // btnPausa while the game is paused
  // The statistics' window.
  StatisticsTitle,
  StatisticsClose,     // btnChiudi
  StatisticsNoGame,    // the plot before any game was finished
  StatisticsFinished,  // the table's columns
  StatisticsBest,
  StatisticsAverage,
  // Reading an own puzzle from a file.
  OpenPuzzleTitle,   // the file dialog's title
  OpenPuzzleFilter,  // the file dialog's filters
  CheckCancel,       // the button that stops the check of an own puzzle
  // What the grid shows, as its accessible description names it.
  GridShowsPuzzle,
  GridShowsGame,
  GridShowsSolution,
};

// The messages and questions the game shows. %1, %2, %3 stand for the texts handed with them.
enum class TMessage : std::uint8_t {
  StartReminder,
  BackReminder,
  QuitQuestion,
  ResumeQuestion,
  SetAside,        // %1: the reason, %2: the name it has now
  StoreFailed,     // %1: the store's reason
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
  // The kept game's file: what happened, and the store's reasons that fill the %1 of each.
  KeptNotSetAside,   // %1: why it cannot be resumed, %2: why it stayed, %3: where it is
  KeptUnreadable,    // %1: the reason, %2: where it is
  KeptInUse,         // another window keeps its game in the same folder
  KeptNotForgotten,  // %1: the reason
  StoreNoFolder,
  StoreFolderIsLink,
  StoreFileIsFolder,
  StoreFileIsLink,
  StoreFileIsSpecial,
  StoreNoPermission,
  StoreReadOnly,
  StoreDiskFull,
  StoreInUse,
  StoreSystemError,  // %1: the system's words
  FinishedGenerate,  // F10 while a finished game still runs
  HintOnGiven,       // F4 on a given
  NewBestTime,       // added to the congratulation; %1: the size, %2: the level's name
  TimesPlotAxis,     // under the plot of the times; %1: how many games
  GridName,          // the grid's accessible name; %1: its side
  // Taking in an own puzzle.
  ClipboardNoText,  // Ctrl+V with no text on the clipboard
  FileUnreadable,   // %1: the file's name
  CheckingPuzzle,   // the progress dialog while the solutions are counted
  OwnEmpty,         // the text read has nothing in it
  OwnTooLong,
  OwnBinary,
  OwnBadSide,    // %1: the grid's size
  OwnBadCount,   // %1: how many cells the text holds
  OwnBadSymbol,  // %1: the line, %2: the character, %3: the size, %4: the symbols allowed
  OwnSymbols9,   // the symbols allowed, filling the %4 of OwnBadSymbol
  OwnSymbols16,
  OwnSymbols25,
  OwnRepeat,  // %1: the unit, %2: its number, %3: the symbol repeated
  UnitRow,    // the units that fill the %1 of OwnRepeat
  UnitColumn,
  UnitBox,
  OwnNoSolution,
  OwnManySolutions,
  OwnAcceptedBeyond,  // %1: the technique it needs
  OwnAcceptedLevel,   // %1: the level's name, %2: its letter, %3: OwnHardest or nothing
  OwnHardest,         // %1: the hardest technique it uses
  // Why a kept game's file cannot be taken back: the reasons that fill the %1 of KeptUnreadable
  // and KeptNotSetAside.
  SavedAtLine,  // %1: the line's number, %2: what is wrong there
  SavedTooLarge,
  SavedEmpty,
  SavedTruncated,
  SavedNotOurs,
  SavedOtherVersion,
  SavedExpected,  // %1: the field that should come
  SavedBadValue,
  SavedCellCount,  // %1: how many cells the line holds, %2: how many it should
  SavedForeign,
  SavedBreaksRules,
  SavedDisagrees,
  SavedGivenChanged,
  SavedBadNotes,
  SavedNotesOnGiven,
  SavedBadMove,
  SavedIdleMove,
  SavedMovesElsewhere,
  SavedMoreAfterMoves,
  SavedMoreAfterNotes,
  SavedTooLong,
  SavedWrongSize,
  SavedManySolutions,
  SavedOtherSolution,
};

const TBilingual& CaptionText(TCaption caption);
// The message with %1, %2, ... replaced by the texts handed, each in its language.
TBilingual MessageText(TMessage message, const std::vector<TBilingual>& args = {});
// A text that reads the same in both languages (a symbol, a number, a file name).
TBilingual SameText(std::string text);
