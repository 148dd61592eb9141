// SPDX-License-Identifier: GPL-3.0-or-later
// Stepping through the figure's distinct completions on the Field, with a way back to the
// player's own position.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/figure_analysis.h"
#include "model/cell_grid.h"
#include "model/pieces.h"

namespace kelvane {

struct Game;

// What the player had on the Field before the browser laid its first solution.
struct PlayerPosition {
  CellGrid field;
  std::array<CellGrid, kPieceCount> pieceGrids;
  std::array<std::uint8_t, kPieceCount> hideFlags{};
};

struct SolutionBrowser {
  // One completion of each distinct completion, in the enumerator's order.
  std::vector<Completion> solutions;
  int shown = -1;
  // Whether the solutions keep the player's pieces (false: they allowed none, so the browser
  // shows the figure's own solutions).
  bool fromPlayersPieces = false;
  PlayerPosition player;
  // The Figure and the Field as the browser last left them: any other change ends browsing.
  CellGrid figure;
  CellGrid laid;
};

// True while the Field still shows the solution the browser laid last.
bool IsBrowsing(const Game& game, const SolutionBrowser& browser);

// Lays the next (+1) or previous (-1) solution, wrapping round; outside browsing it starts at the
// first or the last, from the player's pieces when they still allow a completion, and records one
// move for the whole visit, so one Undo returns to the player's own Field. Each is laid as Show
// all pieces lays it, so no win is announced. False, with nothing changed, when there is no
// completion to show (or the figure is too large to enumerate).
bool StepSolutions(Game& game, SolutionBrowser& browser, int step);

// Puts the player's own position back, as a move of its own (the win stays forfeited, as after
// Show all pieces); nothing outside browsing.
void LeaveSolutions(Game& game, SolutionBrowser& browser);

// "Solution k of N".
std::string SolutionCaption(const SolutionBrowser& browser);

}  // namespace kelvane
