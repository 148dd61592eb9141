// SPDX-License-Identifier: GPL-3.0-or-later
// DrawCubeGrid: sprites where the projection puts them, back to front, clipped to their outline.
#include "render/draw_cube_grid.h"

#include <gtest/gtest.h>

#include "render/cube_geometry.h"
#include "render/device_pixels.h"
#include "render/render_fixture.h"
#include "render/skins.h"

namespace kelvane {
namespace {

using testing::Face;
using testing::FaceSample;
using testing::TestFaceColour;

constexpr Pixel kPaper = 0xFF102030u;

// Guards the clip to the outline, and every sheet holding its sprites where SourceRect looks.
TEST(DrawCubeGrid, EverySpriteOfEverySheetFillsExactlyItsOutlineInItsColours) {
  auto game = testing::NewDrawingGame(4);
  const Surface& stored = testing::TestSheet();
  const auto device = [&](CubeGeometry g) { return std::pair{g, SpriteSheetFor(stored, g)}; };
  const std::pair<CubeGeometry, Surface> sheets[] = {
      {FieldGeometry(2), FieldSheetOf(stored, 2)},
      {FieldGeometry(4), FieldSheetOf(stored, 4)},
      {FieldGeometry(8), stored},
      {kThumbnailGeometry, game->graphics.thumbnailSheet},  // drawn through the SpriteMask
      // Device pixels: re-laid, as a merely shrunk sheet's rows drift from the rounded pitch.
      device(ScaledGeometry(FieldGeometry(3), 2)),
      device(ScaledGeometry(FieldGeometry(8), 2)),
      device(ScaledGeometry(kThumbnailGeometry, 2)),
  };
  for (const auto& [g, sheet] : sheets) {
    for (int value = 1; value <= 9; ++value) {
      for (const int x : {0, 1}) {  // even and odd parity
        CellGrid grid;
        grid.at(x, 0, 0) = static_cast<std::int8_t>(value);
        const Point origin{g.W + 4, g.E + 4};
        Surface target = MakeSurface(3 * g.W + 8, g.H + 2 * g.R + 8, kPaper);
        DrawCubeGrid(*game, target, origin, grid, &sheet, Checkers::On, g);
        const Point at = SpriteTopLeft(g, origin, x, 0, 0);
        const Polygon outline = Translated(CubeOutline(g), at);
        for (int py = 0; py < target.height; ++py) {
          for (int px = 0; px < target.width; ++px) {
            ASSERT_EQ(target.At(px, py) != kPaper, Covers(outline, {px, py}))
                << "W " << g.W << " value " << value << " at " << px << "," << py;
          }
        }
        for (const Face face : {Face::Top, Face::Left, Face::Right}) {
          const Point p = FaceSample(g, at, face);
          EXPECT_EQ(target.At(p.x, p.y), TestFaceColour(value, face, x == 1)) << "W " << g.W;
        }
      }
    }
  }
}

TEST(DrawCubeGrid, LaterCellsCoverEarlierOnesAndCheckersFollowTheSetting) {
  auto game = testing::NewDrawingGame(4);
  const CubeGeometry g = game->fieldGeometry;
  CellGrid grid;
  grid.at(0, 0, 0) = 2;
  grid.at(1, 1, 0) = 3;  // in front of (0, 0, 0)
  grid.at(0, 0, 1) = 4;  // on top of (0, 0, 0), odd
  const Point front = FaceSample(g, SpriteTopLeft(g, {200, 250}, 1, 1, 0), Face::Top);
  const Point upper = FaceSample(g, SpriteTopLeft(g, {200, 250}, 0, 0, 1), Face::Left);
  for (const int show : {0, 1}) {
    game->settings.SHOW_CHECKERS = show;
    Surface target = MakeSurface(400, 400, kPaper);
    DrawCubeGrid(*game, target, {200, 250}, grid, nullptr, Checkers::AsSet, g);
    // The front cube's top face hides the back cube's lower front faces.
    EXPECT_EQ(target.At(front.x, front.y), TestFaceColour(3, Face::Top, false));
    EXPECT_EQ(target.At(upper.x, upper.y), TestFaceColour(4, Face::Left, show == 1));
  }
}

// A thumbnail sheet that did not load is not reported: drawing from it leaves the target as is.
TEST(DrawCubeGrid, AMissingSheetDrawsNothing) {
  auto game = testing::NewDrawingGame(4);
  Surface target = MakeSurface(100, 100, kPaper);
  const Surface none, before = target;
  DrawCubeGrid(*game, target, {50, 50}, game->pieceGrids[0], &none, Checkers::On,
               game->thumbnailGeometry);
  EXPECT_EQ(target.pixels, before.pixels);
}

}  // namespace
}  // namespace kelvane
