// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns of a grid and the tables of each piece's distinct orientations.
#pragma once

#include "model/cell_grid.h"

namespace kelvane {

struct Game;

// Quarter turns in place, within the box of the grid's own extents (a grid with an empty axis
// is left alone). With X, Y, Z the extents before the turn, cell (x, y, z) moves to:
//   RotateAboutZ: (Y-1-y, x, z)   RotateAboutY: (z, y, X-1-x)   RotateAboutX: (x, Z-1-z, y).
// A normalised grid stays normalised, and four turns of one kind give it back unchanged.
void RotateAboutZ(CellGrid& grid);
void RotateAboutY(CellGrid& grid);
void RotateAboutX(CellGrid& grid);

// Fills game.orientationTables and game.orientationCounts from the seven piece grids, which must
// hold the base shapes; the piece grids are left as they were. Slot s of piece index k is
// orientationTables[kOrientationSlots * k + s], slots 0 … count-1 in generation order (slot 0 is
// the base shape), every later slot all-zero. Counts: 24, 12, 12, 12, 12, 8, 12.
void BuildOrientationTables(Game& game);

// Slot `slot` of the table of piece index `pieceIndex` (0 … 6).
const CellGrid& OrientationSlot(const Game& game, int pieceIndex, int slot);

// The orientation index (0 … 23) an orientation-menu command id stands for; any id that is not
// one of the first 23 orientation ids gives 23.
int OrientationIndexFromCommand(int commandId);

}  // namespace kelvane
