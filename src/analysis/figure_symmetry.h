// SPDX-License-Identifier: GPL-3.0-or-later
// The turns and mirror images that map a figure, and the pieces laid in it, onto itself.
#pragma once

#include <array>
#include <vector>

#include "model/cell_grid.h"

namespace kelvane {

// A turn or mirror image of space as a signed permutation of the axes: new axis i takes old axis
// from[i], reversed when flip[i]. A mirror image sends piece 4 onto the shape of piece 5 and back.
struct Symmetry {
  std::array<int, 3> from{0, 1, 2};
  std::array<bool, 3> flip{};
  bool mirror = false;

  // Where the cell at grid index `index` goes inside a box of `size` that the symmetry keeps
  // (every old axis as long as the new axis it becomes).
  int Apply(int index, Extents size) const;
  // The piece index (0 … 6) that piece `pieceIndex` becomes: a mirror exchanges 3 and 4.
  int PieceImage(int pieceIndex) const;
  // The grid cell value (0 … 9) that `value` becomes: piece values as PieceImage, others kept.
  int ValueImage(int value) const;
};

// The 24 turns followed by the 24 mirror images; the identity first.
const std::array<Symmetry, 48>& AllSymmetries();

// The symmetries that map the figure's cells (its non-zero cells) onto themselves within its
// bounding box; the identity first. An empty figure has only the identity.
std::vector<Symmetry> FigureSymmetries(const CellGrid& figure);

// Those of FigureSymmetries(figure) that also send every piece laid on `field` (cell values
// 2 … 8) onto the cells of its image piece, so that they map the completions of the position
// onto completions of it. With an empty field these are the figure's symmetries.
std::vector<Symmetry> PositionSymmetries(const CellGrid& figure, const CellGrid& field);

}  // namespace kelvane
