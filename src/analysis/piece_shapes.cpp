// SPDX-License-Identifier: GPL-3.0-or-later
// Turning each piece's base cubes by the 24 turns and keeping the distinct shapes.
#include "analysis/piece_shapes.h"

#include <algorithm>

#include "analysis/figure_symmetry.h"
#include "model/cell_grid.h"

namespace kelvane {

namespace {

int IndexOf(const Offset& o) {
  return CellGrid::Index(o.x, o.y, o.z);
}

PieceOrientation Turned(const PieceOrientation& base, const Symmetry& turn) {
  PieceOrientation shape = base;
  std::array<int, 3> low{3, 3, 3};
  for (int i = 0; i < base.cubeCount; ++i) {
    const std::array<int, 3> old{base.cubes[i].x, base.cubes[i].y, base.cubes[i].z};
    std::array<int, 3> now;
    for (int axis = 0; axis < 3; ++axis) {
      now[axis] = turn.flip[axis] ? -old[turn.from[axis]] : old[turn.from[axis]];
      low[axis] = std::min(low[axis], now[axis]);
    }
    shape.cubes[i] = {now[0], now[1], now[2]};
  }
  for (int i = 0; i < base.cubeCount; ++i) {
    shape.cubes[i] = {shape.cubes[i].x - low[0], shape.cubes[i].y - low[1],
                      shape.cubes[i].z - low[2]};
  }
  // Insertion sort: at most four cubes.
  for (int i = 1; i < shape.cubeCount; ++i) {
    for (int j = i; j > 0 && IndexOf(shape.cubes[j]) < IndexOf(shape.cubes[j - 1]); --j) {
      std::swap(shape.cubes[j], shape.cubes[j - 1]);
    }
  }
  return shape;
}

bool SameShape(const PieceOrientation& a, const PieceOrientation& b) {
  return std::equal(a.cubes.begin(), a.cubes.begin() + a.cubeCount, b.cubes.begin(),
                    [](const Offset& p, const Offset& q) { return IndexOf(p) == IndexOf(q); });
}

std::array<std::vector<PieceOrientation>, kPieceCount> MakeOrientations() {
  std::array<std::vector<PieceOrientation>, kPieceCount> all;
  for (int k = 0; k < kPieceCount; ++k) {
    CellGrid grid;
    LayBasePiece(k, grid);
    PieceOrientation base;
    for (int z = 0; z < 3; ++z) {
      for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
          if (grid.at(x, y, z) != 0) {
            base.cubes[base.cubeCount++] = {x, y, z};
          }
        }
      }
    }
    for (const Symmetry& turn : AllSymmetries()) {
      if (turn.mirror) {
        continue;
      }
      const PieceOrientation shape = Turned(base, turn);
      if (std::ranges::none_of(all[k], [&](const auto& seen) { return SameShape(seen, shape); })) {
        all[k].push_back(shape);
      }
    }
  }
  return all;
}

}  // namespace

const std::array<std::vector<PieceOrientation>, kPieceCount>& PieceOrientations() {
  static const std::array<std::vector<PieceOrientation>, kPieceCount> all = MakeOrientations();
  return all;
}

}  // namespace kelvane
