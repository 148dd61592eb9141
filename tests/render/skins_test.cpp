// SPDX-License-Identifier: GPL-3.0-or-later
// Skin choice, decoding the built-in pictures and applying scale and skin to the Game.
#include "render/skins.h"

#include <gtest/gtest.h>

#include "render/cube_geometry.h"
#include "render/draw_cube_grid.h"
#include "render/graphics_setup.h"
#include "render/render_fixture.h"
#include "support/fake_platform.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

TEST(Skins, IndexesBeyondTheSevenShowTheSmoothedSkin) {
  EXPECT_EQ(SkinNumber(0), 1);
  EXPECT_EQ(SkinNumber(6), 7);
  EXPECT_EQ(SkinNumber(7), 3);
  EXPECT_EQ(SkinNumber(1000), 3);
  EXPECT_EQ(SkinNumber(-1), 3);
}

TEST(Skins, SheetPicturesDecodeFromPng) {
  const Surface& sheet = testing::TestSheet();
  const Surface decoded = DecodeSkinSheet(testing::EncodePng(sheet));
  ASSERT_EQ(decoded.width, kSheetWidth);
  ASSERT_EQ(decoded.height, kSheetHeight);
  EXPECT_EQ(decoded.pixels, sheet.pixels);
}

TEST(Skins, UnusablePicturesDecodeToNothing) {
  const std::vector<std::uint8_t> garbage{0x89, 'P', 'N', 'G', 1, 2, 3};
  EXPECT_EQ(DecodeSkinSheet(garbage).width, 0);
  EXPECT_EQ(DecodeSkinSheet({}).width, 0);
  std::vector<std::uint8_t> cut = testing::EncodePng(testing::TestSheet());
  cut.resize(cut.size() / 2);
  EXPECT_EQ(DecodeSkinSheet(cut).width, 0);
  EXPECT_EQ(DecodeSkinSheet(testing::EncodePng(MakeSurface(64, 48, kWhitePixel))).width, 0);
}

TEST(Skins, ThumbnailSheetHoldsTheWholeSheetShrunkToAnEighth) {
  const Surface thumbnails = ThumbnailSheetOf(testing::TestSheet());
  ASSERT_EQ(thumbnails.width, kSheetWidth);
  // The red sprite's top face centre (scale 8: (160 + 72, 48)) lands at (29, 6).
  EXPECT_EQ(thumbnails.At(29, 6), testing::TestFaceColour(2, testing::Face::Top, false));
  // Beyond the shrunk corner the stored picture stays.
  EXPECT_EQ(thumbnails.At(232, 48), testing::TestSheet().At(232, 48));
}

TEST(Skins, ScaleEightUsesTheSheetAsStored) {
  EXPECT_EQ(FieldSheetOf(testing::TestSheet(), 8).pixels, testing::TestSheet().pixels);
  const Surface two = FieldSheetOf(testing::TestSheet(), 2);
  EXPECT_EQ(two.At(255, 191), kWhitePixel);
  EXPECT_EQ(two.At(18, 12), testing::TestFaceColour(1, testing::Face::Top, false));
}

// Regression: averaging alone blurred the outline below a pixel at scales 2 to 4.
TEST(Skins, ShrunkSheetsKeepAOnePixelOutlineInTheStoredOutlineColour) {
  const CubeGeometry stored = FieldGeometry(8);
  const Rect storedRed = SourceRect(2, true, true, stored);
  const Pixel outline = testing::TestSheet().At(storedRed.left, storedRed.top + stored.H / 2);
  for (int scale : {2, 3, 4}) {
    const CubeGeometry g = FieldGeometry(scale);
    const Surface sheet = FieldSheetOf(testing::TestSheet(), scale);
    const Rect red = SourceRect(2, true, true, g);  // the lighter copy, where the rule reads it
    const int y = g.R / 2;
    const RowSpans row = SpansOnRow(CubeOutline(g), y);
    EXPECT_EQ(sheet.At(red.left + row.spans[0].begin, red.top + y), outline) << scale;
    EXPECT_EQ(sheet.At(red.left + row.spans[0].end - 1, red.top + y), outline) << scale;
    EXPECT_EQ(sheet.At(red.left + g.W, red.top + y),
              testing::TestFaceColour(2, testing::Face::Top, true));
  }
}

TEST(Skins, ApplyingScaleAndSkinSetsGeometryInkAndFitsTheWindow) {
  auto game = testing::NewInitialisedGame();
  game->settings.SCALE = 6;
  game->settings.SKIN_INDEX = 9;
  game->settings.COLOR_INK = 0x0000FF;
  CreateGraphics(*game, 800, 600);
  game->settings.COLOR_INK = 0x00FF00;  // a changed ink colour reaches the tint
  testing::FakePlatform platform;
  ApplyScaleAndSkin(*game, platform);
  EXPECT_EQ(game->fieldGeometry, FieldGeometry(6));
  EXPECT_EQ(platform.fits, 1);
  EXPECT_EQ(game->graphics.inkSurface.At(935, 623), PixelFromColour(0x00FF00));
  EXPECT_EQ(game->graphics.backBuffer.width, 800);
  EXPECT_EQ(game->graphics.screenHeight, 600);
}

TEST(Skins, EveryBuiltInSkinDecodes) {
  for (int index = 0; index < kSkinCount; ++index) {
    const Surface sheet = LoadSkinBitmap(index);
    EXPECT_EQ(sheet.width, kSheetWidth) << "skin index " << index;
    EXPECT_EQ(sheet.height, kSheetHeight) << "skin index " << index;
  }
}

TEST(Skins, AMissingSkinDrawsNothing) {
  // A picture the program cannot decode is not reported: drawing from it leaves the target as is.
  auto game = testing::NewInitialisedGame();
  BuildSpriteMask(*game);
  CellGrid grid;
  grid.at(0, 0, 0) = 1;
  Surface target = MakeSurface(100, 100, kBlackPixel);
  const Surface none;
  DrawCubeGrid(*game, target, {50, 50}, grid, &none, Checkers::On, FieldGeometry(4));
  DrawCubeGrid(*game, target, {50, 50}, grid, &none, Checkers::On, game->thumbnailGeometry);
  for (const Pixel p : target.pixels) {
    ASSERT_EQ(p, kBlackPixel);
  }
}

}  // namespace
}  // namespace kelvane
