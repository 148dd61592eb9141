// Creating the surfaces, applying scale and skin, and building the sprite mask.
#include "render/graphics_setup.h"

#include "render/cube_geometry.h"
#include "render/skins.h"

namespace kelvane {

void CreateGraphics(Game& game, int screenWidth, int screenHeight) {
  Graphics& graphics = game.graphics;
  graphics.inkSurface =
      MakeSurface(kInkSurfaceWidth, kInkSurfaceHeight, PixelFromColour(game.settings.COLOR_INK));
  graphics.screenWidth = screenWidth;
  graphics.screenHeight = screenHeight;
  graphics.backBuffer = MakeSurface(screenWidth, screenHeight, kBlackPixel);
}

void ApplyScaleAndSkin(Game& game, Platform& platform) {
  Graphics& graphics = game.graphics;
  const int scale = DrawnScale(game.settings.SCALE);
  game.fieldGeometry = FieldGeometry(scale);
  graphics.fieldSheet = FieldSheetOf(LoadSkinBitmap(game.settings.SKIN_INDEX), scale);
  graphics.thumbnailSheet = LoadThumbnailSheet(game.settings.SKIN_INDEX);
  FillRect(graphics.inkSurface, {0, 0, kInkSurfaceWidth, kInkSurfaceHeight},
           PixelFromColour(game.settings.COLOR_INK));
  platform.FitWindow();
}

void BuildSpriteMask(Game& game) {
  const CubeGeometry g = game.thumbnailGeometry;
  const Surface white = MakeSurface(2 * g.W, g.H, kWhitePixel);
  Surface& mask = game.graphics.spriteMask;
  mask = MakeSurface(2 * g.W, g.H, kBlackPixel);
  CopyThrough(mask, 0, 0, white, {0, 0, 2 * g.W, g.H}, MakeRegion(CubeOutline(g)));
}

}  // namespace kelvane
