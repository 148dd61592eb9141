// SPDX-License-Identifier: GPL-3.0-or-later
// The 12 × 12 × 12 cell grid that stores every three-dimensional thing in the game.
#pragma once

#include <array>
#include <cstdint>

namespace kelvane {

inline constexpr int kGridSize = 12;
inline constexpr int kGridCells = kGridSize * kGridSize * kGridSize;

// Cell values stored in the model's grids.
inline constexpr std::int8_t kEmptyCell = 0;
inline constexpr std::int8_t kPlainCube = 1;
inline constexpr std::int8_t kMarkedCell = 9;

// One signed byte per cell, x fastest (stride 1), then y (12), then z (144, layers upward).
struct CellGrid {
  std::array<std::int8_t, kGridCells> cells{};

  static constexpr int Index(int x, int y, int z) {
    return x + kGridSize * y + kGridSize * kGridSize * z;
  }
  std::int8_t& at(int x, int y, int z) { return cells[Index(x, y, z)]; }
  std::int8_t at(int x, int y, int z) const { return cells[Index(x, y, z)]; }
  void Clear() { cells.fill(0); }
};

// 1 plus the largest occupied coordinate on each axis; 0 on an axis with no cells.
struct Extents {
  int x = 0;
  int y = 0;
  int z = 0;
  friend bool operator==(const Extents&, const Extents&) = default;
};

Extents GridExtents(const CellGrid& grid);

// Shifts the contents so that the smallest occupied x, y and z become 0.
void NormaliseGrid(CellGrid& grid);

// True when all 1728 bytes are equal: the same cells in other values differ.
bool GridEquals(const CellGrid& a, const CellGrid& b);

bool GridHasCells(const CellGrid& grid);
int CountCells(const CellGrid& grid);

// Sets every cell holding `value` to 0 (how a piece is taken off the Field).
void ClearCellValue(CellGrid& grid, std::int8_t value);

// Sets every non-zero cell to `value`.
void RecolourGrid(CellGrid& grid, std::int8_t value);

}  // namespace kelvane
