// The quarter turns that map a position onto itself, for counting each class of completions once.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/cell_set.h"
#include "analysis/placements.h"
#include "model/cell_grid.h"

namespace kelvane {

// Where a turn sends each free cell of a placement table (by the table's cell numbers).
struct CellTurn {
  std::array<std::uint8_t, kCellSetCapacity> to{};

  CellSet Apply(const CellSet& cells) const;
};

// The turns of `box` (the box of the free cells' figure) that send the free cells onto
// themselves and every entry's placements onto placements of the same entry; the identity is
// always among them. Completions that such a turn maps onto each other are equally many.
std::vector<CellTurn> PlacementSymmetries(const PlacementTable& table, Extents box);

}  // namespace kelvane
