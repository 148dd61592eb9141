// SPDX-License-Identifier: GPL-3.0-or-later
// The field's helper shapes: the floor plate and the layer columns.
#pragma once

#include "model/cell_grid.h"

namespace kelvane {

// Both are grids drawn at a helper origin, where cell (a, b, c) stands for figure position
// (a − 1, b − 1, c − 1).

// Marked cells one level below layer 0 under the Figure's X × Y footprint.
CellGrid FloorPlate(Extents figure);

// Two columns of Z + 1 cells at the footprint's side corners, (0, Y + 1) and (X + 1, 0): plain
// up to and including level `level`, marked above. Cells that would fall outside the grid (a
// Figure reaching its last row or column) are left out.
CellGrid LayerColumns(Extents figure, int level);

}  // namespace kelvane
