// SPDX-License-Identifier: GPL-3.0-or-later
// Laying out a fresh Game: the default figure, the pieces and their orientation tables.
#pragma once

#include <memory>

#include "model/cell_grid.h"

namespace kelvane {

struct Game;

// Lays the default figure into the Figure (the 3 × 3 × 3 block less its middle column, plus
// (1,3,0), (1,4,0) and (1,3,1): 27 cubes), sets shown layers to 3 and the win-announcement flag.
void LayDefaultFigure(Game& game);

// The model's share of window creation, on a Game whose settings are already read: the default
// figure, the seven base pieces, their orientation tables and the thumbnail cube geometry.
// Graphics, skins, the panel and the command states are set up by their own subsystems.
void InitialiseGame(Game& game);

// A game initialised as at start-up, in play on `figure` with an empty Field, for programs
// without a window.
std::unique_ptr<Game> GameOn(const CellGrid& figure);

}  // namespace kelvane
