// SPDX-License-Identifier: GPL-3.0-or-later
// Client-area layout and window fitting, against the worked values for the default figure.
#include "render/layout.h"

#include <gtest/gtest.h>

#include "render/cube_geometry.h"
#include "support/test_game.h"

namespace kelvane {
namespace {

std::unique_ptr<Game> DefaultFigureAtScale(int scale, Point layoutOrigin = {}) {
  auto game = testing::NewInitialisedGame();
  game->fieldGeometry = FieldGeometry(scale);
  game->graphics.screenWidth = 1920;
  game->graphics.screenHeight = 1080;
  game->layoutOrigin = layoutOrigin;
  return game;
}

// A Figure of one column X × 1 × Z.
void LayBlock(Game& game, int x, int z) {
  game.figure.Clear();
  for (int k = 0; k < z; ++k) {
    for (int i = 0; i < x; ++i) {
      game.figure.at(i, 0, k) = kPlainCube;
    }
  }
}

TEST(Layout, DefaultFigureAtScaleFourMatchesTheWorkedValues) {
  const Point o{11, 7};
  auto game = DefaultFigureAtScale(4, o);
  EXPECT_EQ(SceneSize(*game), (Size{432, 436}));
  EXPECT_EQ(RequiredClientSize(*game), (Size{1024, 544}));
  EXPECT_EQ(PanelRect(*game), (Rect{o.x + 16, o.y + 16, o.x + 112, o.y + 528}));
  EXPECT_EQ(FieldViewRect(*game).top, o.y + 54);
  EXPECT_EQ(FieldViewRect(*game).left, o.x + 128);
  EXPECT_EQ(HelperOrigin(*game), (Point{o.x + 380, o.y + 202}));
  EXPECT_EQ(PreviewOrigin(*game), (Point{o.x + 828, o.y + 202}));
  EXPECT_EQ(FigureOrigin(game->fieldGeometry, HelperOrigin(*game)),
            (Point{o.x + 380, o.y + 202 + 48 - 37}));
}

TEST(Layout, CreateModeNeedsNoRoomForThePreview) {
  auto game = DefaultFigureAtScale(4);
  game->createMode = 1;
  EXPECT_EQ(RequiredClientSize(*game), (Size{432 + 144, 544}));
}

TEST(Layout, TallSceneDropsThePanelInsteadOfTheScene) {
  auto game = DefaultFigureAtScale(8);  // h0 = 12·48 + 4·74 = 872
  ASSERT_EQ(SceneSize(*game).height, 872);
  EXPECT_EQ(PanelRect(*game).top, 16 + (872 - 512) / 2);
  EXPECT_EQ(FieldViewRect(*game).top, 16);
  EXPECT_EQ(RequiredClientSize(*game).height, 872 + 32);
}

TEST(Layout, SceneExactlyAsHighAsThePanelDropsNeither) {
  // Scale 5, X = 9, Y = 1, Z = 1: (9 + 1 + 4)·30 + 2·46 = 512.
  auto game = DefaultFigureAtScale(5);
  LayBlock(*game, 9, 1);
  ASSERT_EQ(SceneSize(*game).height, 512);
  EXPECT_EQ(PanelRect(*game).top, 16);
  EXPECT_EQ(FieldViewRect(*game).top, 16);
}

TEST(Layout, RequiredWindowAddsTheFrameAndIsCutToTheScreen) {
  auto game = DefaultFigureAtScale(4);
  const FrameMargins frame{4, 50, 4, 4};
  EXPECT_EQ(RequiredWindowRect(*game, frame), (Rect{-4, -50, 1028, 548}));
  game->graphics.screenWidth = 800;
  game->graphics.screenHeight = 500;
  EXPECT_EQ(RequiredWindowRect(*game, frame), (Rect{-4, -50, 796, 450}));
}

TEST(Layout, FirstFitCentresTheWindowOnTheScreen) {
  auto game = DefaultFigureAtScale(4);
  const FrameMargins frame{4, 50, 4, 4};
  const Rect r = FittedWindowRect(*game, frame, false, {});
  EXPECT_EQ(r, (Rect{444, 241, 444 + 1032, 241 + 598}));
  game->graphics.screenWidth = 800;  // larger than the screen: pinned to its corner
  EXPECT_EQ(FittedWindowRect(*game, frame, false, {}).left, 0);
}

TEST(Layout, VisibleWindowGrowsToFitButNeverShrinks) {
  auto game = DefaultFigureAtScale(4);
  const FrameMargins frame{4, 50, 4, 4};
  EXPECT_EQ(FittedWindowRect(*game, frame, true, {30, 40, 530, 340}),
            (Rect{30, 40, 30 + 1032, 40 + 598}));
  EXPECT_EQ(FittedWindowRect(*game, frame, true, {30, 40, 1530, 1040}), (Rect{30, 40, 1530, 1040}));
}

TEST(Layout, ContentIsCentredInALargerClientArea) {
  auto game = DefaultFigureAtScale(4);
  game->createMode = 1;  // entering create mode keeps the wider window: the content re-centres
  const Rect panel = PlaceContent(*game, {1024, 545});
  EXPECT_EQ(game->layoutOrigin, (Point{(1024 - 576) / 2, 0}));
  EXPECT_EQ(panel, PanelRect(*game));
  PlaceContent(*game, {300, 300});
  EXPECT_EQ(game->layoutOrigin, (Point{0, 0}));
}

TEST(Layout, FrameCopyLeavesOutExactlyThePanel) {
  auto game = DefaultFigureAtScale(4, {10, 20});
  const Rect panel = PanelRect(*game);
  const auto rects = FrameCopyRects(*game);
  const auto copied = [&](int x, int y) {
    for (const Rect& r : rects) {
      if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
        return true;
      }
    }
    return false;
  };
  EXPECT_FALSE(copied(panel.left, panel.top));
  EXPECT_FALSE(copied(panel.right - 1, panel.bottom - 1));
  EXPECT_TRUE(copied(panel.left - 1, panel.top));  // the panel frame is copied
  EXPECT_TRUE(copied(panel.right, panel.top));
  EXPECT_TRUE(copied(panel.left, panel.bottom));
  EXPECT_TRUE(copied(1919, 1079));
}

}  // namespace
}  // namespace kelvane
