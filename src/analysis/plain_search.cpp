// SPDX-License-Identifier: GPL-3.0-or-later
// Trial placements written into and erased from WorkGrid, exactly as the game's search lays them.
#include "analysis/plain_search.h"

#include <algorithm>

#include "model/game.h"

namespace kelvane {

namespace {

// Clears the cells holding `value` in the 3 × 3 × 3 box at the anchor, within the search box.
void EraseTrial(CellGrid& work, Extents box, int x, int y, int z, std::int8_t value) {
  for (int dz = 0; dz < 3 && z + dz < box.z; ++dz) {
    for (int dy = 0; dy < 3 && y + dy < box.y; ++dy) {
      for (int dx = 0; dx < 3 && x + dx < box.x; ++dx) {
        std::int8_t& cell = work.at(x + dx, y + dy, z + dz);
        if (cell == value) {
          cell = 0;
        }
      }
    }
  }
}

// Lays the orientation at the anchor; false at the first cube that leaves the box, lands on a
// taken cell or misses the Figure (the cubes laid so far stay for EraseTrial).
bool LayTrial(Game& game, const CellGrid& orientation, Extents box, int x, int y, int z,
              std::int8_t value) {
  bool laidAny = false;
  for (int dz = 0; dz < 3; ++dz) {
    for (int dy = 0; dy < 3; ++dy) {
      for (int dx = 0; dx < 3; ++dx) {
        if (orientation.at(dx, dy, dz) == 0) {
          continue;
        }
        const int tx = x + dx;
        const int ty = y + dy;
        const int tz = z + dz;
        if (tx >= box.x || ty >= box.y || tz >= box.z || game.WorkGrid.at(tx, ty, tz) != 0 ||
            game.figure.at(tx, ty, tz) == 0) {
          return false;
        }
        game.WorkGrid.at(tx, ty, tz) = value;
        laidAny = true;
      }
    }
  }
  // An orientation with no cube lays nothing, so it is no way to lay the piece.
  return laidAny;
}

}  // namespace

bool PlainSearch(Game& game, const PieceList& pieces, int first, Extents box,
                 const std::atomic<bool>* stop) {
  if (first == pieces.count) {
    return true;
  }
  if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
    return false;
  }
  const int k = pieces.index[first];
  const std::int8_t value = PieceCellValue(k);
  const int slots = std::clamp<int>(game.orientationCounts[k], 0, kOrientationSlots);
  for (int slot = 0; slot < slots; ++slot) {
    const CellGrid& orientation = game.orientationTables[kOrientationSlots * k + slot];
    for (int z = 0; z < box.z; ++z) {
      for (int y = 0; y < box.y; ++y) {
        for (int x = 0; x < box.x; ++x) {
          if (LayTrial(game, orientation, box, x, y, z, value) &&
              PlainSearch(game, pieces, first + 1, box, stop)) {
            return true;
          }
          EraseTrial(game.WorkGrid, box, x, y, z, value);
          if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            return false;
          }
        }
      }
    }
  }
  return false;
}

}  // namespace kelvane
