// SPDX-License-Identifier: GPL-3.0-or-later
// The record of the puzzles the player has completed, keyed by the figure itself.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "model/cell_grid.h"

namespace kelvane {

struct Game;

// Owned by the Game outside its fixed-size part; only grows during a run.
struct SolvedPuzzles {
  std::set<std::string> figures;
};

// The figure as text that does not change when the figure is shifted or turned about the vertical
// axis: "X Y Z" and then each layer from the bottom, its rows joined by '/', '#' a cube and '.' a
// gap, e.g. "2 1 2 ## #.". Of the four turns the least text is the key.
std::string FigureKey(const CellGrid& figure);

// The figure of a key in any of its turns, or nothing when the text is not one.
std::optional<CellGrid> FigureFromKey(std::string_view key);

// Called when the win is announced: the current figure counts as solved.
void MarkSolved(Game& game);

bool IsSolved(const Game& game, const CellGrid& figure);

}  // namespace kelvane
