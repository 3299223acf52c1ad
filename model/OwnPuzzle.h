// A puzzle the player brings (pasted, opened or typed in): read, checked for exactly one solution
// and graded before the game takes it, with every refusal worded for the player. Plain C++, no Qt.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "Bilingual.h"
#include "GameParams.h"
#include "Grader.h"

// The letter of a level past the catalogue's three (a puzzle the ladder cannot finish).
inline constexpr char BeyondLevel = '-';

struct TPuzzleCheck {
  enum class TVerdict { Accepted, Refused, Cancelled };
  TVerdict verdict = TVerdict::Refused;
  // Refused: why, in one sentence. Accepted: the grade, to be shown with the puzzle.
  TBilingual message;
  // Accepted only: the box size, the puzzle and its one solution as texts of the size's symbols
  // ("." for an open cell of the puzzle), and the level letter (E, M, A or BeyondLevel).
  std::int32_t boxSize = 0;
  std::string puzzle;
  std::string solution;
  char level = BeyondLevel;
};

// Reads `text` in any of the forms of PuzzleFormats.h, then checks and grades it. `cancel`, when
// given, is read while the solutions are counted: once it is set the check ends with Cancelled.
// Safe to run on any thread; nothing is shared between two checks.
TPuzzleCheck CheckPuzzleText(std::string_view text, const std::atomic<bool>* cancel = nullptr);

// The level in words, as the difficulty choice names it: "Medio" / "Medium"; past the ladder
// "oltre Alto" / "beyond high".
TBilingual LevelWords(char level);

// What a puzzle past the game's levels needs, in words: the hardest rung of the whole ladder it
// uses (RatePuzzle), or trial and error where every rung stalls.
TBilingual NeededTechnique(const tsdtools::TGeometry& geometry, const tsdtools::TCellValue* puzzle);
