// SPDX-License-Identifier: GPL-3.0-or-later
// Growing random connected figures and telling shapes apart up to turns and mirror images.
#include "random_figure.h"

#include <algorithm>
#include <array>
#include <vector>

#include "analysis/figure_symmetry.h"

namespace kelvane::tool {

int FigureRandom::Below(int bound) {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 7;
  state_ ^= state_ << 17;
  return static_cast<int>(state_ % static_cast<std::uint64_t>(bound));
}

CellGrid RandomFigure(FigureRandom& random, int cubes, Extents maxSize) {
  CellGrid figure;
  std::vector<int> frontier{
      CellGrid::Index(random.Below(maxSize.x), random.Below(maxSize.y), random.Below(maxSize.z))};
  for (int laid = 0; laid < cubes && !frontier.empty(); ++laid) {
    const int pick = random.Below(static_cast<int>(frontier.size()));
    const int index = frontier[pick];
    frontier.erase(frontier.begin() + pick);
    figure.cells[index] = kPlainCube;
    const std::array<int, 3> at{index % kGridSize, index / kGridSize % kGridSize,
                                index / (kGridSize * kGridSize)};
    const std::array<int, 3> limit{maxSize.x, maxSize.y, maxSize.z};
    for (int axis = 0; axis < 3; ++axis) {
      for (int step : {-1, 1}) {
        std::array<int, 3> next = at;
        next[axis] += step;
        if (next[axis] < 0 || next[axis] >= limit[axis]) {
          continue;
        }
        const int neighbour = CellGrid::Index(next[0], next[1], next[2]);
        if (figure.cells[neighbour] == 0 &&
            std::ranges::find(frontier, neighbour) == frontier.end()) {
          frontier.push_back(neighbour);
        }
      }
    }
  }
  NormaliseGrid(figure);
  return figure;
}

std::string FigureShapeKey(const CellGrid& figure) {
  const Extents size = GridExtents(figure);
  const std::array<int, 3> length{size.x, size.y, size.z};
  std::string best;
  for (const Symmetry& symmetry : AllSymmetries()) {
    std::vector<int> cells;
    for (int index = 0; index < kGridCells; ++index) {
      if (figure.cells[index] == 0) {
        continue;
      }
      const std::array<int, 3> old{index % kGridSize, index / kGridSize % kGridSize,
                                   index / (kGridSize * kGridSize)};
      std::array<int, 3> now;
      for (int axis = 0; axis < 3; ++axis) {
        const int c = old[symmetry.from[axis]];
        now[axis] = symmetry.flip[axis] ? length[symmetry.from[axis]] - 1 - c : c;
      }
      cells.push_back(CellGrid::Index(now[0], now[1], now[2]));
    }
    std::ranges::sort(cells);
    std::string key;
    for (int cell : cells) {
      key += std::to_string(cell) + ',';
    }
    if (best.empty() || key < best) {
      best = key;
    }
  }
  return best;
}

}  // namespace kelvane::tool
