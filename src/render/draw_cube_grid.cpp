// SPDX-License-Identifier: GPL-3.0-or-later
// DrawCubeGrid: sprite copies from a sheet, clipped to the cube outline or masked.
#include "render/draw_cube_grid.h"

#include "render/cube_geometry.h"
#include "render/piece_numbers.h"
#include "render/region.h"

namespace kelvane {

void DrawCubeGrid(const Game& game, Surface& target, Point origin, const CellGrid& grid,
                  const Surface* sheet, Checkers checkers, CubeGeometry g, bool pieceNumbers) {
  const Graphics& graphics = game.graphics;
  const bool thumbnail = g.W == kThumbnailGeometry.W * graphics.pixelRatio;
  // The SpriteMask fits the logical thumbnail alone; device-pixel thumbnails clip like the field.
  const bool masked = thumbnail && graphics.pixelRatio == 1;
  if (sheet == nullptr) {
    sheet = thumbnail ? &graphics.thumbnailSheet : &graphics.fieldSheet;
  }
  const bool checkersOn =
      checkers == Checkers::On || (checkers == Checkers::AsSet && game.settings.SHOW_CHECKERS != 0);
  const Region outline = MakeRegion(CubeOutline(g));
  for (int z = 0; z < kGridSize; ++z) {
    for (int y = 0; y < kGridSize; ++y) {
      for (int x = 0; x < kGridSize; ++x) {
        const int value = grid.at(x, y, z);
        if (value < 1) {
          continue;
        }
        const Rect from = SourceRect(value, checkersOn, (x + y + z) % 2 == 1, g);
        const Point at = SpriteTopLeft(g, origin, x, y, z);
        if (masked) {
          CopyMasked(target, at.x, at.y, *sheet, from, graphics.spriteMask);
        } else {
          CopyThrough(target, at.x, at.y, *sheet, from, outline);
        }
        const bool topOpen = z + 1 == kGridSize || grid.at(x, y, z + 1) < 1;
        if (pieceNumbers && topOpen && value >= PieceCellValue(0) &&
            value <= PieceCellValue(kPieceCount - 1)) {
          DrawPieceNumber(target, {at.x + g.W, at.y + g.R}, value - 1, g);
        }
      }
    }
  }
}

}  // namespace kelvane
