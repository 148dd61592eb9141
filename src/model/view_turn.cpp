// SPDX-License-Identifier: GPL-3.0-or-later
// Turning the Figure and the Field together.
#include "model/view_turn.h"

#include <algorithm>
#include <array>

#include "model/game.h"
#include "model/motion_timeline.h"
#include "model/move_history.h"
#include "model/orientation.h"

namespace kelvane {

void TurnFieldWithinBox(CellGrid& field, Extents box, int quarterTurns) {
  // Filling the empty box cells with markers makes the Field turn within the Figure's box.
  for (int z = 0; z < box.z; ++z) {
    for (int y = 0; y < box.y; ++y) {
      for (int x = 0; x < box.x; ++x) {
        if (field.at(x, y, z) == 0) {
          field.at(x, y, z) = kMarkedCell;
        }
      }
    }
  }
  for (int i = 0; i < quarterTurns; ++i) {
    RotateAboutZ(field);
  }
  ClearCellValue(field, kMarkedCell);
}

void TakePlacedPieceShapes(Game& game) {
  // One pass finds each piece's lowest corner, a second copies its cells shifted to the origin:
  // the same grid as copying in place and normalising, at a fraction of the cost (Undo runs it).
  std::array<Extents, kPieceCount> corner;
  corner.fill({kGridSize, kGridSize, kGridSize});
  std::array<bool, kPieceCount> placed{};
  const auto eachPieceCell = [&game](auto visit) {
    for (int z = 0; z < kGridSize; ++z) {
      for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
          const int k = game.field.at(x, y, z) - PieceCellValue(0);
          if (k >= 0 && k < kPieceCount) {
            visit(k, x, y, z);
          }
        }
      }
    }
  };
  eachPieceCell([&](int k, int x, int y, int z) {
    placed[k] = true;
    corner[k] = {std::min(corner[k].x, x), std::min(corner[k].y, y), std::min(corner[k].z, z)};
  });
  for (int k = 0; k < kPieceCount; ++k) {
    if (placed[k]) {
      game.pieceGrids[k].Clear();
    }
  }
  eachPieceCell([&](int k, int x, int y, int z) {
    game.pieceGrids[k].at(x - corner[k].x, y - corner[k].y, z - corner[k].z) = PieceCellValue(k);
  });
}

void RotateView(Game& game, Platform& platform, int direction) {
  const int turns = direction > 0 ? 1 : 3;
  TurnFieldWithinBox(game.field, GridExtents(game.figure), turns);
  for (int i = 0; i < turns; ++i) {
    RotateAboutZ(game.figure);
  }
  NoteViewTurn(game, turns);
  TakePlacedPieceShapes(game);
  StartTurnMotion(game, platform, turns);
  platform.Invalidate(false);
}

}  // namespace kelvane
