// SPDX-License-Identifier: GPL-3.0-or-later
// Skin choice, decoding the built-in pictures and applying scale and skin to the Game.
#include "render/skins.h"

#include <gtest/gtest.h>
#include <png.h>

#include "render/cube_geometry.h"
#include "render/device_pixels.h"
#include "render/graphics_setup.h"
#include "render/render_fixture.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

std::vector<std::uint8_t> EncodePng(const Surface& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_BGRA;
  std::vector<std::uint8_t> bytes(PNG_IMAGE_PNG_SIZE_MAX(image));
  png_alloc_size_t size = bytes.size();
  png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.pixels.data(), 0, nullptr);
  bytes.resize(size);
  return bytes;
}

TEST(Skins, SheetPicturesAndEveryBuiltInSkinDecodeFromPngAndNothingElseDoes) {
  const Surface& sheet = testing::TestSheet();
  const std::vector<std::uint8_t> png = EncodePng(sheet);
  const Surface decoded = DecodeSkinSheet(png);
  ASSERT_EQ(decoded.width, kSheetWidth);
  ASSERT_EQ(decoded.height, kSheetHeight);
  EXPECT_EQ(decoded.pixels, sheet.pixels);
  const std::vector<std::uint8_t> unusable[] = {
      {0x89, 'P', 'N', 'G', 1, 2, 3},
      {},
      {png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2)},
      EncodePng(MakeSurface(64, 48, kWhitePixel)),
  };
  for (const auto& bytes : unusable) {
    EXPECT_EQ(DecodeSkinSheet(bytes).width, 0) << bytes.size() << " bytes";
  }
  for (int index = 0; index < kSkinCount; ++index) {
    EXPECT_EQ(LoadSkinBitmap(index).width, kSheetWidth) << "built-in skin " << index;
  }
}

// Regression: averaging alone blurred the sprite outlines below a pixel at scales 2 to 4.
TEST(Skins, ShrunkSheetsKeepAOnePixelOutlineInTheStoredOutlineColour) {
  EXPECT_EQ(FieldSheetOf(testing::TestSheet(), 8).pixels, testing::TestSheet().pixels);
  const Pixel outline = testing::TestFaceColour(2, testing::Face::Left, true);
  for (int scale : {2, 3, 4, 0}) {  // 0: thumbnails
    const CubeGeometry g = scale == 0 ? kThumbnailGeometry : FieldGeometry(scale);
    const Surface sheet = scale == 0 ? ThumbnailSheetOf(testing::TestSheet())
                                     : FieldSheetOf(testing::TestSheet(), scale);
    const Rect red = SourceRect(2, true, true, g);  // where SourceRect looks for the sprite
    const int y = g.R / 2;
    const RowSpans row = SpansOnRow(CubeOutline(g), y);
    EXPECT_EQ(sheet.At(red.left + row.spans[0].begin, red.top + y), outline) << scale;
    EXPECT_EQ(sheet.At(red.left + row.spans[0].end - 1, red.top + y), outline) << scale;
    const Point top = testing::FaceSample(g, {red.left, red.top}, testing::Face::Top);
    EXPECT_EQ(sheet.At(top.x, top.y), testing::TestFaceColour(2, testing::Face::Top, true));
  }
}

TEST(Skins, ApplyingScaleAndSkinSetsGeometrySheetsAndInkAndFitsTheWindow) {
  auto game = testing::NewInitialisedGame();
  game->settings.SCALE = 6;
  game->settings.SKIN_INDEX = 9;  // beyond the built-in skins: the smoothed one
  CreateGraphics(*game, 800, 600);
  game->settings.COLOR_INK = 0x00FF00;  // a changed ink colour reaches the tint
  testing::FakePlatform platform;
  ApplyScaleAndSkin(*game, platform);
  EXPECT_EQ(game->fieldGeometry, FieldGeometry(6));
  EXPECT_EQ(game->graphics.fieldSheet.pixels, FieldSheetOf(LoadSkinBitmap(9), 6).pixels);
  EXPECT_EQ(game->graphics.thumbnailSheet.pixels, LoadThumbnailSheet(9).pixels);
  EXPECT_EQ(game->graphics.inkSurface.At(935, 623), PixelFromColour(0x00FF00));
  EXPECT_EQ(platform.fits, 1);
  for (const int index : {-1, kSkinCount, 1000}) {
    EXPECT_EQ(SkinNumber(index), 3);
  }
  EXPECT_EQ(game->graphics.screenHeight, 600);

  // On a screen of twice the density both sheets are drawn for device-size cubes.
  CreateGraphics(*game, 800, 600, 2);
  ApplyScaleAndSkin(*game, platform);
  const Surface skin = LoadSkinBitmap(9);
  EXPECT_EQ(game->graphics.fieldSheet.pixels,
            SpriteSheetFor(skin, ScaledGeometry(FieldGeometry(6), 2)).pixels);
  EXPECT_EQ(game->graphics.thumbnailSheet.pixels,
            SpriteSheetFor(skin, ScaledGeometry(game->thumbnailGeometry, 2)).pixels);
}

}  // namespace
}  // namespace kelvane
