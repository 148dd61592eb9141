// SPDX-License-Identifier: GPL-3.0-or-later
// A code-drawn skin sheet, ready-to-draw Games and PNG encoding for the rendering tests.
#include "render/render_fixture.h"

#include <png.h>

#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/skins.h"
#include "storage/settings_file.h"
#include "support/test_game.h"

namespace kelvane::testing {

namespace {

// Face polygons of a sprite, relative to its top-left corner.
Polygon FacePolygon(CubeGeometry g, Face face) {
  switch (face) {
    case Face::Top:
      return {{{{g.W, 0}, {2 * g.W, g.R}, {g.W, 2 * g.R}, {0, g.R}}}, 4};
    case Face::Left:
      return {{{{0, g.R}, {g.W, 2 * g.R}, {g.W, g.H}, {0, g.H - g.R}}}, 4};
    case Face::Right:
      return {{{{g.W, 2 * g.R}, {2 * g.W, g.R}, {2 * g.W, g.H - g.R}, {g.W, g.H}}}, 4};
  }
  return {};
}

void FillPolygon(Surface& target, const Polygon& polygon, Pixel pixel) {
  const Rect bounds = Bounds(polygon);
  for (int y = bounds.top; y < bounds.bottom; ++y) {
    const RowSpans row = SpansOnRow(polygon, y);
    for (int i = 0; i < row.count; ++i) {
      FillRect(target, {row.spans[i].begin, y, row.spans[i].end, y + 1}, pixel);
    }
  }
}

Surface DrawTestSheet() {
  Surface sheet = MakeSurface(kSheetWidth, kSheetHeight, kWhitePixel);
  const CubeGeometry g = FieldGeometry(8);
  for (int value = 1; value <= 9; ++value) {
    for (const bool lighter : {false, true}) {
      const Rect cell = SourceRect(value, true, lighter, g);
      for (const Face face : {Face::Top, Face::Left, Face::Right}) {
        FillPolygon(sheet, Translated(FacePolygon(g, face), {cell.left, cell.top}),
                    TestFaceColour(value, face, lighter));
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
  const Colour hue = kHues[(value - 1) % 9];
  const int percent = face == Face::Top ? 100 : face == Face::Left ? 80 : 60;
  Colour shaded = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    int channel = static_cast<int>((hue >> shift) & 0xFF) * percent / 100;
    if (lighter) {
      channel += (255 - channel) / 3;
    }
    shaded |= static_cast<Colour>(channel) << shift;
  }
  return PixelFromColour(shaded);
}

const Surface& TestSheet() {
  static const Surface sheet = DrawTestSheet();
  return sheet;
}

Point FaceSample(CubeGeometry g, Point spriteTopLeft, Face face) {
  switch (face) {
    case Face::Top:
      return {spriteTopLeft.x + g.W, spriteTopLeft.y + g.R};
    case Face::Left:
      return {spriteTopLeft.x + g.W / 2, spriteTopLeft.y + g.H / 2 + g.R / 2};
    case Face::Right:
      return {spriteTopLeft.x + 3 * g.W / 2, spriteTopLeft.y + g.H / 2 + g.R / 2};
  }
  return spriteTopLeft;
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

std::vector<std::uint8_t> EncodePng(const Surface& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint8_t> bytes(PNG_IMAGE_PNG_SIZE_MAX(image));
  png_alloc_size_t size = bytes.size();
  if (png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.pixels.data(), 0,
                                nullptr) == 0) {
    return {};
  }
  bytes.resize(size);
  return bytes;
}

}  // namespace kelvane::testing
