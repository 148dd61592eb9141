// SPDX-License-Identifier: GPL-3.0-or-later
// Cube geometries of every scale, the projection and the sprite-cell rule, against known values.
#include "render/cube_geometry.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(CubeGeometry, EveryScaleHasItsTabulatedSizes) {
  const struct {
    int scale;
    CubeGeometry g;
    int gapX, gapY;
  } table[] = {
      {2, {18, 12, 18, 43}, 4, 2},
      {3, {27, 18, 27, 64}, 6, 3},
      {4, {36, 24, 37, 86}, 8, 4},
      {5, {45, 30, 46, 107}, 10, 5},
      {6, {54, 36, 55, 129}, 12, 6},
      {7, {63, 42, 64, 150}, 14, 7},
      {8, {72, 48, 74, 172}, 16, 8},
      // Scales outside 2…8 draw at 4.
      {0, {36, 24, 37, 86}, 8, 4},
      {1, {36, 24, 37, 86}, 8, 4},
      {9, {36, 24, 37, 86}, 8, 4},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.scale);
    const CubeGeometry g = FieldGeometry(row.scale);
    EXPECT_EQ(g, row.g);
    EXPECT_EQ(GapX(g), row.gapX);
    EXPECT_EQ(GapY(g), row.gapY);
  }
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
  const struct {
    int value;
    bool checkers, odd;
    CubeGeometry g;
    Rect cell;
  } table[] = {
      {1, false, false, g, {0, 0, 72, 86}},
      {6, false, false, g, {400, 0, 472, 86}},
      {7, false, false, g, {0, 180, 72, 266}},
      {9, false, false, g, {160, 180, 232, 266}},
      {9, true, true, g, {160, 270, 232, 356}},  // odd cells take the lighter copy below
      {3, true, false, g, {160, 0, 232, 86}},
      {3, false, true, g, {160, 0, 232, 86}},  // checkers off: odd cells keep the normal shade
      // The shrunk sheet's rows lie 22.5 pixels apart; the rule reads them on a pitch of 22.
      {7, true, true, kThumbnailGeometry, {0, 66, 18, 87}},
  };
  for (const auto& row : table) {
    EXPECT_EQ(SourceRect(row.value, row.checkers, row.odd, row.g), row.cell)
        << row.value << " " << row.checkers << row.odd;
  }
}

}  // namespace
}  // namespace kelvane
