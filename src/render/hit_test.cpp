// The pointer hit test over the floor diamonds of the current layer.
#include "render/hit_test.h"

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

}  // namespace kelvane
