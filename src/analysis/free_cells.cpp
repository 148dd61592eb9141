// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/free_cells.h"

namespace kelvane {

template <typename Set>
bool NumberFreeCells(const CellGrid& figure, const CellGrid& taken, Extents box,
                     BasicFreeCells<Set>& cells, CellNumbers& numbers) {
  numbers.fill(kNoCell);
  for (int z = 0; z < box.z; ++z) {
    for (int y = 0; y < box.y; ++y) {
      for (int x = 0; x < box.x; ++x) {
        const int index = CellGrid::Index(x, y, z);
        if (figure.cells[index] == 0 || taken.cells[index] != 0) {
          continue;
        }
        if (cells.cellCount == Set::kCapacity) {
          return false;
        }
        cells.freeCells |= Set::Single(cells.cellCount);
        cells.gridIndex[cells.cellCount] = index;
        numbers[index] = static_cast<std::int16_t>(cells.cellCount++);
      }
    }
  }
  return true;
}

template bool NumberFreeCells(const CellGrid&, const CellGrid&, Extents, BasicFreeCells<CellSet>&,
                              CellNumbers&);
template bool NumberFreeCells(const CellGrid&, const CellGrid&, Extents,
                              BasicFreeCells<WideCellSet>&, CellNumbers&);

}  // namespace kelvane
