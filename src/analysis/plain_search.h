// SPDX-License-Identifier: GPL-3.0-or-later
// The search cell by cell on WorkGrid, for Figures with more free cells than a CellSet holds.
#pragma once

#include <atomic>

#include "analysis/placements.h"
#include "model/cell_grid.h"

namespace kelvane {

struct Game;

// Lays pieces.index[first …] into game.WorkGrid, each trying its orientation slots in order and,
// inside each, the anchors with z outermost, then y, then x, and returns at the first
// completion, which stays in WorkGrid. On false WorkGrid is as it was on entry; false too once
// `stop` (when given) is raised.
bool PlainSearch(Game& game, const PieceList& pieces, int first, Extents box,
                 const std::atomic<bool>* stop = nullptr);

}  // namespace kelvane
