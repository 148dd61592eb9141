// SPDX-License-Identifier: GPL-3.0-or-later
// The solver: can the pieces not yet on the Field complete the Figure around the player's pieces?
#pragma once

#include <atomic>

#include "analysis/ordered_search.h"
#include "model/cell_grid.h"

namespace kelvane {

struct Game;

// Lays pieces `pieceIndex` … 6 that are not on the Field into game.WorkGrid, which must hold the
// Field (plus pieces laid for lower indices), each piece only on empty Figure cells inside `box`.
// Finds the same completion as trying the pieces in order, each in its orientation slots in
// order and at the anchors of the box with z outermost, then y, then x, and stops at the first.
// True when the pieces are all on the Field or laid; the laid cells carry their piece's value.
// On false WorkGrid is unchanged. Also false once `stop` (when given) is raised: the search looks
// at it at every trial. `longSearch`, when given, is asked whether a search that runs long is
// worth going on with (a figure too large for the fast search asks it before starting).
bool SolveFrom(Game& game, int pieceIndex, Extents box, const std::atomic<bool>* stop = nullptr,
               const LongSearchCheck& longSearch = {});

}  // namespace kelvane
