// SPDX-License-Identifier: GPL-3.0-or-later
// Floor plate and layer columns of the field view and the target preview.
#include "render/helper_shapes.h"

namespace kelvane {

namespace {

void SetIfInside(CellGrid& grid, int a, int b, int c, std::int8_t value) {
  if (a < kGridSize && b < kGridSize && c < kGridSize) {
    grid.at(a, b, c) = value;
  }
}

}  // namespace

CellGrid FloorPlate(Extents figure) {
  CellGrid plate;
  for (int b = 1; b <= figure.y; ++b) {
    for (int a = 1; a <= figure.x; ++a) {
      SetIfInside(plate, a, b, 0, kMarkedCell);
    }
  }
  return plate;
}

CellGrid LayerColumns(Extents figure, int level) {
  CellGrid columns;
  for (int k = 0; k <= figure.z; ++k) {
    const std::int8_t value = k <= level ? kPlainCube : kMarkedCell;
    SetIfInside(columns, 0, figure.y + 1, k, value);
    SetIfInside(columns, figure.x + 1, 0, k, value);
  }
  return columns;
}

}  // namespace kelvane
