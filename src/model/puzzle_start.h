// SPDX-License-Identifier: GPL-3.0-or-later
// Starting play on a new target figure.
#pragma once

#include "model/cell_grid.h"
#include "model/platform.h"

namespace kelvane {

struct Game;

// Leaves create mode and starts play on `figure`: empty Field, layer 0, every layer shown, no
// piece hidden, the window fitted, the panel reset (no selection), the command states refreshed
// and the win to be announced; one Undo brings back the puzzle it replaced. Piece orientations and
// the creation kind are kept. `figure` is taken by value, so it may be one of the game's own grids.
void StartPuzzle(Game& game, Platform& platform, CellGrid figure);

}  // namespace kelvane
