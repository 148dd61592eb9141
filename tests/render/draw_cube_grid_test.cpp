// SPDX-License-Identifier: GPL-3.0-or-later
// DrawCubeGrid: sprites where the projection puts them, back to front, clipped to their outline.
#include "render/draw_cube_grid.h"

#include <gtest/gtest.h>

#include "render/cube_geometry.h"
#include "render/render_fixture.h"

namespace kelvane {
namespace {

using testing::Face;
using testing::FaceSample;
using testing::TestFaceColour;

constexpr Pixel kPaper = 0xFF102030u;

Surface Paper() {
  return MakeSurface(400, 400, kPaper);
}

TEST(DrawCubeGrid, OneCubeFillsExactlyItsOutline) {
  for (const int scale : {2, 4, 8}) {
    auto game = testing::NewDrawingGame(scale);
    const CubeGeometry g = game->fieldGeometry;
    Surface target = Paper();
    CellGrid grid;
    grid.at(0, 0, 0) = 3;
    DrawCubeGrid(*game, target, {200, 300}, grid, nullptr, Checkers::Off, g);
    const Point at = SpriteTopLeft(g, {200, 300}, 0, 0, 0);
    const Polygon outline = Translated(CubeOutline(g), at);
    for (int y = 0; y < target.height; ++y) {
      for (int x = 0; x < target.width; ++x) {
        ASSERT_EQ(target.At(x, y) != kPaper, Covers(outline, {x, y}))
            << "scale " << scale << " at " << x << "," << y;
      }
    }
    const Point top = FaceSample(g, at, Face::Top);
    EXPECT_EQ(target.At(top.x, top.y), TestFaceColour(3, Face::Top, false));
  }
}

TEST(DrawCubeGrid, LaterCellsCoverEarlierOnes) {
  auto game = testing::NewDrawingGame(4);
  const CubeGeometry g = game->fieldGeometry;
  CellGrid grid;
  grid.at(0, 0, 0) = 2;
  grid.at(1, 1, 0) = 3;  // in front of (0, 0, 0)
  grid.at(0, 0, 1) = 4;  // on top of (0, 0, 0)
  Surface target = Paper();
  DrawCubeGrid(*game, target, {200, 250}, grid, nullptr, Checkers::Off, g);
  // The front cube's top face hides the back cube's lower front faces.
  const Point front = FaceSample(g, SpriteTopLeft(g, {200, 250}, 1, 1, 0), Face::Top);
  EXPECT_EQ(target.At(front.x, front.y), TestFaceColour(3, Face::Top, false));
  const Point upper = FaceSample(g, SpriteTopLeft(g, {200, 250}, 0, 0, 1), Face::Left);
  EXPECT_EQ(target.At(upper.x, upper.y), TestFaceColour(4, Face::Left, false));
}

TEST(DrawCubeGrid, CheckersAsSetFollowTheSetting) {
  auto game = testing::NewDrawingGame(4);
  const CubeGeometry g = game->fieldGeometry;
  CellGrid grid;
  grid.at(1, 0, 0) = 5;
  const Point sample = FaceSample(g, SpriteTopLeft(g, {200, 200}, 1, 0, 0), Face::Top);
  for (const int show : {0, 1}) {
    game->settings.SHOW_CHECKERS = show;
    Surface target = Paper();
    DrawCubeGrid(*game, target, {200, 200}, grid, nullptr, Checkers::AsSet, g);
    EXPECT_EQ(target.At(sample.x, sample.y), TestFaceColour(5, Face::Top, show == 1));
  }
}

// The sheet's white corners beside each thumbnail must never reach the picture: whatever the
// value and shade, only pixels inside the sprite's outline change.
TEST(DrawCubeGrid, ThumbnailOutlineCornersNeverReachTheTarget) {
  auto game = testing::NewDrawingGame(4);
  const CubeGeometry g = game->thumbnailGeometry;
  const Point origin{30, 30};
  for (int value = 1; value <= 9; ++value) {
    for (const int x : {0, 1}) {  // even and odd parity
      CellGrid grid;
      grid.at(x, 0, 0) = static_cast<std::int8_t>(value);
      Surface target = MakeSurface(60, 60, kPaper);
      DrawCubeGrid(*game, target, origin, grid, nullptr, Checkers::On, g);
      const Polygon outline = Translated(CubeOutline(g), SpriteTopLeft(g, origin, x, 0, 0));
      for (int py = 0; py < target.height; ++py) {
        for (int px = 0; px < target.width; ++px) {
          if (!Covers(outline, {px, py})) {
            ASSERT_EQ(target.At(px, py), kPaper) << "value " << value << " at " << px << "," << py;
          }
        }
      }
    }
  }
}

TEST(DrawCubeGrid, SpriteMaskAndFieldClipGiveTheSamePixels) {
  auto game = testing::NewDrawingGame(4);
  const CubeGeometry g = game->thumbnailGeometry;
  const Surface& mask = game->graphics.spriteMask;
  ASSERT_EQ(mask.width, 18);
  ASSERT_EQ(mask.height, 21);
  const Polygon outline = CubeOutline(g);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      EXPECT_EQ(mask.At(x, y) == kWhitePixel, Covers(outline, {x, y})) << x << "," << y;
      EXPECT_TRUE(mask.At(x, y) == kWhitePixel || mask.At(x, y) == kBlackPixel);
    }
  }
}

}  // namespace
}  // namespace kelvane
