// SPDX-License-Identifier: GPL-3.0-or-later
// The pointer hit test over the floor diamonds of the current layer.
#include "render/hit_test.h"

#include "model/field_cursor.h"
#include "render/cube_geometry.h"
#include "render/layout.h"
#include "render/region.h"

namespace kelvane {

std::optional<FloorCell> HitTestFloorCell(const Game& game, Point cursor) {
  const ClientLayout layout = LayOutClient(game);
  for (int y = 0; y < layout.figure.y; ++y) {
    for (int x = 0; x < layout.figure.x; ++x) {
      if (Covers(FloorDiamond(game.fieldGeometry, layout.figureOrigin, x, y, game.currentLayer),
                 cursor)) {
        return FloorCell{x, y};
      }
    }
  }
  return std::nullopt;
}

std::optional<FloorCell> HitTestFloorCell(const Game& game, Platform& platform) {
  return HitTestFloorCell(game, platform.CursorPosition());
}

Point FloorCellCentre(const Game& game, FloorCell cell) {
  const ClientLayout layout = LayOutClient(game);
  const Point top =
      ProjectLattice(game.fieldGeometry, layout.figureOrigin, cell.x, cell.y, game.currentLayer);
  return {top.x, top.y + game.fieldGeometry.R};
}

std::optional<FloorCell> PreviewCell(const Game& game, Platform& platform) {
  return game.fieldCursor.shown ? FieldCursorCell(game) : HitTestFloorCell(game, platform);
}

}  // namespace kelvane
