// SPDX-License-Identifier: GPL-3.0-or-later
// Every way each piece still to be laid fits into the free Figure cells, as cell sets.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "analysis/cell_set.h"
#include "analysis/free_cells.h"
#include "model/cell_grid.h"
#include "model/pieces.h"

namespace kelvane {

struct Game;

// Piece indices in ascending order.
struct PieceList {
  int count = 0;
  std::array<int, kPieceCount> index{};
};

// The pieces from `firstPiece` on that are not on the Field (the Field is read, not WorkGrid).
PieceList PiecesToLay(const Game& game, int firstPiece);

// Its free cells are the Figure cells inside the box whose `taken` cell is 0.
struct PlacementTable : FreeCells {
  PieceList pieces;
  // placements[e] holds the cell sets of piece pieces.index[e] in the order the plain search
  // tries them: orientation slot outermost, then anchor z, y and x.
  std::array<std::vector<CellSet>, kPieceCount> placements;
  // Cubes in the smallest placement of each entry (0 when it has none).
  std::array<int, kPieceCount> cubes{};
};

// The placements of `pieces` inside `box` that touch only free cells of the Figure. An orientation
// slot with no cube in its 3 × 3 × 3 corner lays nothing and is left out. Nothing when the box
// holds more free cells than a CellSet numbers.
std::optional<PlacementTable> BuildPlacementTable(const Game& game, const CellGrid& taken,
                                                  Extents box, const PieceList& pieces);

}  // namespace kelvane
