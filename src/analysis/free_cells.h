// SPDX-License-Identifier: GPL-3.0-or-later
// The free cells of a position numbered for bit sets, shared by the search and counting tables.
#pragma once

#include <array>
#include <cstdint>

#include "analysis/cell_set.h"
#include "model/cell_grid.h"

namespace kelvane {

inline constexpr std::int16_t kNoCell = -1;

// Free cells numbered with z outermost, then y, then x; gridIndex maps a number back to its
// CellGrid index.
template <typename Set>
struct BasicFreeCells {
  int cellCount = 0;
  std::array<int, Set::kCapacity> gridIndex{};
  Set freeCells;
};

using FreeCells = BasicFreeCells<CellSet>;

// Each CellGrid index's free-cell number, or kNoCell.
using CellNumbers = std::array<std::int16_t, kGridCells>;

// Numbers the Figure cells inside `box` whose `taken` cell is 0 into `cells` and `numbers`.
// False when more cells are free than a Set numbers.
template <typename Set>
bool NumberFreeCells(const CellGrid& figure, const CellGrid& taken, Extents box,
                     BasicFreeCells<Set>& cells, CellNumbers& numbers);

}  // namespace kelvane
