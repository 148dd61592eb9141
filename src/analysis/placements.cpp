// SPDX-License-Identifier: GPL-3.0-or-later
// Precomputing where each piece fits, so that the searches test a fit with two word operations.
#include "analysis/placements.h"

#include <algorithm>

#include "model/game.h"
#include "model/placement.h"

namespace kelvane {

PieceList PiecesToLay(const Game& game, int firstPiece) {
  PieceList list;
  for (int k = firstPiece; k < kPieceCount; ++k) {
    if (!PieceOnField(game, PieceCellValue(k))) {
      list.index[list.count++] = k;
    }
  }
  return list;
}

namespace {

// The filled cells of an orientation's 3 × 3 × 3 corner as offsets from the anchor's index, and
// the size of the box they span.
struct OrientationCubes {
  int count = 0;
  std::array<int, 27> offset{};
  Extents span;
};

OrientationCubes CubesOf(const CellGrid& orientation) {
  OrientationCubes cubes;
  for (int dz = 0; dz < 3; ++dz) {
    for (int dy = 0; dy < 3; ++dy) {
      const std::int8_t* row = &orientation.cells[CellGrid::Index(0, dy, dz)];
      if ((row[0] | row[1] | row[2]) == 0) {
        continue;
      }
      for (int dx = 0; dx < 3; ++dx) {
        if (row[dx] != 0) {
          cubes.offset[cubes.count++] = CellGrid::Index(dx, dy, dz);
          cubes.span = {std::max(cubes.span.x, dx + 1), std::max(cubes.span.y, dy + 1), dz + 1};
        }
      }
    }
  }
  return cubes;
}

// Appends the placements of one orientation, anchors with z outermost, then y, then x.
void AddPlacements(const OrientationCubes& cubes, Extents box, const CellNumbers& cellNumber,
                   std::vector<CellSet>& placements) {
  for (int z = 0; z + cubes.span.z <= box.z; ++z) {
    for (int y = 0; y + cubes.span.y <= box.y; ++y) {
      for (int x = 0; x + cubes.span.x <= box.x; ++x) {
        const int anchor = CellGrid::Index(x, y, z);
        CellSet placement;
        bool fits = true;
        for (int i = 0; i < cubes.count && fits; ++i) {
          const int cell = cellNumber[anchor + cubes.offset[i]];
          fits = cell != kNoCell;
          placement |= CellSet::Single(cell & (kCellSetCapacity - 1));
        }
        if (fits) {
          placements.push_back(placement);
        }
      }
    }
  }
}

}  // namespace

std::optional<PlacementTable> BuildPlacementTable(const Game& game, const CellGrid& taken,
                                                  Extents box, const PieceList& pieces) {
  PlacementTable table;
  CellNumbers cellNumber;
  if (!NumberFreeCells(game.figure, taken, box, table, cellNumber)) {
    return std::nullopt;
  }
  table.pieces = pieces;
  for (int e = 0; e < pieces.count; ++e) {
    const int k = pieces.index[e];
    // The count is a signed byte; never read past the piece's own slots.
    const int slots = std::clamp<int>(game.orientationCounts[k], 0, kOrientationSlots);
    table.placements[e].reserve(static_cast<std::size_t>(slots) * table.cellCount);
    for (int slot = 0; slot < slots; ++slot) {
      const OrientationCubes cubes = CubesOf(game.orientationTables[kOrientationSlots * k + slot]);
      if (cubes.count == 0) {
        continue;
      }
      const std::size_t before = table.placements[e].size();
      AddPlacements(cubes, box, cellNumber, table.placements[e]);
      if (table.placements[e].size() > before &&
          (table.cubes[e] == 0 || cubes.count < table.cubes[e])) {
        table.cubes[e] = cubes.count;
      }
    }
  }
  return table;
}

}  // namespace kelvane
