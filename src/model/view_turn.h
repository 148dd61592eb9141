// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the Figure and the Field together a quarter turn about the vertical axis.
#pragma once

#include "model/cell_grid.h"
#include "model/platform.h"

namespace kelvane {

struct Game;

// Rotate +90 degrees (direction > 0) or -90 degrees (otherwise): both grids turn within the
// Figure's box, so every Field cell stays on the Figure cell it covered; the X and Y extents swap.
// The grid of each piece on the Field becomes its shape as it now lies; other piece grids, the
// current layer and the shown layers keep their values. Repaints.
void RotateView(Game& game, Platform& platform, int direction);

// Applies `quarterTurns` (0 … 3) turns of Rotate +90 degrees to a Field that lies within `box`,
// the Figure's extents before the turns.
void TurnFieldWithinBox(CellGrid& field, Extents box, int quarterTurns);

// Makes the grid of each piece on the Field its shape as it lies there.
void TakePlacedPieceShapes(Game& game);

}  // namespace kelvane
