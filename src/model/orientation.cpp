// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter turns and the generation of the orientation tables.
#include "model/orientation.h"

#include "model/command_ids.h"
#include "model/game.h"

namespace kelvane {

namespace {

struct Cell {
  int x, y, z;
};

// Moves every cell of the extents box to where `target` sends it, through a fresh grid.
template <typename Target>
void TurnWithinExtents(CellGrid& grid, Target target) {
  const Extents e = GridExtents(grid);
  if (e.x == 0 || e.y == 0 || e.z == 0) {
    return;
  }
  CellGrid turned;
  for (int z = 0; z < e.z; ++z) {
    for (int y = 0; y < e.y; ++y) {
      for (int x = 0; x < e.x; ++x) {
        const auto [tx, ty, tz] = target(e, x, y, z);
        turned.at(tx, ty, tz) = grid.at(x, y, z);
      }
    }
  }
  grid = turned;
}

// Generation order: 4 turns about z of the base shape, then of each of 3 faces reached by
// turning about y, then of each of 3 faces reached by turning about x.
inline constexpr int kGeneratedOrientations = 28;

void GenerateOrientations(CellGrid shape, std::array<CellGrid, kOrientationSlots>& scratch) {
  int n = 0;
  for (int r = 0; r < 4; ++r) {
    scratch[n++] = shape;
    RotateAboutZ(shape);
  }
  for (void (*faceTurn)(CellGrid&) : {RotateAboutY, RotateAboutX}) {
    for (int f = 0; f < 4; ++f) {
      faceTurn(shape);
      if (f == 3) {
        break;  // the fourth turn only brings back the base shape
      }
      for (int r = 0; r < 4; ++r) {
        scratch[n++] = shape;
        RotateAboutZ(shape);
      }
    }
  }
}

// Keeps the first of each group of equal grids, clearing the later ones.
void ClearDuplicates(std::array<CellGrid, kOrientationSlots>& scratch) {
  for (int i = 0; i < kGeneratedOrientations - 1; ++i) {
    for (int j = i + 1; j < kGeneratedOrientations; ++j) {
      if (GridHasCells(scratch[i]) && GridHasCells(scratch[j]) &&
          GridEquals(scratch[i], scratch[j])) {
        scratch[j].Clear();
      }
    }
  }
}

}  // namespace

void RotateAboutZ(CellGrid& grid) {
  TurnWithinExtents(grid, [](const Extents& e, int x, int y, int z) {
    return Cell{e.y - 1 - y, x, z};
  });
}

void RotateAboutY(CellGrid& grid) {
  TurnWithinExtents(grid, [](const Extents& e, int x, int y, int z) {
    return Cell{z, y, e.x - 1 - x};
  });
}

void RotateAboutX(CellGrid& grid) {
  TurnWithinExtents(grid, [](const Extents& e, int x, int y, int z) {
    return Cell{x, e.z - 1 - z, y};
  });
}

void BuildOrientationTables(Game& game) {
  for (int k = 0; k < kPieceCount; ++k) {
    GenerateOrientations(game.pieceGrids[k], game.orientationScratch);
    ClearDuplicates(game.orientationScratch);
    int m = 0;
    for (int i = 0; i < kGeneratedOrientations; ++i) {
      if (GridHasCells(game.orientationScratch[i])) {
        game.orientationTables[kOrientationSlots * k + m++] = game.orientationScratch[i];
      }
    }
    for (int s = m; s < kOrientationSlots; ++s) {
      game.orientationTables[kOrientationSlots * k + s].Clear();
    }
    game.orientationCounts[k] = static_cast<std::int8_t>(m);
  }
}

const CellGrid& OrientationSlot(const Game& game, int pieceIndex, int slot) {
  return game.orientationTables[kOrientationSlots * pieceIndex + slot];
}

int OrientationIndexFromCommand(int commandId) {
  for (int i = 0; i + 1 < static_cast<int>(kOrientationCommandIds.size()); ++i) {
    if (kOrientationCommandIds[i] == commandId) {
      return i;
    }
  }
  return static_cast<int>(kOrientationCommandIds.size()) - 1;
}

}  // namespace kelvane
