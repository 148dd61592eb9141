// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/free_cells.h"

namespace kelvane {

bool NumberFreeCells(const CellGrid& figure, const CellGrid& taken, Extents box, FreeCells& cells,
                     CellNumbers& numbers) {
  numbers.fill(kNoCell);
  for (int z = 0; z < box.z; ++z) {
    for (int y = 0; y < box.y; ++y) {
      for (int x = 0; x < box.x; ++x) {
        const int index = CellGrid::Index(x, y, z);
        if (figure.cells[index] == 0 || taken.cells[index] != 0) {
          continue;
        }
        if (cells.cellCount == kCellSetCapacity) {
          return false;
        }
        cells.freeCells |= CellSet::Single(cells.cellCount);
        cells.gridIndex[cells.cellCount] = index;
        numbers[index] = static_cast<std::int16_t>(cells.cellCount++);
      }
    }
  }
  return true;
}

}  // namespace kelvane
