// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the keyboard cursor's diamond.
#include "render/cursor_mark.h"

#include "model/field_cursor.h"
#include "render/cube_geometry.h"
#include "render/device_pixels.h"

namespace kelvane {

namespace {
constexpr Pixel kCursorDark = 0xFF101010u;
constexpr Pixel kCursorLight = 0xFFFFFFFFu;
}  // namespace

void DrawFieldCursor(Game& game, const ClientLayout& layout) {
  const std::optional<FloorCell> cell = FieldCursorCell(game);
  if (!cell) {
    return;
  }
  const int ratio = game.graphics.pixelRatio;
  const Polygon diamond =
      FloorDiamond(ScaledGeometry(game.fieldGeometry, ratio),
                   ScaledPoint(layout.figureOrigin, ratio), cell->x, cell->y, game.currentLayer);
  // Each edge drawn as three bands one logical pixel high, dark, light, dark; the light one last,
  // so that it stays whole where edges meet.
  for (const bool light : {false, true}) {
    for (int dy = -ratio; dy < 2 * ratio; ++dy) {
      if (light != (dy >= 0 && dy < ratio)) {
        continue;
      }
      for (int i = 0; i < diamond.count; ++i) {
        const Point from = diamond.points[i];
        const Point to = diamond.points[(i + 1) % diamond.count];
        DrawLine(game.graphics.backBuffer, from.x, from.y + dy, to.x, to.y + dy,
                 light ? kCursorLight : kCursorDark);
      }
    }
  }
}

}  // namespace kelvane
