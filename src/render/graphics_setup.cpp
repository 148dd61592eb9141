// SPDX-License-Identifier: GPL-3.0-or-later
// Creating the surfaces, applying scale and skin, and building the sprite mask.
#include "render/graphics_setup.h"

#include <algorithm>

#include "render/cube_geometry.h"
#include "render/device_pixels.h"
#include "render/skins.h"

namespace kelvane {

void CreateGraphics(Game& game, int screenWidth, int screenHeight, int pixelRatio) {
  Graphics& graphics = game.graphics;
  graphics.inkSurface =
      MakeSurface(kInkSurfaceWidth, kInkSurfaceHeight, PixelFromColour(game.settings.COLOR_INK));
  graphics.screenWidth = screenWidth;
  graphics.screenHeight = screenHeight;
  graphics.pixelRatio = std::max(pixelRatio, 1);
  graphics.backBuffer = MakeSurface(screenWidth * graphics.pixelRatio,
                                    screenHeight * graphics.pixelRatio, kBlackPixel);
}

void DrawFieldAtScale(Game& game, int scale) {
  Graphics& graphics = game.graphics;
  game.fieldGeometry = FieldGeometry(scale);
  const Surface stored = LoadSkinBitmap(game.settings.SKIN_INDEX);
  graphics.fieldSheet =
      graphics.pixelRatio == 1
          ? FieldSheetOf(stored, scale)
          : SpriteSheetFor(stored, ScaledGeometry(game.fieldGeometry, graphics.pixelRatio));
}

void ApplyScaleAndSkin(Game& game, Platform& platform) {
  Graphics& graphics = game.graphics;
  DrawFieldAtScale(game, DrawnScale(game.settings.SCALE));
  graphics.thumbnailSheet = LoadThumbnailSheetFor(game, game.settings.SKIN_INDEX);
  FillRect(graphics.inkSurface, {0, 0, kInkSurfaceWidth, kInkSurfaceHeight},
           PixelFromColour(game.settings.COLOR_INK));
  platform.FitWindow();
}

Surface LoadThumbnailSheetFor(const Game& game, int skinIndex) {
  const int ratio = game.graphics.pixelRatio;
  return ratio == 1 ? LoadThumbnailSheet(skinIndex)
                    : SpriteSheetFor(LoadSkinBitmap(skinIndex),
                                     ScaledGeometry(game.thumbnailGeometry, ratio));
}

void BuildSpriteMask(Game& game) {
  const CubeGeometry g = game.thumbnailGeometry;
  const Surface white = MakeSurface(2 * g.W, g.H, kWhitePixel);
  Surface& mask = game.graphics.spriteMask;
  mask = MakeSurface(2 * g.W, g.H, kBlackPixel);
  CopyThrough(mask, 0, 0, white, {0, 0, 2 * g.W, g.H}, MakeRegion(CubeOutline(g)));
}

}  // namespace kelvane
