// SPDX-License-Identifier: GPL-3.0-or-later
// A code-drawn skin sheet and ready-to-draw Games for the rendering tests.
#include "render/render_fixture.h"

#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/region.h"
#include "render/skins.h"
#include "storage/settings_file.h"
#include "support/test_game.h"

namespace kelvane::testing {

namespace {

// Face polygons of a sprite, relative to its top-left corner.
Polygon FacePolygon(CubeGeometry g, Face face) {
  const Polygon faces[] = {
      {{{{g.W, 0}, {2 * g.W, g.R}, {g.W, 2 * g.R}, {0, g.R}}}, 4},
      {{{{0, g.R}, {g.W, 2 * g.R}, {g.W, g.H}, {0, g.H - g.R}}}, 4},
      {{{{g.W, 2 * g.R}, {2 * g.W, g.R}, {2 * g.W, g.H - g.R}, {g.W, g.H}}}, 4},
  };
  return faces[static_cast<int>(face)];
}

Surface DrawTestSheet() {
  Surface sheet = MakeSurface(kSheetWidth, kSheetHeight, kWhitePixel);
  const CubeGeometry g = FieldGeometry(8);
  for (int value = 1; value <= 9; ++value) {
    for (const bool lighter : {false, true}) {
      const Rect cell = SourceRect(value, true, lighter, g);
      for (const Face face : {Face::Top, Face::Left, Face::Right}) {
        const Surface paint = MakeSurface(2 * g.W, g.H, TestFaceColour(value, face, lighter));
        CopyThrough(sheet, cell.left, cell.top, paint, {0, 0, 2 * g.W, g.H},
                    MakeRegion(FacePolygon(g, face)));
      }
    }
  }
  return sheet;
}

}  // namespace

Pixel TestFaceColour(int value, Face face, bool lighter) {
  // Nine distinct hues; the shades keep every face of every value apart.
  static constexpr Colour kHues[] = {0x707070, 0x2020D0, 0x2080F0, 0x20D0E0, 0x30B030,
                                     0xB0B020, 0xD04020, 0xA02090, 0xF0F0F0};
  const int percent = 100 - 20 * static_cast<int>(face);  // top, left, right
  Colour shaded = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int channel = static_cast<int>((kHues[value - 1] >> shift) & 0xFF) * percent / 100;
    shaded |= static_cast<Colour>(lighter ? channel + (255 - channel) / 3 : channel) << shift;
  }
  return PixelFromColour(shaded);
}

const Surface& TestSheet() {
  static const Surface sheet = DrawTestSheet();
  return sheet;
}

Point FaceSample(CubeGeometry g, Point spriteTopLeft, Face face) {
  const Rect box = Bounds(FacePolygon(g, face));  // each face holds the middle of its box
  return {spriteTopLeft.x + (box.left + box.right) / 2,
          spriteTopLeft.y + (box.top + box.bottom) / 2};
}

std::unique_ptr<Game> NewDrawingGame(int scale) {
  auto game = NewInitialisedGame();
  SetDefaultSettings(game->settings);
  game->settings.SCALE = scale;
  CreateGraphics(*game, 1920, 1080);
  game->fieldGeometry = FieldGeometry(scale);
  game->graphics.fieldSheet = FieldSheetOf(TestSheet(), scale);
  game->graphics.thumbnailSheet = ThumbnailSheetOf(TestSheet());
  BuildSpriteMask(*game);
  return game;
}

}  // namespace kelvane::testing
