// The pointer hit test over the floor diamonds of the current layer.
#include "render/hit_test.h"

#include "render/cube_geometry.h"
#include "render/layout.h"

namespace kelvane {

std::optional<FloorCell> HitTestFloorCell(const Game& game, Point cursor) {
  const Extents e = GridExtents(game.figure);
  const Point origin = FigureOrigin(game.fieldGeometry, HelperOrigin(game));
  for (int y = 0; y < e.y; ++y) {
    for (int x = 0; x < e.x; ++x) {
      if (Covers(FloorDiamond(game.fieldGeometry, origin, x, y, game.currentLayer), cursor)) {
        return FloorCell{x, y};
      }
    }
  }
  return std::nullopt;
}

std::optional<FloorCell> HitTestFloorCell(const Game& game, Platform& platform) {
  return HitTestFloorCell(game, platform.CursorPosition());
}

}  // namespace kelvane
