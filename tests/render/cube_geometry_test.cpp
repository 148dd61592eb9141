// SPDX-License-Identifier: GPL-3.0-or-later
// Cube geometries of every scale, the projection and the sprite-cell rule, against known values.
#include "render/cube_geometry.h"

#include <gtest/gtest.h>

#include "render/skins.h"

namespace kelvane {
namespace {

struct GeometryRow {
  int scale;  // 1 stands for the thumbnail geometry
  CubeGeometry g;
  int gapX, gapY, usedWidth, usedHeight;
};

TEST(CubeGeometry, EveryScaleHasItsTabulatedSizes) {
  const GeometryRow table[] = {
      {1, {9, 6, 9, 21}, 2, 1, 128, 96},       {2, {18, 12, 18, 43}, 4, 2, 256, 192},
      {3, {27, 18, 27, 64}, 6, 3, 384, 288},   {4, {36, 24, 37, 86}, 8, 4, 512, 384},
      {5, {45, 30, 46, 107}, 10, 5, 640, 480}, {6, {54, 36, 55, 129}, 12, 6, 768, 576},
      {7, {63, 42, 64, 150}, 14, 7, 896, 672}, {8, {72, 48, 74, 172}, 16, 8, 1024, 768},
  };
  for (const GeometryRow& row : table) {
    const CubeGeometry g = row.scale == 1 ? kThumbnailGeometry : FieldGeometry(row.scale);
    SCOPED_TRACE(row.scale);
    EXPECT_EQ(g, row.g);
    EXPECT_EQ(GapX(g), row.gapX);
    EXPECT_EQ(GapY(g), row.gapY);
    EXPECT_EQ(kSheetWidth * row.scale / 8, row.usedWidth);
    EXPECT_EQ(kSheetHeight * row.scale / 8, row.usedHeight);
    // Vertically adjacent sprites overlap by H − (2R + E): 0 for thumbnails, 1 up to scale 5, 2
    // above.
    EXPECT_EQ(g.H - 2 * g.R - g.E, row.scale == 1 ? 0 : row.scale <= 5 ? 1 : 2);
  }
}

TEST(CubeGeometry, ScalesOutsideTwoToEightDrawAtFour) {
  EXPECT_EQ(FieldGeometry(1), FieldGeometry(4));
  EXPECT_EQ(FieldGeometry(9), FieldGeometry(4));
  EXPECT_EQ(FieldGeometry(0), FieldGeometry(4));
  EXPECT_EQ(DrawnScale(8), 8);
}

TEST(CubeGeometry, SpritesOfNeighbouringCellsLandWhereTheProjectionPutsThem) {
  const CubeGeometry g = FieldGeometry(4);
  const Point origin{0, 0};
  EXPECT_EQ(SpriteTopLeft(g, origin, 0, 0, 0), (Point{-36, -37}));
  EXPECT_EQ(SpriteTopLeft(g, origin, 1, 0, 0), (Point{0, -13}));
  EXPECT_EQ(SpriteTopLeft(g, origin, 0, 1, 0), (Point{-72, -13}));
  EXPECT_EQ(SpriteTopLeft(g, origin, 0, 0, 1), (Point{-36, -74}));
  // The outline's top vertex is the projection of the cell's upper lattice corner.
  const Point top = SpriteTopLeft(g, {500, 300}, 2, 3, 1);
  EXPECT_EQ((Point{top.x + g.W, top.y}), ProjectLattice(g, {500, 300}, 2, 3, 2));
}

TEST(CubeGeometry, SpriteCellsFollowColourIndexColumnAndPairRows) {
  const CubeGeometry g = FieldGeometry(4);  // pitch 80 across, 90 down
  EXPECT_EQ(SourceRect(1, false, false, g), (Rect{0, 0, 72, 86}));
  EXPECT_EQ(SourceRect(6, false, false, g), (Rect{400, 0, 472, 86}));
  EXPECT_EQ(SourceRect(7, false, false, g), (Rect{0, 180, 72, 266}));
  EXPECT_EQ(SourceRect(9, false, false, g), (Rect{160, 180, 232, 266}));
  EXPECT_EQ(SourceRect(9, true, true, g), (Rect{160, 270, 232, 356}));
}

TEST(CubeGeometry, CheckersShadeOddCellsWithTheLighterCopy) {
  const CubeGeometry g = FieldGeometry(4);
  const auto parityOdd = [](int x, int y, int z) { return (x + y + z) % 2 == 1; };
  const int normalTop = SourceRect(3, true, parityOdd(0, 0, 0), g).top;
  EXPECT_EQ(normalTop, 0);
  for (const auto& [x, y, z] : {std::array{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}) {
    EXPECT_EQ(SourceRect(3, true, parityOdd(x, y, z), g).top, 90);
  }
  EXPECT_EQ(SourceRect(3, true, parityOdd(1, 1, 0), g).top, 0);
  // Checkers off: odd cells keep the normal shade.
  EXPECT_EQ(SourceRect(3, false, true, g).top, 0);
}

TEST(CubeGeometry, ThumbnailRowsUseTheWholePixelPitch) {
  // The shrunk sheet's rows lie 22.5 pixels apart; the rule reads them on a pitch of 22.
  EXPECT_EQ(SourceRect(7, true, true, kThumbnailGeometry), (Rect{0, 66, 18, 87}));
}

}  // namespace
}  // namespace kelvane
