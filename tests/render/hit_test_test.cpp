// The pointer hit test over the floor diamonds of the current layer.
#include "render/hit_test.h"

#include <gtest/gtest.h>

#include "render/cube_geometry.h"
#include "render/layout.h"
#include "render/render_fixture.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

Point DiamondCentre(const Game& game, int x, int y, int layer) {
  const Point origin = FigureOrigin(game.fieldGeometry, HelperOrigin(game));
  const Point p = ProjectLattice(game.fieldGeometry, origin, x, y, layer);
  return {p.x, p.y + game.fieldGeometry.R};
}

TEST(HitTest, PointerOnADiamondFindsItsCell) {
  auto game = testing::NewDrawingGame(4);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(HitTestFloorCell(*game, DiamondCentre(*game, x, y, 0)), (FloorCell{x, y}));
    }
  }
}

TEST(HitTest, OnlyTheFootprintOfTheFigureCanBeHit) {
  auto game = testing::NewDrawingGame(4);  // the default figure is 3 × 5
  EXPECT_EQ(HitTestFloorCell(*game, DiamondCentre(*game, 3, 0, 0)), std::nullopt);
  EXPECT_EQ(HitTestFloorCell(*game, DiamondCentre(*game, 0, 5, 0)), std::nullopt);
  EXPECT_EQ(HitTestFloorCell(*game, Point{0, 0}), std::nullopt);
}

TEST(HitTest, ThePlatformSuppliesTheCursor) {
  auto game = testing::NewDrawingGame(4);
  testing::FakePlatform platform;
  platform.cursor = DiamondCentre(*game, 2, 4, 0);
  EXPECT_EQ(HitTestFloorCell(*game, platform), (FloorCell{2, 4}));
}

}  // namespace
}  // namespace kelvane
