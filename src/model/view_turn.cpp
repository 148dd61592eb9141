// Turning the Figure and the Field together.
#include "model/view_turn.h"

#include "model/game.h"
#include "model/orientation.h"
#include "model/placement.h"

namespace kelvane {

namespace {

// Rebuilds the grid of a piece lying on the Field from its Field cells.
void TakePieceShapeFromField(Game& game, int pieceIndex) {
  const std::int8_t value = PieceCellValue(pieceIndex);
  CellGrid shape;
  for (int i = 0; i < kGridCells; ++i) {
    if (game.field.cells[i] == value) {
      shape.cells[i] = value;
    }
  }
  NormaliseGrid(shape);
  game.pieceGrids[pieceIndex] = shape;
}

}  // namespace

void RotateView(Game& game, Platform& platform, int direction) {
  // Filling the Field's empty box cells with markers makes both grids turn within the same box.
  const Extents f = GridExtents(game.figure);
  for (int z = 0; z < f.z; ++z) {
    for (int y = 0; y < f.y; ++y) {
      for (int x = 0; x < f.x; ++x) {
        if (game.field.at(x, y, z) == 0) {
          game.field.at(x, y, z) = kMarkedCell;
        }
      }
    }
  }
  const int turns = direction > 0 ? 1 : 3;
  for (int i = 0; i < turns; ++i) {
    RotateAboutZ(game.figure);
  }
  for (int i = 0; i < turns; ++i) {
    RotateAboutZ(game.field);
  }
  ClearCellValue(game.field, kMarkedCell);
  for (int k = 0; k < kPieceCount; ++k) {
    if (PieceOnField(game, PieceCellValue(k))) {
      TakePieceShapeFromField(game, k);
    }
  }
  platform.Invalidate(false);
}

}  // namespace kelvane
