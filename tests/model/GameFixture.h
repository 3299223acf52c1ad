// A game on a stand-in catalogue and clock, with the steps a player takes to reach a state.
#pragma once

#include "FakePuzzles.h"
#include "TsdGame.h"

struct TGame {
  TFakePuzzleSource Source;
  TFakeClock Clock;
  TsdGame Game{Source, Clock};
  TGame() { Game.Start(); }

  TOutcome Generate(int boxSize) { return Game.Generate(boxSize - 3, 0); }
  // Generate, then F5 and F6 as a player would, to reach a state.
  void Reach(GameState state, int boxSize = 3) {
    using enum GameState;
    if (state == gsEmpty) return;
    Generate(boxSize);
    if (state == gsSolutionView) Game.ToggleView();
    if (state == gsPlaying || state == gsPlayingSolution) Game.Play();
    if (state == gsPlayingSolution) Game.ToggleView();
  }
  // The first cell, row by row, that is (or is not) a given.
  TMove First(bool given) const {
    for (int row = 0; row < Game.Side(); ++row)
      for (int column = 0; column < Game.Side(); ++column)
        if ((Game.GivenGrid()[row][column] != ' ') == given) return {column, row, ' '};
    return {-1, -1, ' '};
  }
  char Solution(const TMove& at) const { return Game.SolutionGrid()[at.row][at.column]; }
  char Play(const TMove& at) const { return Game.PlayGrid()[at.row][at.column]; }
  // Every open cell but `last` gets its answer.
  void FillAllBut(const TMove& last) {
    for (int row = 0; row < Game.Side(); ++row)
      for (int column = 0; column < Game.Side(); ++column)
        if (row != last.row || column != last.column)
          Game.ApplyMove({column, row, Game.SolutionGrid()[row][column]});
  }
};
