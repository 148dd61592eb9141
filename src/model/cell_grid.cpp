// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-grid operations shared by every subsystem.
#include "model/cell_grid.h"

#include <algorithm>
#include <cstring>

namespace kelvane {

Extents GridExtents(const CellGrid& grid) {
  // A row at a time: an occupied row raises y and z, and the OR of all rows shows which x
  // occur. The solver and every repaint ask for extents many times.
  Extents e;
  std::uint64_t front = 0;
  std::uint32_t back = 0;
  for (int z = 0; z < kGridSize; ++z) {
    for (int y = 0; y < kGridSize; ++y) {
      std::uint64_t rowFront;
      std::uint32_t rowBack;
      const std::int8_t* row = &grid.cells[CellGrid::Index(0, y, z)];
      std::memcpy(&rowFront, row, sizeof rowFront);
      std::memcpy(&rowBack, row + sizeof rowFront, sizeof rowBack);
      if ((rowFront | rowBack) != 0) {
        e.y = std::max(e.y, y + 1);
        e.z = z + 1;
      }
      front |= rowFront;
      back |= rowBack;
    }
  }
  std::array<std::int8_t, kGridSize> columns;
  std::memcpy(columns.data(), &front, sizeof front);
  std::memcpy(columns.data() + sizeof front, &back, sizeof back);
  for (int x = kGridSize; x > 0 && e.x == 0; --x) {
    e.x = columns[x - 1] != 0 ? x : 0;
  }
  return e;
}

namespace {

// Moves every slice along one axis down by `shift`, lowest target first, clearing
// each source after it is copied so that the shift is safe in place.
template <typename CellAt>
void ShiftDown(CellGrid& grid, int shift, CellAt cellAt) {
  for (int target = 0; target + shift < kGridSize; ++target) {
    for (int a = 0; a < kGridSize; ++a) {
      for (int b = 0; b < kGridSize; ++b) {
        std::int8_t& source = cellAt(grid, target + shift, a, b);
        cellAt(grid, target, a, b) = source;
        source = 0;
      }
    }
  }
}

}  // namespace

void NormaliseGrid(CellGrid& grid) {
  int minX = kGridSize - 1;
  int minY = kGridSize - 1;
  int minZ = kGridSize - 1;
  for (int z = 0; z < kGridSize; ++z) {
    for (int y = 0; y < kGridSize; ++y) {
      for (int x = 0; x < kGridSize; ++x) {
        if (grid.at(x, y, z) != 0) {
          minX = std::min(minX, x);
          minY = std::min(minY, y);
          minZ = std::min(minZ, z);
        }
      }
    }
  }
  if (minZ > 0) {
    ShiftDown(grid, minZ,
              [](CellGrid& g, int z, int a, int b) -> std::int8_t& { return g.at(b, a, z); });
  }
  if (minY > 0) {
    ShiftDown(grid, minY,
              [](CellGrid& g, int y, int a, int b) -> std::int8_t& { return g.at(b, y, a); });
  }
  if (minX > 0) {
    ShiftDown(grid, minX,
              [](CellGrid& g, int x, int a, int b) -> std::int8_t& { return g.at(x, b, a); });
  }
}

bool GridEquals(const CellGrid& a, const CellGrid& b) {
  return a.cells == b.cells;
}

bool GridHasCells(const CellGrid& grid) {
  return std::any_of(grid.cells.begin(), grid.cells.end(), [](std::int8_t v) { return v != 0; });
}

int CountCells(const CellGrid& grid) {
  return static_cast<int>(
      std::count_if(grid.cells.begin(), grid.cells.end(), [](std::int8_t v) { return v != 0; }));
}

void ClearCellValue(CellGrid& grid, std::int8_t value) {
  std::replace(grid.cells.begin(), grid.cells.end(), value, std::int8_t{0});
}

void RecolourGrid(CellGrid& grid, std::int8_t value) {
  for (std::int8_t& cell : grid.cells) {
    if (cell != 0) {
      cell = value;
    }
  }
}

}  // namespace kelvane
