// SPDX-License-Identifier: GPL-3.0-or-later
// The one drawing primitive: a whole CellGrid as cube sprites, back to front.
#pragma once

#include "model/cell_grid.h"
#include "model/game.h"
#include "render/surface.h"

namespace kelvane {

enum class Checkers { Off, On, AsSet };

// Draws every non-empty cell of `grid` into `target` with cell (x, y, z)'s sprite at
// SpriteTopLeft(g, origin, x, y, z), visiting z, then y, then x upwards, so that later cells cover
// earlier ones. `sheet` null means the Game's ThumbnailSheet for the thumbnail geometry (W 9, times
// the pixel ratio), else its FieldSheet. Thumbnail sprites go through the SpriteMask, any other
// geometry through its cube outline; both leave the target's pixels outside the outline untouched.
// AsSet reads SHOW_CHECKERS. Cells with values below 1 are skipped. With `pieceNumbers`, a piece's
// cube whose top is open shows the piece's number there, covered in turn by the cubes drawn after
// it.
void DrawCubeGrid(const Game& game, Surface& target, Point origin, const CellGrid& grid,
                  const Surface* sheet, Checkers checkers, CubeGeometry g,
                  bool pieceNumbers = false);

}  // namespace kelvane
